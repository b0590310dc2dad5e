#pragma once
// The settings file on disk: loading it, and the writers that each read the
// file afresh, write their own keys and replace the whole file. The first
// failed write locks the file for the rest of the run.

#include <string>

#include "settings/settings_model.h"

namespace kelp {

class TSettingsStore {
 public:
  // An empty name means there is no settings file: nothing is read or written.
  explicit TSettingsStore(std::string ini_path) : path_(std::move(ini_path)) {}

  const std::string& FileName() const { return path_; }
  bool WriteLocked() const { return locked_; }

  // The settings on disk over the defaults; a missing file gives the defaults.
  TKelpSettings Load(const TKelpSettings& defaults) const;
  TGrepSettings LoadGrep() const;

  // Each answers whether the file was written; false also when the lock is set
  // or there is no file name.
  bool SaveSettings(const TKelpSettings& s);  // window, bars, view, modes, print
  bool WriteHistIni(const TKelpSettings& s);  // histories, search flags, last save, scripts
  bool SaveShortcuts(const TShortCutList& list);
  bool SaveGrep(const TGrepSettings& g);

 private:
  template <typename Fill>
  bool Write(Fill&& fill);

  std::string path_;
  bool locked_ = false;
};

}  // namespace kelp
