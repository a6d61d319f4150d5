#pragma once

#include <array>
#include <cstdint>

// Vertex numbers are 1..20; labels are 1..n with 0 meaning "no label".
inline constexpr int MaxVertices = 20;
inline constexpr int EdgeSlotCount = 100;

struct Edge {
  std::uint8_t a = 0;
  std::uint8_t b = 0;
  friend bool operator==(const Edge&, const Edge&) = default;
};

// Slot k is edges[k] for k = 1..100; slot 0 is never used, so indices read like the edge-list lines.
using EdgeSlots = std::array<Edge, EdgeSlotCount + 1>;

// Entry v is the label of vertex v (1..20); entry 0 is unused.
using Labels = std::array<std::uint8_t, MaxVertices + 1>;

struct LayoutCircle {
  int CircleCentreX = 0;
  int CircleCentreY = 0;
  int CircleRadius = 0;
};
