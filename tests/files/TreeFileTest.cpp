#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "files/TreeFile.h"
#include "files/Worksheet.h"
#include "tree/Connectivity.h"
#include "tree/RandomTree.h"

namespace {

using Lines = std::vector<std::string>;
using Filling = std::vector<int>;

// The expected edges of the graph6 and sparse6 lines below are decoded by hand from their bits.
TEST(TreeFile, ReadsTheTreesOfGoodFiles) {
  const struct {
    std::string text;
    std::vector<FileTree> trees;
  } cases[] = {
      {"# strom\r\n1 2\r\n\r\n2 3 \t\r\n# čísla: 0 3 1\r\n", {{{"1 2", "2 3"}, Filling{0, 3, 1}}}},
      {"1  0x2\n5 99\n", {{{"1  0x2", "5 99"}, std::nullopt}}},
      {"\xEF\xBB\xBF# €𝄞 ľščťžýáí\n1 2\n#cisla:1 2", {{{"1 2"}, Filling{1, 2}}}},
      // Cs: bits 110100 for 01 02 12 03 13 23; Ch: 101001; DXC: 011001 0001|00.
      {">>graph6<<Cs\nCh\nDXC\n",
       {{{"1 2", "1 3", "1 4"}, {}}, {{"1 2", "2 3", "3 4"}, {}}, {{"1 3", "2 3", "3 4", "4 5"}, {}}}},
      // k = 3: :DaXb = 1000 1001 1001 1000 11, :DaWn = 1000 1001 1000 1011 11, :DaGb = 4 x 1000, 11.
      {":DaXb\n:DaWn\n>>sparse6<<:DaGb\n",
       {{{"1 2", "1 5", "2 3", "2 4"}, {}},
        {{"1 2", "1 4", "2 3", "4 5"}, {}},
        {{"1 2", "1 3", "1 4", "1 5"}, {}}}},
      // :CcJ = 100 100 001 0|11: the padding zero keeps the last one from reading as the loop 4-4.
      {":An\n:CcJ\n", {{{"1 2"}, {}}, {{"1 2", "1 3", "2 3"}, {}}}},
      {"1 2\n# čísla: 2 1\n---\n---\n2 1\n# comment\n1 3\n---\n>>sparse6<<:An\n# čísla:\n",
       {{{"1 2"}, Filling{2, 1}}, {{"2 1", "1 3"}, {}}, {{"1 2"}, Filling{}}}},
      {"Ch\n1 2\nCs\n2 3\n",
       {{{"1 2", "2 3", "3 4"}, {}}, {{"1 2", "2 3"}, {}}, {{"1 2", "1 3", "1 4"}, {}}}},
      {"1 2\n" + std::string(MaxTreeFileBytes - 5, '#') + "\n", {{{"1 2"}, {}}}},
  };
  for (const auto& c : cases) {
    const TreeFileReading reading = ReadTreeFile(c.text);
    EXPECT_FALSE(reading.failure) << c.text.substr(0, 60);
    EXPECT_EQ(reading.trees, c.trees) << c.text.substr(0, 60);
  }
}

TEST(TreeFile, NamesWhatIsWrongWithABadFile) {
  using enum TreeFileError;
  const struct {
    std::string text;
    TreeFileFailure failure;
  } cases[] = {
      {std::string(MaxTreeFileBytes + 1, '#'), {TooBig, 0}},
      {std::string("1 2\n\0", 5), {Binary, 2}},
      {"1 2\n# \xC0\xAF\n", {NotUtf8, 2}},
      {"# \xED\xA0\x80", {NotUtf8, 1}},
      {"# \xF4\x90\x80\x80", {NotUtf8, 1}},
      {"# \xE2\x82", {NotUtf8, 1}},
      {"1 2\n1\t2\n", {UnknownLine, 2}},
      {" 1 2\n", {UnknownLine, 1}},
      {"1 2\n\nhello\n", {UnknownLine, 3}},
      {"Csx\n", {UnknownLine, 1}},
      {"DXD\n", {UnknownLine, 1}},
      {">>graph6<<:An\n", {UnknownLine, 1}},
      {"1 2\n# čísla: 1 100\n", {BadFilling, 2}},
      {"1 2\n# čísla: 1 x\n", {BadFilling, 2}},
      {"Cs\n# čísla: 1\n# čísla: 2\n", {BadFilling, 3}},
      {"Cs\nCh\n# čísla: 1\n", {BadFilling, 3}},
      {"1 2\n# čísla: 1 2 0\n", {BadFilling, 2}},
      {"# čísla: 1\n---\n1 2\n", {BadFilling, 1}},
      {"", {NoTree, 0}},
      {"# nothing\n\n---\n", {NoTree, 0}},
  };
  for (const auto& c : cases) {
    const TreeFileReading reading = ReadTreeFile(c.text);
    EXPECT_EQ(reading.failure, std::optional(c.failure)) << c.text.substr(0, 60);
    EXPECT_TRUE(reading.trees.empty());
  }
  EXPECT_EQ(TreeFileFailureMessage("/a/b.txt", {NotUtf8, 2}), "Súbor /a/b.txt sa nedá otvoriť.");
  EXPECT_EQ(TreeFileFailureMessage("veľký.txt", {TooBig, 0}), "Súbor veľký.txt je väčší ako 1 MB.");
  EXPECT_EQ(TreeFileFailureMessage("s.txt", {UnknownLine, 3}), "Súbor s.txt nie je strom: riadok 3.");
  EXPECT_EQ(TreeFileFailureMessage("s.txt", {NoTree, 0}), "Súbor s.txt nie je strom.");
  EXPECT_EQ(SaveFailedMessage("/x/ľ.txt"), "Strom sa nepodarilo uložiť do súboru /x/ľ.txt.");
  EXPECT_EQ(ConfirmTreeLines({"1 2", "1 x"}).message, "'x' is not a valid integer value.");
  EXPECT_EQ(ConfirmTreeLines({"1 5"}).message, "Chyba v 1. riadku (nepovolené číslo).");
}

TEST(TreeFile, WhatIsWrittenReadsBackTheSame) {
  EXPECT_EQ(TreeFileText({"1 2", "2  3", "0x3 4"}, {"4", "", "x", "02", "5"}),
            "# Strom s 4 vrcholmi\n1 2\n2  3\n0x3 4\n# čísla: 4 0 0 2\n");
  std::mt19937 engine(7);
  const RandomBelow random = [&engine](int bound) {
    return std::uniform_int_distribution<int>(0, bound - 1)(engine);
  };
  for (int n = 2; n <= MaxVertices; ++n) {
    const Lines lines = EdgeListLines(RandomTreeEdges(n, random));
    Filling filling;
    for (int v = 0; v < n; ++v) filling.push_back(random(n + 1));
    const TreeFileReading reading = ReadTreeFile(TreeFileText(lines, FillingBoxTexts(filling)));
    ASSERT_EQ(reading.trees.size(), 1u) << n;
    EXPECT_EQ(reading.trees[0], (FileTree{lines, filling})) << n;
  }
}

// Each tree of a file gets the edge box's checks and one more, and the refusal names the file's own
// lines, also for a graph6 or sparse6 graph of the wrong size, which no longer spoils the file.
TEST(TreeFile, RefusesTheTreesTheWindowWouldNotTakeByTheirLines) {
  const std::string text =
      "# sada\n"                   // 1
      "1 2\n2 3\n# hm\n3 5\n"      // 2-5: vertex 5 of 4
      "---\n1 2\n2 2\n"            // 6-8: a loop
      "---\n1 2\n2 3\n2 1\n"       // 9-12: the edge of line 10 again
      "---\n1 2\n2 3\n3 1\n4 5\n"  // 13-17: a cycle, a piece apart
      "---\n"                      // 18
      ":T\n"                       // 19: 21 vertices
      "@\n"                        // 20: 1 vertex
      "Cl\n"                       // 21: 4 vertices, 4 edges
      "Cs\n"                       // 22: a star, fine
      "---\n1 2\n3 4\n1 3\n";      // 23-26: fine
  const TreeFileReading reading = ReadTreeFile(text);
  ASSERT_FALSE(reading.failure);
  ASSERT_EQ(reading.trees.size(), 9u);
  const std::vector<std::optional<std::string>> refusals = {
      "riadok 5: nepovolené číslo 5 (strom má 4 vrcholy)",
      "riadok 8: hrana spája vrchol 2 so sebou samým",
      "riadky 10 a 12: dve rovnaké hrany",
      "riadky 14–17: nie je strom (obsahuje cyklus)",
      "riadok 19: príliš veľa vrcholov: 21 (maximum je 20)",
      "riadok 20: príliš málo vrcholov: 1 (strom má aspoň 2)",
      "riadok 21: nie je strom (hrán nie je o jednu menej ako vrcholov)",
      std::nullopt,
      std::nullopt,
  };
  for (std::size_t t = 0; t < refusals.size(); ++t)
    EXPECT_EQ(TreeRefusal(reading.trees[t], reading.sources[t]), refusals[t]) << t;
  EXPECT_EQ(RefusedTreeMessage("strom.txt", *refusals[0]),
            "Súbor strom.txt, riadok 5: nepovolené číslo 5 (strom má 4 vrcholy).");
  EXPECT_EQ(RefusedTreesMessage("sada.txt", {*refusals[1], *refusals[4]}, 9),
            "Zo súboru sada.txt sa neotvoria 2 stromy z 9:\nriadok 8: hrana spája vrchol 2 so sebou samým.\n"
            "riadok 19: príliš veľa vrcholov: 21 (maximum je 20).\nOstatné sa otvoria.");
}

// A set written back keeps its comments, separators and order; each tree takes its new filling, in
// place of the old one or after its last edge; a graph6 graph that opened turns into edge lines.
TEST(TreeFile, ASetIsWrittenBackWithItsCommentsAndNewFillings) {
  const std::string text =
      "# Cvičenie 3\n1 2\n# pozor\n2 3\n# čísla: 1 0 0\n---\n# druhý\n1 2\n1 3\n1 4\n---\nCs\n:T\n";
  const TreeFileReading reading = ReadTreeFile(text);
  ASSERT_EQ(reading.trees.size(), 4u);
  EXPECT_EQ(TreeFileDocumentText(reading, {}),
            "# Cvičenie 3\n1 2\n# pozor\n2 3\n# čísla: 1 0 0\n---\n# druhý\n1 2\n1 3\n1 4\n---\nCs\n:T\n");
  EXPECT_FALSE(RewritesSixFormatGraphs(reading, {}));
  EXPECT_TRUE(RewritesSixFormatGraphs(reading, {{}, {}, {"1"}, {}}));
  const std::string saved =
      TreeFileDocumentText(reading, {{"2", "3", "1"}, {"", "4"}, {"1", "2", "x", "4"}, {}});
  EXPECT_EQ(
      saved,
      "# Cvičenie 3\n1 2\n# pozor\n2 3\n# čísla: 2 3 1\n---\n# druhý\n1 2\n1 3\n1 4\n# čísla: 0 4\n---\n"
      "1 2\n1 3\n1 4\n# čísla: 1 2 0 4\n---\n:T\n");
  const TreeFileReading again = ReadTreeFile(saved);
  ASSERT_FALSE(again.failure);
  ASSERT_EQ(again.trees.size(), 4u);
  EXPECT_EQ(again.trees[0].filling, (Filling{2, 3, 1}));
  EXPECT_EQ(again.trees[1].filling, (Filling{0, 4}));
  EXPECT_EQ(again.trees[2], (FileTree{{"1 2", "1 3", "1 4"}, Filling{1, 2, 0, 4}}));
  EXPECT_TRUE(again.sources[3].wrongSize);
  // Two graphs of one block, and edge lines beside them, each become a block of their own.
  const TreeFileReading mixed = ReadTreeFile("1 2\nCs\n2 3\nCh\n");
  const TreeFileReading split = ReadTreeFile(TreeFileDocumentText(mixed, {{"2"}, {"1"}, {"3"}}));
  ASSERT_FALSE(split.failure);
  ASSERT_EQ(split.trees.size(), 3u);
  for (int t = 0; t < 3; ++t) EXPECT_EQ(split.trees[t].edgeLines, mixed.trees[t].edgeLines) << t;
  EXPECT_EQ(split.trees[1].filling, (Filling{1}));
}

std::string CommandOutput(const std::string& command) {
  const std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  std::string text;
  char buffer[4096];
  while (pipe && std::fgets(buffer, sizeof buffer, pipe.get())) text += buffer;
  return text;
}

// Every tree of 2..10 vertices from nauty's generator, in both forms, and a slice of those of 20.
TEST(TreeFile, ReadsEveryTreeOfTheGenerator) {
  if (std::system("command -v nauty-gentreeg >/dev/null 2>&1") != 0) GTEST_SKIP() << "nauty is not installed";
  const int treeCounts[] = {0, 0, 1, 1, 2, 3, 6, 11, 23, 47, 106};
  for (int n = 2; n <= 20; n = n == 10 ? 20 : n + 1) {
    const std::string generate = "nauty-gentreeg -q " + std::to_string(n) + (n == 20 ? " 0/4000" : "");
    for (const std::string& format : {generate, generate + " | nauty-copyg -g -q"}) {
      const TreeFileReading reading = ReadTreeFile(CommandOutput(format));
      ASSERT_FALSE(reading.failure) << format;
      if (n <= 10) {
        EXPECT_EQ(reading.trees.size(), static_cast<std::size_t>(treeCounts[n])) << format;
      }
      for (const FileTree& file : reading.trees) {
        const ConfirmedLines confirmed = ConfirmTreeLines(file.edgeLines);
        ASSERT_TRUE(confirmed.tree) << confirmed.message;
        EXPECT_EQ(confirmed.tree->n, n);
        EXPECT_TRUE(IsConnected(n, confirmed.tree->edges)) << format;
      }
    }
  }
}

}  // namespace
