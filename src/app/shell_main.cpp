#include <QCoreApplication>

#include <cstdio>

#include "platform/program_dir.h"
#include "text/cp1251.h"

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const std::string programDir = kmpx::ResolveProgramDir();
  kmpx::EnterProgramDir(programDir);
  std::printf("%s\n", kmpx::Cp1251ToUtf8(programDir).c_str());
  return 0;
}
