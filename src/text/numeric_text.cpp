#include "text/numeric_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <optional>

#include "text/cp1251.h"
#include "text/string_ops.h"

namespace kmpx {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

// The two report lines of a bad number: what failed, then what replaced it.
void ReportBadNumber(MessageLog& log, std::string_view context, std::string_view text,
                     const std::string& defaultText) {
  const std::string place = "[" + std::string(context);
  log.Error(place + "] Невозможно преобразование строки "_cp + Quoted(text) + " в число!"_cp, false);
  log.Warning(place + "] Автозамена строки "_cp + Quoted(text) + " на "_cp + Quoted(defaultText) +
                  " - значение по умолчанию!"_cp,
              false);
}

std::optional<int> ParseInt(std::string_view text) {
  if (IsNotNumber(text)) return std::nullopt;
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;  // "-", overflow
  return value;
}

// [sign] digits [, digits] [E [sign] digits], spaces around. The checked text
// is handed to from_chars in its own fixed notation, so no locale is involved.
std::optional<long double> ParseDecimal(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  std::string plain;
  std::size_t i = 0;
  auto take = [&text, &i](char c) { return i < text.size() && text[i] == c ? (++i, true) : false; };
  auto takeDigits = [&text, &i, &plain] {
    const std::size_t from = i;
    while (i < text.size() && IsDigit(text[i])) plain += text[i++];
    return i - from;
  };
  if (take('-'))
    plain += '-';
  else
    take('+');
  std::size_t digits = takeDigits();
  if (take(',')) {
    plain += '.';
    digits += takeDigits();
  }
  if (digits == 0) return std::nullopt;
  if (take('e') || take('E')) {
    plain += 'e';
    if (take('-'))
      plain += '-';
    else
      take('+');
    if (takeDigits() == 0) return std::nullopt;
  }
  if (i != text.size()) return std::nullopt;
  long double value = 0;
  const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
  if (error != std::errc() || end != plain.data() + plain.size()) return std::nullopt;
  return value;
}

}  // namespace

bool IsNotNumber(std::string_view text) {
  if (text.empty()) return true;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (IsDigit(text[i])) continue;
    if (text[i] == '-' && i == 0) continue;
    return true;  // a "." anywhere, a second or later "-", any other character
  }
  return false;
}

int TextToIntDef(std::string_view text, int defaultValue, std::string_view context, MessageLog& log) {
  if (const auto value = ParseInt(RemoveChar(text, ' '))) return *value;
  if (!text.empty()) ReportBadNumber(log, context, text, std::to_string(defaultValue));
  return defaultValue;
}

int FieldToIntDef(std::string_view text, int n, char sep, std::string_view context, int defaultValue,
                  MessageLog& log) {
  const std::string field = GetField(text, n, sep);
  if (const auto value = ParseInt(field)) return *value;
  ReportBadNumber(log, context, field, std::to_string(defaultValue));
  return defaultValue;
}

long double TextToFloatDef(std::string_view text, std::string_view context, long double defaultValue,
                           MessageLog& log) {
  if (text.empty()) return defaultValue;
  if (const auto value = ParseDecimal(text)) return *value;
  ReportBadNumber(log, context, text, FloatToText(defaultValue));
  return defaultValue;
}

long double FieldToFloatDef(std::string_view text, int n, char sep, std::string_view context,
                            long double defaultValue, MessageLog& log) {
  return TextToFloatDef(GetField(text, n, sep), context, defaultValue, log);
}

NumberTextError::NumberTextError(const std::string& text)
    : std::runtime_error("Not a number: \"" + Cp1251ToUtf8(text) + "\""), text_(text) {}

long double DottedTextToFloat(std::string_view text) {
  const std::string commaText = ReplaceChar(text, '.', ',');
  if (const auto value = ParseDecimal(commaText)) return *value;
  throw NumberTextError(std::string(text));
}

std::string FloatToText(long double value) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
  if (value == 0) return "0";

  // Shortest digits that read back exactly, as "d.ddde+XX".
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
  const std::string_view scientific(buffer, static_cast<std::size_t>(result.ptr - buffer));
  const auto ePos = scientific.find('e');
  std::string digits;
  for (char c : scientific.substr(0, ePos))
    if (IsDigit(c)) digits += c;
  const int exponent = std::atoi(std::string(scientific.substr(ePos + 1)).c_str());

  std::string text = value < 0 ? "-" : "";
  const int count = static_cast<int>(digits.size());
  if (exponent >= -4 && exponent < 15) {
    if (exponent < 0) {
      text += "0," + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    } else if (count <= exponent + 1) {
      text += digits + std::string(static_cast<std::size_t>(exponent + 1 - count), '0');
    } else {
      text += digits.substr(0, static_cast<std::size_t>(exponent + 1)) + "," +
              digits.substr(static_cast<std::size_t>(exponent + 1));
    }
  } else {
    text += digits.substr(0, 1);
    if (count > 1) text += "," + digits.substr(1);
    text += "E" + std::to_string(exponent);
  }
  return text;
}

}  // namespace kmpx
