#include "harness.h"

#include <sys/resource.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace kelp::bench {

namespace {
int g_misses = 0;
}

std::vector<Registered>& Registry() {
  static std::vector<Registered> r;
  return r;
}

Registrar::Registrar(const char* name, BenchFn fn) { Registry().push_back({name, fn}); }

bool Report(const Figure& f) {
  std::string line = f.name + "  " + std::to_string(f.value) + "  " + f.unit;
  double ratio = 0;
  if (!f.peer.empty()) {
    ratio = f.peer_value != 0 ? f.value / f.peer_value : 0;
    char buf[160];
    std::snprintf(buf, sizeof buf, "  peer=%s %g ratio=%.3f", f.peer.c_str(), f.peer_value, ratio);
    line += buf;
  }
  bool ok = true;
  if (f.target) {
    const double x = f.target->on_ratio ? ratio : f.value;
    ok = f.target->kind == Target::kAtMost ? x <= f.target->limit : x >= f.target->limit;
    char buf[120];
    std::snprintf(buf, sizeof buf, "  target %s%s%g %s", f.target->on_ratio ? "ratio" : "",
                  f.target->kind == Target::kAtMost ? "<=" : ">=", f.target->limit, ok ? "PASS" : "MISS");
    line += buf;
    if (!ok) ++g_misses;
  }
  std::printf("%s\n", line.c_str());
  std::fflush(stdout);
  return ok;
}

double Quantile(std::vector<double>& samples, double q) {
  if (samples.empty()) return 0;
  std::sort(samples.begin(), samples.end());
  const auto i = static_cast<size_t>(std::llround(q * static_cast<double>(samples.size() - 1)));
  return samples[std::min(i, samples.size() - 1)];
}

long long PeakRssBytes() {
  rusage ru{};
  getrusage(RUSAGE_SELF, &ru);
  return static_cast<long long>(ru.ru_maxrss) * 1024;
}

int MissCount() { return g_misses; }

}  // namespace kelp::bench
