#include <QTemporaryDir>
#include <functional>

#include "WindowHarness.h"
#include "app/CommandTable.h"
#include "app/HelpWindow.h"
#include "search/NextLabeling.h"

namespace {

void Press(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }

}  // namespace

TEST_F(WindowTest, AHintGivesOneNumberOrNamesTheNumbersInTheWay) {
  // The path 1-2-3-4 has the graceful labelings (2,3,1,4), (1,4,2,3), (4,1,3,2), (3,2,4,1).
  Confirm("1 2\n2 3\n3 4");
  const struct {
    std::vector<std::string> filling;
    std::string first, second;
    int focus;
    QString focusText;
    BoxMark mark;  // on the focused box, and on no other
  } cases[] = {
      {{"2"}, "Vrchol 2 musí mať číslo 3,", "inak sa vyplnenie nedá dokončiť.", 2, "3", BoxMark::Take},
      {{}, "Vrchol 1 môže mať číslo 2,", "ale nie je to jediná možnosť.", 1, "2", BoxMark::Take},
      {{"1", "2"},
       "Vyplnenie sa nedá doplniť na graciózne ohodnotenie.",
       "Stačí zmeniť 1 číslo: vo vrchole 2.",
       2,
       "2",
       BoxMark::Change},
      {{"2", "3", "1", "4"}, "Ohodnotenie je graciózne.", "", 0, "", BoxMark::None},
  };
  for (const auto& c : cases) {
    Button(6)->click();
    Fill(c.filling);
    Box(4)->setFocus();
    Press(Qt::Key_F4);
    EXPECT_EQ(Text(Label(1)), c.first);
    EXPECT_EQ(Text(Label(6)), c.second);
    if (c.focus) {
      EXPECT_EQ(QApplication::focusWidget(), Box(c.focus)) << c.first;
      EXPECT_EQ(Box(c.focus)->text(), c.focusText);
    }
    for (int v = 1; v <= 4; ++v)
      EXPECT_EQ(form->State().BoxMarks[v], v == c.focus ? c.mark : BoxMark::None) << c.first << " " << v;
  }
  // Marks are the boxes' own colours, red for a number to change, green for one to take; they stay
  // while the student mends the box and go with the next check.
  Fill({"1", "2", "", ""});
  Press(Qt::Key_F4);
  EXPECT_EQ(Box(2)->palette().color(QPalette::Text), QColor(Qt::red));
  EXPECT_EQ(Box(1)->palette().color(QPalette::Text), Box(3)->palette().color(QPalette::Text));
  Box(2)->setText("4");
  EXPECT_EQ(form->State().BoxMarks[2], BoxMark::Change);
  PressEnterIn(2);
  EXPECT_EQ(form->State().BoxMarks[2], BoxMark::None);
  EXPECT_EQ(Box(2)->palette().color(QPalette::Text), Box(3)->palette().color(QPalette::Text));
  EXPECT_EQ(form->State().Fillings.HistoryTop, 1);  // a hint checks nothing and stores nothing: one check

  // A hint only speaks: a shown proposal keeps its buttons, and the hint's words go with any change
  // of the filling. A bad filling changes nothing.
  Fill({"2", "3", "1", "4"});
  Press(Qt::Key_F3);
  ASSERT_TRUE(Button(4)->isVisible());
  Press(Qt::Key_F4);
  EXPECT_TRUE(Button(4)->isVisible() && Button(5)->isVisible());
  EXPECT_EQ(Text(Label(1)), "Ohodnotenie je graciózne.");
  EXPECT_EQ(Text(Label(7)), "");
  Box(1)->setText("9");
  EXPECT_EQ(Text(Label(1)), "");
  Press(Qt::Key_F4);
  EXPECT_EQ(LastBox(), "Chyba v 1. vrchole (nepovolené číslo: 9).");
  EXPECT_EQ(Text(Label(1)), "");
}

TEST_F(WindowTest, NextLabelingStepsThroughEveryLabelingInOrder) {
  Confirm("1 2\n2 3\n3 4");
  Click(Button(3));
  const std::string after[] = {" (1) (4) (2) (3).", " (4) (1) (3) (2).", " (3) (2) (4) (1)."};
  for (const std::string& labels : after) {
    Press(Qt::Key_F5);
    EXPECT_EQ(Text(Label(1)), "Ďalšie graciózne ohodnotenie v poradí:");
    EXPECT_EQ(Text(Label(6)), "Toto ohodnotenie súhlasí s vyplnením grafu.");
    EXPECT_EQ(Text(Label(7)), labels);
  }
  // After the last one only the first line changes, and nothing contradicts it.
  Press(Qt::Key_F5);
  EXPECT_EQ(Text(Label(1)), "Ďalšie graciózne ohodnotenie už nie je.");
  EXPECT_EQ(Text(Label(6)), "");
  EXPECT_EQ(Text(Label(7)), " (3) (2) (4) (1).");
  QTest::mousePress(Button(4), Qt::LeftButton);
  EXPECT_EQ(Pixel("tabid", 162, 87), RgbBlack);  // edge 1-2: labels 3 and 2
  QTest::mouseRelease(Button(4), Qt::LeftButton);
  Click(Button(5));
  EXPECT_EQ(Box(1)->text(), "3");
  EXPECT_EQ(Button(3)->text().toStdString(), "Navrhnúť riešenie");
  EXPECT_EQ(form->State().SolutionCount, 4);

  // Above 10 vertices the next one is searched for, counted against the filling.
  Confirm("1 2\n2 3\n3 4\n4 5\n5 6\n6 7\n7 8\n8 9\n9 10\n10 11");
  Click(Button(6));
  Fill({"7"});
  Click(Button(3));
  const Labels first = *form->State().ShownProposal;
  Press(Qt::Key_F5);
  ASSERT_TRUE(form->State().ShownProposal.has_value());
  EXPECT_TRUE(PrecedesInCandidateOrder(first, *form->State().ShownProposal, 11));
  EXPECT_EQ(Text(Label(6)), (*form->State().ShownProposal)[1] == 7
                                ? "Toto ohodnotenie súhlasí s vyplnením grafu."
                                : "Od vyplnenia sa líši v 1 vrchole.");
  EXPECT_EQ(form->State().SolutionCount, 1);
}

namespace {

// What the Parts' controls show: hidden or not, enabled or not, the default button and Button3's text.
std::vector<std::string> PartsControls(TForm1& form) {
  std::vector<std::string> shown;
  for (const char* name : {"Memo1", "Button1", "Button2", "Button3", "Button4", "Button5", "Button6",
                           "Button7", "Button8", "Button9"}) {
    auto* control = form.findChild<QWidget*>(name);
    shown.push_back(std::string(name) + (control->isHidden() ? " hidden" : " shown") +
                    (control->isEnabled() ? " enabled" : " disabled"));
  }
  auto* button2 = form.findChild<QPushButton*>("Button2");
  shown.push_back(button2->isDefault() ? "Button2 default" : "Button2 not default");
  shown.push_back(form.findChild<QPushButton*>("Button3")->text().toStdString());
  return shown;
}

}  // namespace

TEST_F(WindowTest, HelpAndWorksheetsLeaveThePartsControlsAndTheCheckedLabelsAsTheyWere) {
  const QTemporaryDir dir;
  const QString sheet = dir.filePath("list.pdf");
  // After leaf removal, and while editing: a worksheet gives nothing back that the phase took.
  Confirm("1 2\n2 3\n3 4\n4 5");
  Fill({"1", "5", "2", "4", "3"});
  PressEnterIn(1);
  Click(Button(7));
  std::vector<std::string> before = PartsControls(*form);
  ASSERT_TRUE(form->Paper().WriteWorksheetTo(sheet, 1, 4));
  EXPECT_EQ(PartsControls(*form), before) << "after leaf removal";
  ClickMemo();
  before = PartsControls(*form);
  ASSERT_TRUE(form->Paper().WriteWorksheetTo(sheet, 1, 4));
  EXPECT_EQ(PartsControls(*form), before) << "while editing";

  // After Dozadu and a search, a hint only speaks, and F3, F4 and F5 keep the labels of the last
  // check, from which leaf removal draws its table.
  // (A snapshot offers leaf removal even on one edge, where a check would not.)
  Confirm("1 2");
  Fill({"1", "2"});
  PressEnterIn(1);
  Fill({"2", ""});
  PressEnterIn(1);
  Click(Button(8));
  ASSERT_TRUE(Button(7)->isEnabled());
  Click(Button(3));
  const Labels checked = form->State().BoxLabels;
  Fill({"", "1"});
  before = PartsControls(*form);
  Press(Qt::Key_F4);
  EXPECT_EQ(PartsControls(*form), before) << "a hint";
  for (Qt::Key key : {Qt::Key_F3, Qt::Key_F4, Qt::Key_F5}) {
    Press(key);
    EXPECT_EQ(form->State().BoxLabels, checked) << key;
  }
}

TEST_F(WindowTest, AHintGoesAsSoonAsWhatItSpeaksOfChanges) {
  const std::pair<const char*, std::function<void()>> changes[] = {
      {"clearing the boxes", [&] { Click(Button(6)); }},
      {"emptying a box", [&] { Box(1)->clear(); }},
      {"leaf removal", [&] { Click(Button(7)); }},
      {"a new confirmation", [&] { Click(Button(1)); }},
      {"retyping the edge box", [&] { Memo()->setPlainText("1 2\n2 3"); }},
  };
  for (const auto& [what, change] : changes) {
    Confirm("1 2\n2 3\n3 4\n4 5");
    Fill({"1", "5", "2", "4", "3"});
    PressEnterIn(1);
    Box(1)->setFocus();
    Press(Qt::Key_F4);
    ASSERT_EQ(Text(Label(1)), "Ohodnotenie je graciózne.") << what;
    change();
    EXPECT_EQ(Text(Label(1)), "") << what;
    EXPECT_EQ(Text(Label(6)), "") << what;
  }
  // The Parts' own texts keep following their own rules.
  Confirm("1 2\n2 3");
  Click(Button(6));
  Click(Button(3));
  Box(1)->setText("3");
  EXPECT_EQ(Text(Label(1)), "Graf má 4 graciózne ohodnotenia,");
}

TEST_F(WindowTest, F1OpensTheHelpBesideTheWindowWithEveryCommandAndItsKeys) {
  Press(Qt::Key_F1);
  auto* help = form->findChild<HelpWindow*>("help");
  ASSERT_NE(help, nullptr);
  EXPECT_TRUE(help->isVisible());
  EXPECT_TRUE(help->isWindow());
  EXPECT_EQ(help->windowModality(), Qt::NonModal);  // it can stay open while the student works
  EXPECT_EQ(help->windowTitle().toStdString(), "Pomocník");
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  // The list of commands is the table's, row for row.
  const QString html = help->Html();
  int from = html.indexOf("<table");
  ASSERT_GE(from, 0);
  for (const CommandRow& row : form->Commands().Rows()) {
    QString cells = "<tr><td>" + QString::fromStdString(row.text).toHtmlEscaped() + "</td><td>";
    QStringList keys;
    for (const QKeySequence& key : row.keys) keys << QString::fromStdString(KeyText(key)).toHtmlEscaped();
    cells += keys.join(", ") + "</td></tr>";
    const int at = html.indexOf(cells, from);
    EXPECT_GE(at, 0) << row.id;
    from = std::max(from, at);
  }
  EXPECT_EQ(html.count("<tr><td>"), static_cast<int>(form->Commands().Rows().size()));
  EXPECT_TRUE(html.contains("graciózne")) << "the page itself";
  // F1 again brings the same window to the front; "O programe" has no key of its own.
  Press(Qt::Key_F1);
  EXPECT_EQ(form->findChildren<QWidget*>("help").size(), 1);
  EXPECT_TRUE(Command(form.get(), "about")->shortcuts().isEmpty());
}
