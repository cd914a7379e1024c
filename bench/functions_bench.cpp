// The linear functions timed from 1 KiB to 64 MiB, each beside the standard
// library's way of doing its job on the same data and beside memcpy of the
// same number of bytes; then each on the input that is worst for it, at 1 MiB
// and 64 MiB; then getMatchCount on runs of one character, where a search
// that starts over at each position would cost the text's length times the
// pattern's. Each benchmark runs three times and shows its median; tables at
// the end give the throughput and the ratios with their targets.
//
// Command-line flags of Google Benchmark work as usual and come after the
// defaults set here, so --benchmark_filter=getWordCount, --benchmark_filter=worst
// or --benchmark_repetitions=1 narrow a run.
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
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <malloc.h>
#include <map>
#include <streambuf>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

namespace {

constexpr std::int64_t kib = 1024;
constexpr std::int64_t mib = kib * kib;
constexpr std::int64_t smallest = kib;
constexpr std::int64_t largest = 64 * mib;
// Linearity compares the largest size with this one, scaled up.
constexpr std::int64_t linearBase = mib;

// Targets: the function's time within this factor of the standard way's at
// the largest size, and its largest-size time within this factor of
// (largest / linearBase) times its linearBase time.
constexpr double ratioTarget = 2.0;
constexpr double linearTarget = 1.2;

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
  const char* standardName;
  Job<Data> function;
  Job<Data> standard;
};

// A pair of jobs on one kind of data: the random data at every size (no tag),
// or a worst-case input at the two sizes the ratios need, with a tag for the
// benchmarks' names and a description of the input for the table.
template <class Data> struct Case {
  const Jobs<Data>& jobs;
  const char* tag;
  const char* input;
  Make<Data> make;
};

const Jobs<const std::string> wordCount{
    "getWordCount", "std::count", [](const std::string& t) -> long long { return getWordCount(t); },
    [](const std::string& t) -> long long { return standardWordCount(t); }};
const Jobs<const std::string> digitCount{
    "getDigitCount", "std::count_if",
    [](const std::string& t) -> long long { return getDigitCount(t); },
    [](const std::string& t) -> long long { return standardDigitCount(t); }};
const Jobs<const std::string> lastIndex{
    "getLastIndex", "memrchr",
    [](const std::string& t) -> long long { return getLastIndex(absentByte, t); },
    [](const std::string& t) -> long long { return standardLastIndex(absentByte, t); }};
const Jobs<const std::string> matchCount{
    "getMatchCount", "std::string_view::find",
    [](const std::string& t) -> long long { return getMatchCount(absentPattern, t); },
    [](const std::string& t) -> long long { return standardMatchCount(absentPattern, t); }};
const Jobs<const std::string> stripStars{
    "removeStars", "std::remove_copy",
    [](const std::string& t) -> long long { return static_cast<long long>(removeStars(t).size()); },
    [](const std::string& t) -> long long {
      return static_cast<long long>(standardRemoveStars(t).size());
    }};

int count(const std::vector<int>& values) { return static_cast<int>(values.size()); }

const Jobs<std::vector<int>> smooth{"replaceNums", "std::max + std::vector copy",
                                    [](std::vector<int>& v) -> long long {
                                      replaceNums(v.data(), count(v));
                                      return v[1];
                                    },
                                    [](std::vector<int>& v) -> long long {
                                      standardReplaceNums(v.data(), count(v));
                                      return v[1];
                                    }};
const Jobs<std::vector<int>> sum{
    "check", "std::accumulate",
    [](std::vector<int>& v) -> long long { return check(v.data(), count(v)); },
    [](std::vector<int>& v) -> long long { return standardCheck(v.data(), count(v)); }};
const Jobs<std::vector<int>> tally{
    "isPrime", "std::accumulate (closed form)",
    [](std::vector<int>& v) -> long long { return isPrime(v.data(), count(v)); },
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
    {wordCount, nullptr, nullptr, randomText},
    {digitCount, nullptr, nullptr, randomText},
    {lastIndex, nullptr, nullptr, randomText},
    {matchCount, nullptr, nullptr, randomText},
    {stripStars, nullptr, nullptr, randomText},
    {wordCount, "spaces", "all spaces", [](std::size_t n) { return std::string(n, ' '); }},
    {digitCount, "digits", "all digits", [](std::size_t n) { return std::string(n, '7'); }},
    // The scan from the end reads the whole text to reach it.
    {lastIndex, "first", "sought byte only at position 0",
     [](std::size_t n) {
       std::string text(n, 'a');
       text[0] = absentByte;
       return text;
     }},
    {stripStars, "stars", "all asterisks", [](std::size_t n) { return std::string(n, '*'); }},
    // A loop that branched on each character would guess wrong at every
    // other one here.
    {stripStars, "mixed", "about half asterisks, at random",
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
    {smooth, nullptr, nullptr, randomInts},
    {sum, nullptr, nullptr, randomInts},
    {tally, nullptr, nullptr, randomInts},
    {smooth, "extremes", "INT_MIN, INT_MAX by turns", alternatingExtremes},
    {sum, "extremes", "INT_MIN, INT_MAX by turns", alternatingExtremes},
    {tally, "divisors", "all 232792560 (22 divisions each)", sameInts<longestDivisorLoop>},
    {tally, "prime", "all 2147483647 (a prime)", sameInts<largePrime>},
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
// position all but the last character match).
struct MatchFamily {
  const char* name;
  const char* pattern;
  char last;
};

const MatchFamily families[] = {{"run", "m 'a'", 'a'}, {"absent", "m - 1 'a', then 'b'", 'b'}};
constexpr std::int64_t matchText = 10'000'000;
constexpr std::int64_t matchLengths[] = {10, 1'000, 100'000};

std::string matchPattern(const MatchFamily& family, std::int64_t m) {
  std::string pattern(static_cast<std::size_t>(m), 'a');
  pattern.back() = family.last;
  return pattern;
}

// Where the memmem loop is quadratic (the run family) it checks m characters
// at each occurrence; it is timed on the start of the text that holds
// memmemBudget / m occurrences, and the time scaled up to the whole text.
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
  state.SetBytesProcessed(state.iterations() * state.range(0));
}

// A measured job and its standard counterpart, as the tables name them; the
// benchmarks are KEY/function and KEY/standard. Input is empty for the
// random data.
struct Row {
  std::string key;
  std::string name;
  std::string input;
  std::string standardName;
};

std::vector<std::int64_t> sizes() {
  std::vector<std::int64_t> all;
  for (std::int64_t s = smallest; s <= largest; s *= 4) {
    all.push_back(s);
  }
  return all;
}

std::string sizeLabel(std::int64_t bytes) {
  return bytes >= mib ? std::to_string(bytes / mib) + " MiB" : std::to_string(bytes / kib) + " KiB";
}

bool finite(double value) { return value > 0 && value < 1e300; }

// A finite positive value with the given decimals, else "-".
std::string number(double value, int decimals) {
  if (!finite(value)) {
    return "-";
  }
  char buffer[48];
  std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
  return buffer;
}

// A ratio, as 1/N when it is below 0.1.
std::string ratioText(double value) {
  if (!finite(value) || value >= 0.095) {
    return number(value, 2);
  }
  char buffer[48];
  std::snprintf(buffer, sizeof buffer, "1/%.0f", 1 / value);
  return buffer;
}

// A time in milliseconds below a second, in seconds below an hour, else in
// hours.
std::string duration(double seconds) {
  if (!finite(seconds)) {
    return "-";
  }
  char buffer[48];
  if (seconds < 1) {
    std::snprintf(buffer, sizeof buffer, "%.1f ms", seconds * 1e3);
  } else if (seconds < 3600) {
    std::snprintf(buffer, sizeof buffer, "%.2f s", seconds);
  } else {
    std::snprintf(buffer, sizeof buffer, "%.1f h", seconds / 3600);
  }
  return buffer;
}

// The console reporter, showing only each benchmark's median, which it also
// keeps (CPU seconds per iteration, by benchmark name and argument) for the
// tables printed at the end.
class TableReporter : public benchmark::ConsoleReporter {
public:
  explicit TableReporter(std::vector<Row> rows)
      : ConsoleReporter(OO_Tabular), rows_(std::move(rows)) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    std::vector<Run> shown;
    for (const Run& run : runs) {
      const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
      const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
      if (run.error_occurred || !(single || median)) {
        continue;
      }
      shown.push_back(run);
      const double seconds =
          run.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
      seconds_[{run.run_name.function_name, std::stoll(run.run_name.args)}] = seconds;
    }
    ConsoleReporter::ReportRuns(shown);
  }

  void Finalize() override {
    ConsoleReporter::Finalize();
    std::FILE* out = stdout;
    std::fflush(out);
    std::fprintf(out, "\n## At %s\n\n", sizeLabel(largest).c_str());
    printRatios(out, false);

    std::fprintf(out, "\n## Function / standard time, by size\n\n| Function |");
    for (const std::int64_t s : sizes()) {
      std::fprintf(out, " %s |", sizeLabel(s).c_str());
    }
    std::fprintf(out, "\n|---|");
    for (std::size_t k = 0; k < sizes().size(); ++k) {
      std::fprintf(out, "--:|");
    }
    std::fprintf(out, "\n");
    for (const Row& row : rows_) {
      if (!row.input.empty()) {
        continue;
      }
      std::fprintf(out, "| %s |", row.name.c_str());
      for (const std::int64_t s : sizes()) {
        const double ratio = seconds(row.key + "/function", s) / seconds(row.key + "/standard", s);
        std::fprintf(out, " %s |", number(ratio, 2).c_str());
      }
      std::fprintf(out, "\n");
    }

    std::fprintf(out, "\n## Worst-case inputs, at %s\n\n", sizeLabel(largest).c_str());
    printRatios(out, true);
    printMatchTable(out);
    std::fflush(out);
  }

private:
  // The throughput and ratio table, of the random-data rows or of the
  // worst-case ones.
  void printRatios(std::FILE* out, bool worst) const {
    std::fprintf(out,
                 "| Function |%s Standard way | Function GiB/s | Standard GiB/s | memcpy GiB/s "
                 "| Function / standard time (target <= %.1f) "
                 "| %s time / (%lld x %s time) (target <= %.1f) | Targets met |\n",
                 worst ? " Input |" : "", ratioTarget, sizeLabel(largest).c_str(),
                 static_cast<long long>(largest / linearBase), sizeLabel(linearBase).c_str(),
                 linearTarget);
    std::fprintf(out, "|---|%s---|--:|--:|--:|--:|--:|---|\n", worst ? "---|" : "");
    const double copy = rate(seconds("memcpy", largest), largest);
    for (const Row& row : rows_) {
      if (row.input.empty() == worst) {
        continue;
      }
      const double fn = seconds(row.key + "/function", largest);
      const double st = seconds(row.key + "/standard", largest);
      const double base = seconds(row.key + "/function", linearBase);
      const double ratio = fn / st;
      const double linear = fn / (base * static_cast<double>(largest / linearBase));
      const bool met = ratio <= ratioTarget && linear <= linearTarget;
      std::fprintf(out, "| %s |%s %s | %s | %s | %s | %s | %s | %s |\n", row.name.c_str(),
                   worst ? (" " + row.input + " |").c_str() : "", row.standardName.c_str(),
                   number(rate(fn, largest), 2).c_str(), number(rate(st, largest), 2).c_str(),
                   number(copy, 2).c_str(), number(ratio, 2).c_str(), number(linear, 2).c_str(),
                   fn > 0 && st > 0 && base > 0 ? (met ? "yes" : "no") : "-");
    }
  }

  // getMatchCount on runs of 'a': against the memmem loop, against itself at
  // the shortest pattern, and against itself on a tenth of the text.
  void printMatchTable(std::FILE* out) const {
    const std::int64_t tenth = matchText / 10;
    std::fprintf(out,
                 "\n## getMatchCount on a text of n = %lld 'a', patterns of m characters\n\n"
                 "| Pattern | m | getMatchCount | memmem loop | getMatchCount / memmem time "
                 "(target <= %.1f where memmem is linear) | Time / time at m = %lld "
                 "(target <= %.1f) | Time / (10 x time at n = %lld) (target <= %.1f) "
                 "| Targets met |\n|---|--:|--:|--:|--:|--:|--:|---|\n",
                 static_cast<long long>(matchText), ratioTarget,
                 static_cast<long long>(matchLengths[0]), ratioTarget,
                 static_cast<long long>(tenth), linearTarget);
    for (const MatchFamily& family : families) {
      const double shortest = seconds(matchName(family, matchLengths[0], "function"), matchText);
      for (const std::int64_t m : matchLengths) {
        const double fn = seconds(matchName(family, m, "function"), matchText);
        const double smaller = seconds(matchName(family, m, "function"), tenth);
        // The memmem time, scaled from the occurrences it was timed on to
        // all of them.
        const std::int64_t timed = memmemTimedLength(family, m);
        const double scale =
            static_cast<double>(matchText - m + 1) / static_cast<double>(timed - m + 1);
        const double mm = seconds(matchName(family, m, "memmem"), timed) * scale;
        const bool linearMemmem = family.last != 'a';
        const double ratio = fn / mm;
        const double againstShortest = fn / shortest;
        const double linear = fn / (10 * smaller);
        const bool met = (!linearMemmem || ratio <= ratioTarget) &&
                         againstShortest <= ratioTarget && linear <= linearTarget;
        std::fprintf(
            out, "| %s | %lld | %s | %s%s | %s | %s | %s | %s |\n", family.pattern,
            static_cast<long long>(m), duration(fn).c_str(), timed < matchText ? "est. " : "",
            duration(mm).c_str(), ratioText(ratio).c_str(), number(againstShortest, 2).c_str(),
            number(linear, 2).c_str(),
            finite(fn) && finite(mm) && finite(smaller) && finite(shortest) ? (met ? "yes" : "no")
                                                                            : "-");
      }
    }
  }

  // Seconds per iteration, or 0 when that benchmark did not run.
  double seconds(const std::string& name, std::int64_t bytes) const {
    const auto found = seconds_.find({name, bytes});
    return found == seconds_.end() ? 0.0 : found->second;
  }

  static double rate(double seconds, std::int64_t bytes) {
    return seconds > 0 ? static_cast<double>(bytes) / seconds / (1024.0 * 1024.0 * 1024.0) : 0.0;
  }

  std::vector<Row> rows_;
  std::map<std::pair<std::string, std::int64_t>, double> seconds_;
};

// glibc gives every allocation of 32 MiB or more fresh pages from the kernel
// and hands them back on free, and trims the heap's top; on a virtual machine
// each first touch of a page can cost microseconds, which would swamp the
// copies being measured. So every allocation comes from a heap that keeps its
// pages, touched once here for more than any benchmark holds at a time (at
// 64 MiB: the random text kept for all of them, a worst-case text, its
// by-value copy and a result), and the copy that a by-value argument makes
// costs what copying costs.
void keepHeapWarm() {
  mallopt(M_MMAP_MAX, 0);
  mallopt(M_TRIM_THRESHOLD, INT_MAX);
  const auto bytes = static_cast<std::size_t>(8 * largest);
  void* block = std::malloc(bytes);
  std::memset(block, 1, bytes);
  benchmark::DoNotOptimize(block);
  std::free(block);
}

// Registers a case's function and standard benchmarks: the random data at
// every size, a worst case at the two sizes its ratios need. The two run one
// after the other at each size, so that a ratio compares times taken seconds
// apart, under much the same load from whatever else the machine runs.
template <class Data> void registerCase(const Case<Data>& c, std::vector<Row>& rows) {
  const std::string key =
      c.tag == nullptr ? c.jobs.name : std::string("worst/") + c.jobs.name + '/' + c.tag;
  const std::vector<std::int64_t> measured =
      c.tag == nullptr ? sizes() : std::vector<std::int64_t>{linearBase, largest};
  for (const std::int64_t bytes : measured) {
    for (const bool standard : {false, true}) {
      benchmark::RegisterBenchmark((key + (standard ? "/standard" : "/function")).c_str(),
                                   runJob<Data>, standard ? c.jobs.standard : c.jobs.function,
                                   c.make)
          ->Arg(bytes)
          ->Unit(benchmark::kMicrosecond);
    }
  }
  rows.push_back({key, c.jobs.name, c.tag == nullptr ? "" : c.input, c.jobs.standardName});
}

} // namespace

int main(int argc, char** argv) {
  keepHeapWarm();
  std::vector<Row> rows;
  for (const auto& c : textCases) {
    registerCase(c, rows);
  }
  for (const auto& c : intCases) {
    registerCase(c, rows);
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
      benchmark::RegisterBenchmark(matchName(family, m, "memmem").c_str(), runMatch,
                                   memmemMatchCount, pattern)
          ->Arg(memmemTimedLength(family, m))
          ->Unit(benchmark::kMillisecond);
    }
  }

  // Defaults first, so that flags given on the command line win.
  std::vector<char*> args{argv[0]};
  std::string repetitions = "--benchmark_repetitions=3";
  std::string minTime = "--benchmark_min_time=0.2";
  args.push_back(repetitions.data());
  args.push_back(minTime.data());
  args.insert(args.end(), argv + 1, argv + argc);
  int count = static_cast<int>(args.size());
  args.push_back(nullptr);
  benchmark::Initialize(&count, args.data());
  if (benchmark::ReportUnrecognizedArguments(count, args.data())) {
    return 1;
  }
  TableReporter reporter(std::move(rows));
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
