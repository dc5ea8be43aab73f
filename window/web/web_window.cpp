#include "window/web/web_window.h"

#include <optional>
#include <string>

#include "window/texts.h"
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

  bool Locked() const override { return page::ReadOnly(role_); }

 protected:
  Text ReadText() const override { return page::GetText(role_); }
  void WriteText(std::u16string_view text) override { page::SetText(role_, text); }
  void WriteLocked(bool locked) override { page::SetReadOnly(role_, locked); }

 private:
  Role role_;
};

page::Tag TagOf(const design::ControlDesign& d) {
  switch (d.kind) {
    case design::Kind::Label:
      return design::IsCaption(d.role) ? page::Tag::Label : page::Tag::Heading;
    case design::Kind::ListBox:
      return page::Tag::List;
    case design::Kind::TextBox:
      return d.multi_line ? page::Tag::TextArea : page::Tag::Input;
    case design::Kind::CommandButton:
      break;
  }
  return page::Tag::Button;
}

std::u16string Ascii(const std::string& text) {
  return std::u16string(text.begin(), text.end());
}

// The access key that presses a button or moves the focus to a box, as a
// screen reader tells it (aria-keyshortcuts); empty when it has none.
std::u16string KeyShortcut(Role role) {
  const char16_t key = design::AccessKeyOf(design::CaptionOf(role).value_or(role));
  return key == 0 ? std::u16string() : u"Alt+" + std::u16string(1, key);
}

}  // namespace

WebWindow::WebWindow(ControlHook* hook) : WindowHost(hook) {
  Start();
  page::Ready();
}

void WebWindow::Arrange() {
  page::MakeWindow(design::Pixels(design::kClientWidth), design::Pixels(design::kClientHeight),
                   kWindowMargin, design::kWindowBackground, design::kFontFamily,
                   design::kFontPoints);
  for (const Role role : design::kDocumentOrder) {
    Show(role);
  }
  for (const texts::MenuItem& item : texts::kResultsMenu) {
    page::AddMenuItem(item.command == texts::ListCommand::Copy ? u"copy" : u"selectAll", item.text,
                      item.key);
  }
}

void WebWindow::MoveFocus(Role role) {
  page::Focus(role);
}

std::pair<std::unique_ptr<TextBox>, Shown> WebWindow::MakeTextBox(const design::ControlDesign& d,
                                                                  ControlId id,
                                                                  ControlHook* const& hook) {
  return {std::make_unique<ElementTextBox>(id, hook, d.role), true};
}

Shown WebWindow::MakeWidget(const design::ControlDesign& d, Control&) {
  return !d.hidden;
}

void WebWindow::Show(Role role) {
  const design::ControlDesign& d = design::Of(role);
  const page::Tag tag = TagOf(d);
  page::Make(role, tag, Ascii(design::ObjectName(role)));
  page::Place(role, design::Pixels(d.left), design::Pixels(d.top), design::Pixels(d.width),
              design::Pixels(d.height));
  if (d.background != nullptr) {
    if (tag == page::Tag::Button) {
      page::ShadeButton(
          role, *d.background, design::Darker(*d.background, design::kButtonBorderShade),
          design::Darker(*d.background, design::kButtonPressedShade), design::kFocusedButtonBorder);
      page::Fill(role, *d.background, design::kButtonText);
    } else {
      page::Fill(role, *d.background, design::kTextOnDesignedBackground);
    }
  }
  if (d.centred) {
    page::Centre(role);
  }
  if (const std::u16string shortcut = KeyShortcut(role);
      !shortcut.empty() && !design::IsCaption(role)) {
    page::KeyShortcut(role, shortcut);
  }
  switch (tag) {
    case page::Tag::Heading:
    case page::Tag::Button:
      page::Caption(role, design::MarkedCaption(role));
      break;
    case page::Tag::Label:
      page::Caption(role, design::MarkedCaption(role));
      if (const std::optional<Role> named = design::BoxNamedBy(role)) {
        page::SetAttribute(role, u"for", Ascii(design::ObjectName(*named)));
        // The caption stands on the baseline of its box's text. Both centre
        // their line, in the same font; padding the caption's top by twice
        // the distance between their middles puts its line where the box's is.
        const design::ControlDesign& box = design::Of(*named);
        const int twice =
            design::Pixels(2 * box.top + box.height) - design::Pixels(2 * d.top + d.height);
        if (twice > 0) {
          page::PadTop(role, twice);
        }
      }
      break;
    case page::Tag::Input:
      page::SetText(role, d.text);
      page::SetReadOnly(role, d.read_only);
      page::LimitTyping(role);
      // A touch screen's keyboard of digits, its Enter key marked as going
      // on to the next box, or as going where the box computes.
      page::SetAttribute(role, u"inputmode", u"numeric");
      if (design::NextOnTouchEnter(role)) {
        page::SetAttribute(role, u"enterkeyhint", u"next");
      } else if (design::ComputesOnEnter(role)) {
        page::SetAttribute(role, u"enterkeyhint", u"go");
      }
      break;
    case page::Tag::TextArea:
    case page::Tag::List:
      // Neither has a caption or a text of its own to be named by.
      page::SetAttribute(role, u"aria-label", design::AccessibleName(role));
      if (tag == page::Tag::TextArea) {
        page::SetText(role, d.text);
        page::SetReadOnly(role, d.read_only);
      } else {
        page::Describe(role, texts::kEmptyResults);
      }
      break;
  }
}

void WebWindow::Enter(Role box, bool on_screen_keyboard) {
  if (on_screen_keyboard) {
    if (const std::optional<Role> next = design::NextOnTouchEnter(box)) {
      page::Focus(*next);
      return;
    }
  }
  if (design::ComputesOnEnter(box)) {
    Press(Role::Compute);
    if (on_screen_keyboard) {
      page::PutKeyboardAway();
    }
  }
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
  page::ShowItems(Role::Results, joined, static_cast<int>(count));
  page::Describe(Role::Results, count == 0 ? texts::kEmptyResults : std::u16string_view());
}

void WebWindow::Report(const Text& message) {
  page::Report(texts::kErrorTitle, message, texts::kErrorDismiss);
}

void WebWindow::Announce(const Text& announcement) {
  page::Announce(announcement);
}

}  // namespace dd::web
