#pragma once
// The standard dialogs besides message boxes: input box, file, folder, font,
// colour and time pickers. The real ones are Qt dialogs; tests script them.
// Every picker returns nothing when the user cancels.
#include <optional>
#include <string>
#include <vector>

#include "text/dialogs.h"
#include "ui/types.h"

namespace kmpx::ui {

struct FileDialogRequest {
  std::string title;          // CP1251
  std::string initialFolder;  // CP1251 path
  std::string fileName;       // preset name
  // Filters as the design writes them: "Настройки (*.ksp)|*.ksp|Все файлы (*.*)|*.*".
  std::string filter;
  int filterIndex = 1;        // 1-based, like the design's dialogs
  std::string defaultExtension;
};

struct FileDialogResult {
  std::string path;  // CP1251
  int filterIndex = 1;
};

class StandardDialogs : public Dialogs {
 public:
  virtual std::optional<std::string> InputBox(const std::string& caption, const std::string& prompt,
                                              const std::string& initial) = 0;
  virtual std::optional<FileDialogResult> OpenFile(const FileDialogRequest& request) = 0;
  virtual std::optional<FileDialogResult> SaveFile(const FileDialogRequest& request) = 0;
  virtual std::optional<std::string> PickFolder(const std::string& title, const std::string& initialFolder) = 0;
  virtual std::optional<TextFormat> PickFont(const TextFormat& initial) = 0;
  virtual std::optional<Color> PickColor(const Color& initial) = 0;
};

}  // namespace kmpx::ui
