#include "files/Graph6.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr int Bias = 63;

bool IsSixBitByte(char c) { return c >= Bias && c <= 126; }

// N(n): one byte for n <= 62, else 126 and three bytes, else 126, 126 and six bytes (big-endian,
// six bits a byte). Removes what it reads.
std::optional<long long> ReadVertexCount(std::string_view& text) {
  if (text.empty()) return std::nullopt;
  std::size_t width = 1;
  std::size_t from = 0;
  if (text[0] == 126) {
    const bool wide = text.size() > 1 && text[1] == 126;
    from = wide ? 2 : 1;
    width = wide ? 6 : 3;
  }
  if (text.size() < from + width) return std::nullopt;
  long long n = 0;
  for (std::size_t k = from; k < from + width; ++k) n = (n << 6) | (text[k] - Bias);
  text.remove_prefix(from + width);
  return n;
}

class BitReader {
 public:
  explicit BitReader(std::string_view bytes) : bytes_(bytes) {}
  std::size_t Left() const { return bytes_.size() * 6 - at_; }
  int Bit() {
    const int value = ((bytes_[at_ / 6] - Bias) >> (5 - at_ % 6)) & 1;
    ++at_;
    return value;
  }
  long long Bits(int count) {
    long long value = 0;
    for (int k = 0; k < count; ++k) value = (value << 1) | Bit();
    return value;
  }

 private:
  std::string_view bytes_;
  std::size_t at_ = 0;
};

Edge MakeEdge(long long a, long long b) {
  return {static_cast<std::uint8_t>(std::min(a, b) + 1), static_cast<std::uint8_t>(std::max(a, b) + 1)};
}

// The upper triangle by columns: (0,1), (0,2), (1,2), (0,3), ... then zeros up to six bits.
std::optional<SixFormatGraph> ReadGraph6(std::string_view text) {
  const std::optional<long long> n = ReadVertexCount(text);
  // A longer graph would not fit in a line of the largest file anyway, and n(n-1)/2 stays exact.
  if (!n || *n > 1'000'000) return std::nullopt;
  const long long pairs = *n * (*n - 1) / 2;
  if (static_cast<long long>(text.size()) != (pairs + 5) / 6) return std::nullopt;
  SixFormatGraph graph{*n, {}};
  BitReader bits(text);
  for (long long b = 1; b < *n; ++b) {
    for (long long a = 0; a < b; ++a) {
      if (bits.Bit() == 1 && *n <= MaxVertices) graph.edges.push_back(MakeEdge(a, b));
    }
  }
  if (bits.Bits(static_cast<int>(bits.Left())) != 0) return std::nullopt;
  return graph;
}

// Pairs (b, x) of 1 + k bits, k the bits of n-1: b = 1 moves the current vertex v on by one; then
// x > v moves v to x, else x-v is an edge (while v < n). The padding at the end is ones, after a
// zero where a one would read as the edge (n-1)-(n-1); a pair cut off by the end is dropped.
std::optional<SixFormatGraph> ReadSparse6(std::string_view text) {
  const std::optional<long long> n = ReadVertexCount(text);
  if (!n) return std::nullopt;
  SixFormatGraph graph{*n, {}};
  if (*n > MaxVertices) return graph;
  int k = 0;
  while ((1LL << k) < *n) ++k;
  BitReader bits(text);
  long long v = 0;
  while (bits.Left() >= static_cast<std::size_t>(k) + 1 && v < *n) {
    v += bits.Bit();
    const long long x = bits.Bits(k);
    if (x > v) {
      v = x;
    } else if (v < *n) {
      graph.edges.push_back(MakeEdge(x, v));
    }
  }
  return graph;
}

}  // namespace

std::optional<SixFormatGraph> ReadSixFormatLine(std::string_view line) {
  const bool graph6Header = line.starts_with(">>graph6<<");
  const bool sparse6Header = line.starts_with(">>sparse6<<");
  if (graph6Header) line.remove_prefix(10);
  if (sparse6Header) line.remove_prefix(11);
  const bool sparse = line.starts_with(':');
  if (sparse ? graph6Header : sparse6Header) return std::nullopt;
  if (sparse) line.remove_prefix(1);
  if (line.empty() || !std::all_of(line.begin(), line.end(), IsSixBitByte)) return std::nullopt;
  std::optional<SixFormatGraph> graph = sparse ? ReadSparse6(line) : ReadGraph6(line);
  if (graph) {
    std::sort(graph->edges.begin(), graph->edges.end(),
              [](const Edge& p, const Edge& q) { return p.a != q.a ? p.a < q.a : p.b < q.b; });
  }
  return graph;
}

std::string Graph6Line(int n, const std::vector<Edge>& edges) {
  n = std::clamp(n, 0, MaxVertices);
  std::uint32_t adjacent[MaxVertices] = {};
  for (const Edge& e : edges) {
    if (e.a < 1 || e.a > n || e.b < 1 || e.b > n || e.a == e.b) continue;
    adjacent[e.a - 1] |= std::uint32_t{1} << (e.b - 1);
  }
  std::string line(1, static_cast<char>(Bias + n));
  int bits = 0;
  int byte = 0;
  for (int b = 1; b < n; ++b) {
    for (int a = 0; a < b; ++a) {
      byte = (byte << 1) | static_cast<int>(((adjacent[a] >> b) | (adjacent[b] >> a)) & 1);
      if (++bits == 6) {
        line += static_cast<char>(Bias + byte);
        bits = byte = 0;
      }
    }
  }
  if (bits > 0) line += static_cast<char>(Bias + (byte << (6 - bits)));
  return line;
}
