// cli/cli_args.h: what every facetry-cli command shares: parsing of numbers, choices and
// clicks, and loading a model with its failure on one line.
#pragma once
#include <initializer_list>
#include <string>
#include <utility>

#include "scene/errors.h"
#include "workspace.h"

namespace facetry {

// A mistake in the command line: the usage text follows its message.
class UsageError : public Error {
 public:
  using Error::Error;
};

double parseNumber(const std::string& text, const std::string& option);
int parseInt(const std::string& text, const std::string& option);
// The index (from 0) of `text` among `names`.
int parseChoice(const std::string& text, const std::string& option,
                std::initializer_list<const char*> names);
// "X,Y" as two whole numbers.
std::pair<int, int> parseClick(const std::string& text);
// Three comma-separated numbers.
Point3 parseTriple(const std::string& text, const std::string& option);
// Loads a native model into `ws` or throws with the reason on one line.
void loadOrFail(Workspace& ws, const std::string& path);

}  // namespace facetry
