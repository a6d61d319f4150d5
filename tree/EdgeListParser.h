#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// One parsed edge line: the two integers as converted, in the order typed.
using ParsedPair = std::pair<std::int32_t, std::int32_t>;

struct ParsedEdgeList {
  std::vector<ParsedPair> pairs;  // pair k is pairs[k - 1]
  int vertexCount = 0;            // edge lines + 1
};

struct EdgeListParseResult {
  std::optional<ParsedEdgeList> list;
  std::string failedField;  // the text that did not convert, when list is empty
};

// Reads the first line and every following line up to the first empty one.
EdgeListParseResult ParseEdgeList(const std::vector<std::string>& lines);

// The first failing check of an edge list, in the order the checks are made.
struct EdgeListFault {
  enum Kind {
    TooManyVertices,  // vertexCount above 20
    BadNumber,        // line `line` holds `value`, which is not a vertex 1..n
    Loop,             // line `line` joins vertex `value` to itself
    Duplicate,        // lines `line` and `other` hold the same edge
    MissingVertex,    // vertex `value` is on no line
  } kind;
  int line = 0;  // 1-based, in the list
  int other = 0;
  int value = 0;
};
std::optional<EdgeListFault> FindEdgeListFault(const ParsedEdgeList& list);

// The edge box's message for a fault.
std::string EdgeListFaultMessage(const EdgeListFault& fault, int vertexCount);

// The first failing check's message, or nothing when the list describes an acceptable tree.
std::optional<std::string> ValidateEdgeList(const ParsedEdgeList& list);
