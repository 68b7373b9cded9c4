#include "platform/program_dir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

#include "text/cp1251.h"

namespace kmpx {
namespace {

bool IsWritableFolder(const QString& folder) {
  if (!QDir().mkpath(folder)) return false;
  QTemporaryFile probe(folder + QStringLiteral("/.kmpx-write-test-XXXXXX"));
  return probe.open();
}

std::string WithTrailingSeparator(const QString& folder) {
  QString native = QDir::toNativeSeparators(QDir::cleanPath(folder));
  if (!native.endsWith(QDir::separator())) native += QDir::separator();
  return Utf8ToCp1251(native.toStdString());
}

}  // namespace

std::string ResolveProgramDir() {
  const QString home = qEnvironmentVariable("KMPX_HOME");
  if (!home.isEmpty()) {
    QDir().mkpath(home);
    return WithTrailingSeparator(QFileInfo(home).absoluteFilePath());
  }
  const QString programFolder = QCoreApplication::applicationDirPath();
  if (IsWritableFolder(programFolder)) return WithTrailingSeparator(programFolder);
  const QString userFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  QDir().mkpath(userFolder);
  return WithTrailingSeparator(userFolder);
}

bool EnterProgramDir(const std::string& programDir) {
  return QDir::setCurrent(QString::fromStdString(Cp1251ToUtf8(programDir)));
}

}  // namespace kmpx
