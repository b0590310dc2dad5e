// kelp_bench [--quick] [--filter TEXT] [--strict]
// Runs every registered benchmark; --strict exits 1 when a target was missed.
#include <QApplication>
#include <cstdio>
#include <cstring>

#include "harness.h"

int main(int argc, char** argv) {
  kelp::bench::Options opts;
  bool strict = false;
  for (int i = 1; i < argc; ++i) {
    if (!std::strcmp(argv[i], "--quick")) {
      opts.quick = true;
    } else if (!std::strcmp(argv[i], "--strict")) {
      strict = true;
    } else if (!std::strcmp(argv[i], "--filter") && i + 1 < argc) {
      opts.filter = argv[++i];
    } else {
      std::fprintf(stderr, "usage: kelp_bench [--quick] [--filter TEXT] [--strict]\n");
      return 2;
    }
  }
  // Peers such as QScintilla and QPlainTextEdit need an application object.
  QApplication app(argc, argv);
  for (const auto& b : kelp::bench::Registry()) {
    if (!opts.filter.empty() && !std::strstr(b.name, opts.filter.c_str())) continue;
    b.fn(opts);
  }
  return strict && kelp::bench::MissCount() > 0 ? 1 : 0;
}
