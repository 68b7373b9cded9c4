#include "frame/forms/bat_form.h"

#include "text/cp1251.h"

namespace kmpx {
namespace {

const char* const kHelpText[] = {
    "Шаблон Bat-файла задаёт команды, которые выполняются до, между и после запуска компиляторов.",
    "Строки %CSG%, %BSP%, %VIS%, %NETVIS%, %RAD% и %HL% зарезервированы: на их место подставляются",
    "командные строки компиляторов и запуска игры. Их нельзя удалять, редактировать и менять местами.",
    "Макрос %mapname% обозначает путь к карте без расширения, %WADROOT% - папку текстур.",
    "Клавиши списка: Alt+Вверх/Alt+Вниз - переместить строку, Insert - к полю новой строки,",
    "Delete - удалить, Enter - редактировать.",
    "Клавиши поля новой строки: Enter - добавить, Alt+Влево - очистить,",
    "Alt+Вправо - скопировать выбранную строку, Alt+Вверх - к списку.",
};

ui::SpeedButton& AddCommand(ui::Control& parent, const char* name, const char* hint, int left) {
  auto& button = parent.Add<ui::SpeedButton>(name);
  button.SetHint(Utf8ToCp1251(hint));
  button.SetBounds(left, 4, 120, 25);
  return button;
}

}  // namespace

std::unique_ptr<ui::Form> BuildBatForm() {
  auto form = std::make_unique<ui::Form>("BatFormWin", "TBatFormWin", "Редактор шаблона Bat-файла"_cp);
  form->SetClientSize(560, 470);
  form->SetBorder(ui::BorderStyle::Dialog);
  form->SetPosition(ui::FormPosition::ScreenCenter);

  auto& popup = form->Add<ui::PopupMenu>("BatListMenu");
  popup.Add<ui::MenuItem>("MenuUp", "Переместить вверх"_cp, "Alt+Up");
  popup.Add<ui::MenuItem>("MenuDown", "Переместить вниз"_cp, "Alt+Down");
  popup.Add<ui::MenuItem>("MenuDel", "Удалить"_cp, "Del");
  popup.Add<ui::MenuItem>("MenuEdit", "Редактировать"_cp, "Enter");

  auto& list = form->Add<ui::ListBox>("BatList");
  list.SetBounds(8, 8, 544, 220);
  list.SetScrollWidth(1000);
  list.SetPopupMenu(&popup);
  list.SetHint("Шаблон Bat-файла"_cp);

  auto& added = form->Add<ui::LabeledEdit>("AddedLine", "Новая строка"_cp);
  added.SetBounds(8, 252, 544, 23);
  added.SetHint("Текст новой строки шаблона"_cp);

  auto& commands = form->Add<ui::Panel>("CommandPanel");
  commands.SetBounds(8, 282, 544, 33);
  AddCommand(commands, "ButtonAddLine", "Добавить строку под выбранной (Enter в поле новой строки)", 4)
      .SetCaption("Добавить"_cp);
  AddCommand(commands, "ButtonUpLine", "Переместить строку вверх (Alt+Вверх)", 112).SetCaption("Вверх"_cp);
  AddCommand(commands, "ButtonDownLine", "Переместить строку вниз (Alt+Вниз)", 220).SetCaption("Вниз"_cp);
  AddCommand(commands, "ButtonDelLine", "Удалить строку (Delete)", 328).SetCaption("Удалить"_cp);
  AddCommand(commands, "ButtonEditLine", "Редактировать строку (Enter)", 436).SetCaption("Изменить"_cp);

  auto& memo = form->Add<ui::Memo>("Memo1");
  memo.SetBounds(8, 322, 544, 108);
  memo.SetReadOnly(true);
  for (const char* line : kHelpText) memo.AddLine(Utf8ToCp1251(line));

  auto& help = form->Add<ui::Button>("ButtonHelp", "Помощь"_cp);
  help.SetBounds(360, 438, 92, 25);
  help.SetHelpKeyword("IDH_DIALOG_BATFORM");
  auto& close = form->Add<ui::Button>("ButtonClose", "Закрыть"_cp);
  close.SetBounds(460, 438, 92, 25);
  close.SetCancel(true);
  close.SetModalResult(ui::kModalCancel);
  return form;
}

}  // namespace kmpx
