// The window's design: caption, size, colours, font, every control's place,
// its captions and the task statement. Positions and sizes are in twips
// (1/1440 inch, 15 twips to a pixel at 96 dpi) from the top left corner of the
// client area.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace dd::design {

struct Rgb {
  std::uint8_t red, green, blue;
};

enum class Kind { Label, ListBox, TextBox, CommandButton };

struct ControlDesign {
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

inline constexpr std::u16string_view kCaption = u"www.example.org Информатика - числа от интервал";
inline constexpr int kClientWidth = 6915;
inline constexpr int kClientHeight = 5175;
inline constexpr Rgb kWindowBackground{192, 192, 255};
inline constexpr Rgb kLabelBackground{255, 192, 128};
inline constexpr Rgb kComputeBackground{128, 255, 128};
inline constexpr Rgb kClearBackground{255, 0, 0};
inline constexpr std::string_view kFontFamily = "Times New Roman";
inline constexpr int kFontPoints = 12;

inline constexpr std::u16string_view kTaskStatement =
    u"Да се реализира проект представящ вътрешнопредметни връзки в Информатика.\n"
    u"Тема на проекта: естествени числа с различни цифри.\n"
    u"Входни данни - две четирицифрени естествени числа от интервала [1000..9000].\n"
    u"По-малкото от двете въведени числа е начало на интервала, а по-голямото неговия край.\n"
    u"Реализираният проект да извежда всички числа от интервала, които имат различни цифри при "
    u"своя запис, както и броя на тези числа.\n";

using K = Kind;
// clang-format off
inline constexpr std::array<ControlDesign, 12> kControls{{
//  array       idx kind              left   top  width height text                                    background           centred hidden sorted ro     multi  typed
  {"Label1",   0, K::Label,          960,    0, 4575,  375, u"Информатика - числа с различни цифри", &kLabelBackground,   true,  false, false, false, false, 0},
  {"List1",    0, K::ListBox,        240,  600, 1455, 2055, u"",                                      nullptr,             false, false, false, false, false, 0},
  {"Label1",   1, K::Label,         1800,  720, 1215,  375, u"Начало:",                               &kLabelBackground,   true,  false, false, false, false, 0},
  {"Text2",    0, K::TextBox,       3000,  720, 1335,  405, u"",                                      nullptr,             true,  false, false, false, false, 4},
  {"Command1", 0, K::CommandButton, 4800,  720, 1695,  375, u"Изчисли",                               &kComputeBackground, false, false, false, false, false, 0},
  {"List1",    1, K::ListBox,       -120, 1080, 1455, 2055, u"",                                      nullptr,             false, true,  true,  false, false, 0},
  {"Label1",   2, K::Label,         1800, 1320, 1215,  375, u"Край:",                                 &kLabelBackground,   true,  false, false, false, false, 0},
  {"Text2",    1, K::TextBox,       3000, 1320, 1335,  405, u"",                                      nullptr,             true,  false, false, false, false, 4},
  {"Label1",   3, K::Label,         1800, 2040, 1215,  375, u"Общо:",                                 &kLabelBackground,   true,  false, false, false, false, 0},
  {"Text2",    2, K::TextBox,       3000, 2040, 1335,  405, u"",                                      nullptr,             true,  false, false, true,  false, 4},
  {"Command1", 1, K::CommandButton, 4800, 2040, 1695,  375, u"Изтрий",                                &kClearBackground,   false, false, false, false, false, 0},
  {"Text1",    0, K::TextBox,        120, 2760, 6735, 2295, kTaskStatement,                           nullptr,             false, false, false, true,  true,  0},
}};
// clang-format on

// Each control's index is its place among the table's earlier entries of
// the same array, so building the controls in table order gives every one
// the index the table names.
constexpr bool IndexesFollowTableOrder() {
  for (std::size_t i = 0; i < kControls.size(); ++i) {
    int earlier = 0;
    for (std::size_t j = 0; j < i; ++j) {
      earlier += kControls[j].array == kControls[i].array ? 1 : 0;
    }
    if (kControls[i].index != earlier) {
      return false;
    }
  }
  return true;
}
static_assert(IndexesFollowTableOrder(), "a control's index differs from its place in the table");

struct ControlRef {
  std::string_view array;
  std::int16_t index;
};

// The order in which Tab moves between controls; the first one has the focus
// when the window is shown.
inline constexpr std::array<ControlRef, 7> kFocusOrder{{
    {"Text1", 0},
    {"List1", 0},
    {"Command1", 0},
    {"Command1", 1},
    {"Text2", 0},
    {"Text2", 1},
    {"Text2", 2},
}};

}  // namespace dd::design
