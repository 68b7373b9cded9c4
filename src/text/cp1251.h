#pragma once
// Code page 1251 is the program's inner text form: every file is read and
// written in it, and std::string holds its bytes as read. UTF-8 exists only at
// the edges (widgets, file-system paths, the terminal, source literals).
#include <string>
#include <string_view>

namespace kmpx {

std::string Utf8ToCp1251(std::string_view utf8);  // unmappable characters become '?'
std::string Cp1251ToUtf8(std::string_view cp1251);

// Case folding of code page 1251 (Latin and all Cyrillic letters), the rule
// of the line list's lookups.
unsigned char Cp1251Lower(unsigned char c);
unsigned char Cp1251Upper(unsigned char c);
bool SameTextAnsi(std::string_view a, std::string_view b);

inline namespace literals {
// Russian texts are written in UTF-8 in the source: "Ошибка"_cp is CP1251.
inline std::string operator""_cp(const char* text, std::size_t size) {
  return Utf8ToCp1251(std::string_view(text, size));
}
}  // namespace literals

}  // namespace kmpx
