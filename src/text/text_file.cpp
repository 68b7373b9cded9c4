#include "text/text_file.h"

#include <fstream>
#include <system_error>

#include "text/cp1251.h"

namespace kmpx {

std::filesystem::path ToFsPath(const std::string& path) {
  std::string utf8 = Cp1251ToUtf8(path);
#ifndef _WIN32
  for (char& c : utf8)
    if (c == '\\') c = '/';
#endif
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string FromFsPath(const std::filesystem::path& path) {
  const std::u8string utf8 = path.u8string();
  return Utf8ToCp1251(std::string(utf8.begin(), utf8.end()));
}

bool FileExists(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(ToFsPath(path), error);
}

std::optional<std::string> ReadFileBytes(const std::string& path) {
  std::error_code error;
  const auto fsPath = ToFsPath(path);
  if (std::filesystem::is_directory(fsPath, error)) return std::nullopt;
  std::ifstream in(fsPath, std::ios::binary);
  if (!in) return std::nullopt;
  // The stream library reports a failing read by throwing from inside the
  // buffer; to callers it is just a file that could not be read.
  try {
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return std::nullopt;
    return bytes;
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes) {
  const auto target = ToFsPath(path);
  auto temp = target;
  temp += ".kmpx-tmp";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) {
      out.close();
      std::error_code ignored;
      std::filesystem::remove(temp, ignored);
      return false;
    }
  }
  std::error_code error;
  std::filesystem::rename(temp, target, error);
  if (error) {
    std::error_code ignored;
    std::filesystem::remove(temp, ignored);
    return false;
  }
  return true;
}

bool LoadLines(LineList& list, const std::string& path, bool critical, Reporting& report) {
  list.Clear();
  const auto bytes = ReadFileBytes(path);
  if (bytes) {
    list = LineList::FromText(*bytes);
    return true;
  }
  const std::string quoted = "\"" + path + "\"";
  const std::string line = "Ошибка при загрузке файла "_cp + quoted;
  report.log.Error(line);
  if (critical) {
    report.boxes.ErrorBox("Критическая ошибка при загрузке файла "_cp + quoted +
                          ". Работа с программой будет прервана!"_cp);
    report.program.AbortProgram();
  } else {
    report.boxes.ErrorBox(line);
  }
  return false;
}

bool SaveLines(const LineList& list, const std::string& path, bool critical, Reporting& report) {
  if (WriteFileAtomically(path, list.ToText())) return true;
  std::string text = "Ошибка создания файла "_cp + "\"" + path + "\".";
  if (critical) text += " Дальнейшая работа с программой невозможна!"_cp;
  report.boxes.ErrorBox(text);
  return false;
}

}  // namespace kmpx
