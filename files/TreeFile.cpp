#include "files/TreeFile.h"

#include <algorithm>

#include "files/Graph6.h"
#include "files/Utf8.h"
#include "tree/Connectivity.h"
#include "tree/EdgeListParser.h"
#include "tree/IntConversion.h"
#include "tree/TreeModel.h"

namespace {

const std::string FilePrefix = "Súbor ";
const std::string CannotOpenSuffix = " sa nedá otvoriť.";
const std::string NotATreeSuffix = " nie je strom";
const std::string LineWord = ": riadok ";
const std::string SaveFailedPrefix = "Strom sa nepodarilo uložiť do súboru ";
const std::string FillingMarker = "čísla:";
const std::string PlainFillingMarker = "cisla:";
const std::string Separator = "---";
const std::string ByteOrderMark = "\xEF\xBB\xBF";

constexpr int MaxFillingNumber = 99;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view TrimEnd(std::string_view line) {
  while (!line.empty() && IsBlank(line.back())) line.remove_suffix(1);
  return line;
}

// The rule of the edge box: the fields before and after the first blank both convert.
bool IsEdgeLine(std::string_view line) {
  const std::size_t blank = line.find(' ');
  return blank != std::string_view::npos && ConvertToInt(line.substr(0, blank)) &&
         ConvertToInt(line.substr(blank + 1));
}

// The text after the filling marker of a comment, or nothing when the comment is no filling.
std::optional<std::string_view> FillingText(std::string_view comment) {
  comment.remove_prefix(1);
  while (!comment.empty() && IsBlank(comment.front())) comment.remove_prefix(1);
  for (const std::string& marker : {FillingMarker, PlainFillingMarker}) {
    if (comment.starts_with(marker)) return comment.substr(marker.size());
  }
  return std::nullopt;
}

std::optional<std::vector<int>> ReadFilling(std::string_view text) {
  std::vector<int> numbers;
  std::size_t at = 0;
  while (true) {
    while (at < text.size() && IsBlank(text[at])) ++at;
    if (at == text.size()) return numbers;
    const std::size_t start = at;
    while (at < text.size() && !IsBlank(text[at])) ++at;
    const std::string_view token = text.substr(start, at - start);
    if (token.size() > 2 ||
        !std::all_of(token.begin(), token.end(), [](char c) { return c >= '0' && c <= '9'; }))
      return std::nullopt;
    if (numbers.size() == MaxVertices) return std::nullopt;
    numbers.push_back(std::stoi(std::string(token)));
  }
}

class Reader {
 public:
  std::optional<TreeFileFailure> Line(std::string_view line, int number) {
    line = TrimEnd(line);
    if (line.empty()) return std::nullopt;
    if (line.front() == '#') return Comment(line, number);
    if (line == Separator) return EndBlock();
    if (IsEdgeLine(line)) {
      if (!edgeTree_) {
        edgeTree_ = block_.size();
        block_.emplace_back();
      }
      block_[*edgeTree_].tree.edgeLines.emplace_back(line);
      block_[*edgeTree_].source.edgeLines.push_back(number);
      return std::nullopt;
    }
    const std::optional<SixFormatGraph> graph = ReadSixFormatLine(line);
    if (!graph) return TreeFileFailure{TreeFileError::UnknownLine, number};
    Placed& placed = block_.emplace_back();
    placed.source.sixLine = number;
    placed.source.vertexCount = static_cast<int>(std::min<long long>(graph->vertexCount, 1 << 30));
    // A graph of the wrong size is still a tree of the file, refused alone when the file opens.
    if (graph->vertexCount < 2 || graph->vertexCount > MaxVertices ||
        static_cast<long long>(graph->edges.size()) != graph->vertexCount - 1) {
      placed.source.wrongSize = true;
      return std::nullopt;
    }
    for (const Edge& e : graph->edges)
      placed.tree.edgeLines.push_back(std::to_string(e.a) + " " + std::to_string(e.b));
    return std::nullopt;
  }

  std::optional<TreeFileFailure> EndBlock() {
    if (filling_) {
      const TreeFileFailure bad{TreeFileError::BadFilling, fillingLine_};
      if (block_.size() != 1) return bad;
      Placed& only = block_.front();
      const std::size_t n = only.source.wrongSize ? 0 : only.tree.edgeLines.size() + 1;
      if (filling_->size() > n) return bad;
      only.tree.filling = std::move(filling_);
      only.source.fillingLine = fillingLine_;
    }
    for (Placed& placed : block_) {
      trees_.push_back(std::move(placed.tree));
      sources_.push_back(std::move(placed.source));
    }
    block_.clear();
    edgeTree_.reset();
    filling_.reset();
    return std::nullopt;
  }

  std::vector<FileTree> Trees() { return std::move(trees_); }
  std::vector<TreeSource> Sources() { return std::move(sources_); }

 private:
  struct Placed {
    FileTree tree;
    TreeSource source;
  };

  std::optional<TreeFileFailure> Comment(std::string_view line, int number) {
    const std::optional<std::string_view> text = FillingText(line);
    if (!text) return std::nullopt;
    const TreeFileFailure bad{TreeFileError::BadFilling, number};
    if (filling_) return bad;
    filling_ = ReadFilling(*text);
    if (!filling_) return bad;
    fillingLine_ = number;
    return std::nullopt;
  }

  std::vector<FileTree> trees_;
  std::vector<TreeSource> sources_;
  std::vector<Placed> block_;
  std::optional<std::size_t> edgeTree_;
  std::optional<std::vector<int>> filling_;
  int fillingLine_ = 0;
};

int LineOfOffset(std::string_view bytes, std::size_t offset) {
  return 1 + static_cast<int>(
                 std::count(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(offset), '\n'));
}

TreeFileReading Failed(TreeFileError error, int line = 0) {
  return {{}, TreeFileFailure{error, line}, {}, {}};
}

}  // namespace

TreeFileReading ReadTreeFile(std::string_view bytes) {
  if (bytes.size() > MaxTreeFileBytes) return Failed(TreeFileError::TooBig);
  if (const std::size_t zero = bytes.find('\0'); zero != std::string_view::npos)
    return Failed(TreeFileError::Binary, LineOfOffset(bytes, zero));
  if (const std::optional<std::size_t> bad = FirstInvalidUtf8Byte(bytes))
    return Failed(TreeFileError::NotUtf8, LineOfOffset(bytes, *bad));
  if (bytes.starts_with(ByteOrderMark)) bytes.remove_prefix(ByteOrderMark.size());

  Reader reader;
  std::vector<std::string> lines;
  int number = 0;
  while (!bytes.empty()) {
    const std::size_t feed = bytes.find('\n');
    std::string_view line = bytes.substr(0, feed);
    bytes.remove_prefix(feed == std::string_view::npos ? bytes.size() : feed + 1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    lines.emplace_back(line);
    if (const auto failure = reader.Line(line, ++number)) return {{}, failure, {}, {}};
  }
  if (const auto failure = reader.EndBlock()) return {{}, failure, {}, {}};
  TreeFileReading reading{reader.Trees(), std::nullopt, reader.Sources(), std::move(lines)};
  if (reading.trees.empty()) return Failed(TreeFileError::NoTree);
  return reading;
}

std::vector<int> FillingNumbers(const std::vector<std::string>& boxTexts, std::size_t n) {
  std::vector<int> numbers;
  const std::size_t count = std::min({boxTexts.size(), n, static_cast<std::size_t>(MaxVertices)});
  for (std::size_t v = 0; v < count; ++v) {
    const std::optional<std::int32_t> number = boxTexts[v].empty() ? 0 : ConvertToInt(boxTexts[v]);
    const bool fits = number && *number >= 0 && *number <= MaxFillingNumber;
    numbers.push_back(fits ? *number : 0);
  }
  return numbers;
}

namespace {

std::string FillingLine(const std::vector<int>& numbers) {
  std::string text = "# " + FillingMarker;
  for (int number : numbers) text += " " + std::to_string(number);
  return text;
}

}  // namespace

std::string TreeFileText(const std::vector<std::string>& edgeLines,
                         const std::vector<std::string>& boxTexts) {
  const std::size_t n = edgeLines.size() + 1;
  std::string text = "# Strom s " + std::to_string(n) + " vrcholmi\n";
  for (const std::string& line : edgeLines) text += line + "\n";
  return text + FillingLine(FillingNumbers(boxTexts, n)) + "\n";
}

std::string TreeFileDocumentText(const TreeFileReading& file,
                                 const std::vector<std::vector<std::string>>& boxTexts) {
  enum class Role { Other, Separator, EdgeLine, SixLine, Filling };
  struct LineUse {
    Role role = Role::Other;
    int tree = -1;
  };
  std::vector<LineUse> uses(file.lines.size() + 1);
  for (std::size_t line = 1; line <= file.lines.size(); ++line) {
    if (TrimEnd(file.lines[line - 1]) == Separator) uses[line].role = Role::Separator;
  }
  const int trees = static_cast<int>(file.trees.size());
  for (int t = 0; t < trees; ++t) {
    const TreeSource& source = file.sources[t];
    for (int line : source.edgeLines) uses[line] = {Role::EdgeLine, t};
    if (source.sixLine) uses[source.sixLine] = {Role::SixLine, t};
    if (source.fillingLine) uses[source.fillingLine] = {Role::Filling, t};
  }
  auto filling = [&](int t) {
    const std::size_t n = file.trees[t].edgeLines.size() + 1;
    if (t < static_cast<int>(boxTexts.size()) && !boxTexts[t].empty()) return FillingNumbers(boxTexts[t], n);
    return file.trees[t].filling.value_or(std::vector<int>{});
  };
  auto hasFilling = [&](int t) {
    const std::vector<int> numbers = filling(t);
    return file.sources[t].fillingLine ||
           std::any_of(numbers.begin(), numbers.end(), [](int x) { return x; });
  };
  // A graph6 or sparse6 graph holds no filling: one with a filling to keep is written as edge lines;
  // the others stay as they are.
  auto converted = [&](int t) {
    return file.sources[t].sixLine && !file.sources[t].wrongSize && hasFilling(t);
  };
  // A tree that turns into edge lines, or gains a filling beside other trees, must stand in a block
  // of its own, so that its lines and filling cannot join another tree's; a tree of edge lines that
  // stands alone then has all its lines gathered at its first.
  std::vector<int> blockOf(file.lines.size() + 1, 0);
  int blocks = 0;
  for (std::size_t line = 1; line <= file.lines.size(); ++line) {
    if (uses[line].role == Role::Separator) ++blocks;
    blockOf[line] = blocks;
  }
  std::vector<int> treesInBlock(blocks + 1, 0);
  std::vector<bool> blockConverts(blocks + 1, false);
  for (int t = 0; t < trees; ++t) {
    const int block = blockOf[file.sources[t].FirstLine()];
    ++treesInBlock[block];
    if (converted(t)) blockConverts[block] = true;
  }
  std::vector<bool> alone(trees, false), gathered(trees, false);
  for (int t = 0; t < trees; ++t) {
    const TreeSource& source = file.sources[t];
    const int block = blockOf[source.FirstLine()];
    const bool shared = treesInBlock[block] > 1;
    alone[t] = converted(t) || (shared && hasFilling(t)) || (!source.sixLine && blockConverts[block]);
    gathered[t] = alone[t] && shared && !source.sixLine;
  }
  std::string text;
  // A tree that was rewritten stands in a block of its own, so that its lines and filling cannot
  // join another tree's.
  bool blockHasTree = false;
  bool previousAlone = false;
  auto startTree = [&](bool alone) {
    if (blockHasTree && (alone || previousAlone)) text += Separator + "\n";
    blockHasTree = true;
    previousAlone = alone;
  };
  for (std::size_t line = 1; line <= file.lines.size(); ++line) {
    const LineUse use = uses[line];
    const int t = use.tree;
    switch (use.role) {
      case Role::Separator:
        blockHasTree = false;
        text += file.lines[line - 1] + "\n";
        break;
      case Role::Other:
        text += file.lines[line - 1] + "\n";
        break;
      case Role::Filling:
        text += FillingLine(filling(t)) + "\n";
        break;
      case Role::SixLine:
        startTree(alone[t]);
        if (!converted(t)) {
          text += file.lines[line - 1] + "\n";
          break;
        }
        for (const std::string& edge : file.trees[t].edgeLines) text += edge + "\n";
        if (!file.sources[t].fillingLine && hasFilling(t)) text += FillingLine(filling(t)) + "\n";
        break;
      case Role::EdgeLine: {
        const TreeSource& source = file.sources[t];
        const bool first = static_cast<int>(line) == source.edgeLines.front();
        if (gathered[t]) {
          if (!first) break;
          startTree(true);
          for (const std::string& edge : file.trees[t].edgeLines) text += edge + "\n";
        } else {
          if (first) startTree(alone[t]);
          text += file.lines[line - 1] + "\n";
          if (static_cast<int>(line) != source.edgeLines.back()) break;
        }
        if (!source.fillingLine && hasFilling(t)) text += FillingLine(filling(t)) + "\n";
        break;
      }
    }
  }
  return text;
}

bool RewritesSixFormatGraphs(const TreeFileReading& file,
                             const std::vector<std::vector<std::string>>& boxTexts) {
  for (std::size_t t = 0; t < file.trees.size(); ++t) {
    const TreeSource& source = file.sources[t];
    if (!source.sixLine || source.wrongSize) continue;
    const std::vector<int> numbers = t < boxTexts.size() && !boxTexts[t].empty()
                                         ? FillingNumbers(boxTexts[t], file.trees[t].edgeLines.size() + 1)
                                         : file.trees[t].filling.value_or(std::vector<int>{});
    if (source.fillingLine || std::any_of(numbers.begin(), numbers.end(), [](int x) { return x; }))
      return true;
  }
  return false;
}

namespace {

std::string LinesText(int first, int last) {
  if (first == last) return "riadok " + std::to_string(first);
  return "riadky " + std::to_string(first) + "–" + std::to_string(last);
}

std::string VertexCountWords(int n) { return std::to_string(n) + (n <= 4 ? " vrcholy" : " vrcholov"); }

}  // namespace

std::optional<std::string> TreeRefusal(const FileTree& tree, const TreeSource& source) {
  const std::string all = LinesText(source.FirstLine(), source.LastLine());
  if (source.wrongSize) {
    const int n = source.vertexCount;
    if (n > MaxVertices) return all + ": príliš veľa vrcholov: " + std::to_string(n) + " (maximum je 20)";
    if (n < 2) return all + ": príliš málo vrcholov: " + std::to_string(n) + " (strom má aspoň 2)";
    return all + ": nie je strom (hrán nie je o jednu menej ako vrcholov)";
  }
  const EdgeListParseResult parsed = ParseEdgeList(tree.edgeLines);
  if (!parsed.list) return all + ": " + InvalidIntegerMessage(parsed.failedField);
  auto lineOf = [&](int k) { return source.sixLine ? source.sixLine : source.edgeLines[k - 1]; };
  const int n = parsed.list->vertexCount;
  if (const std::optional<EdgeListFault> fault = FindEdgeListFault(*parsed.list)) {
    switch (fault->kind) {
      case EdgeListFault::TooManyVertices:
        return all + ": príliš veľa vrcholov: " + std::to_string(n) + " (maximum je 20)";
      case EdgeListFault::BadNumber:
        return LinesText(lineOf(fault->line), lineOf(fault->line)) + ": nepovolené číslo " +
               std::to_string(fault->value) + " (strom má " + VertexCountWords(n) + ")";
      case EdgeListFault::Loop:
        return LinesText(lineOf(fault->line), lineOf(fault->line)) + ": hrana spája vrchol " +
               std::to_string(fault->value) + " so sebou samým";
      case EdgeListFault::Duplicate:
        if (source.sixLine) return all + ": dve rovnaké hrany";
        return "riadky " + std::to_string(lineOf(fault->line)) + " a " +
               std::to_string(lineOf(fault->other)) + ": dve rovnaké hrany";
      case EdgeListFault::MissingVertex:
        return all + ": vrchol č. " + std::to_string(fault->value) + " nie je na žiadnej hrane";
    }
  }
  std::vector<Edge> edges;
  for (const auto& [a, b] : parsed.list->pairs)
    edges.push_back({static_cast<std::uint8_t>(a), static_cast<std::uint8_t>(b)});
  // n - 1 edges over n vertices: a graph in pieces holds a cycle.
  if (!IsConnected(n, edges)) return all + ": nie je strom (obsahuje cyklus)";
  return std::nullopt;
}

std::string RefusedTreeMessage(const std::string& fileName, const std::string& refusal) {
  return FilePrefix + fileName + ", " + refusal + ".";
}

std::string RefusedTreesMessage(const std::string& fileName, const std::vector<std::string>& refusals,
                                int treeCount) {
  const std::size_t count = refusals.size();
  const std::string trees = count == 1   ? "neotvorí 1 strom"
                            : count <= 4 ? "neotvoria " + std::to_string(count) + " stromy"
                                         : "neotvorí " + std::to_string(count) + " stromov";
  std::string text = "Zo súboru " + fileName + " sa " + trees + " z " + std::to_string(treeCount) + ":";
  for (const std::string& refusal : refusals) text += "\n" + refusal + ".";
  return text + "\nOstatné sa otvoria.";
}

std::vector<std::string> FillingBoxTexts(const std::vector<int>& filling) {
  std::vector<std::string> texts;
  for (int number : filling) texts.push_back(number == 0 ? std::string() : std::to_string(number));
  return texts;
}

std::string CannotOpenFileMessage(const std::string& path) { return FilePrefix + path + CannotOpenSuffix; }

std::string NotATreeFileMessage(const std::string& path, int line) {
  if (line <= 0) return FilePrefix + path + NotATreeSuffix + ".";
  return FilePrefix + path + NotATreeSuffix + LineWord + std::to_string(line) + ".";
}

std::string TooBigFileMessage(const std::string& path) { return FilePrefix + path + " je väčší ako 1 MB."; }

std::string TreeFileFailureMessage(const std::string& path, const TreeFileFailure& failure) {
  switch (failure.error) {
    case TreeFileError::TooBig:
      return TooBigFileMessage(path);
    case TreeFileError::Binary:
    case TreeFileError::NotUtf8:
      return CannotOpenFileMessage(path);
    case TreeFileError::NoTree:
      return NotATreeFileMessage(path, 0);
    default:
      return NotATreeFileMessage(path, failure.line);
  }
}

std::string SaveFailedMessage(const std::string& path) { return SaveFailedPrefix + path + "."; }
