#include "tooler/pages/set_other_kmpx_form.h"

#include <string_view>

#include "text/cp1251.h"
#include "ui/buttons.h"
#include "ui/text_views.h"

namespace kmpx {

namespace {

constexpr std::string_view kExplanation[] = {
    "KMPX SHELL Professional настраивает опции утилит KMPX версий 2.5.3, 2.5.3-1.6.1 Custom Build и 2.5.3-1.7.",
    "Другие наборы утилит (тулеры) напрямую настроить нельзя, но с ними тоже можно работать.",
    "",
    "1. Выберите в списке тулер, от которого произошёл ваш набор утилит, и укажите каталог утилит.",
    "",
    "2. Дополнительные утилиты вашего набора (например, fixmap.exe или opt_plns.exe) запускаются",
    "строками, которые вы добавляете в шаблон Bat-файла (кнопка \"Редактор шаблона Bat-файла\").",
    "Путь к карте подставляется макросом %mapname%. Например, чтобы запустить fixmap перед CSG,",
    "впишите в шаблон перед строкой %CSG%:",
    "    fixmap %mapname%",
    "    %CSG%",
    "",
    "3. Опции компиляторов, для которых в программе нет элементов управления, впишите в группу",
    "\"Дополнительные опции\" на странице нужного компилятора: флажок \"Добавить\" и строка опций.",
    "",
    "4. Для версии утилит 2.5.3-1.7p уже есть готовая настройка: пресет",
    "\"Шаблон настройки kmpx 2.5.3-1.7p\" и файл конфигурации \\Presets\\kmpx 2.5.3-1.7p.ksp",
    "в каталоге программы.",
    "",
    "Закройте окно кнопкой \"Закрыть\" или откройте редактор шаблона Bat-файла",
    "кнопкой \"Редактор шаблона Bat-файла\".",
};

}  // namespace

std::unique_ptr<ui::Form> BuildSetOtherKmpxForm() {
  auto form = std::make_unique<ui::Form>("SetOtherKMPXwin", "TSetOtherKMPXwin",
                                         "Настройка KMPX SHELL для нового тулера"_cp);
  form->SetBorder(ui::BorderStyle::Dialog);
  form->SetBorderIcons(ui::kSystemMenu);
  form->SetPosition(ui::FormPosition::MainFormCenter);
  form->SetClientSize(600, 400);

  auto& group = form->Add<ui::GroupBox>("GroupBox1", "Как настроить KMPX SHELL для нового тулера?"_cp);
  group.SetBounds(8, 8, 584, 344);
  auto& text = group.Add<ui::Memo>("Memo1");
  text.SetBounds(8, 18, 568, 318);
  text.SetReadOnly(true);
  text.SetWordWrap(true);
  text.SetScrolling(ui::ScrollBars::Vertical);
  LineList lines;
  for (std::string_view line : kExplanation) lines.Add(Utf8ToCp1251(line));
  text.SetLines(lines);

  auto& close = form->Add<ui::BitButton>("BitBtn1", "Закрыть"_cp);
  close.SetBounds(8, 364, 120, 28);
  close.SetModalResult(ui::kModalCancel);
  close.SetCancel(true);
  auto& editor = form->Add<ui::BitButton>("BitBtn2", "Редактор шаблона Bat-файла"_cp);
  editor.SetBounds(392, 364, 200, 28);
  editor.SetModalResult(ui::kModalOk);
  editor.SetDefault(true);
  return form;
}

}  // namespace kmpx
