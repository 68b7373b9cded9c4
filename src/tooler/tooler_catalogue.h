#pragma once
// The tool descriptions the user can choose in the list `ToolerType`, and the
// copies of the first four that are built into the program.
#include <array>
#include <string>
#include <string_view>

#include "text/reporting.h"

namespace kmpx {

// The items of `ToolerType` in order. Each but the last names the file
// "Toolers\<item>.tlr"; the last opens an information dialog instead.
inline constexpr std::array<std::string_view, 4> kBuiltInToolers = {
    "QTOOLS", "KMPX 2.5.3-1.6", "KMPX 2.5.3-1.6.1", "KMPX 2.5.3-1.7"};
// "Другая" in CP1251.
const std::string& OtherToolerItem();
// The built-in items followed by "Другая".
const std::array<std::string, 5>& ToolerTypeItems();
inline constexpr std::string_view kDefaultTooler = "KMPX 2.5.3-1.7";

inline constexpr std::string_view kToolerResourceType = "EXEFILE";
// The resource of a description file: its file name without spaces, dots and
// hyphens ("KMPX 2.5.3-1.7.tlr" -> "KMPX25317tlr"); resource names are
// matched without regard to case.
std::string ToolerResourceName(std::string_view fileName);

// programDir + "Toolers" + separator + name + ".tlr", using the separator
// programDir already uses.
std::string ToolerFilePath(std::string_view programDir, std::string_view name);

// Writes the built-in copy of the description file at path (creating its
// folder), replacing any file there. False when there is no built-in copy of
// that file name or it could not be written.
bool ExtractBuiltInToolerFile(const std::string& path);

// Writes the built-in descriptions that are missing from the "Toolers" folder
// (creating it) and leaves existing files alone. False when one could not be
// written.
bool WriteMissingToolerFiles(std::string_view programDir);

}  // namespace kmpx
