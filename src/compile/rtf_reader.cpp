#include "compile/rtf_reader.h"

#include <algorithm>
#include <iterator>
#include <map>

#include "text/cp1251.h"

namespace kmpx {
namespace {

// Destinations whose text is not part of the document, written without the
// "\*" that marks the newer ones.
constexpr std::string_view kSkippedDestinations[] = {
    "info", "stylesheet", "pict", "object", "footnote", "annotation",
    "header", "headerl", "headerr", "headerf", "footer", "footerl", "footerr", "footerf",
    "listtable", "listoverridetable", "revtbl", "rsidtbl", "filetbl", "xmlnstbl",
    "themedata", "colorschememapping", "latentstyles", "fldinst",
};

// Code page 1251 places of the typographic characters RTF names by word.
struct NamedCharacter {
  std::string_view word;
  char byte;
};
constexpr NamedCharacter kNamedCharacters[] = {
    {"tab", '\t'},
    {"emdash", '\x97'},
    {"endash", '\x96'},
    {"lquote", '\x91'},
    {"rquote", '\x92'},
    {"ldblquote", '\x93'},
    {"rdblquote", '\x94'},
    {"bullet", '\x95'},
    {"emspace", ' '},
};

std::string CodePointToCp1251(long codePoint) {
  if (codePoint < 0) codePoint += 65536;  // RTF writes code points above 32767 as negative
  std::string utf8;
  const auto cp = static_cast<unsigned long>(codePoint);
  if (cp < 0x80) {
    utf8 += static_cast<char>(cp);
  } else if (cp < 0x800) {
    utf8 += static_cast<char>(0xC0 | (cp >> 6));
    utf8 += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    utf8 += static_cast<char>(0xE0 | ((cp >> 12) & 0x0F));
    utf8 += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    utf8 += static_cast<char>(0x80 | (cp & 0x3F));
  }
  return Utf8ToCp1251(utf8);
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

ui::FontPitch PitchFromRtf(int fprq) {
  switch (fprq) {
    case 1:
      return ui::FontPitch::Fixed;
    case 2:
      return ui::FontPitch::Variable;
    default:
      return ui::FontPitch::Default;
  }
}

class RtfParser {
 public:
  explicit RtfParser(std::string_view rtf) : rtf_(rtf) {}

  std::vector<RtfParagraph> Run() {
    groups_.push_back(GroupState{});
    std::size_t i = 0;
    while (i < rtf_.size()) {
      const char c = rtf_[i];
      if (c == '{') {
        groups_.push_back(groups_.back());
        unicodeFallback_ = 0;
        ++i;
      } else if (c == '}') {
        groups_.pop_back();
        unicodeFallback_ = 0;
        ++i;
        if (groups_.size() == 1) break;  // the document's own group has closed
      } else if (c == '\\') {
        i = Control(i);
      } else {
        if (c != '\r' && c != '\n') Character(c);
        ++i;
      }
    }
    if (!pending_.text.empty()) EndParagraph();
    return Resolve();
  }

 private:
  enum class Destination { Body, FontTable, ColourTable, Skip };

  struct GroupState {
    Destination destination = Destination::Body;
    int font = -1;  // the document's default font
    int halfPoints = 24;
    int colour = 0;
    unsigned style = 0;
    int unicodeSkip = 1;
  };

  struct FontEntry {
    std::string name;
    bool nameClosed = false;
    int charset = 0;
    int pitch = 0;
  };

  struct PendingParagraph {
    std::string text;
    std::optional<GroupState> start;
  };

  GroupState& State() { return groups_.back(); }

  // Reads one control word or symbol starting at the backslash; returns the
  // index after it.
  std::size_t Control(std::size_t i) {
    if (i + 1 >= rtf_.size()) return rtf_.size();
    const char next = rtf_[i + 1];
    if (IsLetter(next)) {
      std::size_t end = i + 1;
      while (end < rtf_.size() && IsLetter(rtf_[end]) && end - i <= 32) ++end;
      const std::string_view word = rtf_.substr(i + 1, end - i - 1);
      std::optional<long> parameter;
      bool negative = false;
      if (end < rtf_.size() && rtf_[end] == '-' && end + 1 < rtf_.size() && IsDigit(rtf_[end + 1])) {
        negative = true;
        ++end;
      }
      if (end < rtf_.size() && IsDigit(rtf_[end])) {
        long value = 0;
        while (end < rtf_.size() && IsDigit(rtf_[end])) {
          if (value < 100000000) value = value * 10 + (rtf_[end] - '0');
          ++end;
        }
        parameter = negative ? -value : value;
      }
      if (end < rtf_.size() && rtf_[end] == ' ') ++end;
      if (word == "bin") {
        // Raw bytes follow; they must not be read as text or braces.
        const auto length = static_cast<std::size_t>(std::max(0L, parameter.value_or(0)));
        return std::min(rtf_.size(), end + length);
      }
      ControlWord(word, parameter);
      return end;
    }
    if (next == '\'') {
      if (i + 3 < rtf_.size() && HexDigit(rtf_[i + 2]) >= 0 && HexDigit(rtf_[i + 3]) >= 0)
        Character(static_cast<char>(HexDigit(rtf_[i + 2]) * 16 + HexDigit(rtf_[i + 3])));
      return std::min(rtf_.size(), i + 4);
    }
    unicodeFallback_ = 0;
    switch (next) {
      case '*':
        State().destination = Destination::Skip;
        break;
      case '\\':
      case '{':
      case '}':
        Character(next);
        break;
      case '~':
        Character('\xA0');
        break;
      case '_':
        Character('-');
        break;
      case '\r':
      case '\n':
        ControlWord("par", std::nullopt);
        break;
      default:
        break;
    }
    return i + 2;
  }

  void ControlWord(std::string_view word, std::optional<long> parameter) {
    unicodeFallback_ = 0;
    GroupState& state = State();
    const int value = static_cast<int>(parameter.value_or(1));
    const bool on = parameter.value_or(1) != 0;

    if (word == "deff") {
      defaultFont_ = value;
      return;
    }
    if (word == "fonttbl") {
      state.destination = Destination::FontTable;
      return;
    }
    if (word == "colortbl") {
      state.destination = Destination::ColourTable;
      return;
    }
    if (std::ranges::find(kSkippedDestinations, word) != std::end(kSkippedDestinations)) {
      state.destination = Destination::Skip;
      return;
    }

    // Unicode characters occur in font names as well as in the text.
    if (word == "uc") {
      state.unicodeSkip = std::max(0, value);
      return;
    }
    if (word == "u" && parameter) {
      for (const char byte : CodePointToCp1251(*parameter)) Character(byte);
      unicodeFallback_ = state.unicodeSkip;
      return;
    }

    switch (state.destination) {
      case Destination::Skip:
        return;
      case Destination::FontTable:
        FontTableWord(word, value);
        return;
      case Destination::ColourTable:
        if (word == "red") colourRed_ = value;
        if (word == "green") colourGreen_ = value;
        if (word == "blue") colourBlue_ = value;
        if (word == "red" || word == "green" || word == "blue") colourSet_ = true;
        return;
      case Destination::Body:
        break;
    }

    if (word == "par") {
      EndParagraph();
    } else if (word == "plain") {
      state.font = -1;
      state.halfPoints = 24;
      state.colour = 0;
      state.style = 0;
    } else if (word == "f") {
      state.font = value;
    } else if (word == "fs") {
      state.halfPoints = value;
    } else if (word == "cf") {
      state.colour = value;
    } else if (word == "b") {
      SetStyle(ui::kBold, on);
    } else if (word == "i") {
      SetStyle(ui::kItalic, on);
    } else if (word == "strike" || word == "striked") {
      SetStyle(ui::kStrikeOut, on);
    } else if (word == "ulnone") {
      SetStyle(ui::kUnderline, false);
    } else if (word.starts_with("ul") && word != "ulc") {
      // \ul and its dotted, double, wave... kinds; \ulc is only the line's colour.
      SetStyle(ui::kUnderline, on);
    } else {
      for (const auto& named : kNamedCharacters)
        if (word == named.word) Character(named.byte);
    }
  }

  void FontTableWord(std::string_view word, int value) {
    if (word == "f") {
      currentFont_ = value;
      fonts_[value];
    } else if (word == "fcharset") {
      fonts_[currentFont_].charset = value;
    } else if (word == "fprq") {
      fonts_[currentFont_].pitch = value;
    }
  }

  void SetStyle(unsigned bit, bool on) {
    if (on)
      State().style |= bit;
    else
      State().style &= ~bit;
  }

  void Character(char byte) {
    if (unicodeFallback_ > 0) {
      --unicodeFallback_;
      return;
    }
    GroupState& state = State();
    switch (state.destination) {
      case Destination::Skip:
        return;
      case Destination::FontTable: {
        FontEntry& font = fonts_[currentFont_];
        if (byte == ';')
          font.nameClosed = true;
        else if (!font.nameClosed)
          font.name += byte;
        return;
      }
      case Destination::ColourTable:
        if (byte == ';') {
          colours_.push_back(colourSet_ ? std::optional<ui::Color>(ui::Color::Rgb(
                                              Channel(colourRed_), Channel(colourGreen_), Channel(colourBlue_)))
                                        : std::nullopt);
          colourRed_ = colourGreen_ = colourBlue_ = 0;
          colourSet_ = false;
        }
        return;
      case Destination::Body:
        if (!pending_.start) pending_.start = state;
        pending_.text += byte;
        return;
    }
  }

  static std::uint8_t Channel(int value) { return static_cast<std::uint8_t>(std::clamp(value, 0, 255)); }

  void EndParagraph() {
    if (!pending_.start) pending_.start = State();
    paragraphs_.push_back(std::move(pending_));
    pending_ = PendingParagraph{};
  }

  std::vector<RtfParagraph> Resolve() const {
    std::vector<RtfParagraph> result;
    for (const auto& paragraph : paragraphs_) {
      const GroupState& start = *paragraph.start;
      // A paragraph in no known font keeps the pane's own.
      ui::TextFormat format = PaneFont();
      const auto font = fonts_.find(start.font >= 0 ? start.font : defaultFont_);
      if (font != fonts_.end()) {
        std::string name = font->second.name;
        while (!name.empty() && name.back() == ' ') name.pop_back();
        while (!name.empty() && name.front() == ' ') name.erase(0, 1);
        format.face = name;
        format.charset = font->second.charset;
        format.pitch = PitchFromRtf(font->second.pitch);
      }
      format.size = std::max(1, (start.halfPoints + 1) / 2);
      // Colour 0, a missing entry and an "auto" entry are the automatic colour.
      format.color = ui::Color::System(ui::SystemColor::WindowText);
      if (start.colour >= 0 && static_cast<std::size_t>(start.colour) < colours_.size() &&
          colours_[static_cast<std::size_t>(start.colour)])
        format.color = *colours_[static_cast<std::size_t>(start.colour)];
      format.style = start.style;
      result.push_back({paragraph.text, format});
    }
    return result;
  }

  std::string_view rtf_;
  std::vector<GroupState> groups_;
  std::map<int, FontEntry> fonts_;
  int currentFont_ = 0;
  int defaultFont_ = 0;
  std::vector<std::optional<ui::Color>> colours_;
  int colourRed_ = 0;
  int colourGreen_ = 0;
  int colourBlue_ = 0;
  bool colourSet_ = false;
  int unicodeFallback_ = 0;
  PendingParagraph pending_;
  std::vector<PendingParagraph> paragraphs_;
};

}  // namespace

std::optional<std::vector<RtfParagraph>> ReadRtfParagraphs(std::string_view rtf) {
  const auto start = rtf.find_first_not_of(" \t\r\n");
  if (start == std::string_view::npos || !rtf.substr(start).starts_with("{\\rtf")) return std::nullopt;
  return RtfParser(rtf.substr(start)).Run();
}

}  // namespace kmpx
