#include <gtest/gtest.h>

#include "check/Verdict.h"
#include "support/TestLabels.h"
#include "support/TestTrees.h"

namespace {

const std::vector<Edge> Star4 = {{1, 2}, {1, 3}, {1, 4}};

// The path 1-2-...-20 labeled 1, 20, 2, 19, ...: edge values 19, 18, ..., 1.
Labels ZigzagPath20(int labeledVertices) {
  Labels labels{};
  for (int v = 1; v <= labeledVertices; ++v)
    labels[v] = static_cast<std::uint8_t>(v % 2 ? (v + 1) / 2 : 21 - v / 2);
  return labels;
}

}  // namespace

TEST(CheckVerdict, SaysInOneSentenceWhatTheSquaresSay) {
  const struct {
    int n;
    std::vector<Edge> edges;
    Labels labels;
    std::string verdict;
  } cases[] = {
      {2, PathEdges(2), MakeLabels({1, 2}), "Graciózne ohodnotenie: hodnota hrany je 1."},
      {4, PathEdges(4), MakeLabels({2, 3, 1, 4}),
       "Graciózne ohodnotenie: hodnoty hrán sú 1 až 3, každá raz."},
      {20, PathEdges(20), ZigzagPath20(20), "Graciózne ohodnotenie: hodnoty hrán sú 1 až 19, každá raz."},
      // Complete: as many values missing as there are surplus repeats.
      {4, Star4, MakeLabels({2, 1, 3, 4}), "Hodnota 3 chýba, 1 sa opakuje. (F4:\u00a0poradiť)"},
      {4, PathEdges(4), MakeLabels({1, 2, 3, 4}), "Hodnoty 2 a 3 chýbajú, 1 sa opakuje. (F4:\u00a0poradiť)"},
      {5, PathEdges(5), MakeLabels({1, 2, 4, 5, 3}),
       "Hodnoty 3 a 4 chýbajú, 1 a 2 sa opakujú. (F4:\u00a0poradiť)"},
      // Partial.
      {5, PathEdges(5), MakeLabels({1, 5, 2, 4, 0}), "Zatiaľ bez chyby; chýba 1 číslo. (F4:\u00a0poradiť)"},
      {4, PathEdges(4), MakeLabels({2, 3, 0, 0}), "Zatiaľ bez chyby; chýbajú 2 čísla. (F4:\u00a0poradiť)"},
      {20, PathEdges(20), ZigzagPath20(15), "Zatiaľ bez chyby; chýba 5 čísel. (F4:\u00a0poradiť)"},
      {4, PathEdges(4), MakeLabels({1, 2, 3, 0}), "Hodnota 1 sa už opakuje. (F4:\u00a0poradiť)"},
      {7, PathEdges(7), MakeLabels({1, 2, 4, 5, 7, 0, 0}), "Hodnoty 1 a 2 sa už opakujú. (F4:\u00a0poradiť)"},
      {3, PathEdges(3), MakeLabels({}), "Zatiaľ nie je vyplnené žiadne číslo. (F4:\u00a0poradiť)"},
  };
  for (const auto& c : cases) EXPECT_EQ(CheckVerdict(c.n, c.edges, c.labels), c.verdict) << c.verdict;
}

TEST(CheckVerdict, DescribesThePicturesForAScreenReader) {
  EXPECT_EQ(TreeDescription(4, PathEdges(4)), "Strom s 4 vrcholmi, hrany: 1–2, 2–3, 3–4.");
  EXPECT_EQ(TreeDescription(1, {}), "Zostal jeden vrchol bez hrán.");
  const Labels partial = MakeLabels({2, 1, 3, 0});
  EXPECT_EQ(
      EdgeValuesDescription(Star4, partial),
      "Hrana 1–2: hodnota 1, opakuje sa. Hrana 1–3: hodnota 1, opakuje sa. Hrana 1–4: hodnota ešte nie je "
      "známa.");
  EXPECT_EQ(EdgeValuesDescription(PathEdges(3), MakeLabels({1, 3, 2})),
            "Hrana 1–2: hodnota 2, jediná. Hrana 2–3: hodnota 1, jediná.");
  EXPECT_EQ(CoveredValuesDescription(4, Star4, partial),
            "Tabuľka dvojíc čísel: pokryté hodnoty 1; nepokryté 2 a 3.");
  EXPECT_EQ(CoveredValuesDescription(4, Star4, MakeLabels({})),
            "Tabuľka dvojíc čísel: ešte nepokrýva žiadnu hodnotu.");
  EXPECT_EQ(CoveredValuesDescription(4, PathEdges(4), MakeLabels({2, 3, 1, 4})),
            "Tabuľka dvojíc čísel: pokryté sú všetky hodnoty 1 až 3.");
}
