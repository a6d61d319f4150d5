#include "tree/EdgeListParser.h"

#include "tree/IntConversion.h"
#include "tree/TreeModel.h"

EdgeListParseResult ParseEdgeList(const std::vector<std::string>& lines) {
  EdgeListParseResult result;
  ParsedEdgeList list;
  std::size_t k = 0;
  do {
    const std::string line = k < lines.size() ? lines[k] : std::string();
    const std::size_t blank = line.find(' ');
    const std::string first = blank == std::string::npos ? std::string() : line.substr(0, blank);
    const std::string second = blank == std::string::npos ? line : line.substr(blank + 1);
    const auto a = ConvertToInt(first);
    if (!a) {
      result.failedField = first;
      return result;
    }
    const auto b = ConvertToInt(second);
    if (!b) {
      result.failedField = second;
      return result;
    }
    list.pairs.emplace_back(*a, *b);
    ++k;
  } while (k < lines.size() && !lines[k].empty());
  list.vertexCount = static_cast<int>(list.pairs.size()) + 1;
  result.list = std::move(list);
  return result;
}

std::optional<EdgeListFault> FindEdgeListFault(const ParsedEdgeList& list) {
  const int n = list.vertexCount;
  if (n > MaxVertices) return EdgeListFault{EdgeListFault::TooManyVertices, 0, 0, n};
  std::vector<bool> seen(static_cast<std::size_t>(n) + 1, false);
  for (int k = 1; k <= n - 1; ++k) {
    const auto [a, b] = list.pairs[k - 1];
    if (a < 1 || a > n || b < 1 || b > n) {
      return EdgeListFault{EdgeListFault::BadNumber, k, 0, a < 1 || a > n ? a : b};
    }
    if (a == b) return EdgeListFault{EdgeListFault::Loop, k, 0, a};
    for (int j = 1; j <= n - 1; ++j) {
      if (j == k) continue;
      const auto [c, d] = list.pairs[j - 1];
      if ((c == a && d == b) || (c == b && d == a)) return EdgeListFault{EdgeListFault::Duplicate, k, j, 0};
    }
    seen[a] = seen[b] = true;
  }
  for (int v = 1; v <= n; ++v) {
    if (!seen[v]) return EdgeListFault{EdgeListFault::MissingVertex, 0, 0, v};
  }
  return std::nullopt;
}

std::string EdgeListFaultMessage(const EdgeListFault& fault, int vertexCount) {
  const std::string k = std::to_string(fault.line);
  switch (fault.kind) {
    case EdgeListFault::TooManyVertices:
      return "Príliš veľa vrcholov: " + std::to_string(vertexCount) + " (maximum je 20).";
    case EdgeListFault::BadNumber:
      return "Chyba v " + k + ". riadku (nepovolené číslo).";
    case EdgeListFault::Loop:
      return "Chyba v " + k + ". riadku (nesprávne definovaná hrana).";
    case EdgeListFault::Duplicate:
      return "Chyba: " + k + ". a " + std::to_string(fault.other) + ". riadok sú rovnaké.";
    case EdgeListFault::MissingVertex:
      return "Chyba: vrchol č. " + std::to_string(fault.value) + " sa nenachádza v určení grafu.";
  }
  return {};
}

std::optional<std::string> ValidateEdgeList(const ParsedEdgeList& list) {
  const std::optional<EdgeListFault> fault = FindEdgeListFault(list);
  if (!fault) return std::nullopt;
  return EdgeListFaultMessage(*fault, list.vertexCount);
}
