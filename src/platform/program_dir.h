#pragma once
#include <string>

namespace kmpx {

// The program folder (CP1251, with a trailing separator): KMPX_HOME when set,
// else the folder of the program file, else - when that folder cannot be
// written, as for an installed package - the user's data folder. The folder
// is created when missing.
std::string ResolveProgramDir();

// Makes the program folder the current folder, so relative names in the
// settings (".\Sounds\...") resolve against it. False when it cannot.
bool EnterProgramDir(const std::string& programDir);

}  // namespace kmpx
