#include <QAction>
#include <QMenu>
#include <QRegularExpression>
#include <QTimer>
#include <QWindow>
#include <set>

#include "WindowHarness.h"

TEST_F(WindowTest, SearchProposesAndTheProposalCanBeViewedAndFilledIn) {
  Confirm("1 2\n2 3");
  Click(Button(3));
  EXPECT_TRUE(boxes.empty()) << LastBox();
  EXPECT_EQ(Text(Label(1)), "Graf má 4 graciózne ohodnotenia,");
  EXPECT_EQ(Text(Label(6)), "z toho všetky súhlasia s vyplnením grafu.");
  EXPECT_EQ(Text(Label(4)), "Navrhujem doplniť na riešenie:");
  EXPECT_EQ(Text(Label(7)), " (2) (1) (3).");
  EXPECT_EQ(Text(Label(8)), "");
  EXPECT_EQ(Button(3)->text().toStdString(), "Navrhnúť riešenie");
  for (int k : {1, 2, 3, 6}) EXPECT_TRUE(Button(k)->isEnabled()) << k;
  EXPECT_TRUE(Memo()->isEnabled());
  EXPECT_TRUE(Button(4)->isVisible() && Button(5)->isVisible());
  EXPECT_FALSE(Picture("tabid")->isVisible());
  // Disc of the edge 1-2 (labels 2 and 1) in column 2, row 1 of the proposal table.
  EXPECT_EQ(Pixel("tabid", 135, 41), RgbBlack);

  QTest::mousePress(Button(4), Qt::LeftButton);
  EXPECT_TRUE(Picture("tabid")->isVisible());
  EXPECT_FALSE(Picture("tab")->isVisible());
  QTest::mouseRelease(Button(4), Qt::LeftButton);
  EXPECT_FALSE(Picture("tabid")->isVisible());
  EXPECT_TRUE(Picture("tab")->isVisible());  // also when it was hidden before

  Box(4)->setText("9");
  Click(Button(5));
  Click(Button(5));
  EXPECT_EQ(Box(1)->text(), "2");
  EXPECT_EQ(Box(2)->text(), "1");
  EXPECT_EQ(Box(3)->text(), "3");
  EXPECT_EQ(Box(4)->text(), "9");
  PressEnterIn(1);
  EXPECT_TRUE(boxes.empty()) << LastBox();
  EXPECT_EQ(Pixel("g", 293, 170), RgbGreen);
  EXPECT_EQ(Pixel("g", 143, 257), RgbGreen);
  EXPECT_FALSE(Button(4)->isVisible() || Button(5)->isVisible());
  EXPECT_EQ(Text(Label(1)), "");
}

TEST_F(WindowTest, ProposalButtonsAnswerAnyMouseButtonAndEnterAsADesktopDoes) {
  ClickMemo();
  Memo()->setPlainText("1 2\n2 3");
  Button(1)->setFocus();
  QTest::keyClick(Button(1), Qt::Key_Return);  // Enter on a focused button clicks it
  EXPECT_EQ(Text(Label(2)), "Graf má 3 vrcholy.");
  Click(Button(3));

  // Any mouse button holds the proposal up; only its own release puts it away.
  for (Qt::MouseButton held : {Qt::RightButton, Qt::MiddleButton, Qt::LeftButton}) {
    QTest::mousePress(Button(4), held);
    EXPECT_TRUE(Picture("tabid")->isVisible()) << held;
    QTest::mouseMove(form.get(), QPoint(300, 300));  // dragging off the button
    EXPECT_TRUE(Picture("tabid")->isVisible()) << held;
    QTest::mouseRelease(Button(4), held);
    EXPECT_FALSE(Picture("tabid")->isVisible()) << held;
    EXPECT_TRUE(Picture("tab")->isVisible()) << held;
  }
  Button(4)->setFocus();
  QTest::keyPress(Button(4), Qt::Key_Space);
  EXPECT_FALSE(Picture("tabid")->isVisible());
  QTest::keyRelease(Button(4), Qt::Key_Space);

  // After filling the proposal in, the next Enter checks it.
  Box(1)->setText("3");
  Click(Button(5));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  EXPECT_TRUE(boxes.empty()) << LastBox();
  EXPECT_EQ(form->State().Fillings.HistoryTop, 1);
  EXPECT_EQ(Box(1)->text(), "2");
}

TEST_F(WindowTest, EveryProposalCanBeReadInFullAboveButton5) {
  const QRegularExpression wholeLabels(R"(^( \(\d+\))+[,.]?$)");
  for (int n : {13, 14, 17, 20}) {
    // A path numbered from its end: the proposal starts with the two-digit labels.
    std::string path;
    for (int v = 2; v <= n; ++v) path += std::to_string(v - 1) + " " + std::to_string(v) + "\n";
    Confirm(path);
    Box(1)->setText("1");  // a path's end never takes 1 first in candidate order: the proposal differs
    Click(Button(3));
    ASSERT_NE(Text(Label(8)), "") << n;
    const QRect labels = Label(7)->geometry();
    const QRect rest = Label(8)->geometry();
    EXPECT_GE(labels.left(), 600) << n;
    EXPECT_LE(labels.right(), 849) << n;  // the buttons' right edge, clear of the window's
    EXPECT_LE(rest.right(), 849) << n;
    EXPECT_GE(rest.top(), labels.bottom()) << n;
    EXPECT_EQ(rest.height(), 13) << n;                               // one line of text, shown
    EXPECT_LE(rest.bottom(), Button(5)->geometry().top() - 5) << n;  // 4 px clear
    for (const QString& line : Label(7)->text().trimmed().split('\n')) {
      EXPECT_TRUE(wholeLabels.match(" " + line.trimmed()).hasMatch()) << n << " " << line.toStdString();
    }
    if (n <= 13) {
      EXPECT_EQ(labels.top(), 108);
      EXPECT_EQ(rest.top(), 124);
      EXPECT_FALSE(Label(7)->text().contains('\n'));
    }
  }
}

TEST_F(WindowTest, ReleasingButton4NeverBringsBackTheTableOfAnotherTree) {
  Confirm("1 2\n2 3\n3 4\n4 5\n5 6\n6 7");
  Fill({"1", "2", "3", "4", "5", "6", "7"});
  PressEnterIn(1);
  Confirm("1 2\n2 3\n3 4");
  Click(Button(6));
  Click(Button(3));
  QTest::mousePress(Button(4), Qt::LeftButton);
  QTest::mouseRelease(Button(4), Qt::LeftButton);
  // No check of this tree yet: the table is as at start, empty, not the 7 x 7 one.
  EXPECT_TRUE(Picture("tab")->isVisible());
  EXPECT_FALSE(Picture("tab")->HasPicture());
  // Once this tree is checked, its own table comes back.
  Fill({"2", "3", "1", "4"});
  PressEnterIn(1);
  Click(Button(6));
  Click(Button(3));
  QTest::mousePress(Button(4), Qt::LeftButton);
  QTest::mouseRelease(Button(4), Qt::LeftButton);
  EXPECT_EQ(Pixel("tab", 107, 142), RgbBlack);  // edge 1-2, labels 2 and 3: column 2, row 3
}

TEST_F(WindowTest, ARightPressOnButton4OpensNoMenuAndEveryHoldEnds) {
  Confirm("1 2\n2 3");
  Click(Button(3));
  const QPoint onButton4 = Button(4)->geometry().center();
  // A menu that opened anyway is closed again, so the test reports instead of hanging.
  QTimer guard;
  guard.callOnTimeout([] {
    if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
  });
  guard.start(300);

  // Through the window, as the platform delivers a press: that is where context menus start.
  QTest::mousePress(form->windowHandle(), Qt::RightButton, {}, onButton4);
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
  EXPECT_TRUE(Picture("tabid")->isVisible());
  QTest::mouseRelease(form->windowHandle(), Qt::RightButton, {}, onButton4);
  EXPECT_FALSE(Picture("tabid")->isVisible());
  EXPECT_TRUE(Picture("tab")->isVisible());

  // A hold ends when a popup takes the mouse, and when the window stops being active.
  QTest::mousePress(form->windowHandle(), Qt::LeftButton, {}, onButton4);
  ASSERT_TRUE(Picture("tabid")->isVisible());
  QMenu menu(form.get());
  menu.addAction("x");
  menu.popup(form->mapToGlobal(QPoint(10, 10)));
  EXPECT_FALSE(Picture("tabid")->isVisible());
  menu.close();
  QTest::mouseRelease(form->windowHandle(), Qt::LeftButton, {}, onButton4);
  EXPECT_FALSE(Picture("tabid")->isVisible());
  QApplication::setActiveWindow(form.get());
  QTest::mousePress(form->windowHandle(), Qt::LeftButton, {}, onButton4);
  ASSERT_TRUE(Picture("tabid")->isVisible());
  QWidget other;
  other.show();
  QApplication::setActiveWindow(&other);
  EXPECT_FALSE(Picture("tabid")->isVisible());
  EXPECT_TRUE(Picture("tab")->isVisible());
  QApplication::setActiveWindow(form.get());
  // The release that never came does not leave the next hold stuck.
  QTest::mousePress(form->windowHandle(), Qt::MiddleButton, {}, onButton4);
  QTest::mouseRelease(form->windowHandle(), Qt::MiddleButton, {}, onButton4);
  EXPECT_FALSE(Picture("tabid")->isVisible());
}

TEST_F(WindowTest, TheFocusStaysInTheBoxTheStudentWasIn) {
  Confirm("1 2\n2 3\n3 4\n4 5");
  Fill({"1", "", "", "", ""});
  PressEnterIn(1);
  PressEnterIn(1);
  EXPECT_EQ(Button(3)->toolTip().toStdString(), "F3: riešenie najbližšie k vášmu vyplneniu");
  Box(2)->setFocus();
  Click(Button(3));  // the click focuses the button, and the search disables it
  EXPECT_EQ(QApplication::focusWidget(), Box(2));
  Box(3)->setFocus();
  QTest::keyClick(Box(3), Qt::Key_F3);
  EXPECT_EQ(QApplication::focusWidget(), Box(3));
  Box(4)->setFocus();
  Click(Button(8));  // back to the first filling: the button disables itself
  ASSERT_FALSE(Button(8)->isEnabled());
  EXPECT_EQ(QApplication::focusWidget(), Box(4));
  Box(3)->setFocus();
  Click(Button(7));
  Click(Button(7));  // down to vertex 3 alone: the button disables itself
  ASSERT_FALSE(Button(7)->isEnabled());
  EXPECT_EQ(QApplication::focusWidget(), Box(3));
}

TEST_F(WindowTest, LaterPressesReuseTheStoredLabelings) {
  Confirm("1 2\n2 3");
  Click(Button(3));
  EXPECT_EQ(Text(Label(1)), "Graf má 4 graciózne ohodnotenia,");
  Fill({"1", "2", "3"});
  Click(Button(3));
  EXPECT_EQ(Button(3)->text(), "Navrhnúť riešenie");
  EXPECT_EQ(Text(Label(1)), "Graf má 4 graciózne ohodnotenia,");
  EXPECT_EQ(Text(Label(6)), "z toho žiadne nesúhlasí s vyplnením grafu.");
  EXPECT_EQ(Text(Label(4)), "Navrhujem riešenie:");
  EXPECT_EQ(Text(Label(7)), " (2) (1) (3), ");
  EXPECT_EQ(Text(Label(8)), "ktoré sa líši v 2 vrcholoch.");
  // An invalid filling is reported before anything is disabled.
  Fill({"4"});
  Click(Button(3));
  EXPECT_EQ(LastBox(), "Chyba v 1. vrchole (nepovolené číslo: 4).");
  EXPECT_TRUE(Button(1)->isEnabled() && Button(3)->isEnabled());
  // A new confirmation searches again.
  Confirm("1 2\n2 3\n3 4");
  Fill({"", "", "", ""});
  Click(Button(3));
  EXPECT_EQ(form->State().SolutionCount, 4);
  EXPECT_EQ(Text(Label(7)), " (2) (3) (1) (4).");
}

TEST_F(WindowTest, AGraphWithoutGracefulLabelingGetsNoProposal) {
  Confirm("1 2\n2 3\n3 1\n4 5\n5 6");
  Click(Button(3));
  EXPECT_EQ(Text(Label(1)), "Graf nemá žiadne graciózne ohodnotenie.");
  EXPECT_EQ(Text(Label(6)), "Graf nie je strom: obsahuje cyklus a nie je súvislý.");
  for (int k : {4, 7, 8}) EXPECT_EQ(Text(Label(k)), "") << k;
  EXPECT_FALSE(Button(4)->isVisible() || Button(5)->isVisible());
  EXPECT_FALSE(Picture("tabid")->HasPicture());
  for (int k : {1, 2, 3, 6}) EXPECT_TRUE(Button(k)->isEnabled()) << k;
  form->Button5Click();  // must not touch the boxes without a proposal
  EXPECT_EQ(Box(1)->text(), "");

  Confirm("1 2\n2 3\n3 1\n4 5\n5 6\n6 7");
  Click(Button(3));
  EXPECT_EQ(Text(Label(1)), "Graf má 24 gracióznych ohodnotení,");
  EXPECT_TRUE(Button(5)->isVisible());
}

TEST_F(WindowTest, ATwentyVertexTreeIsAnsweredAndTheProposalIsGraceful) {
  std::string path;
  for (int v = 1; v < 20; ++v) path += std::to_string(v) + " " + std::to_string(v + 1) + "\n";
  Confirm(path);
  Box(1)->setText("1");
  std::string waiting;
  QTimer::singleShot(0, form.get(), [&] { waiting = Text(Label(1)) + " | " + Text(Label(6)); });
  Click(Button(3));
  EXPECT_EQ(waiting, "Hľadám riešenie ... čakajte prosím | (môže to trvať aj niekoľko hodín)");
  EXPECT_EQ(Text(Label(1)), "Našiel som graciózne ohodnotenie grafu,");
  EXPECT_EQ(form->State().SolutionCount, 1);
  Click(Button(5));
  PressEnterIn(1);
  const auto& labels = form->State().BoxLabels;
  std::vector<bool> seen(20, false);
  for (int v = 1; v < 20; ++v) seen[std::abs(labels[v] - labels[v + 1])] = true;
  for (int d = 1; d < 20; ++d) EXPECT_TRUE(seen[d]) << d;
}

TEST_F(WindowTest, DuringASearchOnlyHarmlessCommandsRun) {
  Confirm("1 2\n1 3\n1 4\n1 5\n1 6\n1 7\n1 8\n1 9\n1 10");
  PressEnterIn(1);
  PressEnterIn(1);
  bool checked = false;
  QTimer::singleShot(0, form.get(), [&] {
    checked = true;
    EXPECT_TRUE(form->State().Busy);
    for (QWidget* w : std::initializer_list<QWidget*>{Memo(), Button(1), Button(2), Button(3), Button(6)}) {
      EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
    }
    form->Button8Click();  // a history step must not hand the search button back
    EXPECT_FALSE(Button(3)->isEnabled());
    form->Button3Click();  // nor may the search start again inside itself
    form->Button7Click();  // leaf removal is harmless
  });
  Click(Button(3));
  EXPECT_TRUE(checked);
  EXPECT_FALSE(form->State().Busy);
  EXPECT_EQ(form->State().SolutionCount, 725760);
  EXPECT_TRUE(Button(3)->isEnabled());
  EXPECT_EQ(Text(Label(1)), "Graf má 725760 gracióznych ohodnotení,");
}

TEST_F(WindowTest, ClosingTheWindowStopsARunningSearch) {
  Confirm("1 2\n1 3\n1 4\n1 5\n1 6\n1 7\n1 8\n1 9\n1 10");
  QTimer::singleShot(0, form.get(), [&] { form->close(); });
  Click(Button(3));
  EXPECT_FALSE(form->isVisible());
  EXPECT_FALSE(Button(4)->isVisible());
  EXPECT_EQ(Text(Label(7)), "");
  EXPECT_NE(Button(3)->text().toStdString(), "Navrhnúť riešenie");
}

namespace {

// The labels of a proposal sentence " (3) (1) (2), " as numbers.
std::vector<int> ProposedLabels(const std::string& text) {
  std::vector<int> labels;
  for (std::size_t open = text.find('('); open != std::string::npos; open = text.find('(', open + 1)) {
    labels.push_back(std::stoi(text.substr(open + 1)));
  }
  return labels;
}

bool IsGraceful(const std::vector<int>& labels, const std::vector<Edge>& edges) {
  std::set<int> values;
  for (const Edge& e : edges) values.insert(std::abs(labels[e.a - 1] - labels[e.b - 1]));
  return values.size() == edges.size() && *values.begin() == 1 && *values.rbegin() == int(edges.size());
}

}  // namespace

TEST_F(WindowTest, ClosestProposalKeepsWhatItCanAndLeavesButton3AsItWas) {
  std::string path;
  for (int v = 1; v < 12; ++v) path += std::to_string(v) + " " + std::to_string(v + 1) + "\n";
  Confirm(path);
  QAction* closest = nullptr;
  for (QAction* action : form->actions()) {
    if (action->text() == "Navrhnúť najpodobnejšie riešenie") closest = action;
  }
  ASSERT_NE(closest, nullptr);
  EXPECT_EQ(closest->shortcut(), QKeySequence(Qt::Key_F3));
  EXPECT_TRUE(closest->isEnabled());

  // Part of a graceful labeling: the closest one keeps all of it.
  Fill({"1", "12", "2", "11", "3", "10"});
  QTest::keyClick(Box(1), Qt::Key_F3);
  EXPECT_EQ(Text(Label(1)), "Prezrel som všetky graciózne ohodnotenia grafu,");
  EXPECT_EQ(Text(Label(6)), "aspoň jedno súhlasí s vyplnením grafu.");
  EXPECT_EQ(Text(Label(4)), "Navrhujem doplniť na riešenie:");
  std::vector<int> labels = ProposedLabels(Text(Label(7)));
  ASSERT_EQ(labels.size(), 12u);
  EXPECT_TRUE(IsGraceful(labels, form->State().TreeEdges()));
  EXPECT_EQ(std::vector<int>(labels.begin(), labels.begin() + 6), (std::vector<int>{1, 12, 2, 11, 3, 10}));
  EXPECT_EQ(Button(3)->text(), "Hľadať a navrhnúť riešenie");
  EXPECT_TRUE(Button(4)->isVisible() && Picture("tabid")->HasPicture());

  // Every box filled along the path: no graceful labeling keeps them all.
  Fill({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"});
  closest->trigger();
  EXPECT_EQ(Text(Label(6)), "žiadne nesúhlasí s vyplnením grafu.");
  EXPECT_EQ(Text(Label(4)), "Navrhujem riešenie:");
  labels = ProposedLabels(Text(Label(7)));
  int differing = 0;
  for (int v = 1; v <= 12; ++v) differing += labels[v - 1] != v;
  EXPECT_EQ(Text(Label(8)), "ktoré sa líši v " + std::to_string(differing) + " vrcholoch.");
  Click(Button(5));
  for (int v = 1; v <= 12; ++v) EXPECT_EQ(Box(v)->text().toInt(), labels[v - 1]) << v;

  // Button3 still searches and proposes its own labeling, which Button5 then fills in.
  Click(Button(3));
  EXPECT_EQ(Text(Label(1)), "Našiel som graciózne ohodnotenie grafu,");
  EXPECT_EQ(form->State().SolutionCount, 1);
  Box(1)->clear();
  Click(Button(5));
  EXPECT_EQ(Box(1)->text().toInt(), form->State().SolutionStore[0][1]);

  // A bad filling is answered as Button3 answers it, and changes nothing.
  const std::string before = Text(Label(7));
  Box(2)->setText("13");
  closest->trigger();
  EXPECT_EQ(LastBox(), "Chyba v 2. vrchole (nepovolené číslo: 13).");
  EXPECT_EQ(Text(Label(7)), before);
  EXPECT_TRUE(Button(1)->isEnabled() && Button(3)->isEnabled());

  ClickMemo();
  EXPECT_FALSE(closest->isEnabled());
}
