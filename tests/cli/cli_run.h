// tests/cli/cli_run.h: running a facetry-cli command line in a test and reading back what
// it wrote.
#pragma once
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli_commands.h"
#include "files/native_file.h"
#include "support/scripted_host.h"

namespace facetry::testing {

// The exit status of the command line; what it printed to stderr into `err` when given.
inline int runCommand(const std::vector<std::string>& args, std::string* err = nullptr) {
  std::ostringstream out, errors;
  const int status = runCli(args, out, errors);
  if (err != nullptr) *err = errors.str();
  return status;
}

// The model file at `path` as a scene; a file that cannot be read fails the test.
inline Scene loadedScene(const std::string& path) {
  Scene scene;
  ScriptedHost host;
  EXPECT_TRUE(ophaal(scene, host, path, true, nullptr)) << path;
  return scene;
}

}  // namespace facetry::testing
