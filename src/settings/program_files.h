#pragma once
// File names of the shell and of its agent in the program folder.
#include <string_view>

namespace kmpx {

#ifdef _WIN32
inline constexpr std::string_view kShellProgramFile = "ZOdiv.exe";
inline constexpr std::string_view kAgentProgramFile = "ZEVodiz.exe";
#else
inline constexpr std::string_view kShellProgramFile = "ZOdiv";
inline constexpr std::string_view kAgentProgramFile = "ZEVodiz";
#endif

}  // namespace kmpx
