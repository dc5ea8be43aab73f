// Writes what the number conversions make of many inputs, one line each, so
// that two builds can be compared line by line: the web build, whose
// floating-point conversions are its own, against the native one. The inputs
// are the files named on the command line (the fuzz corpus, read as the fuzz
// targets read it), random doubles of every magnitude, doubles next to powers
// of two, and random decimal texts.
#include <cinttypes>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "runtime/conversions.h"

namespace {

// A double's bits (emscripten's libc++ has no std::bit_cast).
std::uint64_t Bits(double value) {
  std::uint64_t bits = 0;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}

std::string Ascii(const std::u16string& text) {
  std::string ascii;
  for (const char16_t c : text) {
    ascii += c < 0x80 ? static_cast<char>(c) : '?';
  }
  return ascii;
}

// The value read from `text`, bit for bit, and its text form.
void Read(const char* source, const std::u16string& text) {
  const double value = dd::NumberFromText(text);
  std::printf("%s %016" PRIx64 " %s\n", source, Bits(value),
              Ascii(dd::TextOfValue(dd::NumericValue::FromDouble(value))).c_str());
}

// The text form of `value` and the value it reads back as.
void Write(double value) {
  const std::u16string text = dd::TextOfValue(dd::NumericValue::FromDouble(value));
  std::printf("%016" PRIx64 " %s %016" PRIx64 "\n", Bits(value), Ascii(text).c_str(),
              Bits(dd::NumberFromText(text)));
}

}  // namespace

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    std::ifstream file(argv[i], std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
    Read("file", dd::fuzz::MixedTextFromBytes(bytes.data(), bytes.size()));
  }

  // The engine's numbers are the same in every standard library; its
  // distributions are not, so numbers in a range are taken by remainder.
  std::mt19937_64 random(20261209);
  auto below = [&random](int bound) { return static_cast<int>(random() % bound); };
  for (int i = 0; i < 100000; ++i) {
    const std::uint64_t raw = random();
    double value = 0.0;
    std::memcpy(&value, &raw, sizeof value);
    if (std::isfinite(value)) {
      Write(value);
    }
  }
  // Just above a power of two the next double down is half as far as the
  // next one up, so the shortest text may lie on the far side.
  for (int exponent = -1074; exponent <= 1023; ++exponent) {
    const double power = std::ldexp(1.0, exponent);
    Write(power);
    Write(std::nextafter(power, 0.0));
    Write(std::nextafter(power, std::numeric_limits<double>::infinity()));
  }
  for (int i = 0; i < 50000; ++i) {
    std::u16string text;
    const int count = 1 + below(30);
    const int point = below(count + 1);
    for (int d = 0; d < count; ++d) {
      if (d == point) {
        text += u'.';
      }
      text += static_cast<char16_t>(u'0' + below(10));
    }
    const std::string power = "E" + std::to_string(below(676) - 345);
    text.append(power.begin(), power.end());
    Read("text", text);
  }
  return 0;
}
