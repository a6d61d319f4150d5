#include "app/ConjectureCommands.h"

#include <QLocale>
#include <QProgressDialog>
#include <chrono>
#include <cmath>
#include <thread>

#include "app/CountDialog.h"
#include "app/ExerciseWindow.h"
#include "app/QtText.h"
#include "app/TreeFileCommands.h"
#include "app/WindowTexts.h"
#include "files/AllTrees.h"
#include "files/AllTreesCheck.h"
#include "files/Graph6.h"
#include "platform/MessageBoxes.h"
#include "tree/NumberList.h"
#include "tree/RandomTree.h"

namespace {

constexpr int MostTreesInASet = 16;

// Numbers as Slovak writes them: "823 065".
std::string Grouped(long long number) { return QLocale(QLocale::Slovak).toString(number).toStdString(); }

std::string Seconds(double seconds) {
  if (seconds < 10) return QLocale(QLocale::Slovak).toString(seconds, 'f', 1).toStdString() + " s";
  return Grouped(std::llround(seconds)) + " s";
}

std::string ProgressText(int n, const AllTreesProgress& progress) {
  std::string text = texts::CheckingAllTrees(n, Grouped(progress.done), Grouped(progress.total));
  if (progress.seconds > 0 && progress.done > 0) {
    text += "\n" + Grouped(std::llround(progress.done / progress.seconds)) + " stromov za sekundu";
    if (const std::optional<double> left = SecondsLeft(progress)) text += ", zostáva asi " + Seconds(*left);
  }
  return text;
}

// "Všetkých 823 065 stromov s 20 vrcholmi má graciózne ohodnotenie. Trvalo to 41 s; …"
std::string AllTreesSummary(const AllTreesResult& result) {
  std::string text;
  if (result.withoutLabeling.empty()) {
    text = texts::AllTreesGraceful(result.n, Grouped(result.total));
  } else {
    text = texts::TreesWithoutLabeling(result.n,
                                       Grouped(static_cast<long long>(result.withoutLabeling.size()))) +
           " Prvý z nich: " + EdgeNames(result.withoutLabeling.front().edges) + ".";
  }
  text += " Trvalo to " + Seconds(result.seconds);
  if (result.slowest) {
    text += "; najdlhšie, " + Seconds(result.slowest->ms / 1000) +
            ", trval tento strom: " + EdgeNames(result.slowest->tree.edges);
  }
  return text + ".";
}

}  // namespace

void ConjectureCommands::AskForAllTrees() {
  const int n = window_.State().VertexCount;
  if (const auto count = AskForCount(window_.DialogParent(), texts::AllTreesTitle, texts::AllTreesPrompt,
                                     n >= 2 && n <= MostTreesInASet ? n : 7, 2, MostTreesInASet))
    OpenAllTrees(*count);
}

bool ConjectureCommands::OpenAllTrees(int n) {
  if (n < 2 || n > MostTreesInASet) return false;
  // As graph6 lines: the set of 16 vertices stays well within what a tree file may hold.
  std::string text = "# " + texts::AllTreesSetTitle(n) + "\n";
  VisitFreeTrees(n, [&](const NumberedTree& tree) {
    text += Graph6Line(n, tree.edges) + "\n";
    return true;
  });
  return files_.OpenGenerated(text, texts::AllTreesSetTitle(n), texts::AllTreesFileName(n));
}

void ConjectureCommands::AskToCheckAllTrees() {
  const int n = window_.State().VertexCount;
  if (const auto count = AskForCount(window_.DialogParent(), texts::CheckAllTreesTitle,
                                     texts::CheckAllTreesPrompt, n >= 2 ? n : 12, 2, MaxVertices))
    CheckAllTrees(*count);
}

std::optional<std::string> ConjectureCommands::CheckAllTrees(int n) {
  if (window_.State().Busy || n < 2 || n > MaxVertices) return std::nullopt;
  QProgressDialog progress(Q(texts::CheckingAllTrees(n, "0", Grouped(FreeTreeCount(n)))),
                           Q(texts::CancelButton), 0, 1000, window_.DialogParent());
  progress.setWindowTitle(Q(texts::CheckAllTreesTitle));
  progress.setWindowModality(Qt::WindowModal);
  progress.setMinimumDuration(0);
  AllTreesResult result;
  // The workers touch nothing of the window; this thread only asks them how far they are.
  const bool finished = window_.RunLongWork([&](const ExerciseWindow::Breath& breathe) {
    AllTreesCheck check(AllTreesOptions{n, 0, {}, false});
    for (;;) {
      const AllTreesProgress now = check.Progress();
      progress.setLabelText(Q(ProgressText(n, now)));
      progress.setValue(now.total ? static_cast<int>(1000 * now.done / now.total) : 0);
      if (now.finished) break;
      if (!breathe() || progress.wasCanceled()) {
        check.Stop();
        check.Wait();
        return false;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    result = check.Wait();
    return !result.stopped;
  });
  progress.reset();
  if (!finished) return std::nullopt;
  const std::string summary = AllTreesSummary(result);
  if (!result.withoutLabeling.empty()) {
    // It never happens for a tree, and if it did, the class should see that tree.
    MessageBoxes::ShowMessage(window_.DialogParent(), Q(summary));
    files_.OpenAsExercise(EdgeListLines(result.withoutLabeling.front().edges));
  } else if (MessageBoxes::OfferAction(window_.DialogParent(), Q(summary), Q(texts::OpenSlowestTree)) &&
             result.slowest) {
    files_.OpenAsExercise(EdgeListLines(result.slowest->tree.edges));
  }
  return summary;
}
