#include "settings/shell_settings.h"

namespace kmpx {

bool OptionDigitOn(std::string_view digits, int k) {
  return k >= 1 && static_cast<std::size_t>(k) <= digits.size() && digits[static_cast<std::size_t>(k) - 1] == '1';
}

std::string BoxDigits(std::span<const bool> boxes) {
  std::string digits;
  for (bool ticked : boxes) digits += ticked ? '1' : '0';
  return digits;
}

bool ShellSettings::Replace(std::string_view key, std::string_view value) {
  const int index = Ini.IndexOfKey(key);
  if (index < 0) return false;
  Ini.Put(index, std::string(key) + "=" + std::string(value));
  return true;
}

}  // namespace kmpx
