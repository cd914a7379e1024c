#!/usr/bin/env python3
"""The ratios of the function benchmarks, as a Markdown table, from the JSON
that Google Benchmark writes (--benchmark_out=FILE --benchmark_out_format=json):
    python3 bench/ratios.py FILE
Its compare.py reports the change between two runs of one benchmark; these
ratios relate different benchmarks of one run (a function and its standard
counterpart, one size and another), which it has no mode for.

Benchmarks are named KEY/function/SIZE and KEY/standard/SIZE (KEY/SIZE for one
of their own, such as memcpy). Each figure is the median of the repetitions,
else the single run, and comes from Google Benchmark's rates:
- function / standard time: their items per second where both count items
  (the positions where a pattern fits), else bytes per second, at the
  largest size of each;
- linearity: bytes per second at the smallest size of at least 1/64 of the
  largest, over bytes per second at the largest: the largest time over its
  time there, scaled up by the sizes;
- for a KEY with m:LENGTH, its time over the time of the same KEY with the
  shortest LENGTH, at the largest size."""
import json
import re
import sys

RATIO_TARGET, LINEAR_TARGET = 2.0, 1.2

rates = {}  # KEY -> job -> size -> its median, or its single run
runs = json.load(open(sys.argv[1]))["benchmarks"]
for run in sorted(runs, key=lambda run: run["run_type"] == "aggregate"):
    if run.get("aggregate_name", "median") != "median" or run.get("error_occurred"):
        continue
    *key, job, size = run["run_name"].split("/")
    if job not in ("function", "standard"):
        key, job = key + [job], "function"
    rates.setdefault("/".join(key), {}).setdefault(job, {})[int(size)] = run


def at_largest(key, job, rate):
    runs = rates.get(key, {}).get(job, {})
    return runs[max(runs)].get(rate) if runs else None


def ratio(key):
    unit = "items_per_second"
    if at_largest(key, "function", unit) is None or at_largest(key, "standard", unit) is None:
        unit = "bytes_per_second"
    standard = at_largest(key, "standard", unit)
    return standard and standard / at_largest(key, "function", unit)


def linearity(key, job):
    runs = rates[key].get(job, {})
    large = max(runs, default=0)
    base = min((s for s in runs if 64 * s >= large and s < large), default=None)
    return base and runs[base]["bytes_per_second"] / runs[large]["bytes_per_second"]


def against_shortest(key):
    found = re.search(r"m:(\d+)", key)
    if not found:
        return None
    siblings = [k for k in rates if re.sub(r"m:\d+", "", k) == re.sub(r"m:\d+", "", key)]
    shortest = min(siblings, key=lambda k: int(re.search(r"m:(\d+)", k).group(1)))
    rate = "bytes_per_second"
    return at_largest(shortest, "function", rate) / at_largest(key, "function", rate)


def shown(value):
    if value is None:
        return "-"
    return "1/%.0f" % (1 / value) if value < 0.095 else "%.2f" % value


print("| Benchmark | Function / standard time (target <= %.1f) | Linearity (target <= %.1f) "
      "| Standard's linearity | Time / time at the shortest m (target <= %.1f) | Targets met |"
      % (RATIO_TARGET, LINEAR_TARGET, RATIO_TARGET))
print("|---|--:|--:|--:|--:|---|")
for key in rates:
    r, lin, shortest = ratio(key), linearity(key, "function"), against_shortest(key)
    met = "-"
    if r is not None and lin is not None:
        met = r <= RATIO_TARGET and lin <= LINEAR_TARGET and (shortest or 0) <= RATIO_TARGET
        met = "yes" if met else "no"
    print("| %s | %s | %s | %s | %s | %s |" % (key, shown(r), shown(lin),
                                              shown(linearity(key, "standard")), shown(shortest), met))
