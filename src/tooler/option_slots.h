#pragma once
// Option slots: the numbered controls of the compiler pages. A control's tag
// holds its group or slot number (bits 0-7) and two flags: Active (bit 30),
// the control is enabled whenever its compiler is switched on, and Described
// (bit 31), the installed description has a line for it. Number 0 addresses
// nothing; 253 and 254 mark the WAD lists' helpers and the browse buttons,
// which no description names.
#include <cstdint>
#include <string>
#include <string_view>

#include "text/dialogs.h"
#include "ui/control.h"

namespace kmpx {

inline constexpr std::uint32_t kSlotNumberBits = 0xFFu;
inline constexpr std::uint32_t kActiveBit = 1u << 30;
inline constexpr std::uint32_t kDescribedBit = 1u << 31;
inline constexpr int kWadListSlot = 253;
inline constexpr int kBrowseSlot = 254;

// A tag with the number and the flags, for the code that builds pages.
std::int32_t SlotTag(int number, bool active = false, bool described = false);

int SlotNumber(const ui::Control& control);
bool IsActive(const ui::Control& control);
bool IsDescribed(const ui::Control& control);
void SetActive(ui::Control& control, bool on);
void SetDescribed(ui::Control& control, bool on);

// Group boxes, page controls and scrollers, tab sheets and panels, by class name.
bool IsSlotContainer(const ui::Control& control);

// The first child of parent (in child order) with that number; with recursive,
// containers are searched where they stand. Number 0 is refused with a box.
ui::Control* FindSlot(const ui::Control& parent, int number, bool recursive, MessageBoxes& boxes);

// Clears the chosen flags on every control below container.
void ClearSlotFlags(ui::Control& container, bool clearDescribed, bool clearActive);

// Numbered controls the description does not name are disabled, check boxes
// also unticked (which runs their reaction). Decimal fields, buttons and
// labels keep the state their check box gave them.
void DisableUndescribedSlots(ui::Control& container);

// Reading and writing a slot by kind, for command lines, configurations and
// the batch import. A control of another kind reads as empty or 0 and takes
// no write.
bool SlotTicked(const ui::Control& slot);
// Tick, Active flag and enabled state at once, as a configuration restores a switch.
void WriteCheckSlot(ui::Control& slot, bool ticked, bool active, bool enabled);
// Text fields and editable lists: the text; decimal fields: the shown text;
// spin fields: the value; drop-down lists: the selected item's text.
std::string SlotText(const ui::Control& slot);
void WriteSlotText(ui::Control& slot, std::string text);
double SlotDecimal(const ui::Control& slot);
void WriteSlotDecimal(ui::Control& slot, double value);
std::int32_t SlotWhole(const ui::Control& slot);
void WriteSlotWhole(ui::Control& slot, std::int32_t value);
int SlotItemIndex(const ui::Control& slot);
void WriteSlotItemIndex(ui::Control& slot, int index);
// A drop-down entry's data holds one command-line value per item: the value
// of item index is field index + 1 at the bar. Empty outside the values.
std::string DropDownCommandValue(std::string_view data, int index);

}  // namespace kmpx
