#include "tooler/option_entry.h"

#include <array>
#include <charconv>
#include <set>
#include <utility>

namespace kmpx {
namespace {

constexpr std::array<std::pair<OptionKind, std::string_view>, 5> kKindNames = {{
    {OptionKind::CH, "CH"},
    {OptionKind::ED, "ED"},
    {OptionKind::NE, "NE"},
    {OptionKind::SP, "SP"},
    {OptionKind::CO, "CO"},
}};

OptionKind KindAt(std::string_view line) {
  if (line.size() < 3) return OptionKind::Other;
  const std::string_view code = line.substr(1, 2);
  for (const auto& [kind, name] : kKindNames)
    if (code == name) return kind;
  return OptionKind::Other;
}

std::optional<int> WholeNumber(std::string_view text) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty()) return std::nullopt;
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::string_view SlotText(std::string_view line) {
  const std::size_t from = IsGroupLine(line) ? 1 : 4;
  if (line.size() <= from) return {};
  const std::string_view rest = line.substr(from);
  return rest.substr(0, rest.find('='));
}

}  // namespace

std::string_view OptionKindName(OptionKind kind) {
  for (const auto& [k, name] : kKindNames)
    if (k == kind) return name;
  return {};
}

bool IsGroupLine(std::string_view line) { return !line.empty() && line.front() == '@'; }

bool IsEntryLine(std::string_view line) {
  if (line.empty()) return false;
  const char role = line.front();
  return role == '#' || role == '~' || (role >= '0' && role <= '4');
}

std::optional<OptionEntry> ParseOptionEntry(std::string_view line) {
  if (!IsEntryLine(line)) return std::nullopt;
  OptionEntry entry;
  entry.role = line.front();
  entry.kind = KindAt(line);
  entry.state = line.size() > 3 ? line[3] : ' ';
  entry.slot = std::string(SlotText(line));
  // Without "=" there is no data; the whole line is never taken for it.
  const auto equals = line.find('=');
  if (equals != std::string_view::npos) entry.data = std::string(line.substr(equals + 1));
  return entry;
}

std::optional<int> ParseSlotNumber(std::string_view line) { return WholeNumber(SlotText(line)); }

std::vector<SectionFault> CheckToolerSection(const LineList& section) {
  std::vector<SectionFault> faults;
  std::set<int> groups;
  std::set<int> slotsOfGroup;
  bool inGroup = false;
  bool afterSwitch = false;
  for (int i = 0; i < section.Count(); ++i) {
    const std::string& line = section.Get(i);
    const auto fault = [&](SectionFaultKind kind) { faults.push_back({i, kind}); };
    const bool group = IsGroupLine(line);
    const bool entry = IsEntryLine(line);
    if (line.empty()) fault(SectionFaultKind::EmptyLine);
    if (!group && !entry) continue;  // ignored by every reader, so it separates nothing
    const auto number = ParseSlotNumber(line);
    if (!number)
      fault(SectionFaultKind::BadNumber);
    else if (*number < kFirstSlotNumber || *number > kLastSlotNumber)
      fault(SectionFaultKind::NumberOutOfRange);
    if (group) {
      if (number && !groups.insert(*number).second) fault(SectionFaultKind::RepeatedGroup);
      slotsOfGroup.clear();
      inGroup = true;
      afterSwitch = false;
      continue;
    }
    const OptionEntry parsed = *ParseOptionEntry(line);
    if (!inGroup) fault(SectionFaultKind::EntryBeforeGroup);
    if (number && !slotsOfGroup.insert(*number).second) fault(SectionFaultKind::RepeatedSlot);
    if (parsed.kind == OptionKind::Other) fault(SectionFaultKind::UnknownKind);
    if (parsed.IsArgument() && !afterSwitch) fault(SectionFaultKind::ArgumentWithoutSwitch);
    afterSwitch = parsed.IsSwitch();
  }
  return faults;
}

}  // namespace kmpx
