#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "support/test_reporting.h"
#include "text/cp1251.h"
#include "text/embedded_resources.h"
#include "text/string_ops.h"
#include "tooler/compiler_id.h"
#include "tooler/option_entry.h"
#include "tooler/install_section.h"
#include "tooler/option_page_context.h"
#include "tooler/option_slots.h"
#include "tooler/page_behaviour.h"
#include "tooler/pages/option_pages.h"
#include "tooler/pages/set_other_kmpx_form.h"
#include "tooler/tooler_catalogue.h"
#include "tooler/tooler_file.h"
#include "ui/controls.h"

namespace kmpx {
namespace {

// The five compiler pages and a General page, built as the main window does.
struct BuiltPages {
  BuiltPages() {
    for (CompilerId id : kStageCompilers) BuildOptionPage(book, id);
    BuildCommonOptions(general);
  }
  ui::Control& Page(CompilerId id) const { return book.Get<ui::TabSheet>(CompilerName(id)); }

  ui::Form window{"KSWin", "TKSWin"};
  ui::PageControl& book = window.Add<ui::PageControl>("PageControl1");
  ui::TabSheet& general = book.Add<ui::TabSheet>("General");
};

ToolerConfig BuiltInTooler(std::string_view item) {
  const auto bytes = FindEmbeddedResource(kToolerResourceType, ToolerResourceName(std::string(item) + ".tlr"));
  if (!bytes) ADD_FAILURE() << "no built-in copy of " << item;
  auto config = ParseToolerConfig(LineList::FromText(bytes ? std::string(*bytes) : std::string()));
  if (!config) ADD_FAILURE() << item << " is malformed";
  return config ? *config : ToolerConfig{};
}

// The control class each kind of entry lays its values on; the slot logic
// tells kinds apart by these class names.
std::string_view ClassOfKind(OptionKind kind) {
  switch (kind) {
    case OptionKind::CH: return "TCheckBox";
    case OptionKind::ED: return "TMaskEdit";
    case OptionKind::NE: return "TPBNumEdit";
    case OptionKind::SP: return "TSpinEdit";
    case OptionKind::CO: return "TComboBox";
    case OptionKind::Other: break;
  }
  return "";
}

// Every numbered control below container, depth first in child order.
std::vector<const ui::Control*> NumberedControls(const ui::Control& container) {
  std::vector<const ui::Control*> found;
  container.ForEachDescendant([&](const ui::Control& c) {
    if (c.Tag() != 0) found.push_back(&c);
  });
  return found;
}

bool HasAncestorOfClass(const ui::Control& control, std::string_view className, const ui::Control& stop) {
  for (const ui::Control* c = control.Parent(); c != nullptr && c != &stop; c = c->Parent())
    if (c->ClassName() == className) return true;
  return false;
}

bool IsInside(const ui::Control& control, const ui::Control& container) {
  for (const ui::Control* c = control.Parent(); c != nullptr; c = c->Parent())
    if (c == &container) return true;
  return false;
}

std::string WithoutUnderscores(std::string_view name) { return RemoveChar(std::string(name), '_'); }

TEST(OptionPages, EveryEntryOfEveryBuiltInDescriptionFindsASlotOfItsKind) {
  BuiltPages pages;
  test::TestReporting reporting;  // a number the page lacks would show a box nobody scripted
  for (std::string_view item : kBuiltInToolers) {
    const ToolerConfig config = BuiltInTooler(item);
    for (CompilerId id : kStageCompilers) {
      const ui::Control& page = pages.Page(id);
      const ui::Control* group = nullptr;
      for (const std::string& line : config.Section(id)) {
        SCOPED_TRACE(std::string(item) + " " + CompilerName(id) + ": " + Cp1251ToUtf8(line));
        if (IsGroupLine(line)) {
          group = FindSlot(page, ParseSlotNumber(line).value_or(0), false, reporting.boxes);
          ASSERT_NE(group, nullptr);
          EXPECT_EQ(group->ClassName(), "TGroupBox");
          continue;
        }
        const auto entry = ParseOptionEntry(line);
        if (!entry) continue;
        ASSERT_NE(group, nullptr);
        const ui::Control* slot = FindSlot(*group, ParseSlotNumber(line).value_or(0), true, reporting.boxes);
        ASSERT_NE(slot, nullptr);
        EXPECT_EQ(slot->ClassName(), ClassOfKind(entry->kind)) << slot->Name();
      }
    }
  }
}

TEST(OptionPages, NumbersAreUniqueAndFlagsClearAtDesignTime) {
  BuiltPages pages;
  for (CompilerId id : kStageCompilers) {
    const ui::Control& page = pages.Page(id);
    EXPECT_EQ(page.Name(), CompilerName(id));
    std::set<int> groups;
    for (const auto& child : page.Children()) {
      SCOPED_TRACE(CompilerName(id) + " " + child->Name());
      ASSERT_EQ(child->ClassName(), "TGroupBox");
      EXPECT_TRUE(groups.insert(child->Tag()).second) << "group number repeated";
      EXPECT_GE(child->Tag(), kFirstSlotNumber);
      EXPECT_LE(child->Tag(), kLastSlotNumber);

      std::set<int> slots;
      child->ForEachDescendant([&](const ui::Control& c) {
        SCOPED_TRACE(c.Name());
        EXPECT_FALSE(c.Name().empty());
        // Bits 8-31 clear: no flag before a description is installed.
        EXPECT_EQ(static_cast<std::uint32_t>(c.Tag()) & ~kSlotNumberBits, 0u);
        const int number = c.Tag();
        if (number == 0) {
          EXPECT_TRUE(IsSlotContainer(c) || c.ClassName() == "TLabel") << "an option control without a number";
        } else if (number != kWadListSlot && number != kBrowseSlot) {
          EXPECT_FALSE(IsSlotContainer(c));
          EXPECT_TRUE(slots.insert(number).second) << "slot number repeated";
        }
      });
    }
  }
}

// The renderer follows the design's sizes: a control reaching out of its
// parent would be cut off.
TEST(OptionPages, EveryControlLiesInsideItsParent) {
  BuiltPages pages;
  pages.window.ForEachDescendant([&](const ui::Control& c) {
    const ui::Control* parent = c.Parent();
    if (parent == &pages.window || parent == &pages.book || parent == &pages.general) return;
    if (c.ClassName() == "TTabSheet") return;  // sized by its page control
    EXPECT_GT(c.Width(), 0) << c.Name();
    EXPECT_GT(c.Height(), 0) << c.Name();
    EXPECT_GE(c.Left(), 0) << c.Name();
    EXPECT_GE(c.Top(), 0) << c.Name();
    EXPECT_LE(c.Left() + c.Width(), parent->Width()) << c.Name() << " in " << parent->Name();
    EXPECT_LE(c.Top() + c.Height(), parent->Height()) << c.Name() << " in " << parent->Name();
  });
}

// A value control is found by name among the siblings of its check box, so
// a box must not claim the controls of another switch beside it. Only a
// name that is the box's own with underscores inserted may follow it
// ("_RADfade", "RAD_fade", "_CSGHullfileBRS").
TEST(OptionPages, CheckBoxesClaimOnlyTheirOwnValueControls) {
  BuiltPages pages;
  int boxesWithValues = 0;
  pages.window.ForEachDescendant([&](const ui::Control& box) {
    if (box.ClassName() != "TCheckBox" || box.Parent() == nullptr) return;
    const auto& siblings = box.Parent()->Children();
    const bool hasValue = std::any_of(siblings.begin(), siblings.end(), [&](const auto& s) {
      return SameTextAnsi(s->Name(), "_" + box.Name());
    });
    if (!hasValue) return;
    ++boxesWithValues;
    for (const auto& sibling : siblings) {
      if (sibling.get() == &box || !LooseStartsWith(sibling->Name(), box.Name())) continue;
      const std::string own = WithoutUnderscores(box.Name());
      EXPECT_EQ(DosUpperCase(WithoutUnderscores(sibling->Name())).rfind(DosUpperCase(own), 0), 0u)
          << box.Name() << " claims " << sibling->Name();
    }
  });
  EXPECT_GT(boxesWithValues, 0);
}

TEST(OptionPages, ContainersHoldTheSlotsTheyAreDesignedFor) {
  BuiltPages pages;
  test::TestReporting reporting;
  const ui::Control& csg = pages.Page(CompilerId::CSG);
  const ui::Control& rad = pages.Page(CompilerId::RAD);

  const ui::Control& limited = *FindSlot(csg, 3, false, reporting.boxes);
  for (const ui::Control* slot : NumberedControls(limited)) {
    EXPECT_TRUE(HasAncestorOfClass(*slot, "TPageScroller", limited)) << slot->Name();
    EXPECT_TRUE(HasAncestorOfClass(*slot, "TPanel", limited)) << slot->Name();
  }

  const ui::Control& wads = *FindSlot(csg, 4, false, reporting.boxes);
  const auto& wadTabs = wads.Get<ui::PageControl>("WADcontrol");
  ASSERT_EQ(wadTabs.PageCount(), 2);
  EXPECT_EQ(wadTabs.Page(0).Caption(), "Wadinclude / Nowadtextures");
  EXPECT_EQ(wadTabs.Page(1).Caption(), "Редактор wad.cfg"_cp);
  EXPECT_EQ(NumberedControls(wadTabs).size(), NumberedControls(wads).size()) << "a slot of group 4 outside WADcontrol";
  EXPECT_EQ(wads.Get<ui::ComboBox>("CSGwadconfigpreset").Style(), ui::ComboStyle::OwnerDrawn);
  // 253: the controls of the selected wad.cfg group, usable only while one is selected.
  std::set<std::string> groupControls;
  for (const ui::Control* c : NumberedControls(wads))
    if (c->Tag() == kWadListSlot) groupControls.insert(c->Name());
  EXPECT_EQ(groupControls, (std::set<std::string>{"CSGwadconfigADDWAD", "CSGwadconfigDEL", "CSGwadconfigDELWAD",
                                                  "CSGwadconfigEDIT", "CSGwadconfigINWAD", "CSGwadconfigWADS"}));

  const ui::Control& light = *FindSlot(rad, 5, false, reporting.boxes);
  const auto& colourTabs = light.Get<ui::PageControl>("RADcolourparams");
  ASSERT_EQ(colourTabs.PageCount(), 3);
  for (int number = 1; number <= 57; ++number) {
    SCOPED_TRACE(number);
    const ui::Control* slot = FindSlot(light, number, true, reporting.boxes);
    if (number == 12 || number == 52) {
      EXPECT_EQ(slot, nullptr);
      continue;
    }
    ASSERT_NE(slot, nullptr);
    const int sheet = number <= 31 ? 0 : number <= 43 ? 1 : 2;
    EXPECT_TRUE(IsInside(*slot, colourTabs.Page(sheet))) << slot->Name() << " not on sheet " << sheet;
  }
}

TEST(OptionPages, ColourFieldsCarryTheirMasksAndStartEmpty) {
  BuiltPages pages;
  const ui::Control& rad = pages.Page(CompilerId::RAD);
  const std::string threeColours = "9.9  9.9  9.9;1;_";
  for (const char* name : {"_RADambient", "_RADcolourgamma", "_RADcolourscale", "_RADcolourjitter", "_RADjitter"}) {
    const auto& field = rad.Get<ui::MaskEdit>(name);
    EXPECT_EQ(field.EditMask(), threeColours) << name;
    EXPECT_EQ(field.Text(), " .    .    . ") << name;
  }
  const auto& softlight = rad.Get<ui::MaskEdit>("_RADsoftlight");
  EXPECT_EQ(softlight.EditMask(), "9.9  9.9  9.9  9.9;1;_");
  EXPECT_EQ(softlight.Text(), " .    .    .    . ");
  EXPECT_TRUE(rad.Get<ui::MaskEdit>("_RADlights").EditMask().empty());
}

// The General page's options are copied by name onto the compiler pages, so
// each must have its counterpart of the same kind on every page.
TEST(CommonOptions, EveryOptionHasItsTargetOnEachCompilerPage) {
  BuiltPages pages;
  int options = 0;
  pages.general.ForEachDescendant([&](const ui::Control& option) {
    if (option.Tag() != kCommonOptionBoxTag && option.Tag() != kCommonOptionValueTag) return;
    ++options;
    const bool isValue = option.Tag() == kCommonOptionValueTag;
    EXPECT_EQ(isValue, option.Name().front() == '_') << option.Name();
    EXPECT_EQ(option.Enabled(), !isValue) << option.Name() << ": a value waits for its box";
    if (option.Name() == "Priority") return;  // it only unlocks _Priority
    for (CompilerId id : kStageCompilers) {
      // The priority lists of the pages are options of their own, not values of a box.
      const std::string target = option.Name() == "_Priority" ? CompilerName(id) + "Priority"
                                 : isValue ? "_" + CompilerName(id) + option.Name().substr(1)
                                           : CompilerName(id) + option.Name();
      const ui::Control* found = pages.Page(id).FindChild(target);
      ASSERT_NE(found, nullptr) << target;
      EXPECT_EQ(found->ClassName(), option.ClassName()) << target;
    }
  });
  EXPECT_GT(options, 0);

  const auto& threads = pages.general.Get<ui::SpinField>("_Threads");
  EXPECT_EQ(threads.MinValue(), 1);
  EXPECT_EQ(threads.MaxValue(), 999999);
  EXPECT_EQ(threads.Value(), 1);
  const auto& texdata = pages.general.Get<ui::SpinField>("_Texdata");
  EXPECT_EQ(texdata.MinValue(), 2048);
  EXPECT_EQ(texdata.MaxValue(), 9999999);
  EXPECT_EQ(texdata.Value(), 2048);
  EXPECT_EQ(pages.general.Get<ui::ComboBox>("_Priority").Items().Count(), 3);
}

// The pages under the slot logic: the default description installed with
// its defaults, every switch with a value control enables it by its tick,
// and the General page reaches all five pages by name.
TEST(OptionPages, WorkUnderTheInstalledDefaultDescription) {
  BuiltPages pages;
  test::TestReporting reporting;
  OptionPageContext context(reporting.report);
  for (std::size_t i = 0; i < kStageCompilers.size(); ++i) {
    const CompilerId id = kStageCompilers[i];
    context.pages[i] = &pages.Page(id);
    context.stageSwitches[i] = &pages.window.Add<ui::CheckBox>(CompilerName(id) + "use");
  }
  context.general = &pages.general;
  context.tooler = BuiltInTooler(kDefaultTooler);
  WireOptionPages(context);
  for (CompilerId id : kStageCompilers) ASSERT_TRUE(InstallToolerSection(context, id, true, true));
  context.StageSwitch(CompilerId::NETVIS).SetChecked(true);

  int switchesWithValues = 0;
  for (CompilerId id : kStageCompilers) {
    const ui::Control& page = pages.Page(id);
    page.ForEachDescendant([&](const ui::Control& c) {
      auto* box = c.ClassName() == "TCheckBox" ? page.FindChildAs<ui::CheckBox>(c.Name()) : nullptr;
      if (box == nullptr || !IsDescribed(*box)) return;
      auto* value = box->Parent()->FindChild("_" + box->Name());
      if (value == nullptr || value->Parent() != box->Parent() || !IsDescribed(*value)) return;
      ++switchesWithValues;
      box->SetChecked(true);
      EXPECT_TRUE(value->Enabled()) << box->Name();
      box->SetChecked(false);
      EXPECT_FALSE(value->Enabled()) << box->Name();
    });
  }
  EXPECT_GT(switchesWithValues, 0);

  pages.general.Get<ui::CheckBox>("Threads").SetChecked(true);
  pages.general.Get<ui::SpinField>("_Threads").SetValue(4);
  for (CompilerId id : kStageCompilers) {
    const std::string threads = CompilerName(id) + "Threads";
    EXPECT_TRUE(pages.Page(id).Get<ui::CheckBox>(threads).Checked()) << threads;
    EXPECT_TRUE(pages.Page(id).Get<ui::SpinField>("_" + threads).Enabled()) << threads;
    EXPECT_EQ(pages.Page(id).Get<ui::SpinField>("_" + threads).Value(), 4) << threads;
  }
}

TEST(SetOtherKmpxForm, ButtonsCloseWithTheirResults) {
  for (const auto& [button, result] : std::map<std::string, int>{{"BitBtn1", ui::kModalCancel},
                                                                 {"BitBtn2", ui::kModalOk}}) {
    auto form = BuildSetOtherKmpxForm();
    EXPECT_EQ(form->Name(), "SetOtherKMPXwin");
    EXPECT_EQ(form->Caption(), "Настройка KMPX SHELL для нового тулера"_cp);
    form->Get<ui::Button>(button).Click();
    EXPECT_EQ(form->ModalResult(), result) << button;
  }
  auto form = BuildSetOtherKmpxForm();
  const auto& text = form->Get<ui::Memo>("Memo1");
  EXPECT_TRUE(text.ReadOnly());
  const std::string all = text.Lines().ToText();
  for (const char* point : {"fixmap %mapname%", "%CSG%", "opt_plns.exe", "Дополнительные опции",
                            "Шаблон настройки kmpx 2.5.3-1.7p", "\\Presets\\kmpx 2.5.3-1.7p.ksp"})
    EXPECT_NE(all.find(Utf8ToCp1251(point)), std::string::npos) << point;
}

}  // namespace
}  // namespace kmpx
