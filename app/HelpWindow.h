#pragma once

#include <QString>
#include <QWidget>
#include <vector>

#include "app/CommandTable.h"

class QTextBrowser;

// "Pomocník": the help in a window of its own that can stay open beside the main window. Its page
// is kept in the program's resources; the list of commands and keys is made from the table of
// commands, so that it says what the program does.
class HelpWindow : public QWidget {
 public:
  HelpWindow(QWidget* mainWindow, const std::vector<CommandRow>& commands);
  // The page as shown, for tests.
  QString Html() const { return html_; }

 private:
  QTextBrowser* browser_ = nullptr;
  QString html_;
};

// The help page with the commands' table in place of its marker.
QString HelpHtml(const std::vector<CommandRow>& commands);
