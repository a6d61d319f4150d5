#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/TreeFile.h"
#include "files/Utf8.h"
#include "fuzz/FuzzCheck.h"

namespace {

// UTF-8 checked apart from the reader's validator: decode each code point and reject what is
// overlong, a surrogate or past U+10FFFF.
std::optional<std::size_t> ReferenceUtf8Fault(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const int length = lead < 0x80         ? 1
                       : lead >> 5 == 0x6  ? 2
                       : lead >> 4 == 0xE  ? 3
                       : lead >> 3 == 0x1E ? 4
                                           : 0;
    if (length == 0 || i + static_cast<std::size_t>(length) > text.size()) return i;
    std::uint32_t point = length == 1 ? lead : lead & (0x7F >> length);
    for (int k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
      if (next >> 6 != 0x2) return i;
      point = point << 6 | (next & 0x3F);
    }
    const std::uint32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
    if (point < least[length] || (point >= 0xD800 && point <= 0xDFFF) || point > 0x10FFFF) return i;
    i += static_cast<std::size_t>(length);
  }
  return std::nullopt;
}

bool IsEdgeLine(const std::string& line) {
  const std::size_t blank = line.find(' ');
  return blank != std::string::npos && fuzz::ReferenceInt(std::string_view(line).substr(0, blank)) &&
         fuzz::ReferenceInt(std::string_view(line).substr(blank + 1));
}

}  // namespace

// The input is the bytes of a tree file.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const TreeFileReading reading = ReadTreeFile(bytes);
  const std::optional<std::size_t> utf8Fault = ReferenceUtf8Fault(bytes);
  FUZZ_CHECK(FirstInvalidUtf8Byte(bytes) == utf8Fault);

  if (reading.failure) {
    FUZZ_CHECK(reading.trees.empty());
    const TreeFileError error = reading.failure->error;
    const int line = reading.failure->line;
    FUZZ_CHECK((error == TreeFileError::TooBig) == (size > MaxTreeFileBytes));
    if (size > MaxTreeFileBytes) return 0;
    FUZZ_CHECK((error == TreeFileError::Binary) == (bytes.find('\0') != std::string_view::npos));
    if (error != TreeFileError::Binary)
      FUZZ_CHECK((error == TreeFileError::NotUtf8) == utf8Fault.has_value());
    FUZZ_CHECK((line == 0) == (error == TreeFileError::TooBig || error == TreeFileError::NoTree));
    FUZZ_CHECK(line <= 1 + static_cast<int>(std::count(bytes.begin(), bytes.end(), '\n')));
    return 0;
  }
  FUZZ_CHECK(!reading.trees.empty() && size <= MaxTreeFileBytes && !utf8Fault);
  FUZZ_CHECK(reading.sources.size() == reading.trees.size());
  std::vector<std::vector<std::string>> fillings;
  for (std::size_t t = 0; t < reading.trees.size(); ++t) {
    const FileTree& tree = reading.trees[t];
    const TreeSource& source = reading.sources[t];
    fillings.emplace_back();
    // A graph of the wrong size has no edge lines, and the window refuses it alone.
    FUZZ_CHECK(source.wrongSize == tree.edgeLines.empty());
    if (source.wrongSize) {
      FUZZ_CHECK(TreeRefusal(tree, source).has_value());
      continue;
    }
    for (const std::string& line : tree.edgeLines) FUZZ_CHECK(IsEdgeLine(line));
    const std::vector<int> filling = tree.filling.value_or(std::vector<int>{});
    FUZZ_CHECK(filling.size() <= 20 && filling.size() <= tree.edgeLines.size() + 1);
    for (int number : filling) FUZZ_CHECK(number >= 0 && number <= 99);
    // What the window would save of this tree reads back the same.
    const TreeFileReading again = ReadTreeFile(TreeFileText(tree.edgeLines, FillingBoxTexts(filling)));
    FUZZ_CHECK(!again.failure && again.trees.size() == 1);
    FUZZ_CHECK(again.trees[0].edgeLines == tree.edgeLines && again.trees[0].filling == filling);
    // A filling changed by the student, for the whole set below: the numbers shifted by one.
    for (int number : filling) fillings.back().push_back(std::to_string((number + 1) % 100));
  }
  // The whole set written back, with its comments and the new fillings, reads back as the same
  // trees with those fillings.
  const TreeFileReading set = ReadTreeFile(TreeFileDocumentText(reading, fillings));
  FUZZ_CHECK(!set.failure && set.trees.size() == reading.trees.size());
  for (std::size_t t = 0; t < reading.trees.size(); ++t) {
    FUZZ_CHECK(set.trees[t].edgeLines == reading.trees[t].edgeLines);
    FUZZ_CHECK(set.sources[t].wrongSize == reading.sources[t].wrongSize);
    if (!fillings[t].empty()) {
      FUZZ_CHECK(set.trees[t].filling == FillingNumbers(fillings[t], reading.trees[t].edgeLines.size() + 1));
    } else if (!reading.sources[t].wrongSize) {
      const std::vector<int> before = reading.trees[t].filling.value_or(std::vector<int>{});
      FUZZ_CHECK(set.trees[t].filling.value_or(std::vector<int>{}) == before);
    }
  }
  return 0;
}
