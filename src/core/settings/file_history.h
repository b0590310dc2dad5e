#pragma once
// The per-file history: caret and marks of every file that was open, one
// section per file named by its full path in UTF-7. Read once, kept in memory,
// pruned and written at exit.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "document/line_data.h"
#include "settings/mem_ini_file.h"

namespace kelp {

struct TFileState {
  int64_t Caret = 0;  // selection start + selection length
  AInteger Marks;     // text offsets in mark order
  friend bool operator==(const TFileState&, const TFileState&) = default;
};

class TFileHistory {
 public:
  // An empty name means there is no history file: the store stays empty and
  // is never written.
  explicit TFileHistory(std::string his_path);

  // False once writing the file failed: the history is given up for the run.
  bool Enabled() const { return enabled_; }

  // With marks the file's section is replaced by the caret and the marks;
  // without marks only the caret is written and the stored marks stay.
  void StoreFileState(std::u16string_view path, int64_t caret, const AInteger& marks);
  // Marks from key "0" upwards until the first missing one, then the caret.
  TFileState RestoreFileState(std::u16string_view path) const;

  // Erases the sections whose name is not UTF-7, whose file does not exist, or
  // that hold neither marks nor a caret other than 0; then writes the file.
  // Answers whether the file was written.
  bool PruneHistory(const std::function<bool(const std::u16string& path)>& file_exists);

  const TMemIniFileW& Ini() const { return ini_; }

 private:
  TMemIniFileW ini_;
  bool enabled_;
};

// The file-existence test used at exit: the UTF-16 path exists on disk.
bool FileExistsOnDisk(const std::u16string& path);

}  // namespace kelp
