#pragma once

#include <QIcon>
#include <QString>

class QCoreApplication;
class QTranslator;

// The program's version, as the build names it.
QString ProgramVersion();

// Loads Qt's own Slovak texts (standard dialogs, message-box buttons, the edit menus of text
// boxes) into the application; the translator belongs to `app`. Nothing when they are not
// installed.
QTranslator* InstallQtTranslations(QCoreApplication& app);

// The program's icon for the window and the taskbar, in the sizes drawn for it.
QIcon ProgramIcon();
