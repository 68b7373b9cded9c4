#pragma once
// Command lines of the compile stages and of the game.
#include <string>
#include <string_view>

namespace kmpx {

// The map path without its extension: cut at the last "." unless a "\" comes
// after it or it is the first character ("C:\maps.old\test" stays whole).
std::string MapPathWithoutExtension(std::string_view mapPath);

// The game line: the quoted game path and the parameters with every
// "%mapfile%" (any case) replaced by the map's name; commented out with "REM "
// unless the after-compile action is 1 (start the map).
std::string BuildGameLine(std::string_view mapPath, std::string_view gamePath, std::string_view gameParams,
                          int afterCompileAction);

}  // namespace kmpx
