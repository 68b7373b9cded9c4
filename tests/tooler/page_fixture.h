#pragma once
// A small model of the main window's option pages: a few groups of each
// compiler page with the nesting and the kinds the real pages have, the
// stage switches and some common options of the General page.
#include <memory>
#include <string>

#include "support/test_reporting.h"
#include "text/line_list.h"
#include "tooler/option_page_context.h"
#include "tooler/option_slots.h"
#include "ui/controls.h"

namespace kmpx::test {

class PageFixture {
 public:
  PageFixture();

  // Sets the section of compiler from text lines joined by "\n".
  void SetSection(CompilerId compiler, const std::string& text);
  template <class T = ui::Control>
  T& Get(std::string_view name) const { return form.Get<T>(name); }
  ui::CheckBox& Switch(CompilerId id) const { return context.StageSwitch(id); }

  TestReporting reporting;
  ui::Form form{"KSWin", "TKSWin"};
  OptionPageContext context{reporting.report};
};

}  // namespace kmpx::test
