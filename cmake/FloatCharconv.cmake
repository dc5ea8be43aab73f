# Floating-point std::to_chars and std::from_chars, which emscripten's libc++
# lacks; without them runtime/float_text.cpp gives the same results its own way.
include(CheckCXXSourceCompiles)
check_cxx_source_compiles([[
#include <charconv>
int main() {
  char text[32];
  double value = 0.0;
  const auto written = std::to_chars(text, text + 32, 1.5, std::chars_format::scientific);
  return std::from_chars(text, written.ptr, value).ptr == text;
}]] DD_HAVE_FLOAT_CHARCONV)
if(DD_HAVE_FLOAT_CHARCONV)
  set_source_files_properties(${PROJECT_SOURCE_DIR}/runtime/float_text.cpp PROPERTIES
                              COMPILE_DEFINITIONS DD_FLOAT_CHARCONV=1)
endif()
