#pragma once

// Adds the check of every tree of 20 vertices (one and two workers) to the benchmarks to run; left
// out of the default run for its length.
void RegisterAllTreesOf20();
