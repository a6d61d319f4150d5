#!/usr/bin/env python3
"""Writes corpus/trees.txt: the trees the search is measured and checked on, one per line as
`n a-b a-b ...`, corpus/hard-trees.txt: more spiders of 14-20 vertices, the shape the ordered
search finds hardest, checked for exactness but kept out of the timing statistics, and
corpus/hard-corpus.txt: over a thousand trees of 14-20 vertices in the shapes and numberings that
are hard for the ordered search, in families (`# family NAME` above each), for the benchmark. The
seeds are fixed, so running it again gives the same files."""

import random
import sys

SEED = 20240531
HARD_SEED = 20240612
BENCH_SEED = 20261208


def prufer_tree(n, rng):
    if n == 2:
        return [(1, 2)]
    seq = [rng.randint(1, n) for _ in range(n - 2)]
    degree = [1] * (n + 1)
    for v in seq:
        degree[v] += 1
    edges = []
    for v in seq:
        leaf = min(u for u in range(1, n + 1) if degree[u] == 1)
        edges.append((leaf, v))
        degree[leaf] -= 1
        degree[v] -= 1
    rest = [u for u in range(1, n + 1) if degree[u] == 1]
    edges.append((rest[0], rest[1]))
    return edges


def shuffled(n, edges, rng):
    """Random vertex numbers, edge order and orientation."""
    perm = list(range(1, n + 1))
    rng.shuffle(perm)
    out = [(perm[a - 1], perm[b - 1]) for a, b in edges]
    out = [(b, a) if rng.random() < 0.5 else (a, b) for a, b in out]
    rng.shuffle(out)
    return out


def path(n):
    return [(v, v + 1) for v in range(1, n)]


def star(n):
    return [(1, v) for v in range(2, n + 1)]


def spider(legs):
    """Centre 1, then the legs numbered outward one after another."""
    edges, nxt = [], 2
    for length in legs:
        prev = 1
        for _ in range(length):
            edges.append((prev, nxt))
            prev, nxt = nxt, nxt + 1
    return edges


def spider_inward(legs):
    """Each leg numbered from its tip towards the centre, which comes last."""
    n = sum(legs) + 1
    edges, nxt = [], 1
    for length in legs:
        for k in range(length):
            edges.append((nxt, nxt + 1 if k < length - 1 else n))
            nxt += 1
    return edges


def caterpillar(spine, leaves):
    edges = path(spine)
    nxt = spine + 1
    for i, count in enumerate(leaves):
        for _ in range(count):
            edges.append((i + 1, nxt))
            nxt += 1
    return edges


def broom(handle, bristles):
    edges = path(handle)
    for k in range(bristles):
        edges.append((handle, handle + 1 + k))
    return edges


def binary_tree(n):
    """Heap numbering: the children of v are 2v and 2v+1."""
    return [(v // 2, v) for v in range(2, n + 1)]


def renumber_dfs(n, edges):
    adj = {v: [] for v in range(1, n + 1)}
    for a, b in edges:
        adj[a].append(b)
        adj[b].append(a)
    order, stack, seen = [], [1], set()
    while stack:
        v = stack.pop()
        if v in seen:
            continue
        seen.add(v)
        order.append(v)
        stack.extend(sorted(adj[v], reverse=True))
    num = {v: i + 1 for i, v in enumerate(order)}
    return [(num[a], num[b]) for a, b in edges]


def random_legs(total, rng):
    legs = []
    while total > 0:
        length = min(total, rng.randint(1, 4))
        legs.append(length)
        total -= length
    return legs


def hard_trees():
    rng = random.Random(HARD_SEED)
    trees = []
    for n in range(14, 21):
        for length in (2, 3, 4):
            legs = [length] * ((n - 1) // length)
            if sum(legs) < n - 1:
                legs.append(n - 1 - sum(legs))
            trees.append((n, spider(legs)))
            if legs[::-1] != legs:
                trees.append((n, spider(legs[::-1])))
        for _ in range(4):
            trees.append((n, spider(random_legs(n - 1, rng))))
        for _ in range(2):
            trees.append((n, spider_inward(random_legs(n - 1, rng))))
    return trees


def partitions(total, parts, smallest=1):
    """The ways to write total as `parts` numbers >= smallest, in rising order."""
    if parts == 1:
        if total >= smallest:
            yield [total]
        return
    for first in range(smallest, total // parts + 1):
        for rest in partitions(total - first, parts - 1, first):
            yield [first] + rest


def leg_orders(legs, count, rng):
    """Up to `count` distinct orders of the legs: rising, falling, then random ones."""
    orders = [tuple(legs), tuple(reversed(legs))]
    for _ in range(20 * count):
        shuffled_legs = legs[:]
        rng.shuffle(shuffled_legs)
        orders.append(tuple(shuffled_legs))
    distinct = []
    for order in orders:
        if order not in distinct:
            distinct.append(order)
    return [list(order) for order in distinct[:count]]


def lobster(spine, hangers):
    """A path 1..spine numbered first, then for each spine vertex in turn its pendant paths of length
    1 or 2, each numbered outward."""
    edges = path(spine)
    nxt = spine + 1
    for i, lengths in enumerate(hangers):
        for length in lengths:
            prev = i + 1
            for _ in range(length):
                edges.append((prev, nxt))
                prev, nxt = nxt, nxt + 1
    return edges


def along_spine(spine, hangers):
    """The same lobster numbered in one walk along the spine: each spine vertex, then its hangers."""
    edges, nxt, prev_spine = [], 1, None
    for lengths in hangers:
        here = nxt
        nxt += 1
        if prev_spine is not None:
            edges.append((prev_spine, here))
        for length in lengths:
            prev = here
            for _ in range(length):
                edges.append((prev, nxt))
                prev, nxt = nxt, nxt + 1
        prev_spine = here
    return edges


def renumbered(n, edges, order):
    """Vertex order[k] gets number k+1."""
    num = {v: k + 1 for k, v in enumerate(order)}
    return [(num[a], num[b]) for a, b in edges]


def path_numberings(n, rng):
    """The path in several numberings: along it, from the middle outward, odd places then even
    places, both ends inward, and random."""
    middle_out = [n // 2 + (k + 1) // 2 * (1 if k % 2 else -1) for k in range(n)]
    odd_even = list(range(1, n + 1, 2)) + list(range(2, n + 1, 2))
    ends_in = [v for pair in zip(range(1, n + 1), range(n, 0, -1)) for v in pair][:n]
    seen, ends = set(), []
    for v in ends_in:
        if v not in seen:
            seen.add(v)
            ends.append(v)
    out = [path(n)]
    for order in (middle_out, odd_even, ends):
        if sorted(order) == list(range(1, n + 1)):
            out.append(renumbered(n, path(n), order))
    for _ in range(3):
        out.append(shuffled(n, path(n), rng))
    return out


def double_broom(left, handle, right):
    """A path of `handle` vertices with `left` leaves at its first and `right` at its last vertex."""
    edges = path(handle)
    nxt = handle + 1
    for _ in range(left):
        edges.append((1, nxt))
        nxt += 1
    for _ in range(right):
        edges.append((handle, nxt))
        nxt += 1
    return edges


def hard_corpus():
    rng = random.Random(BENCH_SEED)
    families = {}
    spiders = families.setdefault("spider", [])
    for n in range(18, 21):
        for parts in range(3, 7):
            for legs in partitions(n - 1, parts):
                for order in leg_orders(legs, 1 + (rng.random() < 0.4), rng):
                    spiders.append((n, spider(order)))
    lobsters = families.setdefault("caterpillar", [])
    for _ in range(180):
        n = rng.randint(14, 20)
        spine = rng.randint(4, n // 2 + 1)
        hangers = [[] for _ in range(spine)]
        left = n - spine
        lobster_like = rng.random() < 0.5
        while left > 0:
            length = min(left, rng.choice((1, 2)) if lobster_like else 1)
            hangers[rng.randrange(spine)].append(length)
            left -= length
        build = lobster if rng.random() < 0.5 else along_spine
        lobsters.append((n, build(spine, hangers)))
    paths = families.setdefault("path", [])
    for n in range(14, 21):
        paths.extend((n, edges) for edges in path_numberings(n, rng))
    brooms = families.setdefault("broom", [])
    for n in range(14, 21):
        for handle in range(2, n - 1, 2):
            brooms.append((n, broom(handle, n - handle)))
            brooms.append((n, shuffled(n, broom(handle, n - handle), rng)))
        for _ in range(8):
            handle = rng.randint(2, n - 2)
            left = rng.randint(1, n - handle - 1)
            brooms.append((n, double_broom(left, handle, n - handle - left)))
    randoms = families.setdefault("random", [])
    for n in range(14, 21):
        for _ in range(40):
            randoms.append((n, shuffled(n, prufer_tree(n, rng), rng)))
    return families


def line(n, edges):
    return f"{n} " + " ".join(f"{a}-{b}" for a, b in edges)


def main():
    rng = random.Random(SEED)
    trees = []
    for n in range(2, 21):
        for _ in range(3 if n <= 4 else 8 if n <= 10 else 20):
            trees.append((n, shuffled(n, prufer_tree(n, rng), rng)))
    for n in range(2, 21):
        trees.append((n, path(n)))
    for n in (5, 9, 12, 15, 20):
        trees.append((n, shuffled(n, path(n), rng)))
    for n in (3, 6, 10, 11, 14, 17, 20):
        trees.append((n, star(n)))
        trees.append((n, shuffled(n, star(n), rng)))
    for n in (8, 11, 13, 16, 19):
        spine = rng.randint(3, n // 2)
        leaves = [0] * spine
        for _ in range(n - spine):
            leaves[rng.randrange(spine)] += 1
        trees.append((n, caterpillar(spine, leaves)))
        trees.append((n, shuffled(n, caterpillar(spine, leaves), rng)))
    for n in (7, 11, 14, 18, 20):
        handle = rng.randint(2, n - 2)
        trees.append((n, broom(handle, n - handle)))
        trees.append((n, shuffled(n, broom(handle, n - handle), rng)))
    for n in (7, 10, 12, 15, 20):
        trees.append((n, binary_tree(n)))
        trees.append((n, renumber_dfs(n, binary_tree(n))))
        trees.append((n, shuffled(n, binary_tree(n), rng)))
    for n in (9, 12, 16):
        trees.append((n, spider(random_legs(n - 1, rng))))
    for n in (18, 19, 20):
        for _ in range(12):
            trees.append((n, spider(random_legs(n - 1, rng))))
        for length in (2, 3):
            legs = [length] * ((n - 1) // length)
            if sum(legs) < n - 1:
                legs.append(n - 1 - sum(legs))
            trees.append((n, spider(legs)))
    with open(sys.argv[1] if len(sys.argv) > 1 else "corpus/trees.txt", "w") as out:
        for n, edges in trees:
            out.write(line(n, edges) + "\n")
    known = {line(n, edges) for n, edges in trees}
    with open(sys.argv[2] if len(sys.argv) > 2 else "corpus/hard-trees.txt", "w") as out:
        for n, edges in hard_trees():
            if line(n, edges) not in known:
                out.write(line(n, edges) + "\n")
    with open(sys.argv[3] if len(sys.argv) > 3 else "corpus/hard-corpus.txt", "w") as out:
        out.write("# tree families of 14-20 vertices that are hard for the ordered search; "
                  "written by scripts/make_corpus.py\n")
        for family, members in hard_corpus().items():
            out.write(f"# family {family}\n")
            for n, edges in members:
                out.write(line(n, edges) + "\n")


if __name__ == "__main__":
    main()
