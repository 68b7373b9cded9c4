#include "tooler/tooler_loader.h"

#include "text/cp1251.h"
#include "text/string_ops.h"
#include "tooler/install_section.h"
#include "tooler/page_behaviour.h"
#include "tooler/tooler_catalogue.h"
#include "ui/form.h"
#include "ui/list_control.h"

namespace kmpx {
namespace {

constexpr int kStatusToolerPanel = 5;
// The options dialog's box "executable names from the tool description".
constexpr int kExeNamesFromToolerOption = 10;

}  // namespace

ToolerLoader::ToolerLoader(OptionPageContext& pages, const ToolerGroup& group, ShellSettings& settings,
                           std::string programDir)
    : pages_(pages), group_(group), settings_(settings), programDir_(std::move(programDir)) {}

bool ToolerLoader::LoadToolerConfig(std::string_view name, bool applyDefaults, bool askSave) {
  if (askSave && hooks.askSaveChanges && !hooks.askSaveChanges()) return false;

  ui::ComboBox& toolerType = *group_.toolerType;
  PreviousToolerIndex = toolerType.ItemIndex();
  ToolerStatusText = toolerType.Text();
  if (statusBar != nullptr && statusBar->PanelCount() > kStatusToolerPanel)
    statusBar->SetPanelText(kStatusToolerPanel, ToolerStatusText);
  pages_.ConfigModified = true;

  const std::string path = ToolerFilePath(programDir_, name);
  auto config = ReadToolerFile(path, pages_.report);
  if (!config) return false;
  pages_.tooler = std::move(*config);

  if (!InstallSections(applyDefaults)) {
    // The pages keep what was laid before the fault until the next load.
    RecreateMalformedToolerFile(path, pages_.report);
    return false;
  }
  return true;
}

bool ToolerLoader::InstallSections(bool applyDefaults) {
  if (settings_.GeneralOn(kExeNamesFromToolerOption)) SetExeNamesFrom(true);
  settings_.Replace("TOOLER VERSION", group_.toolerType->Text());
  for (const CompilerId id : kStageCompilers)
    if (!InstallToolerSection(pages_, id, true, applyDefaults)) return false;
  if (auto* wads = pages_.Page(CompilerId::CSG).FindChildAs<ui::ListControl>("_CSGWadincludeList")) wads->ClearItems();
  ShowToolerInfo();
  return true;
}

void ToolerLoader::SetExeNamesFrom(bool fromDescription) {
  for (std::size_t i = 0; i < kExeNameFields.size(); ++i) {
    const std::string_view key = kExeNameFields[i].key;
    group_.exeNames[i]->SetText(fromDescription ? pages_.tooler.lines.ValueOf(key) : settings_.Value(key));
  }
}

void ToolerLoader::ShowToolerInfo() {
  const ToolerInfo& info = pages_.tooler.info;
  LineList lines;
  lines.Add("Название утилит: "_cp + info.name);
  lines.Add("Версия: "_cp + info.version);
  lines.Add("Описание: "_cp + info.description);
  lines.Add("Дата выпуска: "_cp + info.releaseDate);
  lines.Add("Автор: "_cp + info.author);
  lines.Add("Контакт с автором: "_cp + info.authorContact);
  lines.Add("Официальный сайт: "_cp + info.webPage);
  lines.Add("Ссылка для скачки: "_cp + info.downloadLink);
  group_.toolerInfo->SetLines(lines);
}

void ToolerLoader::ToolerTypeSelect() {
  ui::ComboBox& toolerType = *group_.toolerType;
  if (SameTextDos(toolerType.Text(), OtherToolerItem())) {
    if (hooks.showOtherToolerDialog && hooks.showOtherToolerDialog() == ui::kModalOk &&
        hooks.showBatchTemplateEditor)
      hooks.showBatchTemplateEditor();
    toolerType.SetItemIndex(PreviousToolerIndex);
    return;
  }
  const int selected = toolerType.ItemIndex();
  if (selected == PreviousToolerIndex) return;
  LoadToolerConfig(toolerType.Text(), false, false);
  PreviousToolerIndex = selected;
}

void ToolerLoader::ToolerTypeCloseUp() { ApplyStageSwitches(pages_); }

void ToolerLoader::Wire() {
  group_.toolerType->onSelect = [this](ui::Control&) { ToolerTypeSelect(); };
  group_.toolerType->onCloseUp = [this](ui::Control&) { ToolerTypeCloseUp(); };
}

}  // namespace kmpx
