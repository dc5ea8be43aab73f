// The window's controls as the logic sees them.
//
// Controls are grouped in arrays addressed by a 16-bit index from 0. Every
// operation is checked: a bad index or item position raises ControlError
// instead of doing anything, and so does a ControlHook that refuses the
// operation. Text boxes are abstract because their text lives in whatever
// shows it (a Qt line edit, a Win32 edit control, memory); lists, labels and
// buttons keep their state here and a window only presents it.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace dd {

using Text = std::u16string;

enum class ControlOperation { ReadText, WriteText, SetLocked, Clear, AddItem, ItemText, Click };

struct ControlId {
  std::string_view array;  // refers to a name with static storage
  std::int16_t index;

  std::string ToString() const;
};

// Told of every control operation before it runs, and may refuse it by
// throwing ControlError; told too of what each command has a screen reader
// say. The one way in for tests that make controls fail or listen.
class ControlHook {
 public:
  virtual void Before(const ControlId& id, ControlOperation operation) = 0;
  virtual void Announced(std::u16string_view /*message*/) {}

 protected:
  ~ControlHook() = default;
};

class Control {
 public:
  // `hook` is the control set's hook slot, which may be filled later.
  Control(ControlId id, ControlHook* const& hook) : id_(id), hook_(hook) {}
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const ControlId& id() const { return id_; }

 protected:
  void Check(ControlOperation operation) const {
    if (hook_ != nullptr) {
      hook_->Before(id_, operation);
    }
  }

 private:
  ControlId id_;
  ControlHook* const& hook_;
};

class TextBox : public Control {
 public:
  using Control::Control;

  Text GetText() const {
    Check(ControlOperation::ReadText);
    return ReadText();
  }
  // Replaces the whole text. Program writes are never cut to a length limit.
  void SetText(std::u16string_view text) {
    Check(ControlOperation::WriteText);
    WriteText(text);
  }
  // While locked, the user cannot change the text; program writes still work.
  void SetLocked(bool locked) {
    Check(ControlOperation::SetLocked);
    WriteLocked(locked);
  }
  virtual bool Locked() const = 0;

 protected:
  virtual Text ReadText() const = 0;
  virtual void WriteText(std::u16string_view text) = 0;
  virtual void WriteLocked(bool locked) = 0;
};

class ListBox final : public Control {
 public:
  ListBox(ControlId id, ControlHook* const& hook, bool sorted)
      : Control(id, hook), sorted_(sorted) {}

  void Clear();
  // An unsorted list appends; a sorted one inserts after any equal items, so
  // equal items always stand next to each other.
  void AddItem(std::u16string_view text);
  // The text of the item at a 0-based position, valid until the list changes.
  std::u16string_view List(std::int16_t position) const;
  std::int16_t ListCount() const { return static_cast<std::int16_t>(slots_.size()); }

  // Unchecked access for whoever presents the list.
  std::u16string_view ItemView(std::size_t position) const {
    const Slot& slot = slots_[position];
    return std::u16string_view(characters_.data() + slot.offset, slot.length);
  }
  // Changes with every edit, so a presenter can tell whether to redraw.
  std::uint64_t Revision() const { return revision_; }

 private:
  // Items are kept back to back in one buffer, in the order added; `slots_`
  // holds them in list order. Clearing keeps both allocations, so refilling
  // the list allocates nothing once it has held as many characters before.
  struct Slot {
    std::uint32_t offset;
    std::uint32_t length;
  };

  [[noreturn]] void ThrowFull() const;
  [[noreturn]] void ThrowNoItem(std::int16_t position) const;

  bool sorted_;
  std::vector<char16_t> characters_;
  std::vector<Slot> slots_;
  std::uint64_t revision_ = 0;
};

// A caption, which the window shows; the logic only counts it.
class Label final : public Control {
 public:
  using Control::Control;
};

class CommandButton final : public Control {
 public:
  using ClickHandler = std::function<void(std::int16_t)>;

  using Control::Control;

  void SetClickHandler(ClickHandler handler) { handler_ = std::move(handler); }

  // Raises the click handler with this button's index.
  void Click();

 private:
  ClickHandler handler_;
};

[[noreturn]] void ThrowBadIndex(std::string_view array, std::int16_t index);

template <class T>
class ControlArray {
 public:
  explicit ControlArray(std::string_view name) : name_(name) {}

  std::string_view Name() const { return name_; }
  std::int16_t Count() const { return static_cast<std::int16_t>(items_.size()); }
  void Append(T& control) { items_.push_back(&control); }

  T& operator()(std::int16_t index) const {
    if (index < 0 || index >= Count()) {
      ThrowBadIndex(name_, index);
    }
    return *items_[static_cast<std::size_t>(index)];
  }

 private:
  std::string_view name_;
  std::vector<T*> items_;
};

// Every control of the window, owned here and reachable through its array.
class ControlSet {
 public:
  ControlSet() = default;
  ControlSet(const ControlSet&) = delete;
  ControlSet& operator=(const ControlSet&) = delete;

  ControlArray<TextBox> Text1{"Text1"};
  ControlArray<TextBox> Text2{"Text2"};
  ControlArray<ListBox> List1{"List1"};
  ControlArray<CommandButton> Command1{"Command1"};
  ControlArray<Label> Label1{"Label1"};

  // The text box array of that name; ControlError for any other name.
  ControlArray<TextBox>& TextBoxes(std::string_view name);

  // Every operation on every control is shown to `hook` first; nullptr: none.
  void SetHook(ControlHook* hook) { hook_ = hook; }
  ControlHook* const& HookSlot() const { return hook_; }

  // Makes a control, appends it to `array` at the next index and keeps it.
  template <class T, class Base, class... Args>
  T& Add(ControlArray<Base>& array, Args&&... args) {
    return Adopt(array, std::make_unique<T>(ControlId{array.Name(), array.Count()}, hook_,
                                            std::forward<Args>(args)...));
  }
  // Appends a control made elsewhere (with the id of the next index and this
  // set's hook slot) and keeps it.
  template <class T, class Base>
  T& Adopt(ControlArray<Base>& array, std::unique_ptr<T> control) {
    T& added = *control;
    array.Append(added);
    owned_.push_back(std::move(control));
    return added;
  }

 private:
  ControlHook* hook_ = nullptr;
  std::vector<std::unique_ptr<Control>> owned_;
};

}  // namespace dd
