#pragma once
// Where the settings file and the per-file history live.

#include <string>

namespace kelp {

struct TSettingsPaths {
  std::string IniPath;  // empty: no settings file
  std::string HisPath;  // empty: no per-file history
};

// Both files take the program file's name with its extension replaced by
// ".ini" and ".his". They lie in the program file's folder when that folder is
// writable, otherwise in $XDG_CONFIG_HOME/kelp/ (~/.config/kelp/ without it),
// which is created when missing. When the program file does not exist, no
// file is used.
TSettingsPaths LocateSettingsFiles(const std::string& program_file);

}  // namespace kelp
