// The window's design: caption, size, colours, font, every control's place,
// its captions and the task statement. Positions and sizes are in twips
// (1/1440 inch, 15 twips to a pixel at 96 dpi) from the top left corner of the
// client area.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "window/publisher.h"

namespace dd::design {

struct Rgb {
  std::uint8_t red, green, blue;
};

// `rgb` darkened as to `percent` per cent of its brightness taken as 100:
// 130 is a third darker. Used for the buttons' border and pressed face.
constexpr Rgb Darker(Rgb rgb, int percent) {
  return {static_cast<std::uint8_t>(rgb.red * 100 / percent),
          static_cast<std::uint8_t>(rgb.green * 100 / percent),
          static_cast<std::uint8_t>(rgb.blue * 100 / percent)};
}

enum class Kind { Label, ListBox, TextBox, CommandButton };

// What each control is for. A window asks for "the start box", never for an
// array name; the array names and indexes name the objects themselves.
enum class Role {
  Title,          // Label1(0)
  Results,        // List1(0): the numbers found
  StartCaption,   // Label1(1)
  StartBox,       // Text2(0): the start of the interval, rewritten by compute
  Compute,        // Command1(0)
  Digits,         // List1(1): the compute's sorted digit list, never shown
  EndCaption,     // Label1(2)
  EndBox,         // Text2(1): the end of the interval, rewritten by compute
  CountCaption,   // Label1(3)
  CountBox,       // Text2(2): how many numbers were found
  Clear,          // Command1(1)
  TaskStatement,  // Text1(0)
};
inline constexpr std::size_t kRoleCount = 12;

// The roles by name, as the web page, the exported design and the window
// cases every window's tests run call them.
inline constexpr std::array<std::string_view, kRoleCount> kRoleNames{
    "Title",      "Results", "StartCaption", "StartBox", "Compute", "Digits",
    "EndCaption", "EndBox",  "CountCaption", "CountBox", "Clear",   "TaskStatement"};
constexpr std::string_view RoleName(Role role) {
  return kRoleNames[static_cast<std::size_t>(role)];
}
constexpr std::optional<Role> RoleNamed(std::string_view name) {
  for (std::size_t i = 0; i < kRoleNames.size(); ++i) {
    if (kRoleNames[i] == name) {
      return static_cast<Role>(i);
    }
  }
  return std::nullopt;
}

struct ControlDesign {
  Role role;
  std::string_view array;
  std::int16_t index;
  Kind kind;
  int left, top, width, height;  // twips
  std::u16string_view text;      // caption, or the text box's first text
  const Rgb* background;         // nullptr: the platform's default
  bool centred;
  bool hidden;
  bool sorted;     // list boxes
  bool read_only;  // text boxes
  bool multi_line;
  int max_typed;  // characters a user may type into a text box; 0: no limit
};

inline constexpr int kTwipsPerPixel = 15;
constexpr int Pixels(int twips) {
  return twips / kTwipsPerPixel;
}

// The publisher's address, then what the program is.
inline constexpr std::u16string_view kCaption = DD_HOME_ADDRESS u" Информатика - числа от интервал";
inline constexpr int kClientWidth = 6915;
inline constexpr int kClientHeight = 5175;
inline constexpr Rgb kWindowBackground{192, 192, 255};
inline constexpr Rgb kLabelBackground{255, 192, 128};
inline constexpr Rgb kComputeBackground{128, 255, 128};
inline constexpr Rgb kClearBackground{255, 0, 0};
inline constexpr std::u16string_view kFontFamily = u"Times New Roman";
inline constexpr int kFontPoints = 12;
// The buttons are drawn in their designed colour, with a border this much
// darker and this wide (pixels at 96 dpi) and a face this much darker while
// pressed; black text, and a black border while focused.
inline constexpr int kButtonBorderShade = 130;
inline constexpr int kButtonBorderWidth = 2;
inline constexpr int kButtonPressedShade = 115;
inline constexpr Rgb kButtonText{0, 0, 0};
inline constexpr Rgb kFocusedButtonBorder{0, 0, 0};
// Text drawn on a designed background: black whatever the desktop theme's
// text colour, as a dark theme's light text would be unreadable on it.
inline constexpr Rgb kTextOnDesignedBackground{0, 0, 0};

inline constexpr std::u16string_view kTaskStatement =
    u"Да се реализира проект представящ вътрешнопредметни връзки в Информатика.\n"
    u"Тема на проекта: естествени числа с различни цифри.\n"
    u"Входни данни - две четирицифрени естествени числа от интервала [1000..9000].\n"
    u"По-малкото от двете въведени числа е начало на интервала, а по-голямото неговия край.\n"
    u"Реализираният проект да извежда всички числа от интервала, които имат различни цифри при "
    u"своя запис, както и броя на тези числа.\n";

using R = Role;
using K = Kind;
// clang-format off
inline constexpr std::array<ControlDesign, kRoleCount> kControls{{
//  role               array      idx kind              left   top  width height text                                    background           centred hidden sorted ro     multi  typed
  {R::Title,         "Label1",   0, K::Label,          960,    0, 4575,  375, u"Информатика - числа с различни цифри", &kLabelBackground,   true,  false, false, false, false, 0},
  {R::Results,       "List1",    0, K::ListBox,        240,  600, 1455, 2055, u"",                                      nullptr,             false, false, false, false, false, 0},
  {R::StartCaption,  "Label1",   1, K::Label,         1800,  720, 1215,  375, u"Начало:",                               &kLabelBackground,   true,  false, false, false, false, 0},
  {R::StartBox,      "Text2",    0, K::TextBox,       3000,  720, 1335,  405, u"",                                      nullptr,             true,  false, false, false, false, 4},
  {R::Compute,       "Command1", 0, K::CommandButton, 4800,  720, 1695,  375, u"Изчисли",                               &kComputeBackground, false, false, false, false, false, 0},
  {R::Digits,        "List1",    1, K::ListBox,       -120, 1080, 1455, 2055, u"",                                      nullptr,             false, true,  true,  false, false, 0},
  {R::EndCaption,    "Label1",   2, K::Label,         1800, 1320, 1215,  375, u"Край:",                                 &kLabelBackground,   true,  false, false, false, false, 0},
  {R::EndBox,        "Text2",    1, K::TextBox,       3000, 1320, 1335,  405, u"",                                      nullptr,             true,  false, false, false, false, 4},
  {R::CountCaption,  "Label1",   3, K::Label,         1800, 2040, 1215,  375, u"Общо:",                                 &kLabelBackground,   true,  false, false, false, false, 0},
  {R::CountBox,      "Text2",    2, K::TextBox,       3000, 2040, 1335,  405, u"",                                      nullptr,             true,  false, false, true,  false, 4},
  {R::Clear,         "Command1", 1, K::CommandButton, 4800, 2040, 1695,  375, u"Изтрий",                                &kClearBackground,   false, false, false, false, false, 0},
  {R::TaskStatement, "Text1",    0, K::TextBox,        120, 2760, 6735, 2295, kTaskStatement,                           nullptr,             false, false, false, true,  true,  0},
}};
// clang-format on

// The design of the control with that role.
constexpr const ControlDesign& Of(Role role) {
  return kControls[static_cast<std::size_t>(role)];
}

// Each control's index is its place among the table's earlier entries of
// the same array, so building the controls in table order gives every one
// the index the table names; and the table is in role order, so Of() finds
// a role's entry by its number.
constexpr bool TableIsConsistent() {
  for (std::size_t i = 0; i < kControls.size(); ++i) {
    int earlier = 0;
    for (std::size_t j = 0; j < i; ++j) {
      earlier += kControls[j].array == kControls[i].array ? 1 : 0;
    }
    if (kControls[i].index != earlier || static_cast<std::size_t>(kControls[i].role) != i) {
      return false;
    }
    const bool text_box = kControls[i].array == "Text1" || kControls[i].array == "Text2";
    if (text_box != (kControls[i].kind == Kind::TextBox)) {
      return false;
    }
  }
  return true;
}
static_assert(TableIsConsistent(), "a control's index or role differs from its place in the table");

// The captions that name the number boxes; each stands to the left of its
// box, and a screen reader names the box after it.
struct CaptionOfBox {
  Role caption;
  Role box;
};
inline constexpr std::array<CaptionOfBox, 3> kBoxCaptions{{
    {Role::StartCaption, Role::StartBox},
    {Role::EndCaption, Role::EndBox},
    {Role::CountCaption, Role::CountBox},
}};

// The caption that names `box`; none for a control without one.
constexpr std::optional<Role> CaptionOf(Role box) {
  for (const CaptionOfBox& named : kBoxCaptions) {
    if (named.box == box) {
      return named.caption;
    }
  }
  return std::nullopt;
}

// The box that `caption` names; none for a role that is no box's caption.
constexpr std::optional<Role> BoxNamedBy(Role caption) {
  for (const CaptionOfBox& named : kBoxCaptions) {
    if (named.caption == caption) {
      return named.box;
    }
  }
  return std::nullopt;
}

constexpr bool IsCaption(Role role) {
  return BoxNamedBy(role).has_value();
}

// Names that screen readers give the controls without a caption of their own.
inline constexpr std::u16string_view kResultsName = u"Числа с различни цифри";
inline constexpr std::u16string_view kTaskStatementName = u"Условие на задачата";

// The name a screen reader gives a shown control: a number box its caption's
// text, a label or a button its own text, the list and the statement theirs.
constexpr std::u16string_view AccessibleName(Role role) {
  if (role == Role::Results) {
    return kResultsName;
  }
  if (role == Role::TaskStatement) {
    return kTaskStatementName;
  }
  if (const std::optional<Role> caption = CaptionOf(role)) {
    return Of(*caption).text;
  }
  return Of(role).text;
}

// Access keys: Alt with the letter at `position` of a caption moves the focus
// to the box the caption names, or presses the button. Every letter stands
// in its caption's text, and no two are the same letter in either case, so
// the keys work with the Bulgarian keyboard layout the captions are typed in.
struct AccessKey {
  Role role;  // a caption of a number box, or a button
  std::size_t position;
};
inline constexpr std::array<AccessKey, 5> kAccessKeys{{
    {Role::StartCaption, 0},  // Начало
    {Role::EndCaption, 0},    // Край
    {Role::CountCaption, 1},  // Общо
    {Role::Compute, 4},       // Изчисли
    {Role::Clear, 2},         // Изтрий
}};

// The lower-case form of a Latin or Cyrillic letter; other characters as they are.
constexpr char16_t LowerCase(char16_t c) {
  if ((c >= u'A' && c <= u'Z') || (c >= u'\u0410' && c <= u'\u042F')) {
    return static_cast<char16_t>(c + 0x20);
  }
  if (c >= u'\u0400' && c <= u'\u040F') {
    return static_cast<char16_t>(c + 0x50);
  }
  return c;
}

// The access key of a control, lower case; 0 when it has none.
constexpr char16_t AccessKeyOf(Role role) {
  for (const AccessKey& key : kAccessKeys) {
    if (key.role == role) {
      return LowerCase(Of(role).text[key.position]);
    }
  }
  return 0;
}

// The control whose access key is `letter` (either case), if any: a
// caption's box, or a button.
constexpr std::optional<Role> AccessKeyTarget(char16_t letter) {
  for (const AccessKey& key : kAccessKeys) {
    if (AccessKeyOf(key.role) == LowerCase(letter)) {
      return BoxNamedBy(key.role).value_or(key.role);
    }
  }
  return std::nullopt;
}

constexpr bool AccessKeysAreUnique() {
  for (std::size_t i = 0; i < kAccessKeys.size(); ++i) {
    if (kAccessKeys[i].position >= Of(kAccessKeys[i].role).text.size()) {
      return false;
    }
    for (std::size_t j = 0; j < i; ++j) {
      if (AccessKeyOf(kAccessKeys[i].role) == AccessKeyOf(kAccessKeys[j].role)) {
        return false;
      }
    }
  }
  return true;
}
static_assert(AccessKeysAreUnique(),
              "two controls share an access key, or one is not in its caption");

// Return or Enter in these boxes computes, as a click on the compute button.
inline constexpr std::array<Role, 2> kComputeOnEnter{{Role::StartBox, Role::EndBox}};
constexpr bool ComputesOnEnter(Role role) {
  return role == kComputeOnEnter[0] || role == kComputeOnEnter[1];
}

// On a touch screen, as in a form on a phone, the on-screen keyboard's Enter
// in the start box goes on to the end box ("next") instead of computing, so
// that a student who has typed the start is not given 1000 to it; in the end
// box it computes ("go") and the keyboard is put away, so that the count and
// the list show. A keyboard's Enter computes from either box everywhere.
constexpr std::optional<Role> NextOnTouchEnter(Role box) {
  if (box == Role::StartBox) {
    return Role::EndBox;
  }
  return std::nullopt;
}

// The order in which Tab moves between controls; the first one has the focus
// when the window is shown.
inline constexpr std::array<Role, 7> kFocusOrder{{
    Role::TaskStatement,
    Role::Results,
    Role::Compute,
    Role::Clear,
    Role::StartBox,
    Role::EndBox,
    Role::CountBox,
}};
inline constexpr Role kFirstFocus = kFocusOrder.front();

constexpr bool TakesFocus(Role role) {
  for (const Role focusable : kFocusOrder) {
    if (focusable == role) {
      return true;
    }
  }
  return false;
}

// How many controls the window shows: all but the digit list.
constexpr std::size_t ShownCount() {
  std::size_t count = 0;
  for (const ControlDesign& d : kControls) {
    count += d.hidden ? 0 : 1;
  }
  return count;
}
inline constexpr std::size_t kShownCount = ShownCount();

// The order of the shown controls among the window's own elements (the web
// page's, Win32's child windows), which Tab follows and screen readers read
// in: what takes no focus and names no box (the title) first, then the
// controls in focus order, each number box just after the caption that
// names it.
constexpr std::array<Role, kShownCount> DocumentOrder() {
  std::array<Role, kShownCount> order{};
  std::size_t next = 0;
  for (const ControlDesign& d : kControls) {
    if (!d.hidden && !TakesFocus(d.role) && !IsCaption(d.role)) {
      order[next++] = d.role;
    }
  }
  for (const Role role : kFocusOrder) {
    if (const std::optional<Role> caption = CaptionOf(role)) {
      order[next++] = *caption;
    }
    order[next++] = role;
  }
  return order;
}
inline constexpr std::array<Role, kShownCount> kDocumentOrder = DocumentOrder();

constexpr bool DocumentOrderHasEveryShownControlOnce() {
  for (const ControlDesign& d : kControls) {
    std::size_t found = 0;
    for (const Role role : kDocumentOrder) {
      found += role == d.role ? 1 : 0;
    }
    if (found != (d.hidden ? 0 : 1)) {
      return false;
    }
  }
  return true;
}
static_assert(DocumentOrderHasEveryShownControlOnce(),
              "a shown control is missing from the document order, or there twice");

// One entry per role, for whatever a window keeps of each control.
template <class T>
class ByRole {
 public:
  T& operator[](Role role) { return items_[static_cast<std::size_t>(role)]; }
  const T& operator[](Role role) const { return items_[static_cast<std::size_t>(role)]; }

 private:
  std::array<T, kRoleCount> items_{};
};

}  // namespace dd::design
