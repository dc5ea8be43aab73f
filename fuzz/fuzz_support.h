// What the fuzz targets share: texts of any UTF-16 code units from a
// fuzzer's bytes, and a check that stops the run where it fails.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace dd::fuzz {

// Stops the run, so that libFuzzer keeps the input, when `condition` fails.
inline void Require(bool condition) {
  if (!condition) {
    std::abort();
  }
}

// Bytes below 0x80 are ASCII code units on their own, so that a corpus of
// plain text files reads as what it says; any other byte is followed by the
// two bytes of one code unit, high first, so every unit can be reached,
// surrogates included.
inline std::u16string MixedTextFromBytes(const std::uint8_t* data, std::size_t size) {
  std::u16string text;
  text.reserve(size);
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] < 0x80 || i + 2 >= size) {
      text.push_back(static_cast<char16_t>(data[i]));
    } else {
      text.push_back(static_cast<char16_t>((data[i + 1] << 8) | data[i + 2]));
      i += 2;
    }
  }
  return text;
}

}  // namespace dd::fuzz
