// cli/step_args.h: the words of a facetry-cli step list, read one step at a time. A step
// takes the words it needs (and the optional words that may follow it) and leaves the
// cursor on the next step.
#pragma once
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "cli_args.h"
#include "scene/records.h"

namespace facetry {

class StepArgs {
 public:
  StepArgs(const std::vector<std::string>& words, std::size_t start) : words_(words), at_(start) {}

  bool done() const { return at_ >= words_.size(); }
  // The next word without taking it ("" at the end).
  const std::string& peek() const;
  // Takes the next word; `step` and `what` name it in the usage error when there is none
  // ("--extend wants simple, normal, complex or complex2").
  const std::string& next(const std::string& step, const std::string& what);
  // Takes the next word when it equals `word`.
  bool take(const std::string& word);
  // Takes "X,Y" (whole numbers) or "X,Y" of numbers.
  std::pair<int, int> nextClick(const std::string& step);
  std::pair<double, double> nextPair(const std::string& step);
  double nextNumber(const std::string& step, const std::string& what);
  // True when the next word is a click "X,Y" (digits, an optional minus, one comma).
  bool nextIsClick() const;

 private:
  const std::vector<std::string>& words_;
  std::size_t at_;
};

// True when `word` reads as a click "X,Y".
bool isClickWord(const std::string& word);

}  // namespace facetry
