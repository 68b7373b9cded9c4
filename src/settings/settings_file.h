#pragma once
// Loading "kmpx shell.ini" with its validity check and recovery from the
// built-in copy, and the two saves that write the settings back.
#include <string>

#include "settings/desktop_registration.h"
#include "settings/shell_settings.h"
#include "text/reporting.h"

namespace kmpx {

// programDir ends with a separator, as the program holds it.
std::string SettingsFilePath(const std::string& programDir);

// True when every path and file name the program starts from has a value
// and "AFTER COMPILE" is a whole number ("HL PARAMS" may be empty).
bool CheckSettingsFormat(const LineList& ini);

struct SettingsLoad {
  bool loaded = false;          // false: AbortProgram was called; the caller returns at once
  bool defaultWritten = false;  // the built-in file was written (it was missing or broken)
};

// Reads the file into settings.Ini and applies it: the recent-file menu, the
// option strings and boxes, the sounds box, the tray icons, then the desktop
// registration. A missing or malformed file leads to the question whether to
// write the built-in copy; refusing or failing ends the program. A malformed
// file changes nothing but settings.Ini. agentKnown: an agent window is known.
SettingsLoad LoadSettings(ShellSettings& settings, const std::string& programDir, bool agentKnown,
                          DesktopRegistration& registration, Reporting& report);

// Writes the recent files, the three option strings and "USESOUNDS" from the
// in-memory state into their lines and saves the file (not critical).
bool SaveSettings(ShellSettings& settings, const std::string& programDir, Reporting& report);
// Writes the seven recent-file lines from the menu and saves the file (not critical).
bool SaveRecentFiles(ShellSettings& settings, const std::string& programDir, Reporting& report);
// Saves settings.Ini as it stands (not critical); for every other writer of the file.
bool WriteSettingsFile(const ShellSettings& settings, const std::string& programDir, Reporting& report);

}  // namespace kmpx
