#include <QAction>
#include <QMenu>
#include <QTimer>

#include "WindowHarness.h"
#include "app/VertexNumbers.h"

namespace {

QAction* Command(QWidget* form, const char* text) {
  for (QAction* action : form->actions()) {
    if (action->text() == QString::fromUtf8(text)) return action;
  }
  ADD_FAILURE() << "no command " << text;
  return nullptr;
}

}  // namespace

TEST_F(WindowTest, VertexNumbersStandOutsideTheCircleAndLeaveThePictureAlone) {
  Confirm("1 2\n2 3\n3 4\n4 5\n5 6");
  const QImage before = Picture("g")->image();
  auto* layer = Find<VertexNumbers>("vertexNumbers");
  EXPECT_TRUE(layer->Numbers().empty());

  QAction* numbers = Command(form.get(), "Zobraziť čísla vrcholov");
  numbers->trigger();
  ASSERT_EQ(layer->Numbers().size(), 6u);
  EXPECT_EQ(layer->Numbers()[0].vertex, 1);
  EXPECT_EQ(layer->Numbers()[0].x, 477);  // right of vertex 1 at (450, 250)
  EXPECT_EQ(layer->Numbers()[0].y, 250);
  for (const VertexNumbers::Number& number : layer->Numbers()) {
    const double fromCentre = std::hypot(number.x - 250, number.y - 250);
    EXPECT_GT(fromCentre, 200 + 15 + 5) << number.vertex;
  }
  // Peeled leaves take their numbers with them.
  PressEnterIn(1);
  Click(Button(7));
  EXPECT_EQ(layer->Numbers().size(), 4u);

  numbers->trigger();
  EXPECT_TRUE(layer->Numbers().empty());
  Confirm("1 2\n2 3\n3 4\n4 5\n5 6");
  EXPECT_EQ(Picture("g")->image(), before);
}
