#include "text/cp1251.h"

#include <array>
#include <cstdint>
#include <unordered_map>

namespace kmpx {
namespace {

// Unicode code points of bytes 0x80..0xBF; 0xC0..0xFF are U+0410..U+044F.
// 0x98 is unassigned in the code page and kept as U+0098 so it round-trips.
constexpr std::array<char16_t, 64> kHighHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // B8
};

char32_t CodePointOf(unsigned char byte) {
  if (byte < 0x80) return byte;
  if (byte >= 0xC0) return 0x0410 + (byte - 0xC0);
  return kHighHalf[byte - 0x80];
}

const std::unordered_map<char32_t, unsigned char>& ReverseTable() {
  static const auto table = [] {
    std::unordered_map<char32_t, unsigned char> map;
    for (int byte = 0x80; byte <= 0xFF; ++byte)
      map.emplace(CodePointOf(static_cast<unsigned char>(byte)), static_cast<unsigned char>(byte));
    return map;
  }();
  return table;
}

struct CaseTables {
  std::array<unsigned char, 256> lower{};
  std::array<unsigned char, 256> upper{};
};

const CaseTables& Cases() {
  static const CaseTables tables = [] {
    CaseTables t;
    for (int i = 0; i < 256; ++i) t.lower[i] = t.upper[i] = static_cast<unsigned char>(i);
    auto pair = [&t](int up, int low) {
      t.lower[up] = static_cast<unsigned char>(low);
      t.upper[low] = static_cast<unsigned char>(up);
    };
    for (int c = 'A'; c <= 'Z'; ++c) pair(c, c + 32);
    for (int c = 0xC0; c <= 0xDF; ++c) pair(c, c + 32);
    // Cyrillic letters outside the main alphabet block.
    const int pairs[][2] = {{0x80, 0x90}, {0x81, 0x83}, {0x8A, 0x9A}, {0x8C, 0x9C}, {0x8D, 0x9D},
                            {0x8E, 0x9E}, {0x8F, 0x9F}, {0xA1, 0xA2}, {0xA3, 0xBC}, {0xA5, 0xB4},
                            {0xA8, 0xB8}, {0xAA, 0xBA}, {0xAF, 0xBF}, {0xB2, 0xB3}, {0xBD, 0xBE}};
    for (const auto& p : pairs) pair(p[0], p[1]);
    return t;
  }();
  return tables;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

}  // namespace

std::string Cp1251ToUtf8(std::string_view cp1251) {
  std::string out;
  out.reserve(cp1251.size() * 2);
  for (char c : cp1251) AppendUtf8(out, CodePointOf(static_cast<unsigned char>(c)));
  return out;
}

std::string Utf8ToCp1251(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  const auto& reverse = ReverseTable();
  std::size_t i = 0;
  while (i < utf8.size()) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    if (lead < 0x80) {
      out += static_cast<char>(lead);
      ++i;
      continue;
    }
    int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    char32_t cp = extra == 3 ? (lead & 0x07) : extra == 2 ? (lead & 0x0F) : (lead & 0x1F);
    bool valid = extra > 0;
    for (int k = 1; valid && k <= extra; ++k) {
      if (i + k >= utf8.size()) { valid = false; break; }
      const auto next = static_cast<unsigned char>(utf8[i + k]);
      if ((next & 0xC0) != 0x80) { valid = false; break; }
      cp = (cp << 6) | (next & 0x3F);
    }
    if (!valid) {
      out += '?';
      ++i;
      continue;
    }
    const auto found = reverse.find(cp);
    out += found != reverse.end() ? static_cast<char>(found->second) : '?';
    i += static_cast<std::size_t>(extra) + 1;
  }
  return out;
}

unsigned char Cp1251Lower(unsigned char c) { return Cases().lower[c]; }
unsigned char Cp1251Upper(unsigned char c) { return Cases().upper[c]; }

bool SameTextAnsi(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  const auto& lower = Cases().lower;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (lower[static_cast<unsigned char>(a[i])] != lower[static_cast<unsigned char>(b[i])]) return false;
  return true;
}

}  // namespace kmpx
