#pragma once

#include <vector>

#include "tree/TreeModel.h"
#include "tree/VertexLayout.h"

// The tree drawn top-down in layers in a picture of the given size: its centre (of a bicentre, the
// end with the lower number) at the top, children below their parent in vertex order, subtrees
// side by side without overlap and parents centred over their children, stretched to fill the
// picture. Leaves too many for one row alternate between two sub-rows. The value squares get
// anchors where no disc or box covers them. A graph that is no tree is drawn by a spanning forest,
// components side by side; its other edges are drawn across it. The drawing takes the band of the
// given height from `top` down, so that it can leave room for what lies over the picture.
VertexLayout TreeLayout(int n, const std::vector<Edge>& edges, int width = 500, int height = 500,
                        int top = 0);
