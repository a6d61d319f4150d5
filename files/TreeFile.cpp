#include "files/TreeFile.h"

#include <algorithm>

#include "files/Graph6.h"
#include "files/Utf8.h"
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
      block_[*edgeTree_].edgeLines.emplace_back(line);
      return std::nullopt;
    }
    const std::optional<SixFormatGraph> graph = ReadSixFormatLine(line);
    if (!graph) return TreeFileFailure{TreeFileError::UnknownLine, number};
    if (graph->vertexCount < 2 || graph->vertexCount > MaxVertices)
      return TreeFileFailure{TreeFileError::VertexCount, number};
    if (static_cast<long long>(graph->edges.size()) != graph->vertexCount - 1)
      return TreeFileFailure{TreeFileError::NotATree, number};
    FileTree& tree = block_.emplace_back();
    for (const Edge& e : graph->edges)
      tree.edgeLines.push_back(std::to_string(e.a) + " " + std::to_string(e.b));
    return std::nullopt;
  }

  std::optional<TreeFileFailure> EndBlock() {
    if (filling_) {
      const TreeFileFailure bad{TreeFileError::BadFilling, fillingLine_};
      if (block_.size() != 1) return bad;
      if (filling_->size() > block_.front().edgeLines.size() + 1) return bad;
      block_.front().filling = std::move(filling_);
    }
    for (FileTree& tree : block_) trees_.push_back(std::move(tree));
    block_.clear();
    edgeTree_.reset();
    filling_.reset();
    return std::nullopt;
  }

  std::vector<FileTree> Trees() { return std::move(trees_); }

 private:
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
  std::vector<FileTree> block_;
  std::optional<std::size_t> edgeTree_;
  std::optional<std::vector<int>> filling_;
  int fillingLine_ = 0;
};

int LineOfOffset(std::string_view bytes, std::size_t offset) {
  return 1 + static_cast<int>(
                 std::count(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(offset), '\n'));
}

TreeFileReading Failed(TreeFileError error, int line = 0) { return {{}, TreeFileFailure{error, line}}; }

}  // namespace

TreeFileReading ReadTreeFile(std::string_view bytes) {
  if (bytes.size() > MaxTreeFileBytes) return Failed(TreeFileError::TooBig);
  if (const std::size_t zero = bytes.find('\0'); zero != std::string_view::npos)
    return Failed(TreeFileError::Binary, LineOfOffset(bytes, zero));
  if (const std::optional<std::size_t> bad = FirstInvalidUtf8Byte(bytes))
    return Failed(TreeFileError::NotUtf8, LineOfOffset(bytes, *bad));
  if (bytes.starts_with(ByteOrderMark)) bytes.remove_prefix(ByteOrderMark.size());

  Reader reader;
  int number = 0;
  while (!bytes.empty()) {
    const std::size_t feed = bytes.find('\n');
    std::string_view line = bytes.substr(0, feed);
    bytes.remove_prefix(feed == std::string_view::npos ? bytes.size() : feed + 1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (const auto failure = reader.Line(line, ++number)) return {{}, failure};
  }
  if (const auto failure = reader.EndBlock()) return {{}, failure};
  TreeFileReading reading{reader.Trees(), std::nullopt};
  if (reading.trees.empty()) return Failed(TreeFileError::NoTree);
  return reading;
}

std::string TreeFileText(const std::vector<std::string>& edgeLines,
                         const std::vector<std::string>& boxTexts) {
  const std::size_t n = edgeLines.size() + 1;
  std::string text = "# Strom s " + std::to_string(n) + " vrcholmi\n";
  for (const std::string& line : edgeLines) text += line + "\n";
  text += "# " + FillingMarker;
  const std::size_t count = std::min({boxTexts.size(), n, static_cast<std::size_t>(MaxVertices)});
  for (std::size_t v = 0; v < count; ++v) {
    const std::optional<std::int32_t> number = boxTexts[v].empty() ? 0 : ConvertToInt(boxTexts[v]);
    const bool fits = number && *number >= 0 && *number <= MaxFillingNumber;
    text += " " + std::to_string(fits ? *number : 0);
  }
  return text + "\n";
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

std::string TreeFileFailureMessage(const std::string& path, const TreeFileFailure& failure) {
  switch (failure.error) {
    case TreeFileError::TooBig:
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
