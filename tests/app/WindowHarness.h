#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "app/LabelingHelpCommands.h"
#include "app/PaperCommands.h"
#include "app/TreeFileCommands.h"
#include "app/Unit1.h"
#include "draw/Canvas.h"
#include "platform/MessageBoxes.h"
#include "platform/PictureBox.h"

struct ShownBox {
  MessageBoxes::Kind kind;
  std::string text;
};

// A fresh window per test, shown under the offscreen platform, with modal boxes recorded.
class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    MessageBoxes::SetHook([this](MessageBoxes::Kind kind, const QString& text) {
      boxes.push_back({kind, text.toStdString()});
    });
    // Each test starts as a first run, whatever an earlier one chose.
    WindowSettings::Clear();
    form = std::make_unique<TForm1>();
    form->show();
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
  }
  void TearDown() override {
    form.reset();
    MessageBoxes::SetHook({});
  }

  template <typename T>
  T* Find(const char* name) const {
    T* control = form->findChild<T*>(name);
    EXPECT_NE(control, nullptr) << name;
    return control;
  }
  QPushButton* Button(int k) const { return Find<QPushButton>(("Button" + std::to_string(k)).c_str()); }
  QLineEdit* Box(int k) const {
    const QString name = QString("e%1").arg(k, 2, 10, QChar('0'));
    return Find<QLineEdit>(name.toStdString().c_str());
  }
  QLabel* Label(int k) const { return Find<QLabel>(("Label" + std::to_string(k)).c_str()); }
  QPlainTextEdit* Memo() const { return Find<QPlainTextEdit>("Memo1"); }
  PictureBox* Picture(const char* name) const { return Find<PictureBox>(name); }

  void ClickMemo() { QTest::mouseClick(Memo()->viewport(), Qt::LeftButton); }
  void Click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
  // Types the edge list into the edge box (entering it first, as a user would) and confirms.
  void Confirm(const std::string& text) {
    ClickMemo();
    Memo()->setPlainText(QString::fromStdString(text));
    Click(Button(1));
  }
  void Fill(const std::vector<std::string>& labels) {
    for (std::size_t k = 0; k < labels.size(); ++k)
      Box(static_cast<int>(k) + 1)->setText(QString::fromStdString(labels[k]));
  }
  void PressEnterIn(int box) { QTest::keyClick(Box(box), Qt::Key_Return); }
  // A status text as it reads: the lines a long one wraps into are one sentence (the proposal's
  // labels keep their line breaks).
  std::string Text(QLabel* label) const {
    QString text = label->text();
    if (label->objectName() != "Label7") text.replace('\n', ' ');
    return text.toStdString();
  }
  std::string LastBox() const { return boxes.empty() ? std::string() : boxes.back().text; }
  // Colour of a picture pixel as 0xRRGGBB.
  unsigned Pixel(const char* picture, int x, int y) const {
    return Picture(picture)->Image().pixel(x, y) & 0xFFFFFF;
  }

  std::unique_ptr<TForm1> form;
  std::vector<ShownBox> boxes;
};

// The command of the window's context menu and keys with this id.
inline QAction* Command(QWidget* form, const char* id) {
  for (QAction* action : form->actions()) {
    if (action->objectName() == QString::fromUtf8(id)) return action;
  }
  ADD_FAILURE() << "no command " << id;
  return nullptr;
}

// The drawing colours as pixels read back from an image (0xRRGGBB).
constexpr unsigned Rgb(Color color) {
  return ((color & 0xFF) << 16) | (color & 0xFF00) | ((color >> 16) & 0xFF);
}
inline constexpr unsigned RgbAqua = Rgb(Colors::Aqua);
inline constexpr unsigned RgbBlack = Rgb(Colors::Black);
inline constexpr unsigned RgbSkyBlue = Rgb(Colors::SkyBlue);
inline constexpr unsigned RgbGreen = Rgb(Colors::Green);
inline constexpr unsigned RgbRed = Rgb(Colors::Red);
inline constexpr unsigned RgbBlue = Rgb(Colors::Blue);
