#pragma once
// Labels and multi-line text: plain memos and rich text with a character
// format per line.
#include <string>
#include <string_view>
#include <vector>

#include "text/line_list.h"
#include "ui/control.h"

namespace kmpx::ui {

// Static text; the caption is what it shows.
class Label : public Control {
 public:
  explicit Label(std::string name, std::string caption = {}) : Control("TLabel", std::move(name)) {
    SetCaption(std::move(caption));
  }
};

enum class ScrollBars { None, Horizontal, Vertical, Both };

// Multi-line plain text. onChange runs on every change of the lines, from
// code or from the user.
class Memo : public Control {
 public:
  explicit Memo(std::string name) : Memo("TMemo", std::move(name)) {}

  const LineList& Lines() const { return lines_; }
  void SetLines(const LineList& lines);
  void AddLine(std::string line);
  void Clear() { SetLines({}); }
  bool ReadOnly() const { return read_only_; }
  void SetReadOnly(bool on) { SetAndNotify(read_only_, on, Property::ReadOnly); }
  bool WordWrap() const { return word_wrap_; }
  void SetWordWrap(bool on) { SetAndNotify(word_wrap_, on, Property::Appearance); }
  ui::ScrollBars Scrolling() const { return scroll_bars_; }
  void SetScrolling(ui::ScrollBars bars) { SetAndNotify(scroll_bars_, bars, Property::Appearance); }

  // The user's edit: the whole new text, split into lines.
  void UserSetText(std::string_view text);
  bool TakesFocus() const override { return true; }

  Handler onChange;

 protected:
  Memo(std::string className, std::string name) : Control(std::move(className), std::move(name)) {}
  bool WantsReturn() const override { return true; }

 private:
  LineList lines_;
  bool read_only_ = false;
  bool word_wrap_ = true;
  ui::ScrollBars scroll_bars_ = ui::ScrollBars::None;
};

// Rich text: every line carries its own character format, and the pane has a
// background colour. onChange runs when the text changes (not the formats).
class RichText : public Control {
 public:
  struct Line {
    std::string text;
    TextFormat format;
    bool operator==(const Line&) const = default;
  };

  explicit RichText(std::string name) : Control("TRichEdit", std::move(name)) {}

  int LineCount() const { return static_cast<int>(lines_.size()); }
  const std::string& LineText(int index) const { return At(index).text; }
  const TextFormat& LineFormat(int index) const { return At(index).format; }
  const std::vector<Line>& RichLines() const { return lines_; }
  LineList PlainLines() const;

  void AddLine(std::string text, const TextFormat& format);
  // Splits text at its line breaks (CR LF, CR or LF) and adds each piece
  // with the format; returns how many lines were added.
  int AddText(std::string_view text, const TextFormat& format);
  void SetLineFormat(int index, const TextFormat& format);
  void Clear();

  const ui::Color& Background() const { return background_; }
  void SetBackground(ui::Color color) { SetAndNotify(background_, color, Property::Color); }
  bool ReadOnly() const { return read_only_; }
  void SetReadOnly(bool on) { SetAndNotify(read_only_, on, Property::ReadOnly); }
  bool WordWrap() const { return word_wrap_; }
  void SetWordWrap(bool on) { SetAndNotify(word_wrap_, on, Property::Appearance); }
  ui::ScrollBars Scrolling() const { return scroll_bars_; }
  void SetScrolling(ui::ScrollBars bars) { SetAndNotify(scroll_bars_, bars, Property::Appearance); }

  bool TakesFocus() const override { return true; }

  Handler onChange;

 protected:
  bool WantsReturn() const override { return true; }

 private:
  const Line& At(int index) const;

  std::vector<Line> lines_;
  ui::Color background_ = ui::Color::System(ui::SystemColor::Window);
  bool read_only_ = false;
  bool word_wrap_ = true;
  ui::ScrollBars scroll_bars_ = ui::ScrollBars::None;
};

}  // namespace kmpx::ui
