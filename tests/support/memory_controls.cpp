#include "tests/support/memory_controls.h"

#include <cstddef>

#include "window/build_controls.h"

namespace dd::support {
namespace {

// Nothing is shown: every widget is null.
class MemoryHost final : public ControlHost<std::nullptr_t> {
 public:
  std::pair<std::unique_ptr<TextBox>, std::nullptr_t> MakeTextBox(
      design::Role role, ControlId id, ControlHook* const& hook) override {
    const present::Control& shown = present::Of(role);
    return {std::make_unique<MemoryTextBox>(id, hook, shown.text, shown.read_only), nullptr};
  }
  std::nullptr_t MakeWidget(design::Role, Control&) override { return nullptr; }
};

}  // namespace

std::unique_ptr<ControlSet> MakeMemoryControls() {
  auto controls = std::make_unique<ControlSet>();
  MemoryHost host;
  BuildControls(*controls, host);
  return controls;
}

std::vector<Text> Items(const ListBox& list) {
  std::vector<Text> items;
  items.reserve(static_cast<std::size_t>(list.ListCount()));
  for (std::int16_t i = 0; i < list.ListCount(); ++i) {
    items.emplace_back(list.ItemView(static_cast<std::size_t>(i)));
  }
  return items;
}

}  // namespace dd::support
