#pragma once
// The program's own settings held in memory: the lines of "kmpx shell.ini"
// and the state that the settings put into the windows (the recent-file menu,
// the options dialog's boxes, the tray icons). The forms bind to these fields;
// the settings code never touches a control.
#include <array>
#include <span>
#include <string>
#include <string_view>

#include "text/line_list.h"

namespace kmpx {

inline constexpr std::string_view kSettingsFileName = "kmpx shell.ini";

// Boxes of the options dialog's check lists, one per digit of the matching string.
inline constexpr int kConfirmBoxes = 7;
inline constexpr int kGeneralBoxes = 11;
inline constexpr int kInterfaceBoxes = 3;
inline constexpr int kRecentFiles = 7;

// Digit k (from 1) of an option string is on only when it is exactly "1";
// a digit the string is too short to have is off.
bool OptionDigitOn(std::string_view digits, int k);
// One digit per box: "1" ticked, "0" not.
std::string BoxDigits(std::span<const bool> boxes);

struct RecentFileItem {
  std::string caption;  // a full path
  bool visible = false;
};

struct ShellSettings {
  LineList Ini;

  // As read from the file by the last successful load; the features ask these.
  std::string ConfirmOptions;
  std::string GeneralOptions;

  // The options dialog's editable copy.
  std::array<bool, kConfirmBoxes> Confirms{};
  std::array<bool, kGeneralBoxes> General{};
  std::array<bool, kInterfaceBoxes> Interfaces{};  // never loaded; only written back
  bool SoundsEnabled = false;

  // Recent-file menu: file0 (newest) ... file6, and the separator N17 above them.
  std::array<RecentFileItem, kRecentFiles> RecentFiles{};
  bool RecentSeparatorVisible = false;

  bool TrayCompileVisible = false;  // the compile icon in the notification area
  bool MinimiseToTray = false;      // TrayIcon takes the minimised application

  bool ConfirmOn(int k) const { return OptionDigitOn(ConfirmOptions, k); }
  bool GeneralOn(int k) const { return OptionDigitOn(GeneralOptions, k); }
  std::string InterfaceOptions() const { return BoxDigits(Interfaces); }
  // Sounds play only for exactly "1"; the box is ticked for any non-zero number.
  bool SoundsOn() const { return Ini.ValueOf("USESOUNDS") == "1"; }

  // The value of the first line with this key, in any block and any letter case.
  std::string Value(std::string_view key) const { return Ini.ValueOf(key); }
  // Replaces the line of this key in place by key + "=" + value. A line the
  // file lacks is not added (false): the file keeps the layout it has.
  bool Replace(std::string_view key, std::string_view value);
};

}  // namespace kmpx
