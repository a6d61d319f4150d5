#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tree/TreeModel.h"

// One graph in nauty's graph6 or sparse6 form (sparse6 begins with ':'), as it stands on one line
// of a file, optionally behind a ">>graph6<<" or ">>sparse6<<" header.
struct SixFormatGraph {
  long long vertexCount = 0;
  // Vertex numbers 1..n, the smaller end first, sorted by that end and then by the other. Only
  // decoded for n <= MaxVertices; sparse6 may hold loops and repeated edges, which stay.
  std::vector<Edge> edges;
};

// nullopt when the line is no graph of either form: a byte outside 63..126, a vertex count cut
// short, for graph6 a length that does not fit the vertex count or padding bits that are not zero.
std::optional<SixFormatGraph> ReadSixFormatLine(std::string_view line);

// The graph6 line of a graph of n <= 20 vertices (no header, no line end). Edges with an end
// outside 1..n and loops are left out.
std::string Graph6Line(int n, const std::vector<Edge>& edges);
