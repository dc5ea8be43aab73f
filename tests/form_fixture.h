// A MainForm running on controls kept in memory, with short ways to type into
// its boxes and read what it shows.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "window/main_form.h"
#include "window/memory_controls.h"

namespace dd::testing {

class FormTest : public ::testing::Test {
 protected:
  std::unique_ptr<ControlSet> controls = MakeMemoryControls();
  MainForm form{*controls};

  void Type(std::u16string_view start, std::u16string_view end) {
    controls->Text2(0).SetText(start);
    controls->Text2(1).SetText(end);
  }
  Text Shown(std::int16_t box) const { return controls->Text2(box).GetText(); }
  std::vector<Text> Results() const { return controls->List1(0).Items(); }
  void Compute() { controls->Command1(0).Click(); }
  void Clear() { controls->Command1(1).Click(); }
};

}  // namespace dd::testing
