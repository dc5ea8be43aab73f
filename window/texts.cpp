#include "window/texts.h"

#include <string>

#include "runtime/text.h"

namespace dd::texts {

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
    message = u"Намерени са " + FromAscii(std::to_string(count)) + u" числа от ";
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
