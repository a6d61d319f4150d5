#include "check/Verdict.h"

#include "check/Evaluation.h"
#include "tree/NumberList.h"

namespace {

// Never broken between its two words when the sentence wraps.
constexpr const char* HintPointer = " (F4:\u00a0poradiť)";

// "Hodnota 3 chýba" or "Hodnoty 3 a 5 chýbajú": the verb agrees with how many values there are.
std::string Values(const std::vector<int>& values, const char* one, const char* several) {
  return (values.size() == 1 ? "Hodnota " : "Hodnoty ") + NumberList(values) +
         (values.size() == 1 ? one : several);
}

// "chýba 1 číslo", "chýbajú 3 čísla", "chýba 5 čísel"
std::string MissingNumbers(int count) {
  if (count == 1) return "chýba 1 číslo";
  if (count <= 4) return "chýbajú " + std::to_string(count) + " čísla";
  return "chýba " + std::to_string(count) + " čísel";
}

}  // namespace

std::string CheckVerdict(int n, const std::vector<Edge>& edges, const Labels& labels) {
  const Evaluation evaluation = EvaluateEdges(edges, labels);
  int empty = 0;
  for (int v = 1; v <= n; ++v) empty += labels[v] == 0;
  std::vector<int> repeated, missing;
  for (int d = 1; d <= n - 1; ++d) {
    if (evaluation.counts[d] > 1) repeated.push_back(d);
    if (evaluation.counts[d] == 0) missing.push_back(d);
  }
  if (empty == 0) {
    if (repeated.empty()) {
      return n == 2 ? "Graciózne ohodnotenie: hodnota hrany je 1."
                    : "Graciózne ohodnotenie: hodnoty hrán sú 1 až " + std::to_string(n - 1) + ", každá raz.";
    }
    // n - 1 values over n - 1 edges: a value repeated leaves another missing.
    return Values(missing, " chýba, ", " chýbajú, ") + NumberList(repeated) +
           (repeated.size() == 1 ? " sa opakuje." : " sa opakujú.") + HintPointer;
  }
  if (empty == n) return std::string("Zatiaľ nie je vyplnené žiadne číslo.") + HintPointer;
  if (!repeated.empty()) return Values(repeated, " sa už opakuje.", " sa už opakujú.") + HintPointer;
  return "Zatiaľ bez chyby; " + MissingNumbers(empty) + "." + HintPointer;
}

std::string TreeDescription(int n, const std::vector<Edge>& edges) {
  if (edges.empty()) return "Zostal jeden vrchol bez hrán.";
  return "Strom s " + std::to_string(n) + " vrcholmi, hrany: " + EdgeNames(edges) + ".";
}

std::string EdgeValuesDescription(const std::vector<Edge>& edges, const Labels& labels) {
  const Evaluation evaluation = EvaluateEdges(edges, labels);
  std::string text;
  for (std::size_t k = 0; k < edges.size(); ++k) {
    const EdgeResult& edge = evaluation.edges[k];
    text += (k ? " " : "") + std::string("Hrana ") + EdgeNames({edges[k]}) + ": ";
    switch (edge.status) {
      case EdgeStatus::Unlabeled:
        text += "hodnota ešte nie je známa.";
        break;
      case EdgeStatus::Unique:
        text += "hodnota " + std::to_string(edge.value) + ", jediná.";
        break;
      case EdgeStatus::Repeated:
        text += "hodnota " + std::to_string(edge.value) + ", opakuje sa.";
        break;
    }
  }
  return text;
}

std::string CoveredValuesDescription(int n, const std::vector<Edge>& edges, const Labels& labels) {
  const Evaluation evaluation = EvaluateEdges(edges, labels);
  std::vector<int> covered, uncovered;
  for (int d = 1; d <= n - 1; ++d) (evaluation.counts[d] > 0 ? covered : uncovered).push_back(d);
  if (uncovered.empty())
    return "Tabuľka dvojíc čísel: pokryté sú všetky hodnoty 1 až " + std::to_string(n - 1) + ".";
  if (covered.empty()) return "Tabuľka dvojíc čísel: ešte nepokrýva žiadnu hodnotu.";
  std::string text = "Tabuľka dvojíc čísel: pokryté hodnoty " + NumberList(covered);
  return text + "; nepokryté " + NumberList(uncovered) + ".";
}
