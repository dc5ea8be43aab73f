// The window's controls kept in memory, as the design lays them out, for the
// tests, benchmarks and fuzz targets that run the logic without a window.
#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "window/controls.h"

namespace dd::support {

// A text box that keeps its text in memory.
class MemoryTextBox final : public TextBox {
 public:
  MemoryTextBox(ControlId id, ControlHook* const& hook, std::u16string_view text, bool locked)
      : TextBox(id, hook), text_(text), locked_(locked) {}

  bool Locked() const override { return locked_; }

 protected:
  Text ReadText() const override { return text_; }
  void WriteText(std::u16string_view text) override { text_ = text; }
  void WriteLocked(bool locked) override { locked_ = locked; }

 private:
  Text text_;
  bool locked_;
};

std::unique_ptr<ControlSet> MakeMemoryControls();

// Every item of a list, in list order.
std::vector<Text> Items(const ListBox& list);

}  // namespace dd::support
