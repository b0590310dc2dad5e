#pragma once
// The parser base: splits one display line at a time into tokens, gives each
// character a token code and carries its state from line to line in the line
// records. A parser lives for one job (a paint, a re-parse, a print).

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "document/line_data.h"
#include "syntax/char_class.h"
#include "syntax/parse_target.h"
#include "syntax/token_codes.h"

namespace kelp {

class TNotePadMode;

// The process-wide array of codes that a colour pass fills for one line.
// Created with 4,050 entries; doubles as needed and never shrinks.
std::vector<TTokenCode>& LineTokens();

class TNotePadParser {
 public:
  TNotePadParser(TParseTarget& target, const TNotePadMode& mode);
  virtual ~TNotePadParser() = default;
  TNotePadParser(const TNotePadParser&) = delete;
  TNotePadParser& operator=(const TNotePadParser&) = delete;

  // Colour pass over display line `num`: fills LineTokens() and writes the
  // line's end state.
  void ParseLineColor(int64_t num);
  // State pass over one line: end state only, no codes, no keyword look-up.
  void ParseLineState(int64_t index);
  // State pass over start1..end1, then on while the following lines' stored
  // end state changes. Returns the index of the last line parsed.
  int64_t ParseRange(int64_t start1, int64_t end1);

 protected:
  // Scans the next token starting at FParsePos.
  virtual void ParseToken(bool AllowUrl);
  // Sets FToken and scans the rest of a token of that code. Here are the
  // tokens that look the same in every mode that has them (character runs,
  // links, line comments and directives, hex numbers, /* */ and <!-- -->
  // comments, tags); a mode scans its own first and passes the rest on.
  virtual void ScanToken(TTokenCode Code);
  // Reads a URL scheme (or the body after one) at FParsePos if there is one.
  virtual bool ParseUrl();

  // --- helpers -----------------------------------------------------------
  char16_t At(int64_t i) const { return (i >= 0 && i < FTextLen) ? FText[i] : char16_t(0); }
  bool InText(int64_t i) const { return i < FTextLen; }
  // Advances FParsePos by n, never past the end of the line.
  void StepOver(int64_t n) { FParsePos = FParsePos + n < FParseEnd ? FParsePos + n : FParseEnd; }
  // Records the state with which the next display line continues.
  void Carry(TTokenCode c) {
    if (FParseEnd < FTextLen) FLine->EndToken = c;
  }
  bool TextAt(int64_t pos, std::u16string_view s) const;
  bool AtLineStart() const { return FParsePos == FLine->Start; }
  // Opens a quoted token of `code` at FParsePos: the quote is stepped over
  // unless it ends the text or stands before an LF (the string is then the
  // quote alone).
  void OpenQuote(TTokenCode code) {
    if (InText(FParsePos + 1) && FText[FParsePos + 1] != chars::kLF) StepOver(1);
    ScanToken(code);
  }

  // --- shared scanners ---------------------------------------------------
  void ScanOne() {
    if (FParsePos < FParseEnd) ++FParsePos;
  }
  template <class InSet>
  void ScanRun(InSet in) {
    if (FParsePos >= FParseEnd) {
      Carry(FToken);
      return;
    }
    ++FParsePos;
    while (FParsePos < FParseEnd && in(FText[FParsePos])) ++FParsePos;
    if (FParsePos == FParseEnd && FParseEnd < FTextLen && in(FText[FParseEnd])) Carry(FToken);
  }
  void ScanToLineEnd();
  void ScanToEnd();
  void ScanSimpleString(char16_t q);
  void ScanEscapedString(char16_t q, TTokenCode e, bool multi, bool resumed);
  void ScanThroughQuote(char16_t q);
  void ScanOpener(std::u16string_view text, TTokenCode body);
  void ScanBlockComment(char16_t c, TTokenCode e, bool resumed);
  void ScanHtmlComment(bool resumed);
  void ScanUrlScheme(std::u16string_view s);
  void ScanHereDocMarker(bool php);
  void ScanHereDocEnd(uint16_t n);
  void ScanElement(uint16_t n);
  // A quoted string with backslash escapes, fresh (kSingleQuoted,
  // kDoubleQuoted) or resumed on the next row (kSingleEscState,
  // kDoubleEscState); `multi`: it may go on over line ends. Answers false,
  // scanning nothing, for any other code.
  bool ScanEscapedQuote(TTokenCode Code, bool multi);

  const TNotePadMode& FNotePadMode;
  TParseTarget& FNotePadString;
  const char16_t* FText = nullptr;  // the document's text, refreshed per line
  int64_t FTextLen = 0;
  int64_t FParsePos = 0;
  int64_t FParseEnd = 0;
  TLineData* FLine = nullptr;
  TTokenCode FToken = 0;
  uint16_t FElement = 0;
  std::u16string FParseDataString;
  TTokenCode FPrevToken = 0;

 private:
  template <bool Color>
  void ParseLine(int64_t num);
  // The record of display line `index`; records stay put while a parser lives.
  TLineData* Record(int64_t index);

  struct RecordCache {
    int64_t index = -1;
    TLineData* line = nullptr;
    uint64_t stamp = 0;
  };
  RecordCache FRecords[2];
  uint64_t FRecordStamp = 0;
};

}  // namespace kelp
