#include <gtest/gtest.h>

#include "check/CheckDrawing.h"
#include "support/RecordingCanvas.h"
#include "support/TestLabels.h"
#include "support/TestTrees.h"
#include "tree/TreeLayout.h"

namespace {

using Calls = std::vector<std::string>;

const LayoutCircle Circle{250, 250, 200};

// The path 3-1-2-4 typed as "1 3", "2 4", "1 2": two diameters of the circle of four.
const std::vector<Edge> Path3124 = {{1, 3}, {2, 4}, {1, 2}};

}  // namespace

TEST(DrawEdgeValues, SquaresTextsAndColoursOfEachEdge) {
  RecordingCanvas canvas(500, 500);
  DrawEdgeValues(canvas, Circle, 4, Path3124, MakeLabels({4, 2, 1, 3}));
  const Calls expected = {
      "PenWidth(1)",
      "BrushStyle(Solid)",
      "BrushColor(0x008000)",
      "PenColor(0x008000)",
      "Rectangle(342,242,358,258)",
      "TextOut(343,243,\" 3 \")",
      "BrushStyle(Solid)",
      "BrushColor(0x008000)",
      "PenColor(0x008000)",
      "Rectangle(242,142,258,158)",
      "TextOut(243,143,\" 1 \")",
      "BrushStyle(Solid)",
      "BrushColor(0x008000)",
      "PenColor(0x008000)",
      "Rectangle(342,142,358,158)",
      "TextOut(343,143,\" 2 \")",
  };
  EXPECT_EQ(canvas.calls, expected);
}

TEST(DrawEdgeValues, PlacesAndColoursByTreeAndLabels) {
  const struct {
    int n;
    std::vector<Edge> edges;
    Labels labels;
    Calls squares;  // rectangles, colours and texts only
  } cases[] = {
      // A single diameter keeps its square on the centre.
      {4,
       {{1, 3}, {1, 2}, {1, 4}},
       MakeLabels({}),
       {"BrushColor(0xFF0000)", "Rectangle(242,242,258,258)", "BrushColor(0xFF0000)",
        "Rectangle(342,142,358,158)", "BrushColor(0xFF0000)", "Rectangle(342,342,358,358)"}},
      {3,
       {{1, 2}, {2, 3}},
       MakeLabels({1, 3, 2}),
       {"BrushColor(0x008000)", "Rectangle(292,155,308,171)", "TextOut(293,156,\" 2 \")",
        "BrushColor(0x008000)", "Rectangle(142,242,158,258)", "TextOut(143,243,\" 1 \")"}},
      {3,
       {{1, 2}, {2, 3}},
       MakeLabels({0, 3, 2}),
       {"BrushColor(0xFF0000)", "Rectangle(292,155,308,171)", "BrushColor(0x008000)",
        "Rectangle(142,242,158,258)", "TextOut(143,243,\" 1 \")"}},
      {4,
       {{1, 2}, {1, 3}, {1, 4}},
       MakeLabels({2, 1, 3, 4}),
       {"BrushColor(0x0000FF)", "Rectangle(342,142,358,158)", "TextOut(343,143,\" 1 \")",
        "BrushColor(0x0000FF)", "Rectangle(242,242,258,258)", "TextOut(243,243,\" 1 \")",
        "BrushColor(0x008000)", "Rectangle(342,342,358,358)", "TextOut(343,343,\" 2 \")"}},
  };
  for (const auto& c : cases) {
    RecordingCanvas canvas(500, 500);
    DrawEdgeValues(canvas, Circle, c.n, c.edges, c.labels);
    Calls squares;
    for (const std::string& call : canvas.calls) {
      if (call.starts_with("BrushColor") || call.starts_with("Rectangle") || call.starts_with("TextOut")) {
        squares.push_back(call);
      }
    }
    EXPECT_EQ(squares, c.squares) << ::testing::PrintToString(c.labels);
  }
}

TEST(DrawEdgeValues, EdgeValueSquaresAreTheSquaresDrawn) {
  // A star's squares step off their midpoints to spare each other; an edge to a vertex beyond the
  // layout gets no square.
  std::vector<Edge> star = StarEdges(12);
  const VertexLayout tree = TreeLayout(12, star);
  star.push_back({2, 14});
  for (const auto& [layout, edges] : {std::pair{CircleLayout(Circle, 4), Path3124}, std::pair{tree, star}}) {
    RecordingCanvas canvas(500, 500);
    DrawEdgeValues(canvas, layout, edges, MakeLabels({}));
    Calls squares;
    for (const Rect& r : EdgeValueSquares(layout, edges)) {
      squares.push_back("Rectangle(" + std::to_string(r.left) + "," + std::to_string(r.top) + "," +
                        std::to_string(r.right) + "," + std::to_string(r.bottom) + ")");
    }
    EXPECT_EQ(squares, canvas.CallsStartingWith("Rectangle"));
    EXPECT_EQ(squares.size(), static_cast<std::size_t>(layout.n - 1));
  }
}

TEST(DrawCheckTable, FourVerticesGridNumbersAndDots) {
  RecordingCanvas canvas;
  DrawCheckTable(canvas, 4, Path3124, MakeLabels({4, 2, 1, 3}));
  const Calls frame(canvas.calls.begin(), canvas.calls.begin() + 9);
  const Calls expectedFrame = {"PenWidth(3)",        "BrushStyle(Solid)",       "BrushColor(0xF0CAA6)",
                               "PenColor(0xF0CAA6)", "Rectangle(0,0,250,250)",  "PenColor(0x000000)",
                               "PenWidth(2)",        "Rectangle(25,5,247,226)", "PenWidth(1)"};
  EXPECT_EQ(frame, expectedFrame);
  EXPECT_EQ(canvas.CallsStartingWith("LineTo"),
            (Calls{"LineTo(80,225)", "LineTo(245,60)", "LineTo(135,225)", "LineTo(245,115)",
                   "LineTo(190,225)", "LineTo(245,170)"}));
  EXPECT_EQ(canvas.CallsStartingWith("MoveTo"), (Calls{"MoveTo(80,5)", "MoveTo(25,60)", "MoveTo(135,5)",
                                                       "MoveTo(25,115)", "MoveTo(190,5)", "MoveTo(25,170)"}));
  EXPECT_EQ(canvas.CallsStartingWith("Font"), Calls{"Font(arial,23)"});
  EXPECT_EQ(canvas.CallsStartingWith("FloodFill"),
            (Calls{"FloodFill(52,32,0x000000,Border)", "FloodFill(107,87,0x000000,Border)",
                   "FloodFill(162,142,0x000000,Border)", "FloodFill(217,197,0x000000,Border)"}));
  EXPECT_EQ(canvas.CallsStartingWith("TextOut"),
            (Calls{"TextOut(8,21,\"1\")", "TextOut(47,230,\"1\")", "TextOut(8,76,\"2\")",
                   "TextOut(102,230,\"2\")", "TextOut(8,131,\"3\")", "TextOut(157,230,\"3\")",
                   "TextOut(8,186,\"4\")", "TextOut(212,230,\"4\")"}));
  EXPECT_EQ(canvas.CallsStartingWith("Ellipse"),
            (Calls{"Ellipse(195,10,239,54)", "Ellipse(30,175,74,219)", "Ellipse(85,120,129,164)",
                   "Ellipse(140,65,184,109)", "Ellipse(195,65,239,109)", "Ellipse(85,175,129,219)"}));
  // The hatch brush is set before every fill, the numbers go out on a clear one, dots on a solid one.
  const Calls firstCell(canvas.calls.begin() + 22, canvas.calls.begin() + 28);
  EXPECT_EQ(firstCell,
            (Calls{"BrushColor(0x000000)", "BrushStyle(DiagonalCross)", "FloodFill(52,32,0x000000,Border)",
                   "BrushStyle(Clear)", "TextOut(8,21,\"1\")", "TextOut(47,230,\"1\")"}));
  const Calls beforeDots(canvas.calls.end() - 8, canvas.calls.end() - 6);
  EXPECT_EQ(beforeDots, (Calls{"BrushColor(0x000000)", "BrushStyle(Solid)"}));
}

TEST(DrawCheckTable, TwentyVerticesUseSmallCellsAndTwoDigitShift) {
  RecordingCanvas canvas;
  Labels labels = MakeLabels({1, 20});
  DrawCheckTable(canvas, 20, {{1, 2}, {0, 2}}, labels);
  EXPECT_EQ(canvas.CallsStartingWith("Font"), Calls{"Font(arial,8)"});
  EXPECT_EQ(canvas.CallsStartingWith("MoveTo").size(), 38u);
  EXPECT_EQ(canvas.CallsStartingWith("MoveTo")[0], "MoveTo(36,5)");
  const Calls texts = canvas.CallsStartingWith("TextOut");
  ASSERT_EQ(texts.size(), 40u);
  EXPECT_EQ(texts[0], "TextOut(8,6,\"1\")");
  EXPECT_EQ(texts[1], "TextOut(26,230,\"1\")");
  EXPECT_EQ(texts[39], "TextOut(235,230,\"20\")");
  // The empty slot gives nothing, even though its second vertex is labeled.
  EXPECT_EQ(canvas.CallsStartingWith("Ellipse"), (Calls{"Ellipse(26,215,34,223)", "Ellipse(235,6,243,14)"}));
}

TEST(DrawCheckTable, ProposalForThePathOfThree) {
  RecordingCanvas canvas;
  DrawCheckTable(canvas, 3, {{1, 2}, {2, 3}}, MakeLabels({2, 1, 3}));
  EXPECT_EQ(canvas.CallsStartingWith("MoveTo"),
            (Calls{"MoveTo(98,5)", "MoveTo(25,78)", "MoveTo(171,5)", "MoveTo(25,151)"}));
  EXPECT_EQ(canvas.CallsStartingWith("TextOut"),
            (Calls{"TextOut(8,30,\"1\")", "TextOut(56,230,\"1\")", "TextOut(8,104,\"2\")",
                   "TextOut(130,230,\"2\")", "TextOut(8,177,\"3\")", "TextOut(203,230,\"3\")"}));
  EXPECT_EQ(canvas.CallsStartingWith("Ellipse"), (Calls{"Ellipse(105,11,165,71)", "Ellipse(31,85,91,145)",
                                                        "Ellipse(31,158,91,218)", "Ellipse(178,11,238,71)"}));
}

TEST(DrawCheckTable, LabelsAboveNOnlyMoveDotsOutward) {
  // A rejected check can leave any byte in the labels; the dots then lie off the grid.
  RecordingCanvas canvas;
  DrawCheckTable(canvas, 4, {{1, 2}, {2, 21}}, MakeLabels({255, 1}));
  EXPECT_EQ(canvas.CallsStartingWith("Ellipse"),
            (Calls{"Ellipse(14000,10,14044,54)", "Ellipse(30,13980,74,14024)"}));
}
