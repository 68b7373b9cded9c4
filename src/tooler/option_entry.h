#pragma once
// The lines of a compiler section of a tool description. A group line
// ("@" + number) selects a group box of the compiler's page; an entry line
// lays one option control of that group:
//
//   position 1      role: "0".."4" switch (the digit is the number of argument
//                   words it takes), "#" argument of the switch above, "~" laid
//                   like the others but left to the WAD-list code
//   positions 2-3   kind: CH, ED, NE, SP or CO
//   position 4      state: "+" ticks the check box when defaults are applied
//   5 up to "="     slot number inside the group
//   after "="       data, by kind
//
// Every other line is ignored by the readers.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "text/line_list.h"

namespace kmpx {

// Other: an entry line whose positions 2-3 name no known kind; readers skip it.
enum class OptionKind { Other, CH, ED, NE, SP, CO };

// "CH", "ED", "NE", "SP", "CO"; empty for Other.
std::string_view OptionKindName(OptionKind kind);

struct OptionEntry {
  char role = '0';
  OptionKind kind = OptionKind::Other;
  char state = ' ';
  std::string slot;  // the slot number as written
  std::string data;

  bool IsSwitch() const { return role >= '0' && role <= '4'; }
  // Words the switch takes on a tool command line; 0 for argument entries.
  int ArgumentWords() const { return IsSwitch() ? role - '0' : 0; }
  bool IsArgument() const { return role == '#'; }
  bool IsLeftToWadLists() const { return role == '~'; }
  bool TickedByDefault() const { return state == '+'; }
};

bool IsGroupLine(std::string_view line);
// First character "#", "~" or a digit 0..4.
bool IsEntryLine(std::string_view line);

// The parts of an entry line; nothing for any other line. The data is empty
// when the line has no "=".
std::optional<OptionEntry> ParseOptionEntry(std::string_view line);

// The number of a group line (from position 2) or of an entry line (from
// position 5), up to the first "=" or the end. Nothing when that text is not a
// whole number: the description is malformed.
std::optional<int> ParseSlotNumber(std::string_view line);

// Group and slot numbers a description may use; 0 addresses nothing and 253,
// 254 belong to controls no description names.
inline constexpr int kFirstSlotNumber = 1;
inline constexpr int kLastSlotNumber = 252;

enum class SectionFaultKind {
  EmptyLine,              // nothing to read at position 1
  EntryBeforeGroup,       // no group selected yet
  BadNumber,              // group or slot number that is not a whole number
  NumberOutOfRange,       // outside 1..252
  RepeatedGroup,          // each group occurs once in a section
  RepeatedSlot,           // each slot is laid once in its group
  UnknownKind,            // not CH, ED, NE, SP or CO
  ArgumentWithoutSwitch,  // "#" must follow a switch entry of its group
};

struct SectionFault {
  int line;  // index in the section
  SectionFaultKind kind;
};

// Checks a section against the grammar alone, without any page: which slots
// a page really has is known only when the section is installed onto it.
std::vector<SectionFault> CheckToolerSection(const LineList& section);

}  // namespace kmpx
