#pragma once
// Whole-file reading and writing. A write goes to a temporary file beside the
// target and is renamed over it, so a failed save never leaves half a file.
#include <filesystem>
#include <optional>
#include <string>

#include "text/line_list.h"
#include "text/reporting.h"

namespace kmpx {

// A program path (CP1251, either separator) as a path of this file system.
std::filesystem::path ToFsPath(const std::string& path);
std::string FromFsPath(const std::filesystem::path& path);
bool FileExists(const std::string& path);

std::optional<std::string> ReadFileBytes(const std::string& path);
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

// Reads the file into list (emptied first). A failure is logged and shown;
// when critical the program is ended through AbortProgram.
bool LoadLines(LineList& list, const std::string& path, bool critical, Reporting& report);
// Writes every line with CR LF. A failure is shown; the program goes on.
bool SaveLines(const LineList& list, const std::string& path, bool critical, Reporting& report);

}  // namespace kmpx
