#pragma once
// Numbers that reach the program as text (tool descriptions, configuration
// files, imported batch files). A bad text never stops the program: it is
// reported to the message window with the place it came from (context) and
// replaced by a default. Decimals use the comma, whatever the locale.
#include <stdexcept>
#include <string>
#include <string_view>

#include "text/reporting.h"

namespace kmpx {

// The syntax test for whole numbers: true for an empty text, a text with any
// character other than digits and one leading "-", or with a ".".
bool IsNotNumber(std::string_view text);

// Spaces are removed first. A bad text gives defaultValue, reported unless the
// text was empty; a value outside 32 bits is a bad text.
int TextToIntDef(std::string_view text, int defaultValue, std::string_view context, MessageLog& log);
// Field n of text split at sep, as GetField. A bad or missing field gives
// defaultValue and is reported, an empty one too.
int FieldToIntDef(std::string_view text, int n, char sep, std::string_view context, int defaultValue,
                  MessageLog& log);

// Comma as decimal separator, optional sign and exponent, spaces around
// allowed. An empty text gives defaultValue silently; a bad one is reported.
long double TextToFloatDef(std::string_view text, std::string_view context, long double defaultValue,
                           MessageLog& log);
// Field n as FieldToIntDef, then TextToFloatDef (so a missing field is silent).
long double FieldToFloatDef(std::string_view text, int n, char sep, std::string_view context,
                            long double defaultValue, MessageLog& log);

// Thrown by DottedTextToFloat: the text is not a number.
class NumberTextError : public std::runtime_error {
 public:
  explicit NumberTextError(const std::string& text);
  const std::string& Text() const { return text_; }

 private:
  std::string text_;
};

// For texts the program wrote itself with a point: every "." becomes ",",
// then the text is converted. Throws NumberTextError when it is no number,
// which abandons the caller's operation.
long double DottedTextToFloat(std::string_view text);

// The shortest general form with a comma that reads back to the same value:
// 0.5 -> "0,5", 64 -> "64", 1e20 -> "1E20", 1.5e-7 -> "1,5E-7".
std::string FloatToText(long double value);

}  // namespace kmpx
