#include "settings/mem_ini_file.h"

#include <algorithm>

#include "base/file_bytes.h"
#include "encoding/safe_write.h"
#include "settings/ini_codec.h"

namespace kelp {
namespace {

char16_t FoldAscii(char16_t c) { return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + 32) : c; }

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t'; }

std::u16string_view Trim(std::u16string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

int HexDigit(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  return -1;
}

std::u16string Ascii(std::string_view s) { return std::u16string(s.begin(), s.end()); }

// Sign, then "$" or "0x" for hexadecimal; `bits` is 32 or 64.
bool ParseInteger(std::u16string_view text, int bits, int64_t& value) {
  std::u16string_view s = Trim(text);
  bool negative = false;
  if (!s.empty() && (s.front() == u'-' || s.front() == u'+')) {
    negative = s.front() == u'-';
    s.remove_prefix(1);
  }
  bool hex = false;
  if (!s.empty() && s.front() == u'$') {
    hex = true;
    s.remove_prefix(1);
  } else if (s.size() >= 2 && s[0] == u'0' && (s[1] == u'x' || s[1] == u'X')) {
    hex = true;
    s.remove_prefix(2);
  }
  if (s.empty()) return false;
  const uint64_t pattern_max = bits == 32 ? 0xFFFFFFFFull : ~0ull;
  const uint64_t positive_max = bits == 32 ? 0x7FFFFFFFull : 0x7FFFFFFFFFFFFFFFull;
  const unsigned base = hex ? 16 : 10;
  uint64_t magnitude = 0;
  for (char16_t c : s) {
    const int d = hex ? HexDigit(c) : (c >= u'0' && c <= u'9' ? c - u'0' : -1);
    if (d < 0) return false;
    if (magnitude > (pattern_max - static_cast<unsigned>(d)) / base) return false;
    magnitude = magnitude * base + static_cast<unsigned>(d);
  }
  if (!hex && magnitude > positive_max + (negative ? 1 : 0)) return false;
  uint64_t pattern = negative ? 0 - magnitude : magnitude;
  if (bits == 32) {
    value = static_cast<int32_t>(static_cast<uint32_t>(pattern));
  } else {
    value = static_cast<int64_t>(pattern);
  }
  return true;
}

}  // namespace

bool ParseIniInteger(std::u16string_view text, int32_t& value) {
  int64_t v = 0;
  if (!ParseInteger(text, 32, v)) return false;
  value = static_cast<int32_t>(v);
  return true;
}

bool ParseIniInt64(std::u16string_view text, int64_t& value) { return ParseInteger(text, 64, value); }

TMemIniFile::TMemIniFile(std::string file_name, bool case_sensitive)
    : file_name_(std::move(file_name)), case_sensitive_(case_sensitive) {
  if (file_name_.empty()) return;
  if (auto bytes = ReadFileBytes(file_name_)) SetText(DecodeIniFileBytes(*bytes));
}

bool TMemIniFile::Same(std::u16string_view a, std::u16string_view b) const {
  if (case_sensitive_) return a == b;
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char16_t x, char16_t y) {
           return FoldAscii(x) == FoldAscii(y);
         });
}

std::u16string TMemIniFile::IndexKey(std::u16string_view name) const {
  std::u16string key(name);
  if (!case_sensitive_)
    for (char16_t& c : key) c = FoldAscii(c);
  return key;
}

const TMemIniFile::Section* TMemIniFile::Find(std::u16string_view section) const {
  const auto it = index_.find(IndexKey(section));
  return it == index_.end() ? nullptr : &*it->second;
}

TMemIniFile::Section* TMemIniFile::Add(std::u16string_view section) {
  sections_.push_back({std::u16string(section), {}});
  index_.emplace(IndexKey(section), std::prev(sections_.end()));
  return &sections_.back();
}

TMemIniFile::TMemIniFile(const TMemIniFile& other)
    : file_name_(other.file_name_), case_sensitive_(other.case_sensitive_), sections_(other.sections_) {
  Reindex();
}

TMemIniFile& TMemIniFile::operator=(const TMemIniFile& other) {
  if (this != &other) {
    file_name_ = other.file_name_;
    case_sensitive_ = other.case_sensitive_;
    sections_ = other.sections_;
    Reindex();
  }
  return *this;
}

void TMemIniFile::Reindex() {
  index_.clear();
  for (auto it = sections_.begin(); it != sections_.end(); ++it) index_.emplace(IndexKey(it->name), it);
}

void TMemIniFile::Clear() {
  sections_.clear();
  index_.clear();
}

TMemIniFile::Section* TMemIniFile::Find(std::u16string_view section) {
  return const_cast<Section*>(static_cast<const TMemIniFile*>(this)->Find(section));
}

const std::u16string* TMemIniFile::FindValue(std::u16string_view section, std::u16string_view ident) const {
  const Section* s = Find(section);
  if (!s) return nullptr;
  for (const auto& kv : s->keys)
    if (Same(kv.first, ident)) return &kv.second;
  return nullptr;
}

std::u16string TMemIniFile::ReadString(std::u16string_view section, std::u16string_view ident,
                                       std::u16string_view def) const {
  const std::u16string* v = FindValue(section, ident);
  return v ? *v : std::u16string(def);
}

void TMemIniFile::WriteString(std::u16string_view section, std::u16string_view ident,
                              std::u16string_view value) {
  Section* s = Find(section);
  if (!s) s = Add(section);
  for (auto& kv : s->keys) {
    if (Same(kv.first, ident)) {
      kv.second = std::u16string(value);
      return;
    }
  }
  s->keys.emplace_back(std::u16string(ident), std::u16string(value));
}

int32_t TMemIniFile::ReadInteger(std::u16string_view section, std::u16string_view ident, int32_t def) const {
  const std::u16string* v = FindValue(section, ident);
  int32_t value = def;
  if (v && ParseIniInteger(*v, value)) return value;
  return def;
}

void TMemIniFile::WriteInteger(std::u16string_view section, std::u16string_view ident, int32_t value) {
  WriteString(section, ident, Ascii(std::to_string(value)));
}

int64_t TMemIniFile::ReadInt64(std::u16string_view section, std::u16string_view ident, int64_t def) const {
  const std::u16string* v = FindValue(section, ident);
  int64_t value = def;
  if (v && ParseIniInt64(*v, value)) return value;
  return def;
}

void TMemIniFile::WriteInt64(std::u16string_view section, std::u16string_view ident, int64_t value) {
  WriteString(section, ident, Ascii(std::to_string(value)));
}

bool TMemIniFile::ReadBool(std::u16string_view section, std::u16string_view ident, bool def) const {
  return ReadInteger(section, ident, def ? 1 : 0) != 0;
}

void TMemIniFile::WriteBool(std::u16string_view section, std::u16string_view ident, bool value) {
  WriteString(section, ident, value ? u"1" : u"0");
}

bool TMemIniFile::SectionExists(std::u16string_view section) const { return Find(section) != nullptr; }

bool TMemIniFile::ValueExists(std::u16string_view section, std::u16string_view ident) const {
  return FindValue(section, ident) != nullptr;
}

std::vector<std::u16string> TMemIniFile::ReadSections() const {
  std::vector<std::u16string> names;
  names.reserve(sections_.size());
  for (const auto& s : sections_) names.push_back(s.name);
  return names;
}

std::vector<std::u16string> TMemIniFile::ReadSection(std::u16string_view section) const {
  std::vector<std::u16string> keys;
  if (const Section* s = Find(section))
    for (const auto& kv : s->keys) keys.push_back(kv.first);
  return keys;
}

void TMemIniFile::EraseSection(std::u16string_view section) {
  const auto it = index_.find(IndexKey(section));
  if (it == index_.end()) return;
  sections_.erase(it->second);
  index_.erase(it);
}

void TMemIniFile::DeleteKey(std::u16string_view section, std::u16string_view ident) {
  if (Section* s = Find(section))
    std::erase_if(s->keys, [&](const auto& kv) { return Same(kv.first, ident); });
}

std::u16string TMemIniFile::GetText() const {
  std::u16string text;
  for (const Section& section : sections_) {
    if (!text.empty()) text += u"\n";
    text += u"[" + section.name + u"]\n";
    for (const auto& kv : section.keys) text += kv.first + u"=" + kv.second + u"\n";
  }
  return text;
}

void TMemIniFile::SetText(std::u16string_view text) {
  Clear();
  Section* current = nullptr;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find_first_of(u"\r\n", pos);
    if (end == std::u16string_view::npos) end = text.size();
    const std::u16string_view raw = text.substr(pos, end - pos);
    pos = end;
    if (pos < text.size() && text[pos] == u'\r') ++pos;
    if (pos < text.size() && text[pos] == u'\n') ++pos;

    const std::u16string_view line = Trim(raw);
    if (line.empty() || line.front() == u';') continue;
    if (line.front() == u'[' && line.back() == u']' && line.size() >= 2) {
      const std::u16string_view name = Trim(line.substr(1, line.size() - 2));
      current = Find(name);  // a repeated section continues the first one
      if (!current) current = Add(name);
      continue;
    }
    if (!current) continue;  // lines before the first section belong to none
    const size_t eq = raw.find(u'=');
    if (eq == std::u16string_view::npos) continue;
    const std::u16string_view key = Trim(raw.substr(0, eq));
    if (key.empty()) continue;
    const bool known = std::any_of(current->keys.begin(), current->keys.end(),
                                   [&](const auto& kv) { return Same(kv.first, key); });
    if (!known) current->keys.emplace_back(std::u16string(key), std::u16string(raw.substr(eq + 1)));
  }
}

bool TMemIniFile::UpdateFile() {
  if (file_name_.empty()) return false;
  return WriteFileReplacing(file_name_, EncodeIniFileText(GetText()));
}

std::u16string Utf7Stored(std::u16string_view value) { return Ascii(IniUtf7Encode(value)); }

std::optional<std::u16string> Utf7FromStored(std::u16string_view stored) {
  std::string bytes;
  bytes.reserve(stored.size());
  for (char16_t c : stored) {
    if (c >= 0x80) return std::nullopt;  // UTF-7 is ASCII only
    bytes.push_back(static_cast<char>(c));
  }
  return IniUtf7Decode(bytes);
}

std::u16string TMemIniFileW::ReadStringW(std::u16string_view section, std::u16string_view ident,
                                         std::u16string_view def) const {
  const std::u16string stored = ReadString(section, ident, def);
  if (stored == def) return stored;
  const auto decoded = Utf7FromStored(stored);
  if (decoded && !decoded->empty() && decoded->size() != stored.size()) return *decoded;
  return stored;
}

void TMemIniFileW::WriteStringW(std::u16string_view section, std::u16string_view ident,
                                std::u16string_view value) {
  WriteString(section, ident, Utf7Stored(value));
}

bool TMemIniFileW::UpdateFile() {
  WriteString(kUnicodeMarkerSection, kUnicodeMarkerKey, kUnicodeMarkerValue);
  return TMemIniFile::UpdateFile();
}

}  // namespace kelp
