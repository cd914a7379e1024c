// The linear functions timed from 1 KiB to 64 MiB, each beside the standard
// library's way of doing its job on the same data and beside memcpy of the
// same number of bytes. Each benchmark runs three times and shows its median;
// at the end come two tables: throughput and ratios at 64 MiB with the
// targets, and the function-to-standard time ratio at every size.
//
// Command-line flags of Google Benchmark work as usual and come after the
// defaults set here, so --benchmark_filter=getWordCount or
// --benchmark_repetitions=1 narrow a run.
#include "peaksmooth.hpp"
#include "primetally.hpp"
#include "starstrip.hpp"
#include "strprobe.hpp"
#include "sumcheck.hpp"
#include "workloads.hpp"

#include <benchmark/benchmark.h>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <malloc.h>
#include <map>
#include <string>
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

// One run of a measured job on text; the value returned is kept from the
// optimiser. Every call passes the text as an lvalue, so a function that takes
// its string by value pays for the copy, as its callers do.
using TextJob = long long (*)(const std::string&);

struct TextCase {
  const char* name;
  const char* standardName;
  TextJob function;
  TextJob standard;
};

const TextCase textCases[] = {
    {"getWordCount", "std::count",
     [](const std::string& t) -> long long { return getWordCount(t); },
     [](const std::string& t) -> long long { return standardWordCount(t); }},
    {"getDigitCount", "std::count_if",
     [](const std::string& t) -> long long { return getDigitCount(t); },
     [](const std::string& t) -> long long { return standardDigitCount(t); }},
    {"getLastIndex", "memrchr",
     [](const std::string& t) -> long long { return getLastIndex(absentByte, t); },
     [](const std::string& t) -> long long { return standardLastIndex(absentByte, t); }},
    {"getMatchCount", "std::string_view::find",
     [](const std::string& t) -> long long { return getMatchCount(absentPattern, t); },
     [](const std::string& t) -> long long { return standardMatchCount(absentPattern, t); }},
    {"removeStars", "std::remove_copy",
     [](const std::string& t) -> long long {
       return static_cast<long long>(removeStars(t).size());
     },
     [](const std::string& t) -> long long {
       return static_cast<long long>(standardRemoveStars(t).size());
     }},
};

// One run of a measured job on an array of ints, which it may change.
using IntJob = long long (*)(std::vector<int>&);

struct IntCase {
  const char* name;
  const char* standardName;
  IntJob function;
  IntJob standard;
};

int count(const std::vector<int>& values) { return static_cast<int>(values.size()); }

const IntCase intCases[] = {
    {"replaceNums", "std::max + std::vector copy",
     [](std::vector<int>& v) -> long long {
       replaceNums(v.data(), count(v));
       return v[1];
     },
     [](std::vector<int>& v) -> long long {
       standardReplaceNums(v.data(), count(v));
       return v[1];
     }},
    {"check", "std::accumulate",
     [](std::vector<int>& v) -> long long { return check(v.data(), count(v)); },
     [](std::vector<int>& v) -> long long { return standardCheck(v.data(), count(v)); }},
    {"isPrime", "std::accumulate (closed form)",
     [](std::vector<int>& v) -> long long { return isPrime(v.data(), count(v)); },
     [](std::vector<int>& v) -> long long { return standardIsPrime(v.data(), count(v)); }},
};

// The largest text and array, made once; each benchmark copies the prefix it
// needs.
const std::string& fullText() {
  static const std::string text = benchText(static_cast<std::size_t>(largest));
  return text;
}

const std::vector<int>& fullInts() {
  static const std::vector<int> values = benchInts(static_cast<std::size_t>(largest) / sizeof(int));
  return values;
}

void runText(benchmark::State& state, TextJob job) {
  const auto bytes = static_cast<std::size_t>(state.range(0));
  const std::string text(fullText(), 0, bytes);
  for (auto _ : state) {
    benchmark::DoNotOptimize(job(text));
  }
  state.SetBytesProcessed(state.iterations() * state.range(0));
}

// replaceNums changes its array in place, so later iterations work on
// smoothed values; neither version's cost depends on the values.
void runInts(benchmark::State& state, IntJob job) {
  const auto count =
      static_cast<std::ptrdiff_t>(static_cast<std::size_t>(state.range(0)) / sizeof(int));
  std::vector<int> values(fullInts().begin(), fullInts().begin() + count);
  for (auto _ : state) {
    benchmark::DoNotOptimize(job(values));
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

// A measured job and its standard counterpart, as the tables name them.
struct Row {
  std::string name;
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

std::string fixed(double value, int decimals) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
  return buffer;
}

// The console reporter, showing only each benchmark's median, which it also
// keeps (CPU seconds per iteration, by benchmark name and size) for the tables
// printed at the end.
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
    std::fprintf(out,
                 "| Function | Standard way | Function GiB/s | Standard GiB/s | memcpy GiB/s "
                 "| Function / standard time (target <= %.1f) "
                 "| %s time / (%lld x %s time) (target <= %.1f) | Targets met |\n",
                 ratioTarget, sizeLabel(largest).c_str(),
                 static_cast<long long>(largest / linearBase), sizeLabel(linearBase).c_str(),
                 linearTarget);
    std::fprintf(out, "|---|---|--:|--:|--:|--:|--:|---|\n");
    const double copy = rate(seconds("memcpy", largest), largest);
    for (const Row& row : rows_) {
      const double fn = seconds(row.name + "/function", largest);
      const double st = seconds(row.name + "/standard", largest);
      const double base = seconds(row.name + "/function", linearBase);
      const double ratio = fn / st;
      const double linear = fn / (base * static_cast<double>(largest / linearBase));
      const bool met = ratio <= ratioTarget && linear <= linearTarget;
      std::fprintf(out, "| %s | %s | %s | %s | %s | %s | %s | %s |\n", row.name.c_str(),
                   row.standardName.c_str(), number(rate(fn, largest), 2).c_str(),
                   number(rate(st, largest), 2).c_str(), number(copy, 2).c_str(),
                   number(ratio, 2).c_str(), number(linear, 2).c_str(),
                   fn > 0 && st > 0 && base > 0 ? (met ? "yes" : "no") : "-");
    }

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
      std::fprintf(out, "| %s |", row.name.c_str());
      for (const std::int64_t s : sizes()) {
        const double ratio =
            seconds(row.name + "/function", s) / seconds(row.name + "/standard", s);
        std::fprintf(out, " %s |", number(ratio, 2).c_str());
      }
      std::fprintf(out, "\n");
    }
    std::fflush(out);
  }

private:
  // Seconds per iteration, or 0 when that benchmark did not run.
  double seconds(const std::string& name, std::int64_t bytes) const {
    const auto found = seconds_.find({name, bytes});
    return found == seconds_.end() ? 0.0 : found->second;
  }

  static double rate(double seconds, std::int64_t bytes) {
    return seconds > 0 ? static_cast<double>(bytes) / seconds / (1024.0 * 1024.0 * 1024.0) : 0.0;
  }

  // A finite positive value with the given decimals, else "-".
  static std::string number(double value, int decimals) {
    return value > 0 && value < 1e300 ? fixed(value, decimals) : "-";
  }

  std::vector<Row> rows_;
  std::map<std::pair<std::string, std::int64_t>, double> seconds_;
};

// glibc gives every allocation of 32 MiB or more fresh pages from the kernel
// and hands them back on free, and trims the heap's top; on a virtual machine
// each first touch of a page can cost microseconds, which would swamp the
// copies being measured. So every allocation comes from a heap that keeps its
// pages, touched once here for the most the largest benchmark holds at a time
// (removeStars: the text, its copy, a working copy and the result), and the
// copy that a by-value argument makes costs what copying costs.
void keepHeapWarm() {
  mallopt(M_MMAP_MAX, 0);
  mallopt(M_TRIM_THRESHOLD, INT_MAX);
  const auto bytes = static_cast<std::size_t>(8 * largest);
  void* block = std::malloc(bytes);
  std::memset(block, 1, bytes);
  benchmark::DoNotOptimize(block);
  std::free(block);
}

} // namespace

int main(int argc, char** argv) {
  keepHeapWarm();
  std::vector<Row> rows;
  const auto registerAll = [](benchmark::internal::Benchmark* b) {
    b->RangeMultiplier(4)->Range(smallest, largest)->Unit(benchmark::kMicrosecond);
  };
  for (const TextCase& c : textCases) {
    registerAll(benchmark::RegisterBenchmark((std::string(c.name) + "/function").c_str(), runText,
                                             c.function));
    registerAll(benchmark::RegisterBenchmark((std::string(c.name) + "/standard").c_str(), runText,
                                             c.standard));
    rows.push_back({c.name, c.standardName});
  }
  for (const IntCase& c : intCases) {
    registerAll(benchmark::RegisterBenchmark((std::string(c.name) + "/function").c_str(), runInts,
                                             c.function));
    registerAll(benchmark::RegisterBenchmark((std::string(c.name) + "/standard").c_str(), runInts,
                                             c.standard));
    rows.push_back({c.name, c.standardName});
  }
  registerAll(benchmark::RegisterBenchmark("memcpy", runMemcpy));

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
