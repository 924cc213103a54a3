#include "normalise.h"

#include <algorithm>
#include <cctype>
#include <iterator>
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

// Split as a stream's >> splits: at the C locale's white space.
std::vector<std::string> Words(const std::string& line) {
  const auto space = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
  std::vector<std::string> words;
  for (auto end = line.begin();;) {
    const auto start = std::find_if_not(end, line.end(), space);
    if (start == line.end()) return words;
    end = std::find_if(start, line.end(), space);
    words.emplace_back(start, end);
  }
}

}  // namespace

std::string BareLine(const std::string& line) {
  const std::vector<std::string> words = Words(line);
  if (IsLegend(words)) return "";
  std::string bare;
  auto word = std::find_if(words.rbegin(), words.rend(), IsLabel).base();
  if (word != words.end() && IsPointIndex(*word)) ++word;
  for (; word != words.end(); ++word) bare += *word + ' ';
  return bare + '\n';
}
