#pragma once
// The benchmark harness: named benchmarks register themselves; each prints
// figures as one line, optionally against a peer measured in the same run and
// against a target:
//   name  value  unit  [peer=NAME peer_value ratio=value/peer_value]  [target<=X PASS|MISS]

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace kelp::bench {

struct Options {
  bool quick = false;  // small inputs, the whole run in well under 2 minutes
  std::string filter;  // run only benchmarks whose name contains this
};

// What a figure must reach. `on_ratio` compares the ratio against the peer
// instead of the value itself.
struct Target {
  enum Kind { kAtMost, kAtLeast } kind = kAtMost;
  double limit = 0;
  bool on_ratio = false;
};

struct Figure {
  std::string name;
  double value = 0;
  std::string unit;
  std::string peer;  // empty: no peer
  double peer_value = 0;
  std::optional<Target> target;
};

// Prints the figure's line; returns whether its target (if any) was met.
bool Report(const Figure& f);

using BenchFn = void (*)(const Options&);
struct Registrar {
  Registrar(const char* name, BenchFn fn);
};
struct Registered {
  const char* name;
  BenchFn fn;
};
std::vector<Registered>& Registry();

// Wall-clock seconds of one call.
template <class F>
double Seconds(F&& f) {
  const auto t0 = std::chrono::steady_clock::now();
  f();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

// Order statistics of samples (q in [0, 1]); the samples are sorted in place.
double Quantile(std::vector<double>& samples, double q);

// Peak resident memory of this process so far, in bytes.
long long PeakRssBytes();

// Counts the run's misses so the program can exit non-zero when asked to.
int MissCount();

}  // namespace kelp::bench

#define KELP_BENCH(fn)                                     \
  static void fn(const ::kelp::bench::Options&);           \
  static ::kelp::bench::Registrar fn##_registrar(#fn, fn); \
  static void fn(const ::kelp::bench::Options& opts [[maybe_unused]])
