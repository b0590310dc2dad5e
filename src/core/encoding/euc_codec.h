#pragma once
// The editor's own EUC-JP codec. Never fails: undecodable bytes are dropped or
// kept as code units of the same value, unencodable characters become "?".

#include <string>
#include <string_view>

namespace kelp {

std::u16string EucToUnicode(std::string_view bytes);
std::string UnicodeToEuc(std::u16string_view text);

}  // namespace kelp
