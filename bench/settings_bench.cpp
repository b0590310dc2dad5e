// Loading, pruning and writing a large per-file history, against Qt's INI
// reader and writer on the same file.
#include <QSettings>
#include <QString>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "harness.h"
#include "settings/file_history.h"

KELP_BENCH(FileHistoryLoad) {
  const int sections = opts.quick ? 5000 : 40000;
  const std::string path = (std::filesystem::temp_directory_path() / "kelp_bench_history.his").string();
  {
    std::ofstream out(path, std::ios::binary);
    for (int i = 0; i < sections; ++i)
      out << "[/home/user/project/src/file" << i << ".cpp]\nCARET=" << i * 7 << "\n0=" << i << "\n1=" << i * 3
          << "\n\n";
  }
  size_t sink = 0;
  const double ours = kelp::bench::Seconds([&] {
    kelp::TFileHistory h(path);
    sink += h.Ini().ReadSections().size();
  });
  const double qt = kelp::bench::Seconds([&] {
    QSettings s(QString::fromStdString(path), QSettings::IniFormat);
    sink += static_cast<size_t>(s.childGroups().size());
  });
  kelp::TFileHistory h(path);
  const double prune =
      kelp::bench::Seconds([&] { sink += h.PruneHistory([](const std::u16string&) { return true; }); });
  QSettings qs(QString::fromStdString(path), QSettings::IniFormat);
  sink += static_cast<size_t>(qs.childGroups().size());
  const double qt_write = kelp::bench::Seconds([&] {
    qs.setValue("changed/CARET", 1);
    qs.sync();
  });
  std::filesystem::remove(path);
  kelp::bench::Report({"his_load_ms", ours * 1e3, "ms", "QSettings", qt * 1e3,
                       kelp::bench::Target{kelp::bench::Target::kAtMost, 2.0, true}});
  kelp::bench::Report({"his_prune_write_ms", prune * 1e3, "ms", "QSettings::sync", qt_write * 1e3,
                       kelp::bench::Target{kelp::bench::Target::kAtMost, 2.0, true}});
  if (sink == 42) std::puts("");
}
