// Random texts in every mode: the parsers always advance, give every
// character a drawable code, and an incremental re-parse after an edit
// leaves the same line states as parsing the edited text from scratch.
#include <gtest/gtest.h>

#include <random>
#include <set>

#include "syntax/notepad_parser.h"
#include "syntax/reparse.h"
#include "syntax/text_lines.h"

namespace kelp {
namespace {

// Characters that start or end the constructs of the fifteen modes.
const std::u16string kAlphabet =
    u"abmsxREM_09 \t/*\"'\\#$@%&<>!-?=~(),+;{}[]:.\n\n\nあカ漢ｱ\u00e9\u007f\U0001F600";

// Pieces that make the longer constructs likely.
const std::u16string_view kPieces[] = {u"<<<EOT\n", u"\nEOT;\n", u"\n=pod\n", u"\n=cut\n",
                                       u"<?php ",   u"<!-- ",    u" --> ",    u"?>",
                                       u"<<EOT;\n", u"\nEOT\n",  u"@\"",      u"http://x"};

std::u16string RandomText(std::mt19937& rng, size_t n) {
  std::vector<char16_t> s;
  while (s.size() < n) {
    if (rng() % 23 == 0) {
      const std::u16string_view piece = kPieces[rng() % std::size(kPieces)];
      s.insert(s.end(), piece.begin(), piece.end());
    } else {
      s.push_back(kAlphabet[rng() % kAlphabet.size()]);
    }
  }
  return std::u16string(s.begin(), s.end());
}

struct State {
  TTokenCode endToken;
  uint16_t endElement;
  std::u16string data;
  bool operator==(const State&) const = default;
};

std::vector<State> States(TTextLines& lines) {
  std::vector<State> out;
  for (int64_t i = 0; i < lines.LineCount(); ++i) {
    const TLineData* l = lines.LineAt(i);
    out.push_back({l->EndToken, l->EndElement, l->ParseDataString});
  }
  return out;
}

const std::set<int> kStateOnlyCodes = {0, 26, 27, 34, 37, 40, 63, 67};

TEST(RandomTexts, CodesAreDrawableAndStatesAgreeAfterEdits) {
  std::mt19937 rng(20261210);
  for (int round = 0; round < 60; ++round) {
    for (int m = 0; m < kHighlightModeCount; ++m) {
      SCOPED_TRACE("round " + std::to_string(round) + " mode " + std::to_string(m));
      const TNotePadMode& mode = ModeOf(m);
      const std::u16string text = RandomText(rng, 300);
      const int64_t wrap = 3 + static_cast<int64_t>(rng() % 12);
      TTextLines lines(text, wrap);
      ParseAllLines(mode, lines);
      auto parser = mode.NewParser(lines);
      for (int64_t i = 0; i < lines.LineCount(); ++i) {
        parser->ParseLineColor(i);
        for (int64_t k = 0; k < lines.LineAt(i)->Length; ++k)
          ASSERT_EQ(kStateOnlyCodes.count(LineTokens()[static_cast<size_t>(k)]), 0u)
              << "line " << i << " column " << k << " code " << LineTokens()[static_cast<size_t>(k)];
      }
      // An edit: a few characters inserted into one display line.
      const int64_t target = static_cast<int64_t>(rng() % static_cast<uint64_t>(lines.LineCount()));
      const TLineData* l = lines.LineAt(target);
      const int64_t at = l->Start + static_cast<int64_t>(rng() % static_cast<uint64_t>(l->Length + 1));
      std::u16string ins;
      for (char16_t c : RandomText(rng, 1 + rng() % 3))
        if (c != u'\n') ins.push_back(c);
      if (ins.empty()) ins.push_back(u'*');
      const int64_t grown = lines.Insert(at, ins);
      const TReparseResult r = ParseChangedLines(mode, lines, grown, grown);
      EXPECT_LE(r.First, grown);
      EXPECT_GE(r.Reached, r.Last);
      // The same display lines parsed from nothing.
      TTextLines fresh = lines;
      for (int64_t i = 0; i < fresh.LineCount(); ++i) {
        TLineData* f = fresh.LineAt(i);
        f->EndToken = f->EndElement = f->PrevToken = 0;
        f->ParseDataString.clear();
      }
      ParseAllLines(mode, fresh);
      ASSERT_EQ(States(lines), States(fresh));
    }
  }
}

}  // namespace
}  // namespace kelp
