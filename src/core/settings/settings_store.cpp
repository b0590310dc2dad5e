#include "settings/settings_store.h"

namespace kelp {

TKelpSettings TSettingsStore::Load(const TKelpSettings& defaults) const {
  TKelpSettings s = defaults;
  if (path_.empty()) return s;
  const TMemIniFileW ini(path_);
  ReadSettings(ini, s);
  return s;
}

TGrepSettings TSettingsStore::LoadGrep() const {
  if (path_.empty()) return {};
  return ReadGrepSection(TMemIniFileW(path_));
}

template <typename Fill>
bool TSettingsStore::Write(Fill&& fill) {
  if (locked_ || path_.empty()) return false;
  TMemIniFileW ini(path_);  // what is on disk now: other writers' keys stay
  fill(ini);
  if (ini.UpdateFile()) return true;
  locked_ = true;
  return false;
}

bool TSettingsStore::SaveSettings(const TKelpSettings& s) {
  return Write([&](TMemIniFileW& ini) { WriteSettingsSections(ini, s); });
}

bool TSettingsStore::WriteHistIni(const TKelpSettings& s) {
  return Write([&](TMemIniFileW& ini) { WriteHistorySections(ini, s); });
}

bool TSettingsStore::SaveShortcuts(const TShortCutList& list) {
  return Write([&](TMemIniFileW& ini) { WriteShortcutSection(ini, list); });
}

bool TSettingsStore::SaveGrep(const TGrepSettings& g) {
  return Write([&](TMemIniFileW& ini) { WriteGrepSection(ini, g); });
}

}  // namespace kelp
