#pragma once

#include <string>
#include <vector>

#include "tree/TreeModel.h"

// What the squares of a checked filling say, in one sentence (labels[v] = the number in box v,
// 0 = empty; validated: numbers 1..n, none twice). E.g. "Graciózne ohodnotenie: hodnoty hrán sú 1 až
// 11, každá raz." or "Hodnoty 4 a 7 chýbajú, 2 a 5 sa opakujú. (F4: poradiť)".
std::string CheckVerdict(int n, const std::vector<Edge>& edges, const Labels& labels);

// The words a screen reader gives the pictures. The bare tree: "Strom s 4 vrcholmi, hrany: 1–2, 2–3,
// 3–4."; the checked tree: each edge with its value and whether it is unique, repeated or not yet
// known; a table of label pairs: which values its dots cover.
std::string TreeDescription(int n, const std::vector<Edge>& edges);
std::string EdgeValuesDescription(const std::vector<Edge>& edges, const Labels& labels);
std::string CoveredValuesDescription(int n, const std::vector<Edge>& edges, const Labels& labels);
