#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A tree file is UTF-8 text with LF or CRLF line ends (docs/tree-files.md). Each line is one of:
//   an edge line "a b", taken by the rule of the edge box (the text before the first blank and the
//     text after it both convert as integers; range and the rest are checked on confirmation);
//   a comment, beginning with '#'; the comment "# čísla: 4 2 0 1 3" (also "cisla:") is the filling:
//     the numbers in the boxes of vertices 1, 2, ..., 0 for an empty box, each one or two decimal
//     digits, at most 20 of them and no more than the tree has vertices;
//   a blank line (nothing but blanks and tabs), skipped;
//   the separator "---";
//   one graph in graph6 or sparse6 form with 2..20 vertices and n-1 edges.
// Blanks and tabs at a line's end are dropped, and so is a byte order mark at the start.
// The separators cut the file into blocks. Within a block, each graph6 or sparse6 line is a tree of
// its own and all the edge lines together make one tree (placed where its first line stands); a
// filling belongs to the one tree of its block, so a block with a filling must hold exactly one.
inline constexpr std::size_t MaxTreeFileBytes = 1024 * 1024;

struct FileTree {
  // What goes into the edge box, one line per edge. A graph6 or sparse6 graph gives "a b" with
  // a < b, sorted by a and then by b.
  std::vector<std::string> edgeLines;
  // The numbers of the boxes of vertices 1, 2, ... (0 = empty), when the file gives a filling.
  std::optional<std::vector<int>> filling;
  friend bool operator==(const FileTree&, const FileTree&) = default;
};

// Where a tree stands in its file, and what the reading already knows against it.
struct TreeSource {
  std::vector<int> edgeLines;  // the file line (1-based) of each edge line of an edge-list tree
  int sixLine = 0;             // the line of a graph6 or sparse6 graph; 0 for an edge-list tree
  int fillingLine = 0;         // the line of its filling, 0 when it has none
  int vertexCount = 0;         // of a graph6 or sparse6 graph as written
  // A graph6 or sparse6 graph outside 2..20 vertices, or not with one edge fewer than vertices: it
  // is no tree for this program, and it has no edge lines.
  bool wrongSize = false;
  int FirstLine() const { return sixLine ? sixLine : edgeLines.empty() ? 0 : edgeLines.front(); }
  int LastLine() const { return sixLine ? sixLine : edgeLines.empty() ? 0 : edgeLines.back(); }
};

enum class TreeFileError {
  TooBig,       // more than MaxTreeFileBytes
  Binary,       // a zero byte
  NotUtf8,      // not well-formed UTF-8
  UnknownLine,  // a line of no kind above
  BadFilling,   // a filling line out of its rules, or in a block without exactly one tree
  NoTree,       // not a single tree in the file
};

struct TreeFileFailure {
  TreeFileError error = TreeFileError::NoTree;
  int line = 0;  // 1-based; 0 for the faults of the whole file
  friend bool operator==(const TreeFileFailure&, const TreeFileFailure&) = default;
};

struct TreeFileReading {
  std::vector<FileTree> trees;  // in file order; at least one unless failure is set
  std::optional<TreeFileFailure> failure;
  std::vector<TreeSource> sources;  // one per tree
  std::vector<std::string> lines;   // the file's lines, without their ends, for writing it back
};

TreeFileReading ReadTreeFile(std::string_view bytes);

// The text of a file of one confirmed tree: a comment naming it, the edge lines as they are, and
// the filling from the box texts of vertices 1..n (a text that is no number 0..99 counts as an
// empty box; texts beyond n or beyond 20 are left out). LF line ends, the last line ended too.
std::string TreeFileText(const std::vector<std::string>& edgeLines, const std::vector<std::string>& boxTexts);

// The box texts of a filling: the number, or an empty text for 0.
std::vector<std::string> FillingBoxTexts(const std::vector<int>& filling);

// Why a tree of a file does not open, in the words of the edge box where it has them, with its
// lines: "riadok 4: nepovolené číslo 5 (strom má 4 vrcholy)", "riadky 2–5: nie je strom (obsahuje
// cyklus)". Nothing for a tree the window takes. Every check of the edge box applies, and one more:
// a file holds trees, so a graph with a cycle is refused.
std::optional<std::string> TreeRefusal(const FileTree& tree, const TreeSource& source);
// "Súbor strom.txt, riadok 4: nepovolené číslo 5 (strom má 4 vrcholy)."
std::string RefusedTreeMessage(const std::string& fileName, const std::string& refusal);
// The trees of a set that stay closed, one a line, before the rest opens.
std::string RefusedTreesMessage(const std::string& fileName, const std::vector<std::string>& refusals,
                                int treeCount);

// The file's text again, with each tree's filling taken from `boxTexts` (one entry per tree: the
// texts of boxes 1..n; an empty list keeps the tree's filling as read) and every other line as it
// was. A graph6 or sparse6 graph with a filling to keep becomes edge lines, since those formats hold
// no filling; the others stay as written. LF line ends.
std::string TreeFileDocumentText(const TreeFileReading& file,
                                 const std::vector<std::vector<std::string>>& boxTexts);
// The numbers a filling comment would hold for these box texts (0 for an empty box or a text that
// is no number 0..99), at most n of them.
std::vector<int> FillingNumbers(const std::vector<std::string>& boxTexts, std::size_t n);

// "Súbor <path> sa nedá otvoriť." — also for a file the window could not read at all.
std::string CannotOpenFileMessage(const std::string& path);
// "Súbor <path> nie je strom: riadok 3." or, without a line, "Súbor <path> nie je strom."
std::string NotATreeFileMessage(const std::string& path, int line);
// "Súbor <name> je väčší ako 1 MB."
std::string TooBigFileMessage(const std::string& path);
// Whether TreeFileDocumentText writes a graph6 or sparse6 graph of the file as edge lines.
bool RewritesSixFormatGraphs(const TreeFileReading& file,
                             const std::vector<std::vector<std::string>>& boxTexts);
// The message for a failed reading.
std::string TreeFileFailureMessage(const std::string& path, const TreeFileFailure& failure);
// "Strom sa nepodarilo uložiť do súboru <path>."
std::string SaveFailedMessage(const std::string& path);
