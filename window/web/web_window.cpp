#include "window/web/web_window.h"

#include <string>
#include <vector>

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

bool IsCaption(Role role) {
  for (const design::CaptionOfBox& named : design::kBoxCaptions) {
    if (named.caption == role) {
      return true;
    }
  }
  return false;
}

bool TakesFocus(Role role) {
  for (const Role focusable : design::kFocusOrder) {
    if (focusable == role) {
      return true;
    }
  }
  return false;
}

page::Tag TagOf(const design::ControlDesign& d) {
  switch (d.kind) {
    case design::Kind::Label:
      return IsCaption(d.role) ? page::Tag::Label : page::Tag::Heading;
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

// The order of the elements in the page, which is the order Tab follows and
// screen readers read in: what takes no focus and names no box (the title)
// first, then the controls in focus order, each number box just after the
// caption that names it.
std::vector<Role> PageOrder() {
  std::vector<Role> order;
  for (const design::ControlDesign& d : design::kControls) {
    if (!d.hidden && !TakesFocus(d.role) && !IsCaption(d.role)) {
      order.push_back(d.role);
    }
  }
  for (const Role role : design::kFocusOrder) {
    for (const design::CaptionOfBox& named : design::kBoxCaptions) {
      if (named.box == role) {
        order.push_back(named.caption);
      }
    }
    order.push_back(role);
  }
  return order;
}

}  // namespace

WebWindow::WebWindow(ControlHook* hook) {
  controls_.SetHook(hook);
  BuildControls(controls_, *this);
  form_.emplace(controls_);
  page::MakeWindow(design::Pixels(design::kClientWidth), design::Pixels(design::kClientHeight),
                   design::kWindowBackground, design::kFontFamily, design::kFontPoints,
                   design::kCaption);
  for (const Role role : PageOrder()) {
    Show(role);
  }
  for (const texts::MenuItem& item : texts::kResultsMenu) {
    page::AddMenuItem(item.command == texts::ListCommand::Copy ? u"copy" : u"selectAll", item.text,
                      item.key);
  }
  Conclude(RunHandler([this] { form_->Form_Load(); }));
  page::Focus(design::kFirstFocus);
  page::Ready();
}

std::pair<std::unique_ptr<TextBox>, Shown> WebWindow::MakeTextBox(const design::ControlDesign& d,
                                                                  ControlId id,
                                                                  ControlHook* const& hook) {
  return {std::make_unique<ElementTextBox>(id, hook, d.role), true};
}

Shown WebWindow::MakeWidget(const design::ControlDesign& d, Control& control) {
  if (d.role == Role::Results) {
    results_ = &static_cast<const ListBox&>(control);
  }
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
  switch (tag) {
    case page::Tag::Heading:
    case page::Tag::Button:
      page::Caption(role, design::MarkedCaption(role));
      break;
    case page::Tag::Label:
      page::Caption(role, design::MarkedCaption(role));
      for (const design::CaptionOfBox& named : design::kBoxCaptions) {
        if (named.caption == role) {
          page::SetAttribute(role, u"for", Ascii(design::ObjectName(named.box)));
          // The caption stands on the baseline of its box's text. Both centre
          // their line, in the same font; padding the caption's top by twice
          // the distance between their middles puts its line where the box's is.
          const design::ControlDesign& box = design::Of(named.box);
          const int twice =
              design::Pixels(2 * box.top + box.height) - design::Pixels(2 * d.top + d.height);
          if (twice > 0) {
            page::PadTop(role, twice);
          }
        }
      }
      break;
    case page::Tag::Input:
      page::SetText(role, d.text);
      page::SetReadOnly(role, d.read_only);
      page::LimitTyping(role);
      break;
    case page::Tag::TextArea:
    case page::Tag::List:
      // Neither has a caption or a text of its own to be named by.
      page::SetAttribute(role, u"aria-label", design::AccessibleName(role));
      if (tag == page::Tag::TextArea) {
        page::SetText(role, d.text);
        page::SetReadOnly(role, d.read_only);
      }
      break;
  }
}

void WebWindow::Press(Role button) {
  if (design::Of(button).kind == design::Kind::CommandButton) {
    Conclude(RunCommand(*form_, controls_, button));
  }
}

void WebWindow::Enter(Role box) {
  if (design::ComputesOnEnter(box)) {
    Press(Role::Compute);
  }
}

void WebWindow::Conclude(const CommandOutcome& outcome) {
  if (results_ != nullptr && results_->Revision() != presented_revision_) {
    // All items in one call: the page replaces the list's options at once,
    // so that a screen reader hears one change, not thousands.
    const auto count = static_cast<std::size_t>(results_->ListCount());
    Text joined;
    for (std::size_t i = 0; i < count; ++i) {
      joined += results_->ItemView(i);
      joined += u'\0';
    }
    page::ShowItems(Role::Results, joined, static_cast<int>(count));
    presented_revision_ = results_->Revision();
  }
  if (!outcome.finished) {
    page::Report(texts::kErrorTitle, outcome.error, texts::kErrorDismiss);
  } else if (!outcome.announcement.empty()) {
    page::Announce(outcome.announcement);
  }
}

}  // namespace dd::web
