#pragma once

#include <fstream>
#include <string>
#include <vector>

#include "corpusio/Corpus.h"

// A tree of corpus/closest.txt with a filling of its boxes.
struct FillingPair {
  TreeLine tree;
  Labels filling{};
};

// The pairs under the heading "# kind"; a line that does not read is named in `error`.
inline std::vector<FillingPair> PairsOfKind(const std::string& kind, std::string& error) {
  std::ifstream in(GRACEFUL_CORPUS_DIR "/closest.txt");
  std::vector<FillingPair> pairs;
  std::string line;
  std::string current;
  while (std::getline(in, line)) {
    if (line.rfind("# ", 0) == 0) {
      current = line.substr(2);
    } else if (current == kind) {
      FillingPair pair;
      if (const std::string what = ParseFillingLine(line, pair.tree, pair.filling); !what.empty()) {
        error = "corpus/closest.txt: " + what + ": " + line;
        return {};
      }
      pairs.push_back(pair);
    }
  }
  return pairs;
}
