#include "WindowHarness.h"

TEST_F(WindowTest, StartsWithTheDesignedWindowReadyForEditing) {
  EXPECT_EQ(form->windowTitle().toStdString(), "Skúšanie gracióznych ohodnotení stromov");
  EXPECT_EQ(form->size(), QSize(857, 516));
  EXPECT_EQ(form->minimumSize(), form->maximumSize());
  EXPECT_FALSE(form->windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_EQ(form->palette().color(QPalette::Window), QColor(166, 202, 240));

  const struct {
    QWidget* control;
    QRect geometry;
    bool visible;
  } layout[] = {
      {Memo(), {8, 24, 73, 425}, true},
      {Button(1), {8, 456, 75, 25}, true},
      {Button(2), {520, 472, 59, 25}, false},
      {Button(3), {600, 8, 249, 25}, false},
      {Button(4), {600, 184, 249, 25}, false},
      {Button(5), {600, 152, 249, 25}, false},
      {Button(6), {600, 480, 249, 25}, false},
      {Button(7), {8, 488, 75, 17}, false},
      {Button(8), {456, 16, 57, 25}, false},
      {Button(9), {520, 16, 57, 25}, false},
      {Picture("g"), {88, 8, 500, 500}, true},
      {Picture("tab"), {598, 217, 250, 250}, true},
      {Picture("tabid"), {598, 217, 250, 250}, false},
      {Label(3), {8, 8, 73, 13}, true},
  };
  for (const auto& c : layout) {
    EXPECT_EQ(c.control->geometry(), c.geometry) << c.control->objectName().toStdString();
    EXPECT_EQ(c.control->isVisible(), c.visible) << c.control->objectName().toStdString();
  }
  const std::vector<std::string> captions = {"Potvrdiť",
                                             "ENTER",
                                             "Hľadať a navrhnúť riešenie",
                                             "Zobraziť navrhované riešenie v tabuľke",
                                             "Vyplniť graf podľa navrhovaného riešenia",
                                             "Vymazať čísla vo vrcholoch grafu",
                                             "Odstrániť listy",
                                             "Dozadu",
                                             "Dopredu"};
  for (int k = 1; k <= 9; ++k) EXPECT_EQ(Button(k)->text().toStdString(), captions[k - 1]);
  EXPECT_EQ(Text(Label(3)), "Hrany grafu:");
  for (int k : {1, 2, 4, 5, 6, 7, 8}) EXPECT_EQ(Text(Label(k)), "") << "Label" << k;
  for (int k = 1; k <= 20; ++k) {
    EXPECT_FALSE(Box(k)->isVisible());
    EXPECT_EQ(Box(k)->maxLength(), 2);
  }
  EXPECT_FALSE(Button(2)->isEnabled());
  EXPECT_FALSE(Button(8)->isEnabled());
  EXPECT_TRUE(Memo()->hasFocus());
  EXPECT_FALSE(Picture("g")->HasPicture());
}

TEST_F(WindowTest, RejectedEdgeListsShowTheirMessageAndChangeNothingVisible) {
  Confirm("1 2\n2 3");
  const QImage drawn = Picture("g")->Image();
  const struct {
    const char* text;
    MessageBoxes::Kind kind;
    const char* message;
  } cases[] = {
      {"", MessageBoxes::Kind::Error, "'' is not a valid integer value."},
      {"1 2 ", MessageBoxes::Kind::Error, "'2 ' is not a valid integer value."},
      {"1 2\n2 1", MessageBoxes::Kind::Message, "Chyba: 1. a 2. riadok sú rovnaké."},
      {"2 2", MessageBoxes::Kind::Message, "Chyba v 1. riadku (nesprávne definovaná hrana)."},
      {"1 2\n5 0\n2 1", MessageBoxes::Kind::Message, "Chyba: 1. a 3. riadok sú rovnaké."},
  };
  for (const auto& c : cases) {
    boxes.clear();
    Confirm(c.text);
    ASSERT_EQ(boxes.size(), 1u) << c.text;
    EXPECT_EQ(boxes[0].kind, c.kind) << c.text;
    EXPECT_EQ(boxes[0].text, c.message);
    EXPECT_EQ(Picture("g")->Image(), drawn) << c.text;
    EXPECT_TRUE(Box(3)->isVisible());
    EXPECT_EQ(Text(Label(2)), "Graf má 3 vrcholy.");
    EXPECT_FALSE(Button(3)->isVisible());
  }
  // A failed check hands the focus back to the edge box, which resets the window for editing.
  EXPECT_TRUE(Memo()->hasFocus());
  EXPECT_TRUE(Button(1)->isEnabled());
}

TEST_F(WindowTest, ConfirmationDrawsTheTreeAndPlacesTheBoxes) {
  Confirm("1 2\n2 3\n3 4");
  EXPECT_TRUE(boxes.empty());
  EXPECT_EQ(Text(Label(2)), "Graf má 4 vrcholy.");
  EXPECT_EQ(Text(Label(5)), "Dopĺňajte vrcholy grafu a stláčajte ENTER:");
  const QPoint expected[] = {{528, 248}, {328, 48}, {128, 248}, {328, 448}};
  for (int k = 1; k <= 4; ++k) {
    EXPECT_TRUE(Box(k)->isVisible());
    EXPECT_EQ(Box(k)->pos(), expected[k - 1]);
    EXPECT_EQ(Box(k)->toolTip().toStdString(), "vrchol č. " + std::to_string(k));
  }
  for (int k = 5; k <= 20; ++k) EXPECT_FALSE(Box(k)->isVisible());
  EXPECT_TRUE(Box(1)->hasFocus());
  EXPECT_TRUE(Button(2)->isVisible() && Button(2)->isEnabled() && Button(2)->isDefault());
  EXPECT_TRUE(Button(3)->isVisible() && Button(3)->isEnabled());
  EXPECT_TRUE(Button(6)->isVisible() && Button(6)->isEnabled());
  EXPECT_TRUE(Button(8)->isVisible() && !Button(8)->isEnabled());
  EXPECT_TRUE(Button(9)->isVisible() && !Button(9)->isEnabled());
  EXPECT_FALSE(Picture("tab")->isVisible());
  EXPECT_EQ(form->State().VertexCount, 4);
  EXPECT_EQ(form->State().Fillings.HistoryPos, 0);

  EXPECT_EQ(Pixel("g", 1, 1), RgbBlack);
  EXPECT_EQ(Pixel("g", 498, 498), RgbBlack);
  EXPECT_EQ(Pixel("g", 10, 10), RgbAqua);
  EXPECT_EQ(Pixel("g", 250, 250), RgbAqua);
  for (auto [x, y] : {std::pair{450, 250}, {250, 50}, {50, 250}, {250, 450}}) {
    EXPECT_EQ(Pixel("g", x, y), RgbBlack);
    EXPECT_EQ(Pixel("g", x + 13, y), RgbBlack);
    EXPECT_EQ(Pixel("g", x, y < 400 ? y + 20 : y - 20), RgbAqua);  // beside the disc, off the edges
  }
  // The midpoint of the edge 1-2 lies on its line.
  EXPECT_EQ(Pixel("g", 350, 150), RgbBlack);

  // Tab cycles through the vertex boxes only, never into the edge box.
  for (int k = 2; k <= 4; ++k) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), Box(k));
  }
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), Box(1));
}

TEST_F(WindowTest, EnteringTheEdgeBoxResetsControlsButKeepsTheTree) {
  Confirm("1 2\n2 3\n3 4");
  Fill({"1", "4"});
  const QImage drawn = Picture("g")->Image();
  ClickMemo();
  EXPECT_TRUE(Button(1)->isEnabled());
  EXPECT_FALSE(Button(2)->isEnabled());
  EXPECT_FALSE(Button(2)->isDefault());
  EXPECT_TRUE(Button(2)->isVisible());
  for (int k : {3, 4, 5, 7, 8, 9}) EXPECT_FALSE(Button(k)->isVisible()) << k;
  EXPECT_TRUE(Button(6)->isVisible());
  EXPECT_EQ(Text(Label(5)), "");
  EXPECT_EQ(Text(Label(2)), "Graf má 4 vrcholy.");
  EXPECT_TRUE(Box(2)->isVisible());
  EXPECT_EQ(Box(2)->text(), "4");
  EXPECT_EQ(Picture("g")->Image(), drawn);
  EXPECT_EQ(Box(1)->focusPolicy(), Qt::ClickFocus);
}

TEST_F(WindowTest, ASmallerTreeHidesTheExtraBoxesAndKeepsTheirTexts) {
  Confirm("1 2\n2 3\n3 4\n4 5\n5 6\n6 7\n7 8\n8 9\n9 10");
  Fill({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"});
  Confirm("1 2\n1 3\n1 4\n1 5\n1 6");
  EXPECT_EQ(Text(Label(2)), "Graf má 6 vrcholov.");
  for (int k = 7; k <= 10; ++k) EXPECT_FALSE(Box(k)->isVisible());
  EXPECT_EQ(Box(6)->text(), "6");
  EXPECT_EQ(Box(9)->text(), "9");
  EXPECT_EQ(form->State().ReducedEdgeList[6], Edge{});
  // No trace of the old path inside the frame: a point on its edge 5-6 is aqua again.
  EXPECT_EQ(Pixel("g", 250, 445), RgbAqua);
}

TEST_F(WindowTest, ClearingTheBoxesEmptiesAllTwentyAndHidesTheTable) {
  Confirm("1 2\n2 3");
  for (int k = 1; k <= 20; ++k) Box(k)->setText("9");
  Click(Button(6));
  for (int k = 1; k <= 20; ++k) EXPECT_EQ(Box(k)->text(), "") << k;
  EXPECT_FALSE(Picture("tab")->isVisible());
  EXPECT_TRUE(Box(1)->hasFocus());
}
