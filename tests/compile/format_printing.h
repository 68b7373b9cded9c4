#pragma once
// Readable failure output for colours and character formats.
#include <ostream>

#include "text/cp1251.h"
#include "ui/types.h"

namespace kmpx::ui {

inline void PrintTo(const Color& c, std::ostream* os) {
  if (c.system != SystemColor::None)
    *os << "system colour " << static_cast<int>(c.system);
  else
    *os << "rgb(" << int(c.red) << "," << int(c.green) << "," << int(c.blue) << ")";
}

inline void PrintTo(const TextFormat& f, std::ostream* os) {
  *os << "{" << Cp1251ToUtf8(f.face) << ", " << f.size << "pt, height " << f.height << ", ";
  PrintTo(f.color, os);
  *os << ", style " << f.style << ", charset " << f.charset << ", pitch " << static_cast<int>(f.pitch) << "}";
}

}  // namespace kmpx::ui
