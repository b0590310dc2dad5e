#pragma once
// kelp-tool: the editor's encoding detection and conversion from the shell.
//   kelp-tool detect FILE...
//   kelp-tool convert --from NAME --to NAME [--eol crlf|lf|cr] IN OUT

#include <ostream>
#include <string>
#include <vector>

namespace kelp {

// Exit codes: 0 done, 1 a file could not be read or written, 2 bad usage,
// 3 converted, but characters were not representable in the target.
int RunKelpTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace kelp
