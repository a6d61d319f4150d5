#!/usr/bin/env python3
"""Writes corpus/closest.txt: (tree, filling) pairs of 11-20 vertices for the closest graceful
labeling, one per line as `n a-b a-b ... | f1,f2,...,fn` (fk = the number in box k, 0 = empty),
grouped under `# kind` lines by the kind of filling. The seed is fixed, so running it again gives
the same file."""

import os
import random
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from make_corpus import caterpillar, line, path, prufer_tree, random_legs, shuffled, spider, star  # noqa: E402

SEED = 20240707
KINDS = ["empty", "few", "half", "full", "subset", "changed", "random"]


def random_graceful_labeling(n, edges, rng):
    """A graceful labeling of a tree found by a randomised search that realises the edge values
    from the largest down, each by a new vertex next to the labeled ones; restarts when stuck."""
    adj = {v: [] for v in range(1, n + 1)}
    for a, b in edges:
        adj[a].append(b)
        adj[b].append(a)
    while True:
        label, at = {}, {}
        budget = [20000]

        def extend(value):
            if value == 0:
                return True
            budget[0] -= 1
            if budget[0] < 0:
                return False
            options = []
            for low in range(1, n - value + 1):
                high = low + value
                if (low in at) == (high in at):
                    continue
                anchor, free = (at[low], high) if low in at else (at[high], low)
                options += [(u, free) for u in adj[anchor] if u not in label]
            rng.shuffle(options)
            for u, x in options:
                label[u], at[x] = x, u
                if extend(value - 1):
                    return True
                del label[u], at[x]
            return False

        a, b = rng.choice(edges)
        if rng.random() < 0.5:
            a, b = b, a
        label[a], label[b], at[1], at[n] = 1, n, a, b
        if extend(n - 2):
            return [label[v] for v in range(1, n + 1)]


def random_boxes(n, count, rng):
    filling = [0] * n
    labels = rng.sample(range(1, n + 1), count)
    for v, x in zip(rng.sample(range(n), count), labels):
        filling[v] = x
    return filling


def changed(labeling, rng):
    """The labeling with 1-3 boxes changed: two or three boxes trade numbers, or one box takes
    the number of another box, which is emptied."""
    n = len(labeling)
    filling = list(labeling)
    count = rng.randint(1, 3)
    if count == 1:
        v, w = rng.sample(range(n), 2)
        filling[v], filling[w] = filling[w], 0
    else:
        vertices = rng.sample(range(n), count)
        for k, v in enumerate(vertices):
            filling[v] = labeling[vertices[(k + 1) % count]]
    return filling


def fillings(n, labeling, rng):
    return {
        "empty": [0] * n,
        "few": random_boxes(n, rng.randint(1, 3), rng),
        "half": random_boxes(n, n // 2, rng),
        "full": random_boxes(n, n, rng),
        "subset": [x if rng.random() < rng.choice((0.3, 0.5, 0.8)) else 0 for x in labeling],
        "changed": changed(labeling, rng),
        "random": random_boxes(n, rng.randint(0, n), rng),
    }


def trees(rng):
    result = []
    for n in range(11, 21):
        for _ in range(5):
            result.append((n, shuffled(n, prufer_tree(n, rng), rng)))
        result.append((n, spider(random_legs(n - 1, rng))))
        spine = rng.randint(3, n // 2)
        leaves = [0] * spine
        for _ in range(n - spine):
            leaves[rng.randrange(spine)] += 1
        result.append((n, caterpillar(spine, leaves)))
        result.append((n, [path, star][n % 2](n)))
    return result


def main():
    rng = random.Random(SEED)
    pairs = {kind: [] for kind in KINDS}
    for n, edges in trees(rng):
        labeling = random_graceful_labeling(n, edges, rng)
        for kind, filling in fillings(n, labeling, rng).items():
            pairs[kind].append(line(n, edges) + " | " + ",".join(map(str, filling)))
    with open(sys.argv[1] if len(sys.argv) > 1 else "corpus/closest.txt", "w") as out:
        for kind in KINDS:
            out.write(f"# {kind}\n")
            for pair in pairs[kind]:
                out.write(pair + "\n")


if __name__ == "__main__":
    main()
