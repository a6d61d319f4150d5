#include <QTemporaryDir>
#include <QTimer>
#include <cstdlib>
#include <random>

#include "WindowHarness.h"

namespace {

// A random tree with random numbering, edge order and orientation, as edge-list text.
std::string RandomTree(std::mt19937& rng, int n) {
  std::vector<int> order(n);
  for (int i = 0; i < n; ++i) order[i] = i + 1;
  std::shuffle(order.begin(), order.end(), rng);
  std::vector<std::pair<int, int>> edges;
  for (int i = 1; i < n; ++i) {
    const int parent = order[std::uniform_int_distribution<int>(0, i - 1)(rng)];
    edges.emplace_back(order[i], parent);
    if (rng() % 2) std::swap(edges.back().first, edges.back().second);
  }
  std::shuffle(edges.begin(), edges.end(), rng);
  std::string text;
  for (auto [a, b] : edges) text += std::to_string(a) + " " + std::to_string(b) + "\n";
  return text;
}

std::string RandomEdgeText(std::mt19937& rng) {
  static const char* broken[] = {"",    "1 1",  "1 2\n2 1", "1 2 ",         " 1 2",
                                 "1-2", "1 3",  "x y",      "1 2\n\n2 3",   "1 2\n2 3\n3 1\n4 5\n5 6",
                                 "0 1", "$1 2", "1 2\n3 4", "99999999999 1"};
  switch (rng() % 4) {
    case 0:
      return broken[rng() % std::size(broken)];
    case 1:
      return RandomTree(rng, 11 + static_cast<int>(rng() % 4));
    default:
      return RandomTree(rng, 2 + static_cast<int>(rng() % 8));
  }
}

QString RandomLabel(std::mt19937& rng, int n) {
  static const char* odd[] = {"", "0", "00", "-3", "ab", "7x", " 5", "$A", "21", "99", "+1", "x1"};
  if (rng() % 3 == 0) return odd[rng() % std::size(odd)];
  return QString::number(1 + static_cast<int>(rng() % std::max(n, 1)));
}

}  // namespace

class RandomUseTest : public WindowTest {
 protected:
  // Clicks wherever the control sits, as a person would: a hidden control is not hit.
  void ClickAt(QWidget* control) {
    const QPoint centre = control->geometry().center();
    QWidget* target = form->childAt(centre);
    if (target == nullptr) return;
    QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(form.get(), centre));
  }

  void CheckInvariants(int step) {
    SCOPED_TRACE("after action " + std::to_string(step) + ": " + lastAction);
    const ProgramState& s = form->State();
    const FillingHistory& h = s.Fillings;
    ASSERT_GE(h.HistoryPos, 0);
    ASSERT_LE(h.HistoryTop, HistoryCapacity);
    if (Button(8)->isEnabled()) {
      EXPECT_GT(h.HistoryPos, 1);
    }
    if (Button(9)->isEnabled()) {
      EXPECT_LT(h.HistoryPos, h.HistoryTop);
    }
    if (h.HistoryPos > 0) {
      EXPECT_LE(h.HistoryPos, h.HistoryTop);
    }

    // The reduced tree is a gap-free prefix of slots taken from the full tree in order.
    if (s.VertexCount >= 2 && s.VertexCount <= MaxVertices && Button(3)->isVisible()) {
      int k = 1, full = 1;
      for (; k < s.VertexCount && s.ReducedEdgeList[k].a != 0; ++k) {
        while (full < s.VertexCount && !(s.EdgeList[full] == s.ReducedEdgeList[k])) ++full;
        EXPECT_LT(full, s.VertexCount) << "slot " << k << " is not an edge of the tree";
        ++full;
      }
      for (; k < s.VertexCount; ++k) EXPECT_EQ(s.ReducedEdgeList[k].a, 0) << "gap before slot " << k;
    }
    if (Button(4)->isVisible() || Button(5)->isVisible()) {
      // What the proposal buttons show is a graceful labeling of the confirmed tree.
      ASSERT_TRUE(s.ShownProposal.has_value());
      std::vector<bool> seen(s.VertexCount, false);
      for (const Edge& e : s.TreeEdges())
        seen[std::abs((*s.ShownProposal)[e.a] - (*s.ShownProposal)[e.b])] = true;
      for (int d = 1; d < s.VertexCount; ++d) EXPECT_TRUE(seen[d]) << "value " << d;
    }
    EXPECT_EQ(Button(4)->isVisible(), Button(5)->isVisible());
    // The window's state is what its controls show.
    for (int k = 1; k <= MaxVertices; ++k) EXPECT_EQ(s.ShownVertices[k], Box(k)->isVisible()) << "box " << k;
    EXPECT_EQ(s.CheckTableShown, Picture("tab")->isVisible());
    EXPECT_FALSE(Picture("tab")->isVisible() && Picture("tabid")->isVisible());
    if (QWidget* focus = QApplication::focusWidget()) {
      EXPECT_TRUE(focus->isVisible() && focus->isEnabled()) << focus->objectName().toStdString();
    }
    EXPECT_FALSE(form->State().Busy);
    // Every command leaves the controls as its phase gives them: none writes them behind its back.
    const ControlStates& c = s.Controls;
    const std::pair<QWidget*, ControlState> controls[] = {
        {Memo(), c.Memo1},      {Button(1), c.Button1}, {Button(2), c.Button2}, {Button(3), c.Button3},
        {Button(4), c.Button4}, {Button(5), c.Button5}, {Button(6), c.Button6}, {Button(7), c.Button7},
        {Button(8), c.Button8}, {Button(9), c.Button9}};
    for (const auto& [control, expected] : controls) {
      EXPECT_EQ(!control->isHidden(), expected.visible) << control->objectName().toStdString();
      EXPECT_EQ(control->isEnabled(), expected.enabled) << control->objectName().toStdString();
    }
    EXPECT_EQ(Button(2)->isDefault(), c.Button2Default);
    EXPECT_TRUE(Memo()->isEnabled());
    // Only a confirmation shows the check, search and clear buttons.
    if (Button(3)->isVisible()) {
      EXPECT_TRUE(Button(2)->isVisible() && Button(6)->isVisible());
    }
    if (Button(2)->isEnabled()) {
      EXPECT_TRUE(Button(3)->isVisible());
    }
    for (const ShownBox& box : boxes) {
      const bool known = box.text.rfind("Chyba", 0) == 0 || box.text.rfind("Príliš", 0) == 0 ||
                         box.text.find("is not a valid integer value.") != std::string::npos;
      EXPECT_TRUE(known) << box.text;
    }
    boxes.clear();
  }

  std::string lastAction;
};

TEST_F(RandomUseTest, ThousandsOfRandomActionsKeepTheWindowConsistent) {
  const char* configured = std::getenv("GRACEFUL_RANDOM_ACTIONS");
  const int actions = configured ? std::atoi(configured) : 1500;
  std::mt19937 rng(20261208);
  const QTemporaryDir sheets;
  int searches = 0, stored = 0, confirmed = 0, removed = 0;
  for (int step = 1; step <= actions; ++step) {
    const int n = std::clamp(form->State().VertexCount, 2, 20);
    const int positionBefore = form->State().Fillings.HistoryPos;
    switch (rng() % 22) {
      case 0:
        lastAction = "confirm";
        ClickMemo();
        Memo()->setPlainText(QString::fromStdString(RandomEdgeText(rng)));
        ClickAt(Button(1));
        break;
      case 1:
      case 2: {
        const int k = 1 + static_cast<int>(rng() % 20);
        lastAction = "type into box " + std::to_string(k);
        Box(k)->setText(RandomLabel(rng, n));
        break;
      }
      case 3: {
        lastAction = "type a partial graceful-looking filling";
        std::vector<int> labels(n);
        for (int v = 0; v < n; ++v) labels[v] = v + 1;
        std::shuffle(labels.begin(), labels.end(), rng);
        for (int v = 1; v <= n; ++v) Box(v)->setText(rng() % 3 ? QString::number(labels[v - 1]) : QString());
        break;
      }
      case 4:
      case 5:
      case 6: {
        const int k = 1 + static_cast<int>(rng() % n);
        lastAction = "enter in box " + std::to_string(k);
        ClickAt(Box(k));
        if (QApplication::focusWidget() == Box(k)) QTest::keyClick(Box(k), Qt::Key_Return);
        break;
      }
      case 7:
        lastAction = "back";
        ClickAt(Button(8));
        break;
      case 8:
        lastAction = "forward";
        ClickAt(Button(9));
        break;
      case 9:
        lastAction = "search";
        ClickAt(Button(3));
        break;
      case 10:
        lastAction = "hold Button4";
        if (QWidget* target = form->childAt(Button(4)->geometry().center())) {
          QTest::mousePress(target, Qt::LeftButton);
          QTest::mouseRelease(target, Qt::LeftButton);
        }
        break;
      case 11:
        lastAction = "fill the proposal";
        ClickAt(Button(5));
        break;
      case 12:
        lastAction = "clear boxes";
        ClickAt(Button(6));
        break;
      case 13:
        lastAction = "remove leaves";
        ClickAt(Button(7));
        break;
      case 14:
        lastAction = "enter the edge box";
        ClickMemo();
        break;
      case 15: {
        const int k = 1 + static_cast<int>(rng() % 20);
        lastAction = "click box " + std::to_string(k);
        ClickAt(Box(k));
        break;
      }
      case 16:
        lastAction = "closest proposal (F3)";
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : form.get(), Qt::Key_F3);
        break;
      case 17:
      case 18:
      case 19:
      case 20: {
        static const std::pair<Qt::Key, const char*> keys[] = {{Qt::Key_F4, "hint (F4)"},
                                                               {Qt::Key_F5, "next labeling (F5)"},
                                                               {Qt::Key_T, "draw as a tree (Ctrl+T)"},
                                                               {Qt::Key_R, "renumber (Ctrl+R)"}};
        const auto [key, name] = keys[rng() % 4];
        lastAction = name;
        const Qt::KeyboardModifiers modifiers =
            key == Qt::Key_T || key == Qt::Key_R ? Qt::ControlModifier : Qt::NoModifier;
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : form.get(), key,
                        modifiers);
        break;
      }
      case 21:
        // Long work beside the exercise gives the window back as it found it.
        lastAction = "worksheet";
        form->Paper().WriteWorksheetTo(sheets.filePath("list.pdf"), 1, 4);
        break;
    }
    CheckInvariants(step);
    searches += Button(4)->isVisible();
    stored += form->State().Fillings.HistoryPos > positionBefore;
    confirmed += Button(3)->isVisible();
    removed += Button(7)->isVisible() && !Button(2)->isEnabled() && Button(3)->isVisible();
    if (HasFatalFailure()) return;
  }
  // The run must reach every state, or it proves little.
  EXPECT_GT(searches, actions / 50);
  EXPECT_GT(stored, actions / 50);
  EXPECT_GT(confirmed, actions / 4);
  EXPECT_GT(removed, actions / 100);
}
