// cli/main.cpp: entry point of facetry-cli.
#include <iostream>
#include <string>
#include <vector>

#include "cli_commands.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return facetry::runCli(args, std::cout, std::cerr);
}
