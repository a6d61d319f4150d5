#include <gtest/gtest.h>

#include "check/CheckDrawing.h"
#include "leaves/LeafRemoval.h"
#include "support/RecordingCanvas.h"
#include "support/TestTrees.h"

namespace {

// The reduced list right after a confirmation: the edges in slots 1..n-1, (0, 0) after them.
EdgeSlots Confirmed(const std::vector<Edge>& edges) {
  EdgeSlots slots{};
  for (std::size_t k = 0; k < edges.size(); ++k) slots[k + 1] = edges[k];
  return slots;
}

}  // namespace

TEST(LeafRemoval, EachPressPeelsOneLayer) {
  const struct {
    std::string name;
    std::vector<Edge> edges;
    int presses;
    std::vector<int> vertices;
    std::vector<Edge> edgesLeft;
    bool disable;
  } cases[] = {
      {"star of six", {{1, 2}, {1, 3}, {1, 4}, {1, 5}, {1, 6}}, 1, {1}, {}, true},
      {"path of three", PathEdges(3), 1, {2}, {}, true},
      {"path of four", PathEdges(4), 1, {2, 3}, {{2, 3}}, true},
      {"path of five, once", PathEdges(5), 1, {2, 3, 4}, {{2, 3}, {3, 4}}, false},
      {"path of five, twice", PathEdges(5), 2, {3}, {}, true},
      {"two layers, once", {{1, 2}, {1, 3}, {2, 4}, {3, 5}}, 1, {1, 2, 3}, {{1, 2}, {1, 3}}, false},
      {"two layers, twice", {{1, 2}, {1, 3}, {2, 4}, {3, 5}}, 2, {1}, {}, true},
      {"one edge keeps its higher end", {{1, 2}}, 1, {2}, {}, true},
      {"one edge typed backwards", {{2, 1}}, 1, {2}, {}, true},
      {"orientation and order kept", {{1, 5}, {5, 3}, {3, 2}, {2, 4}}, 1, {2, 3, 5}, {{5, 3}, {3, 2}}, false},
      {"centre of a star that is not vertex 1", {{4, 1}, {2, 4}, {4, 3}}, 1, {4}, {}, true},
      // A history step re-enables the button with no edge left (reached by a press during the
      // search of a star): the vertex that remained stays, however often it is pressed.
      {"press after only the centre is left", {{1, 2}, {1, 3}, {1, 4}, {1, 5}, {1, 6}}, 2, {1}, {}, true},
      {"path of four, down to one end and on", PathEdges(4), 4, {3}, {}, true},
      {"two layers, pressed on", {{1, 2}, {1, 3}, {2, 4}, {3, 5}}, 3, {1}, {}, true},
      {"one edge, pressed on", {{2, 1}}, 2, {2}, {}, true},
      {"a cycle never peels away",
       {{1, 2}, {2, 3}, {3, 1}, {4, 5}, {5, 6}},
       3,
       {1, 2, 3},
       {{1, 2}, {2, 3}, {3, 1}},
       false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const int n = static_cast<int>(c.edges.size()) + 1;
    const EdgeSlots confirmed = Confirmed(c.edges);
    EdgeSlots slots = confirmed;
    LeafRemovalResult result;
    for (int p = 0; p < c.presses; ++p) result = RemoveLeafLayer(slots, n, confirmed);
    EXPECT_EQ(result.remainingVertices, c.vertices);
    EXPECT_EQ(result.remainingEdges, c.edgesLeft);
    EXPECT_EQ(!LeafRemovalOffered(slots), c.disable);
    for (int v = 1; v <= MaxVertices; ++v) {
      const bool listed = std::find(c.vertices.begin(), c.vertices.end(), v) != c.vertices.end();
      EXPECT_EQ(result.remaining[v], listed) << "vertex " << v;
    }
    for (std::size_t k = 0; k < c.edgesLeft.size(); ++k) EXPECT_EQ(slots[k + 1], c.edgesLeft[k]);
    for (int k = static_cast<int>(c.edgesLeft.size()) + 1; k < n; ++k)
      EXPECT_EQ(slots[k].a, 0) << "slot " << k;
  }
}

TEST(LeafRemoval, EmptiedSlotsKeepTheirSecondVertexAndLaterSlotsAreUntouched) {
  EdgeSlots slots = Confirmed(PathEdges(4));
  slots[7] = {9, 9};
  RemoveLeafLayer(slots, 4, Confirmed(PathEdges(4)));
  EXPECT_EQ(slots[1], (Edge{2, 3}));
  EXPECT_EQ(slots[2], (Edge{0, 3}));
  EXPECT_EQ(slots[3], (Edge{0, 4}));
  EXPECT_EQ(slots[7], (Edge{9, 9}));
}

TEST(LeafRemoval, TableKeepsOnlyTheDotsOfRemainingEdges) {
  EdgeSlots slots = Confirmed(PathEdges(4));
  const LeafRemovalResult result = RemoveLeafLayer(slots, 4, Confirmed(PathEdges(4)));
  Labels labels{};
  labels[1] = 1;
  labels[2] = 4;
  labels[3] = 2;
  labels[4] = 3;
  RecordingCanvas canvas;
  DrawCheckTable(canvas, 4, result.remainingEdges, labels);
  EXPECT_EQ(canvas.CallsStartingWith("Ellipse"),
            (std::vector<std::string>{"Ellipse(195,65,239,109)", "Ellipse(85,175,129,219)"}));
}
