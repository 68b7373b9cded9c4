#pragma once
// The compile stages in launch order. The same numbers order the option
// pages, the sections of a tool description and the blocks of a configuration.
#include <array>
#include <string>

namespace kmpx {

enum class CompilerId : int {
  None = 0,
  CSG = 1,
  BSP = 2,
  VIS = 3,
  NETVIS = 4,
  RAD = 5,
  HL = 6,   // the game, started after a compile
  All = 7,  // every compiler at once (a full preset)
};

// The five stages that have an option page and a description section.
inline constexpr std::array<CompilerId, 5> kStageCompilers = {
    CompilerId::CSG, CompilerId::BSP, CompilerId::VIS, CompilerId::NETVIS, CompilerId::RAD};

inline bool IsStageCompiler(CompilerId id) {
  return id >= CompilerId::CSG && id <= CompilerId::RAD;
}

// "Nocompiler", "CSG" ... "RAD", "HL", "All compilers": the names of pages,
// section blocks, preset kinds and batch-template macros.
const std::string& CompilerName(CompilerId id);

}  // namespace kmpx
