#include "settings/settings_location.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace kelp {
namespace {

namespace fs = std::filesystem;

std::string ConfigFolder() {
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  if (xdg && *xdg == '/') return std::string(xdg) + "/kelp";
  const char* home = std::getenv("HOME");
  if (home && *home) return std::string(home) + "/.config/kelp";
  return {};
}

}  // namespace

TSettingsPaths LocateSettingsFiles(const std::string& program_file) {
  std::error_code ec;
  const fs::path program(program_file);
  if (program_file.empty() || !fs::is_regular_file(program, ec)) return {};
  fs::path stem = program.filename();
  stem.replace_extension();
  fs::path folder = fs::absolute(program, ec).parent_path();
  if (ec || ::access(folder.c_str(), W_OK) != 0) {
    const std::string config = ConfigFolder();
    if (config.empty()) return {};
    folder = config;
    fs::create_directories(folder, ec);
  }
  return {(folder / stem).string() + ".ini", (folder / stem).string() + ".his"};
}

}  // namespace kelp
