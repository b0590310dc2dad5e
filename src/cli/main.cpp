#include <iostream>
#include <string>
#include <vector>

#include "kelp_tool.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  return kelp::RunKelpTool(args, std::cout, std::cerr);
}
