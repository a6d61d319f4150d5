#include "tree/RootedForest.h"

#include <algorithm>
#include <deque>

namespace {

using Adjacency = std::vector<std::vector<int>>;

struct Search {
  std::vector<int> distance;  // -1 where not reached
  std::vector<int> from;
};

Search BreadthFirst(const Adjacency& adjacency, int start) {
  Search search{std::vector<int>(adjacency.size(), -1), std::vector<int>(adjacency.size(), 0)};
  std::deque<int> queue{start};
  search.distance[start] = 0;
  while (!queue.empty()) {
    const int v = queue.front();
    queue.pop_front();
    for (int w : adjacency[v]) {
      if (search.distance[w] >= 0) continue;
      search.distance[w] = search.distance[v] + 1;
      search.from[w] = v;
      queue.push_back(w);
    }
  }
  return search;
}

// The reached vertex farthest from the start; the lowest one of several.
int Farthest(const Search& search) {
  int far = 0;
  for (int v = 1; v < static_cast<int>(search.distance.size()); ++v) {
    if (search.distance[v] >= 0 && (far == 0 || search.distance[v] > search.distance[far])) far = v;
  }
  return far;
}

// The middle of a longest path of the tree holding `start`.
int Centre(const Adjacency& tree, int start) {
  const int end = Farthest(BreadthFirst(tree, start));
  const Search fromEnd = BreadthFirst(tree, end);
  std::vector<int> path{Farthest(fromEnd)};
  while (path.back() != end) path.push_back(fromEnd.from[path.back()]);
  const std::size_t length = path.size() - 1;
  if (length % 2 == 0) return path[length / 2];
  return std::min(path[length / 2], path[length / 2 + 1]);
}

}  // namespace

RootedForest RootAtCentres(int n, const std::vector<Edge>& edges) {
  RootedForest forest;
  forest.neighbours.assign(n + 1, {});
  for (const Edge& e : edges) {
    if (e.a < 1 || e.a > n || e.b < 1 || e.b > n || e.a == e.b) continue;
    forest.neighbours[e.a].push_back(e.b);
    forest.neighbours[e.b].push_back(e.a);
  }
  for (std::vector<int>& list : forest.neighbours) {
    std::sort(list.begin(), list.end());
    list.erase(std::unique(list.begin(), list.end()), list.end());
  }

  // Spanning trees of the components, breadth-first from their lowest vertices.
  Adjacency tree(n + 1);
  std::vector<int> lowest;
  std::vector<bool> seen(n + 1, false);
  for (int s = 1; s <= n; ++s) {
    if (seen[s]) continue;
    lowest.push_back(s);
    const Search search = BreadthFirst(forest.neighbours, s);
    for (int v = 1; v <= n; ++v) {
      if (search.distance[v] < 0) continue;
      seen[v] = true;
      if (v == s) continue;
      tree[v].push_back(search.from[v]);
      tree[search.from[v]].push_back(v);
    }
  }

  forest.children.assign(n + 1, {});
  forest.parent.assign(n + 1, 0);
  forest.depth.assign(n + 1, 0);
  forest.depth[0] = -1;
  for (int s : lowest) {
    const int root = Centre(tree, s);
    forest.children[0].push_back(root);
    const Search search = BreadthFirst(tree, root);
    for (int v = 1; v <= n; ++v) {
      if (search.distance[v] < 0) continue;
      forest.depth[v] = search.distance[v];
      forest.maxDepth = std::max(forest.maxDepth, search.distance[v]);
      if (v == root) continue;
      forest.parent[v] = search.from[v];
      forest.children[search.from[v]].push_back(v);  // v ascending keeps the children in order
    }
  }
  return forest;
}
