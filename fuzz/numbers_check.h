#pragma once
// The one check of the number fuzz targets: a fast result equals the plain one, texts byte for byte
// and numbers bit for bit (a negative zero is not a zero). A difference aborts with the input and
// both results.

#include <bit>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "model/text.h"

namespace fuzz {

// A value as its bits and its nearest decimal.
inline std::string Describe(double value) {
  char buf[96];
  std::snprintf(buf, sizeof buf, "%a (%.17g)", value, value);
  return buf;
}

inline std::string Describe(const model::Text& text) {
  return "\"" + model::ToUtf8(text) + "\"";
}

struct ValueByPattern {
  double value;
  const model::Text& pattern;
};

inline std::string Describe(const ValueByPattern& input) {
  return Describe(input.value) + " by " + Describe(input.pattern);
}

template <typename Input, typename Result>
[[noreturn]] void Differ(const char* what, const Input& input, const Result& fast, const Result& plain) {
  std::fprintf(stderr, "%s of %s: fast %s, plain %s\n", what, Describe(input).c_str(), Describe(fast).c_str(),
               Describe(plain).c_str());
  std::abort();
}

template <typename Input>
void ExpectSame(const char* what, const Input& input, const model::Text& fast, const model::Text& plain) {
  if (fast != plain) Differ(what, input, fast, plain);
}

template <typename Input>
void ExpectSame(const char* what, const Input& input, double fast, double plain) {
  if (std::bit_cast<std::uint64_t>(fast) != std::bit_cast<std::uint64_t>(plain))
    Differ(what, input, fast, plain);
}

}  // namespace fuzz
