#include "text/string_ops.h"

#include <algorithm>

namespace kmpx {
namespace {

constexpr std::size_t kShortTextLimit = 255;

unsigned char DosUpper(unsigned char c) {
  if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 32);
  if (c >= 160 && c <= 175) return static_cast<unsigned char>(c - 32);
  if (c >= 224 && c <= 239) return static_cast<unsigned char>(c - 80);
  return c;
}

unsigned char DosLower(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
  if (c >= 128 && c <= 143) return static_cast<unsigned char>(c + 32);
  if (c >= 144 && c <= 159) return static_cast<unsigned char>(c + 80);
  return c;
}

std::string MapBytes(std::string_view s, unsigned char (*map)(unsigned char)) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(map(static_cast<unsigned char>(c)));
  return out;
}

// Field n (from 1) without the length limit of GetField; empty when missing.
std::string_view FieldView(std::string_view s, int n, char sep) {
  if (n < 1) return {};
  std::size_t start = 0;
  for (int k = 1; k < n; ++k) {
    const auto next = s.find(sep, start);
    if (next == std::string_view::npos) return {};
    start = next + 1;
  }
  if (start >= s.size()) return {};
  return s.substr(start, s.find(sep, start) - start);
}

std::string WrapIn(std::string_view s, char mark) {
  if (s.empty() || (s.size() >= 2 && s.front() == mark && s.back() == mark)) return std::string(s);
  std::string out;
  out.reserve(s.size() + 2);
  out += mark;
  out += s;
  out += mark;
  return out;
}

bool IsDriveLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// Index just after the folder part: after the last separator, or after a
// leading drive "C:"; 0 when the path is a bare name.
std::size_t NameStart(std::string_view path) {
  for (std::size_t i = path.size(); i > 0; --i)
    if (IsPathSeparator(path[i - 1])) return i;
  if (path.size() >= 2 && IsDriveLetter(path[0]) && path[1] == ':') return 2;
  return 0;
}

}  // namespace

std::string DosUpperCase(std::string_view s) { return MapBytes(s, DosUpper); }

std::string DosLowerCase(std::string_view s) { return MapBytes(s, DosLower); }

bool SameTextDos(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (DosUpper(static_cast<unsigned char>(a[i])) != DosUpper(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

std::string TextBefore(std::string_view s, char ch) {
  const auto at = s.find(ch);
  std::string_view before = at != std::string_view::npos ? s.substr(0, at)
                            : s.empty()                 ? s
                                                        : s.substr(0, s.size() - 1);
  return std::string(before.substr(0, kShortTextLimit));
}

std::string TextAfter(std::string_view s, std::string_view sub) {
  const auto at = sub.empty() ? std::string_view::npos : s.find(sub);
  if (at == std::string_view::npos) return std::string(s);
  return std::string(s.substr(at + 1));
}

bool LooseStartsWith(std::string_view s, std::string_view pattern) {
  if (pattern.size() < 2 || pattern.size() > s.size()) return false;
  for (std::size_t k = 0; k < pattern.size(); ++k) {
    const auto want = DosUpper(static_cast<unsigned char>(pattern[k]));
    const bool here = DosUpper(static_cast<unsigned char>(s[k])) == want;
    const bool next = k + 1 < s.size() && DosUpper(static_cast<unsigned char>(s[k + 1])) == want;
    if (!here && !next) return false;
  }
  return true;
}

int CountChar(std::string_view s, char ch) {
  return static_cast<int>(std::count(s.begin(), s.end(), ch));
}

int FieldCount(std::string_view s, char sep) {
  if (s.empty()) return 1;
  return 1 + CountChar(s.substr(0, s.size() - 1), sep);
}

std::string GetField(std::string_view s, int n, char sep) {
  return std::string(FieldView(s, n, sep).substr(0, kShortTextLimit));
}

int FieldIndexOf(std::string_view s, std::string_view item, char sep) {
  const int count = FieldCount(s, sep);
  for (int n = 1; n <= count; ++n)
    if (SameTextDos(FieldView(s, n, sep), item)) return n;
  return 0;
}

std::string ReplaceText(std::string_view s, std::string_view oldText, std::string_view newText,
                        bool caseSensitive) {
  if (oldText.empty()) return std::string(s);
  // The DOS case rule maps byte to byte, so positions in the copies are positions in s.
  const std::string upperText = caseSensitive ? std::string() : DosUpperCase(s);
  const std::string upperOld = caseSensitive ? std::string() : DosUpperCase(oldText);
  const std::string_view haystack = caseSensitive ? s : std::string_view(upperText);
  const std::string_view needle = caseSensitive ? oldText : std::string_view(upperOld);
  std::string out;
  std::size_t from = 0;
  for (auto at = haystack.find(needle); at != std::string_view::npos; at = haystack.find(needle, from)) {
    out += s.substr(from, at - from);
    out += newText;
    from = at + needle.size();
  }
  out += s.substr(from);
  return out;
}

std::string ReplaceNameSimbol(std::string_view s, char quote, char target, char replacement) {
  std::string out(s);
  bool inside = false;
  for (char& c : out) {
    if (c == quote)
      inside = !inside;
    else if (inside && c == target)
      c = replacement;
  }
  return out;
}

std::string ReplaceChar(std::string_view s, char from, char to) {
  std::string out(s);
  std::replace(out.begin(), out.end(), from, to);
  return out;
}

std::string RemoveChar(std::string_view s, char ch) {
  std::string out(s);
  out.erase(std::remove(out.begin(), out.end(), ch), out.end());
  return out;
}

std::string RemoveChars(std::string_view s, std::string_view set) {
  std::string out;
  out.reserve(s.size());
  for (char c : s)
    if (set.find(c) == std::string_view::npos) out += c;
  return out;
}

std::string RemoveCharBeside(std::string_view s, char anchor, char ch) {
  // Deleting one ch only brings the rest of its run next to the anchor, so the
  // repeated deletion removes exactly the runs of ch that touch an anchor.
  // When anchor and ch are the same character, each run shrinks to one.
  if (anchor == ch) {
    std::string out;
    for (char c : s)
      if (c != ch || out.empty() || out.back() != ch) out += c;
    return out;
  }
  std::string out;
  out.reserve(s.size());
  bool afterAnchor = false;
  for (char c : s) {
    if (c == anchor) {
      while (!out.empty() && out.back() == ch) out.pop_back();
      out += c;
      afterAnchor = true;
    } else if (c == ch && afterAnchor) {
      continue;
    } else {
      out += c;
      afterAnchor = false;
    }
  }
  return out;
}

std::string SqueezeChar(std::string_view s, char ch) {
  std::string out;
  out.reserve(s.size());
  for (char c : s) {
    if (c == ch && (out.empty() || out.back() == ch)) continue;
    out += c;
  }
  return out;
}

bool ContainsAnyChar(std::string_view s, std::string_view set) {
  return !set.empty() && s.find_first_of(set) != std::string_view::npos;
}

std::string QuoteText(std::string_view s) { return WrapIn(s, '"'); }

std::string PercentWrap(std::string_view s) { return WrapIn(s, '%'); }

std::string RepeatChar(int n, char ch) {
  return n > 0 ? std::string(static_cast<std::size_t>(n), ch) : std::string();
}

bool IsPathSeparator(char c) { return c == '\\' || c == '/'; }

std::string AddBackslash(std::string_view path) {
  if (path.empty() || IsPathSeparator(path.back())) return std::string(path);
  const auto last = path.find_last_of("\\/");
#ifdef _WIN32
  constexpr char kOwnSeparator = '\\';
#else
  constexpr char kOwnSeparator = '/';
#endif
  return std::string(path) + (last != std::string_view::npos ? path[last] : kOwnSeparator);
}

bool IsAbsolutePath(std::string_view path) {
  if (!path.empty() && IsPathSeparator(path[0])) return true;
  return path.size() >= 2 && IsDriveLetter(path[0]) && path[1] == ':';
}

std::string ExtractFileName(std::string_view path) { return std::string(path.substr(NameStart(path))); }

std::string ExtractFilePath(std::string_view path) { return std::string(path.substr(0, NameStart(path))); }

std::string ExtractFileDir(std::string_view path) {
  std::string_view dir = path.substr(0, NameStart(path));
  // Keep the separator of a root: "/" and "C:\" name a folder, "" and "C:" do not.
  const bool root = dir.size() == 1 || (dir.size() == 3 && dir[1] == ':');
  if (!dir.empty() && IsPathSeparator(dir.back()) && !root) dir.remove_suffix(1);
  return std::string(dir);
}

std::string ExtractFileExt(std::string_view path) {
  const std::size_t nameStart = NameStart(path);
  const auto dot = path.rfind('.');
  if (dot == std::string_view::npos || dot < nameStart) return {};
  return std::string(path.substr(dot));
}

std::string ChangeFileExt(std::string_view path, std::string_view ext) {
  const std::size_t nameStart = NameStart(path);
  auto dot = path.rfind('.');
  if (dot == std::string_view::npos || dot < nameStart) dot = path.size();
  return std::string(path.substr(0, dot)) + std::string(ext);
}

}  // namespace kmpx
