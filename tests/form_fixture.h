// A MainForm running on controls kept in memory, with short ways to type into
// its boxes and read what it shows, and a fault injector to make them fail.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/support/fault_injector.h"
#include "tests/support/memory_controls.h"
#include "window/main_form.h"

namespace dd {

class FormTest : public ::testing::Test {
 protected:
  FormTest() { controls->SetHook(&faults); }

  support::FaultInjector faults;
  std::unique_ptr<ControlSet> controls = support::MakeMemoryControls();
  MainForm form{*controls};

  void Type(std::u16string_view start, std::u16string_view end) {
    controls->Text2(0).SetText(start);
    controls->Text2(1).SetText(end);
  }
  Text Shown(std::int16_t box) const { return controls->Text2(box).GetText(); }
  std::vector<Text> Results() const { return support::Items(controls->List1(0)); }
  void Compute() { controls->Command1(0).Click(); }
  void Clear() { controls->Command1(1).Click(); }
};

}  // namespace dd
