#include <QAccessible>
#include <QTimer>

#include "WindowHarness.h"

namespace {

const char* PathOf4 = "1 3\n2 4\n1 2";  // the path 3-1-2-4

}  // namespace

TEST_F(WindowTest, CheckDrawsSquaresAndTableAndOffersTheNextCommands) {
  Confirm(PathOf4);
  Fill({"4", "2", "1", "3"});
  PressEnterIn(1);
  EXPECT_TRUE(boxes.empty()) << LastBox();
  // Quarter points of the two opposite edges, the midpoint of the third: all values unique.
  // Pixels in the squares' lower left corners, clear of the value texts.
  EXPECT_EQ(Pixel("g", 343, 257), RgbGreen);
  EXPECT_EQ(Pixel("g", 243, 157), RgbGreen);
  EXPECT_EQ(Pixel("g", 343, 157), RgbGreen);
  EXPECT_TRUE(Picture("tab")->isVisible());
  EXPECT_EQ(Pixel("tab", 217, 32), RgbBlack);   // dot of the first edge
  EXPECT_EQ(Pixel("tab", 52, 87), RgbSkyBlue);  // no edge joins labels 1 and 2
  EXPECT_EQ(Pixel("tab", 2, 2), RgbSkyBlue);
  EXPECT_TRUE(Button(3)->isEnabled());
  EXPECT_TRUE(Button(7)->isVisible() && Button(7)->isEnabled());
  EXPECT_FALSE(Button(8)->isEnabled());
  EXPECT_FALSE(Button(9)->isEnabled());
  EXPECT_EQ(form->State().Fillings.HistoryPos, 1);
  // The squares in words, where the status texts stand; the Parts' own labels stay empty.
  EXPECT_EQ(Text(Find<QLabel>("verdict")), "Graciózne ohodnotenie: hodnoty hrán sú 1 až 3, každá raz.");
  for (int k : {1, 4, 6, 7, 8}) EXPECT_EQ(Text(Label(k)), "") << k;

  // A repeated value is red, an edge with an empty end blue.
  Fill({"1", "2", "", "3"});
  PressEnterIn(2);
  EXPECT_EQ(Pixel("g", 350, 250), RgbBlue);
  EXPECT_EQ(Pixel("g", 243, 157), RgbRed);
  EXPECT_EQ(Pixel("g", 343, 157), RgbRed);
  EXPECT_TRUE(Button(8)->isEnabled());
  EXPECT_EQ(Text(Find<QLabel>("verdict")), "Hodnota 1 sa už opakuje. (F4:\u00a0poradiť)");
  // It goes with the check table: with a search's texts, and when the edge box is entered.
  Click(Button(3));
  EXPECT_EQ(Text(Find<QLabel>("verdict")), "");
  Click(Button(2));
  ClickMemo();
  EXPECT_EQ(Text(Find<QLabel>("verdict")), "");
}

TEST_F(WindowTest, AScreenReaderHearsTheBoxesThePicturesAndTheVerdict) {
  auto name = [](QObject* control) {
    return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name).toStdString();
  };
  auto description = [](QObject* control) {
    return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Description).toStdString();
  };
  EXPECT_EQ(name(Memo()), "Hrany grafu");
  EXPECT_EQ(name(Box(1)), "Vrchol 1");
  EXPECT_EQ(name(Box(20)), "Vrchol 20");
  EXPECT_EQ(name(Button(3)), "Hľadať a navrhnúť riešenie");
  Confirm(PathOf4);
  EXPECT_EQ(description(Picture("g")), "Strom s 4 vrcholmi, hrany: 1–3, 2–4, 1–2.");
  Fill({"1", "2", "", "3"});
  PressEnterIn(1);
  EXPECT_EQ(name(Find<QLabel>("verdict")), "Hodnota 1 sa už opakuje. (F4:\u00a0poradiť)");
  EXPECT_EQ(description(Picture("g")),
            "Hrana 1–3: hodnota ešte nie je známa. Hrana 2–4: hodnota 1, opakuje sa. Hrana 1–2: hodnota 1, "
            "opakuje sa.");
  EXPECT_EQ(description(Picture("tab")), "Tabuľka dvojíc čísel: pokryté hodnoty 1; nepokryté 2 a 3.");
  Click(Button(6));
  Click(Button(3));
  EXPECT_EQ(description(Picture("tabid")), "Tabuľka dvojíc čísel: pokryté sú všetky hodnoty 1 až 3.");
}

TEST_F(WindowTest, RejectedFillingsShowTheFirstFaultAndStoreNothing) {
  Confirm("1 2\n2 3\n3 4\n4 5");
  Box(3)->setText("ab");
  PressEnterIn(1);
  EXPECT_EQ(LastBox(), "'ab' is not a valid integer value.");
  ASSERT_FALSE(boxes.empty());
  EXPECT_EQ(boxes.back().kind, MessageBoxes::Kind::Error);
  Box(3)->clear();
  Fill({"5", "3", "5", "3"});
  PressEnterIn(1);
  EXPECT_EQ(LastBox(), "Chyba: vrcholy 1 a 3 majú rovnaké číslo: 5.");
  EXPECT_EQ(boxes.back().kind, MessageBoxes::Kind::Message);
  Fill({"", "-3"});
  PressEnterIn(1);
  EXPECT_EQ(LastBox(), "Chyba v 2. vrchole (nepovolené číslo: -3).");
  EXPECT_EQ(form->State().Fillings.HistoryPos, 0);
  EXPECT_FALSE(Button(7)->isVisible());
  EXPECT_TRUE(Box(2)->hasFocus() || Box(1)->hasFocus());
}

TEST_F(WindowTest, EnterInABoxDoesNothingAfterTheEdgeBoxWasEntered) {
  Confirm(PathOf4);
  ClickMemo();
  Fill({"1"});
  QTest::mouseClick(Box(1), Qt::LeftButton);
  PressEnterIn(1);
  EXPECT_EQ(form->State().Fillings.HistoryPos, 0);
}

TEST_F(WindowTest, BackAndForwardShowStoredFillingsAsChecked) {
  Confirm(PathOf4);
  Fill({"03", "", "", ""});
  PressEnterIn(1);
  const QImage firstTable = Picture("tab")->Image();
  Fill({"4", "2", "1", "3"});
  PressEnterIn(1);
  Fill({"1", "2", "3", "4"});
  PressEnterIn(1);
  EXPECT_TRUE(boxes.empty()) << LastBox();
  Click(Button(8));
  Click(Button(8));
  EXPECT_EQ(form->State().Fillings.HistoryPos, 1);
  EXPECT_EQ(Box(1)->text(), "3");
  EXPECT_EQ(Box(2)->text(), "");
  EXPECT_FALSE(Button(8)->isEnabled());
  EXPECT_TRUE(Button(9)->isEnabled());
  EXPECT_EQ(Picture("tab")->Image(), firstTable);
  EXPECT_EQ(Text(Find<QLabel>("verdict")), "Zatiaľ bez chyby; chýbajú 3 čísla. (F4:\u00a0poradiť)");
  Click(Button(9));
  EXPECT_EQ(Box(4)->text(), "3");
  EXPECT_TRUE(Button(8)->isEnabled() && Button(9)->isEnabled());
  EXPECT_EQ(Pixel("g", 343, 257), RgbGreen);
  // Checking after stepping back makes this the newest filling.
  Click(Button(8));
  Fill({"2", "", "", ""});
  PressEnterIn(1);
  EXPECT_EQ(form->State().Fillings.HistoryPos, 2);
  EXPECT_EQ(form->State().Fillings.HistoryTop, 2);
  EXPECT_FALSE(Button(9)->isEnabled());
  // A new confirmation starts a new history.
  Confirm(PathOf4);
  EXPECT_FALSE(Button(8)->isEnabled() || Button(9)->isEnabled());
  PressEnterIn(1);
  EXPECT_EQ(form->State().Fillings.HistoryPos, 1);
}

TEST_F(WindowTest, LeafRemovalPeelsOneLayerPerPressAndKeepsVerticesInPlace) {
  Confirm("1 2\n2 3\n3 4\n4 5");
  Fill({"1", "4", "2", "3", ""});
  PressEnterIn(1);
  Click(Button(7));
  for (int k : {2, 3, 8, 9, 6}) EXPECT_FALSE(Button(k)->isEnabled()) << k;
  EXPECT_TRUE(Button(7)->isEnabled());
  EXPECT_FALSE(Box(1)->isVisible());
  EXPECT_FALSE(Box(5)->isVisible());
  for (int k : {2, 3, 4}) EXPECT_TRUE(Box(k)->isVisible()) << k;
  EXPECT_EQ(Box(3)->pos(), QPoint(88 + 88 - 10, 8 + 132 - 10));
  EXPECT_EQ(Pixel("g", 450, 250), RgbAqua);  // vertex 1 is gone
  EXPECT_EQ(Pixel("g", 88, 132), RgbBlack);
  Click(Button(7));
  EXPECT_FALSE(Button(7)->isEnabled());
  for (int k = 1; k <= 20; ++k) EXPECT_EQ(Box(k)->isVisible(), k == 3) << k;
  EXPECT_EQ(Box(2)->text(), "4");
  // Confirming again restores the whole tree.
  Confirm("1 2\n2 3\n3 4\n4 5");
  for (int k = 1; k <= 5; ++k) EXPECT_TRUE(Box(k)->isVisible()) << k;
  EXPECT_TRUE(Button(6)->isEnabled());
}

TEST_F(WindowTest, ClearingAfterLeafRemovalNeverFocusesAHiddenBox) {
  Confirm("1 2\n1 3\n1 4\n1 5\n1 6");
  Fill({"2"});
  PressEnterIn(1);
  Click(Button(3));  // a search gives Button6 back after the removal below
  Click(Button(7));
  EXPECT_FALSE(Box(1)->isVisible() && Box(2)->isVisible());
  Confirm("1 2\n2 3\n3 4\n4 5\n5 6");
  PressEnterIn(1);
  Click(Button(7));
  Click(Button(7));
  ASSERT_FALSE(Box(1)->isVisible());
  form->Button6Click();
  EXPECT_NE(QApplication::focusWidget(), Box(1));
  for (int k = 1; k <= 20; ++k) EXPECT_EQ(Box(k)->text(), "");
}

TEST_F(WindowTest, WhatTheStudentCannotSeeNeverBlocksOrVanishes) {
  // A box above n whose text does not convert counts as empty.
  Confirm("1 2\n1 3\n1 4\n1 5\n1 6");
  Box(6)->setText("ab");
  Confirm("1 2\n2 3\n3 4");
  Fill({"1", "4", "2", "3"});
  PressEnterIn(1);
  EXPECT_TRUE(boxes.empty()) << LastBox();
  EXPECT_TRUE(Picture("tab")->isVisible());

  // Leaf removal during a star's search, then a check and a history step offer it again with no
  // edge left: the centre that remains must stay on the picture.
  Confirm("1 2\n1 3\n1 4\n1 5\n1 6\n1 7\n1 8\n1 9\n1 10");
  Fill({"", "", "", "", "", "", "", "", "", ""});
  PressEnterIn(1);
  PressEnterIn(1);
  QTimer::singleShot(0, form.get(), [&] { form->Button7Click(); });
  Click(Button(3));
  PressEnterIn(1);
  Click(Button(8));
  ASSERT_TRUE(Button(7)->isEnabled());
  Click(Button(7));
  EXPECT_TRUE(Box(1)->isVisible());
  for (int k = 2; k <= 10; ++k) EXPECT_FALSE(Box(k)->isVisible()) << k;
  EXPECT_EQ(Pixel("g", 450, 250), RgbBlack);
}
