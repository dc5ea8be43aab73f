#include "window/controls.h"

#include <limits>

#include "runtime/errors.h"

namespace dd {

std::string ControlId::ToString() const {
  return std::string(array) + "(" + std::to_string(index) + ")";
}

void ThrowBadIndex(std::string_view array, std::int16_t index) {
  throw ControlError(ControlId{array, index}.ToString() + " не съществува");
}

ControlArray<TextBox>& ControlSet::TextBoxes(std::string_view name) {
  if (name == Text1.Name()) {
    return Text1;
  }
  if (name == Text2.Name()) {
    return Text2;
  }
  throw ControlError(std::string(name) + " не е масив от текстови полета");
}

void ListBox::Clear() {
  Check(ControlOperation::Clear);
  characters_.clear();
  slots_.clear();
  ++revision_;
}

void ListBox::AddItem(std::u16string_view text) {
  Check(ControlOperation::AddItem);
  if (slots_.size() >= static_cast<std::size_t>(std::numeric_limits<std::int16_t>::max()) ||
      characters_.size() + text.size() > std::numeric_limits<std::uint32_t>::max()) {
    ThrowFull();
  }
  const Slot slot{static_cast<std::uint32_t>(characters_.size()),
                  static_cast<std::uint32_t>(text.size())};
  for (const char16_t c : text) {
    characters_.push_back(c);
  }
  slots_.push_back(slot);
  if (sorted_) {
    // Move it up past every greater item, so it lands after any equal ones.
    // Lists sorted here are short, so a linear walk beats a binary search.
    std::size_t place = slots_.size() - 1;
    for (; place > 0 && text < ItemView(place - 1); --place) {
      slots_[place] = slots_[place - 1];
    }
    slots_[place] = slot;
  }
  ++revision_;
}

std::u16string_view ListBox::List(std::int16_t position) const {
  Check(ControlOperation::ItemText);
  if (position < 0 || position >= ListCount()) {
    ThrowNoItem(position);
  }
  return ItemView(static_cast<std::size_t>(position));
}

void ListBox::ThrowFull() const {
  throw ControlError(id().ToString() + ", списъкът е пълен");
}

void ListBox::ThrowNoItem(std::int16_t position) const {
  throw ControlError(id().ToString() + ", няма ред " + std::to_string(position));
}

void CommandButton::Click() {
  Check(ControlOperation::Click);
  if (handler_) {
    handler_(id().index);
  }
}

}  // namespace dd
