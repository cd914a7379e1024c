#!/usr/bin/env python3
"""Prints the ratios of the function benchmarks as a Markdown table, from the
JSON that Google Benchmark writes (--benchmark_out=FILE --benchmark_out_format=json):
    python3 bench/ratios.py FILE
Its compare.py shows how one benchmark changed between two runs; these ratios
relate different benchmarks of one run, which it has no mode for.

Benchmarks are named KEY/function/SIZE and KEY/standard/SIZE (KEY/SIZE for one
on its own, such as memcpy). Each figure uses the median of the repetitions
(else the single run) and Google Benchmark's rates:
- function / standard time: their items per second where both count items
  (each at its largest size), else their bytes per second at the largest
  size of the function;
- linearity: bytes per second at the smallest size of at least 1/64 of the
  largest over bytes per second at the largest, i.e. the largest time over
  the smaller one scaled up by the sizes;
- for a KEY with m:LENGTH, its time over that of the KEY with the shortest
  LENGTH, at the largest size."""
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


def top(key, job):
    """The run of KEY's job at its largest size, if it ran."""
    sizes = rates[key].get(job)
    return sizes and sizes[max(sizes)]


def ratio(key):
    f, s = top(key, "function"), top(key, "standard")
    if not (f and s):
        return None
    if "items_per_second" in f and "items_per_second" in s:
        return s["items_per_second"] / f["items_per_second"]
    s = rates[key]["standard"].get(max(rates[key]["function"]))
    return s and s["bytes_per_second"] / f["bytes_per_second"]


def linearity(key, job):
    sizes = rates[key].get(job, {})
    large = max(sizes, default=0)
    base = min((size for size in sizes if large <= 64 * size < 64 * large), default=None)
    return base and sizes[base]["bytes_per_second"] / sizes[large]["bytes_per_second"]


def against_shortest(key):
    length = lambda k: int(re.search(r"m:(\d+)", k).group(1))
    family = lambda k: re.sub(r"m:\d+", "", k)
    if "m:" not in key:
        return None
    shortest = min((k for k in rates if family(k) == family(key)), key=length)
    f, s = top(key, "function"), top(shortest, "function")
    return f and s and s["bytes_per_second"] / f["bytes_per_second"]


def shown(value):
    if value is None:
        return "-"
    return "1/%.0f" % (1 / value) if value < 0.095 else "%.2f" % value


print("| Benchmark | Function / standard time (target <= %.1f) | Linearity (target <= %.1f) "
      "| Standard's linearity | Time / time at the shortest m (target <= %.1f) | Targets met |"
      % (RATIO_TARGET, LINEAR_TARGET, RATIO_TARGET))
print("|---|--:|--:|--:|--:|---|")
for key in rates:
    r, lin, m = ratio(key), linearity(key, "function"), against_shortest(key)
    met = "-"
    if r is not None and lin is not None:  # as shown, to two decimals
        ok = round(r, 2) <= RATIO_TARGET and round(lin, 2) <= LINEAR_TARGET
        met = "yes" if ok and round(m or 0, 2) <= RATIO_TARGET else "no"
    print("| %s | %s | %s | %s | %s | %s |"
          % (key, shown(r), shown(lin), shown(linearity(key, "standard")), shown(m), met))
