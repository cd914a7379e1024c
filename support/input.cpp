#include "input.hpp"

#include <climits>

bool readInt(std::istream& in, int& value) {
  using traits = std::istream::traits_type;
  const std::istream::sentry ok(in);
  if (!ok) {
    return false;
  }
  std::ios::iostate state = std::ios::goodbit;
  try {
    std::streambuf* buffer = in.rdbuf();
    auto c = buffer->sgetc();
    const bool negative = traits::eq_int_type(c, traits::to_int_type('-'));
    if (negative || traits::eq_int_type(c, traits::to_int_type('+'))) {
      c = buffer->snextc();
    }
    // Past the largest magnitude an int takes, more digits change nothing but are still read.
    const long long most = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
    long long magnitude = 0;
    bool digits = false;
    for (; !traits::eq_int_type(c, traits::eof()) && c >= '0' && c <= '9'; c = buffer->snextc()) {
      digits = true;
      if (magnitude <= most) {
        magnitude = magnitude * 10 + (c - '0');
      }
    }
    if (traits::eq_int_type(c, traits::eof())) {
      state |= std::ios::eofbit;
    }
    if (!digits || magnitude > most) {
      state |= std::ios::failbit;
    }
    const long long kept = !digits ? 0 : magnitude > most ? most : magnitude;
    value = static_cast<int>(negative ? -kept : kept);
  } catch (...) {
    // As an extraction does with what its buffer throws.
    state |= std::ios::badbit;
  }
  in.setstate(state);
  return !in.fail();
}
