#pragma once

#include <functional>
#include <string>
#include <vector>

#include "tree/TreeModel.h"

// A uniformly random integer in 0..bound-1.
using RandomBelow = std::function<int(int bound)>;

// The labeled tree of a Prüfer sequence (n - 2 entries, each 1..n), edges in decoding order.
std::vector<Edge> PruferTreeEdges(int n, const std::vector<int>& sequence);

// The edges of a uniformly random labeled tree on n vertices (n is kept within 2..20), in random
// order and orientation.
std::vector<Edge> UniformRandomTreeEdges(int n, const RandomBelow& random);
// A tree of the same random shape, numbered so that no two edges cross on the circle
// (CrossingFreeNumbering); its edges keep their random order and orientation.
std::vector<Edge> RandomTreeEdges(int n, const RandomBelow& random);
// The same with a random source seeded by the system.
std::vector<Edge> RandomTreeEdges(int n);

// One line "a b" per edge, as typed into the edge list.
std::vector<std::string> EdgeListLines(const std::vector<Edge>& edges);
