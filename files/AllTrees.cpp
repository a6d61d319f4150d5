#include "files/AllTrees.h"

#include <algorithm>

#include "tree/CrossingFree.h"

namespace {

// Larger than any index of a sequence and than n + 1.
constexpr int Unset = MaxVertices + 10;

}  // namespace

long long FreeTreeCount(int n) {
  static constexpr long long Counts[] = {0,   1,   1,    1,    2,    3,     6,     11,     23,     47,    106,
                                         235, 551, 1301, 3159, 7741, 19320, 48629, 123867, 317955, 823065};
  return n >= 1 && n <= MaxVertices ? Counts[n] : 0;
}

FreeTreeGenerator::FreeTreeGenerator(int n) : n_(std::clamp(n, MinAllTreesVertices, MaxAllTreesVertices)) {
  // The first tree is the path, rooted at a centre, with one arm as the first subtree.
  const int k = n_ / 2 + 1;
  for (int i = 1; i <= n_; ++i) {
    level_[i] = i <= k ? i : i - k + 1;
    parent_[i] = i - 1;
  }
  if (k + 1 <= n_) parent_[k + 1] = 1;
  p_ = n_ == 4 ? 3 : n_;
  q_ = parent_[p_];
  h1_ = k;
  h2_ = n_;
  r_ = k;
  c_ = n_ % 2 == 0 ? n_ + 1 : Unset;
  // Up to three vertices the path is the only tree.
  last_ = n_ <= 3;
}

void FreeTreeGenerator::Next() {
  if (!valid_) return;
  if (last_) {
    valid_ = false;
    return;
  }
  const int n = n_;
  int* const L = level_;
  int* const W = parent_;
  int p = p_;
  int q = q_;
  int h1 = h1_;
  int h2 = h2_;
  int c = c_;
  int r = r_;
  // Whether the first subtree changes and the rest becomes the path of its height, and which of r,
  // h2 and c the rewrite from p on must find again.
  bool pathAsRest = false;
  bool needR = false;
  bool needC = false;
  bool needH2 = false;

  // The plain successor of rooted trees would change vertex p. It is no tree of the enumeration when
  // the rest would become equal to the first subtree and then smaller, or lose its height where the
  // sizes of the two halves forbid that; then the first subtree takes its next shape instead.
  const bool bicentral = L[h1] == L[h2] + 1;
  const bool unicentral = L[h1] == L[h2];
  if (c == n + 1 || (p == h2 && ((bicentral && n - h2 > r - h1) || (unicentral && n - h2 + 1 < r - h1)))) {
    if (L[r] > 3) {
      // The first subtree's own successor, at its last vertex.
      p = r;
      q = W[r];
      if (h1 == r) --h1;
      pathAsRest = true;
    } else {
      // Its last vertex is a child of its root: it loses that vertex, and the rest repeats it.
      p = r;
      --r;
      q = 2;
    }
  }
  if (p <= h1) h1 = p - 1;
  if (p <= r) {
    needR = true;
  } else if (p <= h2) {
    needH2 = true;
  } else if (L[h2] == L[h1] - 1 && n - h2 == r - h1) {
    if (p <= c) needC = true;
  } else {
    c = Unset;
  }

  // From p on, the sequence repeats the part from q to p-1.
  const int oldP = p;
  const int delta = q - p;
  const int oldLevelQ = L[q];
  const int oldParentQ = W[q];
  p = Unset;
  for (int i = oldP; i <= n; ++i) {
    L[i] = L[i + delta];
    if (L[i] == 2) {
      W[i] = 1;
    } else {
      p = i;
      q = L[i] == oldLevelQ ? oldParentQ : W[i + delta] - delta;
      W[i] = q;
    }
    if (needR && L[i] == 2) {
      needR = false;
      needH2 = true;
      r = i - 1;
    }
    if (needH2 && L[i] <= L[i - 1] && i > r + 1) {
      needH2 = false;
      h2 = i - 1;
      if (L[h2] == L[h1] - 1 && n - h2 == r - h1) {
        needC = true;
      } else {
        c = Unset;
      }
    }
    if (needC) {
      if (L[i] != L[h1 - h2 + i] - 1) {
        needC = false;
        c = i;
      } else {
        c = i + 1;
      }
    }
  }
  if (pathAsRest) {
    // The first subtree keeps as much of the repetition as leaves room for a rest of its height: a
    // path.
    r = n - h1 + 1;
    for (int i = r + 1; i <= n; ++i) {
      L[i] = i - r + 1;
      W[i] = i - 1;
    }
    W[r + 1] = 1;
    h2 = n;
    p = n;
    q = p - 1;
    c = Unset;
  } else {
    if (p == Unset) {
      p = L[oldP - 1] != 2 ? oldP - 1 : oldP - 2;
      q = W[p];
    }
    if (needH2) {
      h2 = n;
      c = L[h2] == L[h1] - 1 && h1 == r ? n + 1 : Unset;
    }
  }
  p_ = p;
  q_ = q;
  h1_ = h1;
  h2_ = h2;
  c_ = c;
  r_ = r;
  ++index_;
  // Only the star has no vertex below the centre's children.
  last_ = q == 0;
}

void FreeTreeGenerator::SkipTo(long long index) {
  while (valid_ && index_ < index) Next();
}

void FreeTreeGenerator::Fill(NumberedTree& tree) const {
  tree.n = n_;
  tree.index = index_;
  tree.edges.clear();
  for (int v = 2; v <= n_; ++v) {
    tree.edges.push_back({static_cast<std::uint8_t>(parent_[v]), static_cast<std::uint8_t>(v)});
  }
  // The level sequence is already a depth-first order, so this keeps the numbers; it is what makes
  // the promise of no crossings hold whatever the order of the sequence.
  tree.edges = RenumberEdges(tree.edges, CrossingFreeNumbering(n_, tree.edges));
}

long long VisitFreeTrees(int n, const std::function<bool(const NumberedTree&)>& visit, long long first,
                         long long count) {
  FreeTreeGenerator generator(n);
  generator.SkipTo(first);
  NumberedTree tree;
  long long visited = 0;
  for (; generator.Valid() && (count < 0 || visited < count); generator.Next()) {
    generator.Fill(tree);
    ++visited;
    if (!visit(tree)) break;
  }
  return visited;
}

std::vector<NumberedTree> AllFreeTrees(int n) {
  std::vector<NumberedTree> trees;
  VisitFreeTrees(n, [&trees](const NumberedTree& tree) {
    trees.push_back(tree);
    return true;
  });
  return trees;
}
