#pragma once

// Reading and writing the corpus files the search is measured and checked on. Shared by the
// benchmark, the command-line tools and the long tests; no part of the program itself.

#include <optional>
#include <string>
#include <vector>

#include "tree/TreeModel.h"

// One tree of a corpus file: `n a-b a-b ...`, the n-1 edges with vertex numbers 1..n.
struct TreeLine {
  int n = 0;
  std::vector<Edge> edges;
};

// Fills `tree` and returns an empty string, or returns what is wrong with the line.
std::string ParseTreeLine(const std::string& line, TreeLine& tree);

// One line of a closest-labeling corpus: `n a-b a-b ... | f1,f2,...,fn` with fk the number in box k
// (0 for an empty box). Whatever follows a second '|' is left to the caller. Fills `tree` and
// `filling` and returns an empty string, or returns what is wrong with the line.
std::string ParseFillingLine(const std::string& line, TreeLine& tree, Labels& filling);

// A tree of a corpus file with the family named by the last `# family NAME` line above it.
struct CorpusTree {
  std::string family;
  std::string text;
  TreeLine tree;
};

// Every tree of the file, in file order; lines starting with '#' other than family headers and
// blank lines are skipped. Empty when the file cannot be read; a malformed line is an error.
std::vector<CorpusTree> ReadCorpus(const std::string& path, std::string* error = nullptr);

// One line of an answer file: `tree|labels count`, labels as `2,5,1,...` or `none`, the count of
// all graceful labelings (n <= 10) or `-`.
struct ExpectedAnswer {
  TreeLine tree;
  std::string text;    // the tree part of the line
  std::string labels;  // the first graceful labeling in candidate order
  std::string count;
};

std::vector<ExpectedAnswer> ReadExpectedAnswers(const std::string& path, std::string* error = nullptr);

// `2,5,1,3,4` for vertices 1..n, or `none`.
std::string LabelsText(const std::optional<Labels>& labels, int n);
