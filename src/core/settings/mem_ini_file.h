#pragma once
// In-memory INI files: the settings file and the per-file history.
//
// Sections and keys are matched without regard to (ASCII) case unless the file
// is made case-sensitive, and keep the order in which they were first written;
// writing a key again replaces its value in place. A value is everything after
// the first "=" of its line, blanks included.

#include <cstdint>
#include <list>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace kelp {

class TMemIniFile {
 public:
  // Reads the file when it exists; an empty file name gives an empty file.
  explicit TMemIniFile(std::string file_name = {}, bool case_sensitive = false);
  virtual ~TMemIniFile() = default;
  TMemIniFile(const TMemIniFile& other);
  TMemIniFile& operator=(const TMemIniFile& other);
  TMemIniFile(TMemIniFile&&) noexcept = default;  // list iterators stay valid across a move
  TMemIniFile& operator=(TMemIniFile&&) noexcept = default;

  const std::string& FileName() const { return file_name_; }
  bool CaseSensitive() const { return case_sensitive_; }

  std::u16string ReadString(std::u16string_view section, std::u16string_view ident,
                            std::u16string_view def) const;
  void WriteString(std::u16string_view section, std::u16string_view ident, std::u16string_view value);
  // Decimal, or hexadecimal after "0x" or "$"; anything else gives `def`.
  int32_t ReadInteger(std::u16string_view section, std::u16string_view ident, int32_t def) const;
  void WriteInteger(std::u16string_view section, std::u16string_view ident, int32_t value);
  // Any number other than 0 is true; a value that is not a number gives `def`.
  // The same for 64-bit values (text offsets).
  int64_t ReadInt64(std::u16string_view section, std::u16string_view ident, int64_t def) const;
  void WriteInt64(std::u16string_view section, std::u16string_view ident, int64_t value);
  bool ReadBool(std::u16string_view section, std::u16string_view ident, bool def) const;
  void WriteBool(std::u16string_view section, std::u16string_view ident, bool value);

  bool SectionExists(std::u16string_view section) const;
  bool ValueExists(std::u16string_view section, std::u16string_view ident) const;
  std::vector<std::u16string> ReadSections() const;
  std::vector<std::u16string> ReadSection(std::u16string_view section) const;  // the keys
  void EraseSection(std::u16string_view section);
  void DeleteKey(std::u16string_view section, std::u16string_view ident);
  void Clear();

  // The whole file as text, and parsing a text into the file (replacing it).
  std::u16string GetText() const;
  void SetText(std::u16string_view text);

  // Writes the whole file into a temporary file that then replaces it, so that
  // a crash or a failure leaves the old file; false when it was not written.
  virtual bool UpdateFile();

 private:
  struct Section {
    std::u16string name;
    std::vector<std::pair<std::u16string, std::u16string>> keys;
  };
  bool Same(std::u16string_view a, std::u16string_view b) const;
  std::u16string IndexKey(std::u16string_view name) const;
  const Section* Find(std::u16string_view section) const;
  Section* Find(std::u16string_view section);
  Section* Add(std::u16string_view section);
  void Reindex();
  const std::u16string* FindValue(std::u16string_view section, std::u16string_view ident) const;

  std::string file_name_;
  bool case_sensitive_ = false;
  std::list<Section> sections_;  // in first-written order
  std::unordered_map<std::u16string, std::list<Section>::iterator> index_;
};

// Parses an integer the way ReadInteger (ReadInt64) does; false when it is not
// a number or does not fit. Hexadecimal covers the whole bit pattern: "$FFFFFFFF"
// is -1 as a 32-bit value.
bool ParseIniInteger(std::u16string_view text, int32_t& value);
bool ParseIniInt64(std::u16string_view text, int64_t& value);

// The INI file with free text stored UTF-7-encoded.
class TMemIniFileW : public TMemIniFile {
 public:
  using TMemIniFile::TMemIniFile;

  // A stored value equal to `def` is returned as it is; otherwise it is
  // decoded from UTF-7 when that yields at least one character and a number of
  // characters different from the number of bytes stored; otherwise it is taken
  // as it stands.
  std::u16string ReadStringW(std::u16string_view section, std::u16string_view ident,
                             std::u16string_view def) const;
  void WriteStringW(std::u16string_view section, std::u16string_view ident, std::u16string_view value);

  // Stores the "UNICODE" marker, then writes the whole file.
  bool UpdateFile() override;
};

inline constexpr std::u16string_view kUnicodeMarkerSection = u"UNICODE";
inline constexpr std::u16string_view kUnicodeMarkerKey = u"+";
inline constexpr std::u16string_view kUnicodeMarkerValue = u"--- この行は削除シナイでください ---";

// UTF-7 text as stored in the file, and its strict decoding (nullopt when the
// text is not well-formed UTF-7).
std::u16string Utf7Stored(std::u16string_view value);
std::optional<std::u16string> Utf7FromStored(std::u16string_view stored);

}  // namespace kelp
