#include <QApplication>

#include "app/Unit1.h"
#include "app/WindowTexts.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationDisplayName(QString::fromStdString(texts::WindowCaption));
  TForm1 Form1;
  Form1.show();
  return app.exec();
}
