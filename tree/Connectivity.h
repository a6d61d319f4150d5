#pragma once

#include <span>

#include "tree/TreeModel.h"

// Whether the edges join vertices 1..n into one piece. The confirmation does not test this, so a
// confirmed list of n-1 edges that is not connected holds a cycle and is no tree.
bool IsConnected(int n, std::span<const Edge> edges);
