#include "base/version.h"

namespace kelp {

std::string KelpVersion() { return KELP_VERSION; }

}  // namespace kelp
