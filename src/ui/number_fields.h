#pragma once
// Numeric entry fields: whole numbers with spin arrows and decimal numbers.
// Both hold text like any field (onChange on every text change); limits
// apply when the lower one is below the upper one (equal limits: none).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "ui/edit_control.h"

namespace kmpx::ui {

// Whole numbers. SetValue clamps into the limits; new limits do not move the
// value. The user types digits and signs only; on leaving the field a value
// outside the limits, or a text that is no number, is replaced by the
// clamped value (an unreadable text reads as the minimum).
class SpinField : public EditControl {
 public:
  explicit SpinField(std::string name);

  std::int32_t Value() const;
  void SetValue(std::int32_t value);
  std::int32_t MinValue() const { return min_; }
  std::int32_t MaxValue() const { return max_; }
  void SetLimits(std::int32_t min, std::int32_t max);
  void SetMinValue(std::int32_t min) { SetLimits(min, max_); }
  void SetMaxValue(std::int32_t max) { SetLimits(min_, max); }
  std::int32_t Increment() const { return increment_; }
  void SetIncrement(std::int32_t step) { increment_ = step; }

  // The spin arrows: direction +1 up, -1 down.
  void UserStep(int direction);
  // What leaving the field does; the renderer may call it when editing ends.
  void CommitEntry();

 protected:
  std::string FilterTyped(std::string text) const override;
  void FocusLost() override { CommitEntry(); }

 private:
  std::int32_t Clamp(std::int64_t value) const;

  std::int32_t min_ = 0;
  std::int32_t max_ = 0;
  std::int32_t increment_ = 1;
};

// Decimal numbers with a comma as the decimal separator (a point is read as
// well). Value() is the last valid number: text that reads as a number
// updates it at once; on leaving the field a text that does not read runs
// onInvalidEntry and is replaced by the last valid value, and a valid one is
// clamped and shown in the field's format.
class DecimalField : public EditControl {
 public:
  explicit DecimalField(std::string name);

  double Value() const { return value_; }
  // Always rewrites the text, so SetValue(Value()) restores a bad entry.
  void SetValue(double value);
  double MinValue() const { return min_; }
  double MaxValue() const { return max_; }
  void SetLimits(double min, double max);
  // Digits after the separator; -1: the shortest form (up to 15 digits).
  int Decimals() const { return decimals_; }
  void SetDecimals(int decimals);

  void CommitEntry();

  Handler onInvalidEntry;

  // The field's number format, for code that shows or reads such numbers.
  static std::string Format(double value, int decimals);
  static std::optional<double> Parse(std::string_view text);

 protected:
  void TextChanged() override;
  void FocusLost() override { CommitEntry(); }

 private:
  double Clamp(double value) const;

  double value_ = 0;
  double min_ = 0;
  double max_ = 0;
  int decimals_ = -1;
};

// A time of day, in seconds after midnight (0..86399). SetTime from code
// runs no handler; the user's change runs onChange.
class TimePicker : public Control {
 public:
  explicit TimePicker(std::string name) : Control("TDateTimePicker", std::move(name)) {}

  int Time() const { return seconds_; }
  void SetTime(int secondsOfDay);  // wraps into one day
  void UserSetTime(int secondsOfDay);
  bool TakesFocus() const override { return true; }

  Handler onChange;

 private:
  int seconds_ = 0;
};

}  // namespace kmpx::ui
