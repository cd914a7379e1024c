// Names for the cases of parameterised tests, so that test listings say what
// a case is instead of printing its data.
#pragma once

#include <gtest/gtest.h>
#include <string>

// Names each case by its `name` member.
struct ByName {
  template <class Case> std::string operator()(const ::testing::TestParamInfo<Case>& info) const {
    return info.param.name;
  }
};

// Names each case by a word and the number that identifies it: the parameter
// itself, or the first of a pair. "Pile15", "CountMinus1".
struct ByNumber {
  const char* word;

  template <class Case> std::string operator()(const ::testing::TestParamInfo<Case>& info) const {
    long long number = 0;
    if constexpr (requires { info.param.first; }) {
      number = info.param.first;
    } else {
      number = info.param;
    }
    return word + (number < 0 ? "Minus" + std::to_string(-number) : std::to_string(number));
  }
};
