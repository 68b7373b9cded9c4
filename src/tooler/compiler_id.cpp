#include "tooler/compiler_id.h"

#include <stdexcept>

namespace kmpx {

const std::string& CompilerName(CompilerId id) {
  static const std::array<std::string, 8> kNames = {
      "Nocompiler", "CSG", "BSP", "VIS", "NETVIS", "RAD", "HL", "All compilers"};
  const auto index = static_cast<int>(id);
  if (index < 0 || index >= static_cast<int>(kNames.size()))
    throw std::out_of_range("compiler id out of range");
  return kNames[static_cast<std::size_t>(index)];
}

}  // namespace kmpx
