#include "window/texts.h"

#include <string>

namespace dd::texts {
namespace {

Text Digits(int value) {
  const std::string ascii = std::to_string(value);
  return Text(ascii.begin(), ascii.end());
}

}  // namespace

Text ErrorMessage(std::u16string_view detail) {
  Text message(u"Действието не можа да завърши.\n");
  message += detail;
  return message;
}

Text ComputedAnnouncement(std::u16string_view start, std::u16string_view end, int count) {
  Text message;
  if (count == 1) {
    message = u"Намерено е 1 число от ";
  } else {
    message = u"Намерени са " + Digits(count) + u" числа от ";
  }
  message += start;
  message += u" до ";
  message += end;
  message += u".";
  return message;
}

Text ClearedAnnouncement() {
  return u"Прозорецът е изчистен.";
}

}  // namespace dd::texts
