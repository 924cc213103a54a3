#include "normalise.h"

#include <algorithm>
#include <cctype>
#include <iterator>
#include <sstream>
#include <vector>

namespace {

// The first words of the four legend lines a 4x4 dump ends with.
const char* const kLegendWords[] = {"G4x4:", "Rotation:", "Translation:", "Extras(perspective):"};

bool IsLegend(const std::vector<std::string>& words) {
  return !words.empty() && std::find(std::begin(kLegendWords), std::end(kLegendWords),
                                     words.front()) != std::end(kLegendWords);
}

bool IsLabel(const std::string& word) { return !word.empty() && word.back() == ':'; }

bool IsPointIndex(const std::string& word) {
  const auto digit = [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; };
  return word.size() > 2 && word.front() == '[' && word.back() == ']' &&
         std::all_of(word.begin() + 1, word.end() - 1, digit);
}

std::vector<std::string> Words(const std::string& line) {
  std::istringstream in(line);
  return {std::istream_iterator<std::string>(in), std::istream_iterator<std::string>()};
}

}  // namespace

std::string BareNumbers(const std::string& text) {
  std::istringstream lines(text);
  std::string bare;
  for (std::string line; std::getline(lines, line);) {
    const std::vector<std::string> words = Words(line);
    if (IsLegend(words)) continue;
    auto word = std::find_if(words.rbegin(), words.rend(), IsLabel).base();
    if (word != words.end() && IsPointIndex(*word)) ++word;
    for (; word != words.end(); ++word) bare += *word + ' ';
    bare += '\n';
  }
  return bare;
}
