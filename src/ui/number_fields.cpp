#include "ui/number_fields.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace kmpx::ui {
namespace {

std::optional<std::int64_t> ParseWhole(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  std::int64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max())
    return std::nullopt;
  return value;
}

}  // namespace

SpinField::SpinField(std::string name) : EditControl("TSpinEdit", std::move(name)) { SetText("0"); }

std::int32_t SpinField::Clamp(std::int64_t value) const {
  if (min_ < max_) value = std::clamp<std::int64_t>(value, min_, max_);
  return static_cast<std::int32_t>(
      std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

std::int32_t SpinField::Value() const {
  const auto parsed = ParseWhole(Text());
  return parsed ? static_cast<std::int32_t>(*parsed) : min_;
}

void SpinField::SetValue(std::int32_t value) { SetText(std::to_string(Clamp(value))); }

void SpinField::SetLimits(std::int32_t min, std::int32_t max) {
  if (min == min_ && max == max_) return;
  min_ = min;
  max_ = max;
  Notify(Property::Limits);
}

void SpinField::UserStep(int direction) {
  if (!AcceptsUserInput() || ReadOnly()) return;
  SetFocus();
  SetValue(Clamp(static_cast<std::int64_t>(Value()) + static_cast<std::int64_t>(direction) * increment_));
}

void SpinField::CommitEntry() {
  const auto parsed = ParseWhole(Text());
  if (!parsed || Clamp(*parsed) != *parsed) SetValue(Value());
}

std::string SpinField::FilterTyped(std::string text) const {
  std::erase_if(text, [](char c) { return !(c >= '0' && c <= '9') && c != '-' && c != '+'; });
  return text;
}

DecimalField::DecimalField(std::string name) : EditControl("TPBNumEdit", std::move(name)) {
  SetText(Format(0, decimals_));
}

std::string DecimalField::Format(double value, int decimals) {
  char buffer[64];
  const auto result = decimals >= 0
                          ? std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals)
                          : std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
  std::string text(buffer, result.ptr);
  std::replace(text.begin(), text.end(), '.', ',');
  return text;
}

std::optional<double> DecimalField::Parse(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  std::string plain(text);
  std::replace(plain.begin(), plain.end(), ',', '.');
  std::string_view digits = plain;
  if (!digits.empty() && digits.front() == '+') digits.remove_prefix(1);
  // from_chars would take "inf" and "nan"; a number field must not.
  if (digits.empty() || digits.find_first_not_of("0123456789.-eE+") != std::string_view::npos) return std::nullopt;
  double value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (error != std::errc() || end != digits.data() + digits.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}

double DecimalField::Clamp(double value) const { return min_ < max_ ? std::clamp(value, min_, max_) : value; }

void DecimalField::SetValue(double value) {
  SetAndNotify(value_, Clamp(value), Property::Value);
  SetText(Format(value_, decimals_));
}

void DecimalField::SetLimits(double min, double max) {
  if (min == min_ && max == max_) return;
  min_ = min;
  max_ = max;
  Notify(Property::Limits);
}

void DecimalField::SetDecimals(int decimals) {
  if (SetAndNotify(decimals_, decimals, Property::Style)) SetText(Format(value_, decimals_));
}

void DecimalField::TextChanged() {
  if (const auto parsed = Parse(Text())) SetAndNotify(value_, Clamp(*parsed), Property::Value);
}

void DecimalField::CommitEntry() {
  if (!Parse(Text())) Fire(onInvalidEntry);
  SetValue(value_);
}

void TimePicker::SetTime(int secondsOfDay) {
  constexpr int kDay = 24 * 60 * 60;
  SetAndNotify(seconds_, ((secondsOfDay % kDay) + kDay) % kDay, Property::Value);
}

void TimePicker::UserSetTime(int secondsOfDay) {
  if (!AcceptsUserInput()) return;
  SetFocus();
  const int before = seconds_;
  SetTime(secondsOfDay);
  if (seconds_ != before) Fire(onChange);
}

}  // namespace kmpx::ui
