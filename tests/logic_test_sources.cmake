# The logic and model tests (GoogleTest), one program in every build that
# runs them: natively, and under node in the web build.
set(logic_test_sources
  ${CMAKE_CURRENT_LIST_DIR}/test_main.cpp
  ${CMAKE_CURRENT_LIST_DIR}/command_line_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/conversions_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/text_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/counting_loop_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/controls_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/normalize_interval_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/distinct_digit_scan_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/form_handlers_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zoom_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/presentation_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/scan_agreement_test.cpp)
