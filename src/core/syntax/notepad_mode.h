#pragma once
// Syntax modes: the fifteen shared mode objects, each with its file
// extensions and up to three keyword lists, and the choice of a mode by
// file name.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "syntax/reserve_list.h"

namespace kelp {

class TNotePadParser;
class TParseTarget;

enum THighlightMode : uint8_t {
  hmDefault = 0,
  hmHtml = 1,
  hmCSharp = 2,
  hmDelphi = 3,
  hmJScript = 4,
  hmVBScript = 5,
  hmPython = 6,
  hmCpp = 7,
  hmJava = 8,
  hmPerl = 9,
  hmRuby = 10,
  hmVisualBasic = 11,
  hmCss = 12,
  hmBat = 13,
  hmUwsc = 14,
};
inline constexpr int kHighlightModeCount = 15;

class TNotePadMode {
 public:
  virtual ~TNotePadMode() = default;
  TNotePadMode(const TNotePadMode&) = delete;
  TNotePadMode& operator=(const TNotePadMode&) = delete;

  // Makes a mode of class T with its keyword lists in place.
  template <class T>
  static std::unique_ptr<TNotePadMode> Create() {
    std::unique_ptr<TNotePadMode> m(new T());
    m->InitReserveLists();
    return m;
  }

  // A new parser of the mode's parser class for `target`; the caller owns it.
  virtual std::unique_ptr<TNotePadParser> NewParser(TParseTarget& target) const = 0;

  bool HasExt(std::u16string_view FileExt) const { return FFileExtList->Find(FileExt); }
  std::u16string GetExts(int64_t Index) const { return FFileExtList->Get(Index); }
  int64_t ExtCount() const { return FFileExtList->Count(); }
  // The first extension without its dot; empty if there is none.
  std::u16string GetDefExt() const;
  // The extensions joined with ";".
  std::u16string FileExts() const;
  // Replaces the extensions from a ";"-separated list: items are lower-cased
  // ("A"-"Z" only), get a leading "." if they lack one, empty items vanish.
  void SetFileExts(std::u16string_view Value);

  const TReserveList& ReserveList() const { return *FReserveList; }
  const TReserveList& Reserve2List() const { return *FReserve2List; }
  const TReserveList& Reserve3List() const { return *FReserve3List; }

 protected:
  TNotePadMode();
  // Creates the three keyword lists.
  virtual void InitReserveLists() = 0;
  // Fills any list not set by InitReserveLists with an empty exact list.
  void SetLists(std::unique_ptr<TReserveList> first, std::unique_ptr<TReserveList> second = nullptr,
                std::unique_ptr<TReserveList> third = nullptr);

 private:
  std::unique_ptr<TReserveList> FFileExtList;
  std::unique_ptr<TReserveList> FReserveList;
  std::unique_ptr<TReserveList> FReserve2List;
  std::unique_ptr<TReserveList> FReserve3List;
};

// The process's mode object for `mode`; anything outside 1-14 gives the
// default mode. The fifteen objects are made on first use, each with its
// default extensions, and live until the process ends.
TNotePadMode& ModeOf(int mode);
// The THighlightMode value of a mode object; hmDefault for anything unknown.
THighlightMode HighlightModeOf(const TNotePadMode* mode);
// The mode for a file name: by its extension, else HTML for names such as
// "page[1]", else the default mode.
THighlightMode ModeFromPath(std::u16string_view pathName);
// The extension that ModeFromPath looks at ("." included), or empty.
std::u16string PathExtension(std::u16string_view pathName);

}  // namespace kelp
