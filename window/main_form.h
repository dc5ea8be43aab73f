// The program's one window as logic: its control arrays, its three variables
// and its handlers. It knows the controls only through their operations, so
// it runs the same against Qt widgets and against controls kept in memory.
#pragma once

#include <cstdint>

#include "runtime/numeric_value.h"
#include "window/controls.h"

namespace dd {

class MainForm {
 public:
  // Wires the buttons' clicks to Command1_Click.
  explicit MainForm(ControlSet& controls);
  MainForm(const MainForm&) = delete;
  MainForm& operator=(const MainForm&) = delete;

  // Start-up: clears the window and lets the user type into the count box.
  void Form_Load();
  // 0: compute, 1: clear, any other index: nothing.
  void Command1_Click(std::int16_t Index);
  // Empties both lists and the three number boxes and zeroes the count.
  void ClearForm();
  // The interval logic; these two are defined in interval/.
  // Reads the two bounds, orders and clamps them and writes them back.
  void NormalizeInterval();
  // Lists every number of the interval whose four digits are all different.
  void ListDistinctDigitNumbers();

  // The interval of the last run, and how many numbers it listed.
  NumericValue StartValue;
  NumericValue EndValue;
  std::int16_t FoundCount = 0;

 private:
  ControlArray<TextBox>& Text2;
  ControlArray<ListBox>& List1;
};

}  // namespace dd
