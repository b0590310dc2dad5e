#pragma once
// The one reader and writer of text files.

#include <string>
#include <string_view>

#include "encoding/file_code.h"

namespace kelp {

// Reads the whole file (at most 2,147,483,647 bytes) and decodes it. `code` is
// in and out: the encoding to use, or fcNONE to detect; on return, the one
// used (fcNONE stays when detection found only 7-bit text or nothing that
// fits, which are decoded as code page 932). With `replaceNul` NUL characters
// become spaces; without it they empty the text. `failed` tells that the file
// could not be opened or read (the text is then empty); `hadNul` that NUL
// characters were met. Line ends are left as the file has them.
std::u16string LoadTextFile(const std::string& path, TFileCode& code, bool replaceNul, bool& failed,
                            bool& hadNul);

// Encodes `text` by `code` and writes it as the whole file. The new contents
// go to a temporary file in the same folder that then replaces the file, so a
// failure leaves the file as it was; the file's permission bits are kept, and
// a symbolic link is written through to its target. Only when no file can be
// created in that folder is the file rewritten in place. A file without any
// write permission is not written. Returns false on every failure.
bool SaveTextFile(const std::string& path, std::u16string_view text, TFileCode code);

// The bytes SaveTextFile writes for `text` (byte-order marks included).
// *usedDefault, when given, is set when a character had to be replaced.
std::string EncodeText(std::u16string_view text, TFileCode code, bool* usedDefault = nullptr);

// The decoding of LoadTextFile for bytes already read, NUL rules included.
std::u16string DecodeText(std::string bytes, TFileCode& code, bool replaceNul, bool& hadNul);

}  // namespace kelp
