#include "settings/file_history.h"

#include <sys/stat.h>

#include <string>

#include "base/utf.h"

namespace kelp {
namespace {

constexpr std::u16string_view kCaretKey = u"CARET";

std::u16string Num(int64_t n) {
  const std::string s = std::to_string(n);
  return std::u16string(s.begin(), s.end());
}

std::u16string SectionOf(std::u16string_view path) { return Utf7Stored(path); }

}  // namespace

// File paths are case-sensitive here, and so is the base64 part of UTF-7:
// sections are matched exactly.
TFileHistory::TFileHistory(std::string his_path)
    : ini_(std::move(his_path), /*case_sensitive=*/true), enabled_(!ini_.FileName().empty()) {}

void TFileHistory::StoreFileState(std::u16string_view path, int64_t caret, const AInteger& marks) {
  if (!enabled_) return;
  const std::u16string section = SectionOf(path);
  if (!marks.empty()) ini_.EraseSection(section);
  ini_.WriteInt64(section, kCaretKey, caret);
  for (size_t i = 0; i < marks.size(); ++i) ini_.WriteInt64(section, Num(static_cast<int64_t>(i)), marks[i]);
}

TFileState TFileHistory::RestoreFileState(std::u16string_view path) const {
  TFileState state;
  if (!enabled_) return state;
  const std::u16string section = SectionOf(path);
  for (int64_t i = 0;; ++i) {
    const std::u16string key = Num(i);
    if (!ini_.ValueExists(section, key)) break;
    state.Marks.push_back(ini_.ReadInt64(section, key, 0));
  }
  state.Caret = ini_.ReadInt64(section, kCaretKey, 0);
  return state;
}

bool TFileHistory::PruneHistory(const std::function<bool(const std::u16string& path)>& file_exists) {
  if (!enabled_) return false;
  for (const std::u16string& section : ini_.ReadSections()) {
    const auto path = Utf7FromStored(section);
    const bool keep = path && !path->empty() && file_exists(*path) &&
                      (ini_.ValueExists(section, u"0") || ini_.ReadInt64(section, kCaretKey, 0) != 0);
    if (!keep) ini_.EraseSection(section);
  }
  if (ini_.UpdateFile()) return true;
  enabled_ = false;
  return false;
}

bool FileExistsOnDisk(const std::u16string& path) {
  struct stat st {};
  return ::stat(Utf16ToUtf8(path).c_str(), &st) == 0;
}

}  // namespace kelp
