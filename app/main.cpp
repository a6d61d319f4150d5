#include <QApplication>
#include <QLocale>
#include <cstdio>
#include <cstring>

#include "app/TreeFileCommands.h"
#include "app/Unit1.h"
#include "app/WindowTexts.h"
#include "platform/DesktopSetup.h"

namespace {

constexpr const char* HelpText =
    "Použitie: graceful-trees [--help | --version | SÚBOR]\n"
    "\n"
    "Skúšanie gracióznych ohodnotení stromov. Zadajte strom zoznamom hrán, očíslujte jeho\n"
    "vrcholy a program každý pokus skontroluje; na požiadanie vyhľadá graciózne ohodnotenia\n"
    "stromu a navrhne to, ktoré je vášmu vyplneniu najbližšie. Program má jedno okno.\n"
    "Stromy a obrázky ukladá len na požiadanie; medzi spusteniami si pamätá iba zväčšenie\n"
    "okna, spôsob kreslenia stromu, zobrazenie čísel vrcholov a posledné priečinky\n"
    "dialógov (v ~/.config/sk.graceful_trees/graceful_trees.conf). SÚBOR je strom alebo\n"
    "súbor stromov (zoznam hrán, graph6 alebo sparse6), ktorý sa otvorí pri štarte.\n"
    "\n"
    "Voľby:\n"
    "  -h, --help     vypíše tento text a skončí\n"
    "  --version      vypíše verziu programu a skončí\n"
    "\n"
    "Ostatné voľby spracuje knižnica Qt (napríklad -platform offscreen).\n";

// These answer on the terminal, also where there is no display for a window.
bool AnswerOnTerminal(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      std::fputs(HelpText, stdout);
      return true;
    }
    if (std::strcmp(argv[i], "--version") == 0) {
      std::printf("graceful-trees %s\n", GRACEFUL_TREES_VERSION);
      return true;
    }
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (AnswerOnTerminal(argc, argv)) return 0;
  QApplication app(argc, argv);
  QApplication::setApplicationDisplayName(QString::fromStdString(texts::WindowCaption));
  QApplication::setApplicationVersion(ProgramVersion());
  QGuiApplication::setDesktopFileName("graceful-trees");
  QApplication::setWindowIcon(ProgramIcon());
  QLocale::setDefault(QLocale(QLocale::Slovak, QLocale::Slovakia));
  InstallQtTranslations(app);
  TForm1 Form1;
  Form1.show();
  // graceful-trees FILE opens a tree file, as the desktop's "open with" passes it.
  const QStringList arguments = QApplication::arguments();
  if (arguments.size() >= 2 && !arguments.last().startsWith('-')) Form1.Files().Open(arguments.last());
  return app.exec();
}
