// cli/step_args.cpp: the cursor over a step list.
#include "step_args.h"

#include <cctype>

namespace facetry {

namespace {

bool isNumberText(const std::string& s) {
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '-' || s[i] == '+')) ++i;
  bool digit = false;
  for (; i < s.size(); ++i) {
    if (std::isdigit(static_cast<unsigned char>(s[i]))) {
      digit = true;
    } else if (s[i] != '.') {
      return false;
    }
  }
  return digit;
}

}  // namespace

bool isClickWord(const std::string& word) {
  const std::size_t comma = word.find(',');
  if (comma == std::string::npos || word.find(',', comma + 1) != std::string::npos) return false;
  return isNumberText(word.substr(0, comma)) && isNumberText(word.substr(comma + 1));
}

const std::string& StepArgs::peek() const {
  static const std::string kNone;
  return done() ? kNone : words_[at_];
}

const std::string& StepArgs::next(const std::string& step, const std::string& what) {
  if (done()) throw UsageError(step + " wants " + what);
  return words_[at_++];
}

bool StepArgs::take(const std::string& word) {
  if (done() || words_[at_] != word) return false;
  ++at_;
  return true;
}

std::pair<int, int> StepArgs::nextClick(const std::string& step) {
  return parseClick(next(step, "a position X,Y"));
}

std::pair<double, double> StepArgs::nextPair(const std::string& step) {
  const std::string& word = next(step, "a position X,Y");
  const std::size_t comma = word.find(',');
  if (comma == std::string::npos) throw UsageError(step + " wants X,Y, not " + word);
  return {parseNumber(word.substr(0, comma), step), parseNumber(word.substr(comma + 1), step)};
}

double StepArgs::nextNumber(const std::string& step, const std::string& what) {
  return parseNumber(next(step, what), step);
}

bool StepArgs::nextIsClick() const {
  return !done() && isClickWord(words_[at_]);
}

}  // namespace facetry
