// The linear functions timed from 1 KiB to 64 MiB, each beside the standard
// library's way of doing its job on the same data, and memcpy of the same
// number of bytes; then each on the input that is worst for it, at 1 MiB and
// 64 MiB; then getMatchCount on runs of one character, where a search that
// starts over at each position would cost the text's length times the
// pattern's. Google Benchmark reports the times; bench/ratios.py works out
// the ratios from its JSON output.
//
// Benchmarks are named KEY/function/SIZE and KEY/standard/SIZE (memcpy/SIZE),
// SIZE in bytes, so --benchmark_filter=getWordCount or
// --benchmark_filter=worst narrows a run.
#include "peaksmooth.hpp"
#include "primetally.hpp"
#include "starstrip.hpp"
#include "strprobe.hpp"
#include "sumcheck.hpp"
#include "workloads.hpp"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <iostream>
#include <malloc.h>
#include <streambuf>
#include <string>
#include <type_traits>
#include <vector>

namespace {

constexpr std::int64_t kib = 1024;
constexpr std::int64_t mib = kib * kib;
constexpr std::int64_t smallest = kib;
constexpr std::int64_t largest = 64 * mib;
// The worst cases run at this size and the largest: the two the linearity
// ratio compares.
constexpr std::int64_t linearBase = mib;

// One run of a measured job on its data (text or an array of ints, which it
// may change); the value returned is kept from the optimiser. Every call
// passes the text as an lvalue, so a function that takes its string by value
// pays for the copy, as its callers do.
template <class Data> using Job = long long (*)(Data&);
// The data for a benchmark of the given size in bytes.
template <class Data> using Make = std::remove_const_t<Data> (*)(std::size_t bytes);

// A measured function and the standard library's way of doing its job.
template <class Data> struct Jobs {
  const char* name;
  Job<Data> function;
  Job<Data> standard;
};

// A pair of jobs on one kind of data: the random data at every size (no tag),
// or a worst-case input, named by its tag, at the two sizes the ratios need.
template <class Data> struct Case {
  const Jobs<Data>& jobs;
  const char* tag;
  Make<Data> make;
};

const Jobs<const std::string> wordCount{
    "getWordCount", [](const std::string& t) -> long long { return getWordCount(t); },
    [](const std::string& t) -> long long { return standardWordCount(t); }};
const Jobs<const std::string> digitCount{
    "getDigitCount", [](const std::string& t) -> long long { return getDigitCount(t); },
    [](const std::string& t) -> long long { return standardDigitCount(t); }};
const Jobs<const std::string> lastIndex{
    "getLastIndex", [](const std::string& t) -> long long { return getLastIndex(absentByte, t); },
    [](const std::string& t) -> long long { return standardLastIndex(absentByte, t); }};
const Jobs<const std::string> matchCount{
    "getMatchCount",
    [](const std::string& t) -> long long { return getMatchCount(absentPattern, t); },
    [](const std::string& t) -> long long { return standardMatchCount(absentPattern, t); }};
const Jobs<const std::string> stripStars{
    "removeStars",
    [](const std::string& t) -> long long { return static_cast<long long>(removeStars(t).size()); },
    [](const std::string& t) -> long long {
      return static_cast<long long>(standardRemoveStars(t).size());
    }};

int count(const std::vector<int>& values) { return static_cast<int>(values.size()); }

const Jobs<std::vector<int>> smooth{"replaceNums",
                                    [](std::vector<int>& v) -> long long {
                                      replaceNums(v.data(), count(v));
                                      return v[1];
                                    },
                                    [](std::vector<int>& v) -> long long {
                                      standardReplaceNums(v.data(), count(v));
                                      return v[1];
                                    }};
const Jobs<std::vector<int>> sum{
    "check", [](std::vector<int>& v) -> long long { return check(v.data(), count(v)); },
    [](std::vector<int>& v) -> long long { return standardCheck(v.data(), count(v)); }};
const Jobs<std::vector<int>> tally{
    "isPrime", [](std::vector<int>& v) -> long long { return isPrime(v.data(), count(v)); },
    [](std::vector<int>& v) -> long long { return standardIsPrime(v.data(), count(v)); }};

// The largest random text and array, made once; each benchmark copies the
// prefix it needs.
const std::string& fullText() {
  static const std::string text = benchText(static_cast<std::size_t>(largest));
  return text;
}

const std::vector<int>& fullInts() {
  static const std::vector<int> values = benchInts(static_cast<std::size_t>(largest) / sizeof(int));
  return values;
}

std::string randomText(std::size_t bytes) { return {fullText(), 0, bytes}; }

std::vector<int> randomInts(std::size_t bytes) {
  const auto count = static_cast<std::ptrdiff_t>(bytes / sizeof(int));
  return {fullInts().begin(), fullInts().begin() + count};
}

// Ints of one value, as many as fit the bytes.
template <int value> std::vector<int> sameInts(std::size_t bytes) {
  return std::vector<int>(bytes / sizeof(int), value);
}

// The smallest and the largest int by turns: every interior element of
// replaceNums is a dip or a peak, and every sum of check wraps.
std::vector<int> alternatingExtremes(std::size_t bytes) {
  std::vector<int> values(bytes / sizeof(int), INT_MAX);
  for (std::size_t k = 0; k < values.size(); k += 2) {
    values[k] = INT_MIN;
  }
  return values;
}

// The least common multiple of 1 to 22: divisible by every d from 2 to 22, so
// isPrime's divisor loop runs 22 times, the most for any int (the multiple of
// 1 to 23 is past the int range). 720720, of 1 to 16, would run 16 times.
constexpr int longestDivisorLoop = 232792560;
// The largest int, a prime: the divisor loop stops at once, on 2.
constexpr int largePrime = INT_MAX;

const Case<const std::string> textCases[] = {
    {wordCount, nullptr, randomText},
    {digitCount, nullptr, randomText},
    {lastIndex, nullptr, randomText},
    {matchCount, nullptr, randomText},
    {stripStars, nullptr, randomText},
    {wordCount, "spaces", [](std::size_t n) { return std::string(n, ' '); }},
    {digitCount, "digits", [](std::size_t n) { return std::string(n, '7'); }},
    // The scan from the end reads the whole text to reach it.
    {lastIndex, "first",
     [](std::size_t n) {
       std::string text(n, 'a');
       text[0] = absentByte;
       return text;
     }},
    {stripStars, "stars", [](std::size_t n) { return std::string(n, '*'); }},
    // A loop that branched on each character would guess wrong at every
    // other one here.
    {stripStars, "mixed",
     [](std::size_t n) {
       std::string text = randomText(n);
       for (char& c : text) {
         if ((c & 1) != 0) {
           c = '*';
         }
       }
       return text;
     }},
};

const Case<std::vector<int>> intCases[] = {
    {smooth, nullptr, randomInts},          {sum, nullptr, randomInts},
    {tally, nullptr, randomInts},           {smooth, "extremes", alternatingExtremes},
    {sum, "extremes", alternatingExtremes}, {tally, "divisors", sameInts<longestDivisorLoop>},
    {tally, "prime", sameInts<largePrime>},
};

// replaceNums changes its array in place, so later iterations work on
// smoothed values; neither version's cost depends on the values.
template <class Data> void runJob(benchmark::State& state, Job<Data> job, Make<Data> make) {
  auto data = make(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) {
    benchmark::DoNotOptimize(job(data));
  }
  state.SetBytesProcessed(state.iterations() * state.range(0));
}

void runMemcpy(benchmark::State& state) {
  const auto bytes = static_cast<std::size_t>(state.range(0));
  const std::string from(fullText(), 0, bytes);
  std::string to(bytes, '\0');
  for (auto _ : state) {
    benchmark::DoNotOptimize(to.data());
    std::memcpy(to.data(), from.data(), bytes);
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * state.range(0));
}

// getMatchCount on a text of matchText 'a' characters against patterns of m
// characters from two families: m 'a' (an occurrence at each of the n - m + 1
// positions where one fits) and m - 1 'a' then 'b' (none, although at every
// position all but the last character match). Its standard counterpart is the
// memmem loop.
struct MatchFamily {
  const char* name;
  char last;
};

const MatchFamily families[] = {{"run", 'a'}, {"absent", 'b'}};
constexpr std::int64_t matchText = 10'000'000;
constexpr std::int64_t matchLengths[] = {10, 1'000, 100'000};

std::string matchPattern(const MatchFamily& family, std::int64_t m) {
  std::string pattern(static_cast<std::size_t>(m), 'a');
  pattern.back() = family.last;
  return pattern;
}

// Where the memmem loop is quadratic (the run family) it checks m characters
// at each occurrence; it is timed on the start of the text that holds
// memmemBudget / m occurrences. Every match benchmark counts as its items the
// positions where the pattern fits, so that items per second compare the two
// on texts of different lengths.
constexpr std::int64_t memmemBudget = 100'000'000;

std::int64_t memmemTimedLength(const MatchFamily& family, std::int64_t m) {
  if (family.last != 'a') {
    return matchText;
  }
  return std::min(matchText, m - 1 + std::max<std::int64_t>(1, memmemBudget / m));
}

std::string matchName(const MatchFamily& family, std::int64_t m, const char* job) {
  return std::string("getMatchCount/") + family.name + "/m:" + std::to_string(m) + '/' + job;
}

// Takes everything written and keeps none of it, so that the lines
// getMatchCount writes cost the stream's own work and no terminal's.
class Discard : public std::streambuf {
protected:
  int_type overflow(int_type c) override { return traits_type::not_eof(c); }
  std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

using MatchJob = int (*)(const std::string& pattern, const std::string& text);

// The number found by one call; the running total starts afresh each time.
int freshMatchCount(const std::string& pattern, const std::string& text) {
  looped = 0;
  return getMatchCount(pattern, text);
}

// state.range(0) is the length of the text.
void runMatch(benchmark::State& state, MatchJob job, std::string pattern) {
  const std::string text(static_cast<std::size_t>(state.range(0)), 'a');
  Discard discard;
  std::streambuf* const saved = std::cout.rdbuf(&discard);
  for (auto _ : state) {
    benchmark::DoNotOptimize(job(pattern, text));
  }
  std::cout.rdbuf(saved);
  const auto positions = state.range(0) - static_cast<std::int64_t>(pattern.size()) + 1;
  state.SetBytesProcessed(state.iterations() * state.range(0));
  state.SetItemsProcessed(state.iterations() * positions);
}

// glibc gives every allocation of 32 MiB or more fresh pages from the kernel
// and hands them back on free. A function that takes its text by value would
// then pay, at 64 MiB, a page fault for each 4 KiB of its copy on every call
// (about 28 ms on the machine in docs/benchmarks.md, beside 4 ms for the copy
// itself), which it does not pay at 1 MiB. So the heap keeps its pages: no
// mmap, no trimming.
void keepHeapPages() {
  mallopt(M_MMAP_MAX, 0);
  mallopt(M_TRIM_THRESHOLD, INT_MAX);
}

// Registers a case's function and standard benchmarks: the random data at
// every size from smallest to largest by fours, a worst case at the two sizes
// its ratios need. The two run one after the other at each size, so that a
// ratio compares times taken seconds apart, under much the same load from
// whatever else the machine runs.
template <class Data> void registerCase(const Case<Data>& c) {
  const std::string key =
      c.tag == nullptr ? c.jobs.name : std::string("worst/") + c.jobs.name + '/' + c.tag;
  std::vector<std::int64_t> measured{linearBase, largest};
  if (c.tag == nullptr) {
    measured.clear();
    for (std::int64_t bytes = smallest; bytes <= largest; bytes *= 4) {
      measured.push_back(bytes);
    }
  }
  for (const std::int64_t bytes : measured) {
    for (const bool standard : {false, true}) {
      benchmark::RegisterBenchmark((key + (standard ? "/standard" : "/function")).c_str(),
                                   runJob<Data>, standard ? c.jobs.standard : c.jobs.function,
                                   c.make)
          ->Arg(bytes)
          ->Unit(benchmark::kMicrosecond);
    }
  }
}

} // namespace

int main(int argc, char** argv) {
  keepHeapPages();
  for (const auto& c : textCases) {
    registerCase(c);
  }
  for (const auto& c : intCases) {
    registerCase(c);
  }
  benchmark::RegisterBenchmark("memcpy", runMemcpy)
      ->RangeMultiplier(4)
      ->Range(smallest, largest)
      ->Unit(benchmark::kMicrosecond);
  for (const MatchFamily& family : families) {
    for (const std::int64_t m : matchLengths) {
      const std::string pattern = matchPattern(family, m);
      benchmark::RegisterBenchmark(matchName(family, m, "function").c_str(), runMatch,
                                   freshMatchCount, pattern)
          ->Arg(matchText / 10)
          ->Arg(matchText)
          ->Unit(benchmark::kMillisecond);
      benchmark::RegisterBenchmark(matchName(family, m, "standard").c_str(), runMatch,
                                   memmemMatchCount, pattern)
          ->Arg(memmemTimedLength(family, m))
          ->Unit(benchmark::kMillisecond);
    }
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
    return 1;
  }
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
