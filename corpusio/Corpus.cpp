#include "corpusio/Corpus.h"

#include <fstream>
#include <sstream>

namespace {

std::optional<int> ParseSmallNumber(const std::string& text) {
  if (text.empty() || text.size() > 3) return std::nullopt;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

bool IsBlank(const std::string& line) { return line.find_first_not_of(" \t\r") == std::string::npos; }

void SetError(std::string* error, const std::string& path, int lineNumber, const std::string& what) {
  if (error) *error = path + ":" + std::to_string(lineNumber) + ": " + what;
}

// Hands each non-blank line to `read`, which answers what is wrong with it or "". False, with the
// error set, when the file cannot be read or a line is refused.
template <typename Read>
bool ReadLines(const std::string& path, std::string* error, Read read) {
  std::ifstream in(path);
  if (!in) {
    SetError(error, path, 0, "cannot be read");
    return false;
  }
  std::string line;
  for (int lineNumber = 1; std::getline(in, line); ++lineNumber) {
    if (IsBlank(line)) continue;
    if (const std::string what = read(line); !what.empty()) {
      SetError(error, path, lineNumber, what);
      return false;
    }
  }
  return true;
}

}  // namespace

std::string ParseTreeLine(const std::string& line, TreeLine& tree) {
  std::istringstream words(line);
  std::string word;
  words >> word;
  const std::optional<int> n = ParseSmallNumber(word);
  if (!n || *n < 2 || *n > MaxVertices) return "the vertex count must be a number from 2 to 20";
  tree.n = *n;
  tree.edges.clear();
  while (words >> word) {
    const std::size_t dash = word.find('-');
    if (dash == std::string::npos) return "'" + word + "' is not an edge a-b";
    const std::optional<int> a = ParseSmallNumber(word.substr(0, dash));
    const std::optional<int> b = ParseSmallNumber(word.substr(dash + 1));
    if (!a || !b) return "'" + word + "' is not an edge a-b";
    if (*a < 1 || *a > tree.n || *b < 1 || *b > tree.n) {
      return "edge '" + word + "' has a vertex outside 1.." + std::to_string(tree.n);
    }
    tree.edges.push_back({static_cast<std::uint8_t>(*a), static_cast<std::uint8_t>(*b)});
  }
  if (static_cast<int>(tree.edges.size()) != tree.n - 1) {
    return "expected " + std::to_string(tree.n - 1) + " edges, found " + std::to_string(tree.edges.size());
  }
  return {};
}

std::string ParseFillingLine(const std::string& line, TreeLine& tree, Labels& filling) {
  const std::size_t bar = line.find('|');
  if (bar == std::string::npos) return "expected '|' and the filling after the edges";
  if (std::string error = ParseTreeLine(line.substr(0, bar), tree); !error.empty()) return error;
  const std::size_t end = line.find('|', bar + 1);
  std::istringstream boxes(line.substr(bar + 1, end == std::string::npos ? end : end - bar - 1));
  filling = {};
  std::string box;
  int k = 0;
  while (std::getline(boxes, box, ',')) {
    box.erase(0, box.find_first_not_of(' '));
    box.erase(box.find_last_not_of(' ') + 1);
    const std::optional<int> number = ParseSmallNumber(box);
    if (!number || *number > tree.n)
      return "'" + box + "' is not a number from 0 to " + std::to_string(tree.n);
    if (++k > tree.n) return "more than " + std::to_string(tree.n) + " boxes";
    for (int j = 1; j < k; ++j) {
      if (*number && filling[j] == *number)
        return "boxes " + std::to_string(j) + " and " + std::to_string(k) + " hold the same number";
    }
    filling[k] = static_cast<std::uint8_t>(*number);
  }
  if (k != tree.n) return "expected " + std::to_string(tree.n) + " boxes, found " + std::to_string(k);
  return {};
}

std::vector<CorpusTree> ReadCorpus(const std::string& path, std::string* error) {
  std::vector<CorpusTree> trees;
  std::string family;
  const bool read = ReadLines(path, error, [&](const std::string& line) -> std::string {
    if (line[0] == '#') {
      if (line.rfind("# family ", 0) == 0) family = line.substr(9);
      return {};
    }
    CorpusTree tree{family, line, {}};
    std::string what = ParseTreeLine(line, tree.tree);
    if (what.empty()) trees.push_back(std::move(tree));
    return what;
  });
  return read ? trees : std::vector<CorpusTree>{};
}

std::vector<ExpectedAnswer> ReadExpectedAnswers(const std::string& path, std::string* error) {
  std::vector<ExpectedAnswer> answers;
  const bool read = ReadLines(path, error, [&](const std::string& line) -> std::string {
    if (line[0] == '#') return {};
    const std::size_t bar = line.find('|');
    const std::size_t space = line.find(' ', bar);
    if (bar == std::string::npos || space == std::string::npos) return "expected `tree|labels count`";
    ExpectedAnswer answer{
        {}, line.substr(0, bar), line.substr(bar + 1, space - bar - 1), line.substr(space + 1)};
    std::string what = ParseTreeLine(answer.text, answer.tree);
    if (what.empty()) answers.push_back(std::move(answer));
    return what;
  });
  return read ? answers : std::vector<ExpectedAnswer>{};
}

std::string LabelsText(const std::optional<Labels>& labels, int n) {
  if (!labels) return "none";
  std::string text;
  for (int v = 1; v <= n; ++v) text += (v > 1 ? "," : "") + std::to_string((*labels)[v]);
  return text;
}
