#include <QApplication>
#include <QLocale>
#include <cstdio>
#include <cstring>

#include "app/TreeFileCommands.h"
#include "app/Unit1.h"
#include "app/WindowTexts.h"
#include "app/WorksheetCommandLine.h"
#include "platform/DesktopSetup.h"

namespace {

constexpr const char* HelpText =
    "Použitie: graceful-trees [--help | --version | SÚBOR]\n"
    "         graceful-trees --worksheet -o LIST.pdf (--random N:POČET | --set SÚBOR [--range K:M])\n"
    "                        [--per-page 1|2|4|6] [--answers end|separate|none] [--givens]\n"
    "                        [--heading TEXT]\n"
    "\n"
    "Skúšanie gracióznych ohodnotení stromov. Zadajte strom zoznamom hrán, očíslujte jeho\n"
    "vrcholy a program každý pokus skontroluje; na požiadanie vyhľadá graciózne ohodnotenia\n"
    "stromu a navrhne to, ktoré je vášmu vyplneniu najbližšie. Program má jedno okno.\n"
    "Stromy a obrázky ukladá len na požiadanie; medzi spusteniami si pamätá iba zväčšenie\n"
    "okna, spôsob kreslenia stromu, zobrazenie čísel vrcholov, posledné priečinky dialógov\n"
    "a voľby pracovného listu (v ~/.config/sk.graceful_trees/graceful_trees.conf). SÚBOR je\n"
    "strom alebo súbor stromov (zoznam hrán, graph6 alebo sparse6), ktorý sa otvorí pri štarte.\n"
    "\n"
    "Voľby:\n"
    "  -h, --help     vypíše tento text a skončí\n"
    "  --version      vypíše verziu programu a skončí\n"
    "  --worksheet    bez okna a bez displeja zapíše pracovný list do súboru PDF:\n"
    "      -o LIST.pdf          kam sa zapíše\n"
    "      --random N:POČET     POČET (1 až 60) náhodných stromov s N (2 až 20) vrcholmi\n"
    "      --set SÚBOR          stromy súboru; --range K:M len stromy K až M (najviac 200)\n"
    "      --per-page P         stromov na strane: 1, 2 (predvolené), 4 alebo 6\n"
    "      --answers A          riešenia na konci (end, predvolené), v súbore\n"
    "                           LIST-riesenia.pdf (separate) alebo žiadne (none)\n"
    "      --givens             vpíše do vrcholov čísla zo súboru stromov\n"
    "      --heading TEXT       riadok nad „Meno:“ na každej strane\n"
    "    Pri chybnej voľbe alebo odmietnutom strome vypíše dôvod a skončí s nenulovým kódom.\n"
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
  if (IsWorksheetCommand(argc, argv)) return RunWorksheetCommand(argc, argv);
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
