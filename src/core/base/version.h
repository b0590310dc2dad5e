#pragma once
#include <string>

namespace kelp {

// The program's version, as "--version" and the about box show it.
std::string KelpVersion();

// The application title used as the caption of every message box.
inline constexpr const char16_t* kAppTitle = u"Kelp[けるぷ]";

}  // namespace kelp
