#include "window/web/web_window.h"

#include "window/web/page.h"

namespace dd::web {
namespace {

using design::Role;

// A number box's text lives in its <input>, the task statement's in its
// <textarea>.
class ElementTextBox final : public TextBox {
 public:
  ElementTextBox(ControlId id, ControlHook* const& hook, Role role)
      : TextBox(id, hook), role_(role) {}

  bool Locked() const override { return page::Call(u"readOnly", role_) != 0; }

 protected:
  Text ReadText() const override { return page::Read(u"getText", role_); }
  void WriteText(std::u16string_view text) override { page::Call(u"setText", role_, text); }
  void WriteLocked(bool locked) override { page::Call(u"setReadOnly", role_, {}, locked ? 1 : 0); }

 private:
  Role role_;
};

}  // namespace

WebWindow::WebWindow(ControlHook* hook) : WindowHost(hook) {
  // The page builds every element, as the model presents it and the build
  // wrote it into the page, before the controls are made over them.
  page::Call(u"build");
  Start();
  page::Call(u"ready");
}

void WebWindow::Arrange() {}

std::pair<std::unique_ptr<TextBox>, Shown> WebWindow::MakeTextBox(Role role, ControlId id,
                                                                  ControlHook* const& hook) {
  return {std::make_unique<ElementTextBox>(id, hook, role), true};
}

Shown WebWindow::MakeWidget(Role, Control&) {
  return true;
}

void WebWindow::MoveFocus(Role role) {
  page::Call(u"focus", role);
}

void WebWindow::PutKeyboardAway() {
  page::Call(u"putKeyboardAway");
}

Text WebWindow::CopyOfResults(const std::vector<bool>& selected) const {
  return present::CopyOf(Results(), selected);
}

void WebWindow::PresentResults(const ListBox& results) {
  // All items in one call: the page replaces the list's options at once,
  // so that a screen reader hears one change, not thousands.
  const auto count = static_cast<std::size_t>(results.ListCount());
  Text joined;
  for (std::size_t i = 0; i < count; ++i) {
    joined += results.ItemView(i);
    joined += u'\0';
  }
  page::Call(u"showItems", Role::Results, joined, static_cast<int>(count));
}

void WebWindow::Report(const Text& message) {
  page::Call(u"report", std::nullopt, message);
}

void WebWindow::Announce(const Text& announcement) {
  page::Call(u"announce", std::nullopt, announcement);
}

}  // namespace dd::web
