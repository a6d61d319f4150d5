#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QProgressDialog>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSettings>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include "WindowHarness.h"
#include "app/WindowSettings.h"
#include "app/WorksheetCommandLine.h"
#include "app/WorksheetDialog.h"

namespace {

bool HavePoppler() {
  return !QStandardPaths::findExecutable("pdftotext").isEmpty() &&
         !QStandardPaths::findExecutable("pdftoppm").isEmpty();
}

QString PdfText(const QString& path) {
  QProcess process;
  process.start("pdftotext", {"-layout", path, "-"});
  process.waitForFinished();
  return QString::fromUtf8(process.readAllStandardOutput());
}

// The numbers standing alone on the PDF's pages, in order, but for the task's "1 až n".
QStringList PdfNumbers(const QString& path) {
  QStringList numbers;
  const QString text = PdfText(path).remove(QString::fromUtf8("čísla 1 až n"));
  for (const QString& word : text.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts))
    if (QRegularExpression("^\\d+$").match(word).hasMatch()) numbers << word;
  return numbers;
}

// The pixels of a rendered first page that are of any colour but grey.
int ColouredPixels(const QString& path) {
  QTemporaryDir dir;
  QProcess::execute("pdftoppm", {"-r", "40", "-singlefile", path, dir.filePath("page")});
  const QImage image(dir.filePath("page.ppm"));
  EXPECT_FALSE(image.isNull());
  int coloured = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = image.pixel(x, y);
      coloured += std::max({qRed(p), qGreen(p), qBlue(p)}) - std::min({qRed(p), qGreen(p), qBlue(p)}) > 24;
    }
  }
  return coloured;
}

void Write(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

// Runs `answer` on the modal dialog of type T as soon as it is open.
template <typename T>
void WhenOpen(QObject* context, std::function<void(T*)> answer) {
  QTimer::singleShot(0, context, [context, answer] {
    if (T* dialog = dynamic_cast<T*>(QApplication::activeModalWidget())) {
      answer(dialog);
    } else {
      WhenOpen<T>(context, answer);
    }
  });
}

template <typename T>
T* Control(QWidget* dialog, const char* name) {
  T* control = dialog->findChild<T*>(name);
  EXPECT_NE(control, nullptr) << name;
  return control;
}

QPushButton* ButtonOf(QWidget* dialog, const char* name) { return Control<QPushButton>(dialog, name); }

QStringList PdfsIn(const QString& folder) { return QDir(folder).entryList({"*.pdf"}, QDir::Files); }

}  // namespace

class PaperWindowTest : public WindowTest {
 protected:
  QTemporaryDir dir;
};

TEST_F(PaperWindowTest, PrintsTheExerciseAsItStandsInBlackAndWhiteFromThePreview) {
  if (!HavePoppler()) GTEST_SKIP() << "no poppler-utils";
  // Values 1 and 1 repeat, 2 stands alone, and the edge to the empty box is not known yet.
  Confirm("1 2\n2 3\n3 4\n4 5");
  Fill({"1", "2", "3", "5", ""});
  PressEnterIn(1);
  ASSERT_TRUE(form->State().Drawn.values.has_value());
  const QString path = dir.filePath("cvicenie.pdf");
  {
    QPdfWriter printed(path);
    ASSERT_TRUE(form->Paper().PrintExerciseTo(printed));
  }
  const QString text = PdfText(path);
  EXPECT_EQ(text.count('\f'), 1);
  for (const char* expected : {"Meno:", "Hrany: 1–2, 2–3, 3–4, 4–5", "Hodnoty hrán:", "?"})
    EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << " in\n" << text.toStdString();
  // The filled numbers and the values are on the page; the screen's colours are not.
  const QStringList numbers = PdfNumbers(path);
  for (const char* expected : {"1", "2", "3", "5"}) EXPECT_TRUE(numbers.contains(expected)) << expected;
  EXPECT_EQ(ColouredPixels(path), 0);

  // Ctrl+P shows the page in the preview, from which it is printed.
  int previewPages = -1;
  WhenOpen<QPrintPreviewDialog>(form.get(), [&](QPrintPreviewDialog* preview) {
    previewPages = preview->findChild<QPrintPreviewWidget*>()->pageCount();
    preview->reject();
  });
  Command(form.get(), "print")->trigger();
  EXPECT_EQ(previewPages, 1);
}

TEST_F(PaperWindowTest, TheDialogTakesARangeOfTheSetWithGivensAndRemembersItsChoices) {
  if (!HavePoppler()) GTEST_SKIP() << "no poppler-utils";
  // Twenty trees; the fifth has a loop, the fourteenth a filling 3 _ 1.
  QByteArray set;
  for (int k = 1; k <= 20; ++k) {
    if (k > 1) set += "---\n";
    set += k == 5 ? "1 1\n" : "1 2\n2 3\n";
    if (k % 2 == 0) set += "3 4\n";
    if (k == 14) set += "# čísla: 3 0 1\n";
  }
  Write(dir.filePath("sada.txt"), set);
  ASSERT_TRUE(form->Files().Open(dir.filePath("sada.txt")));

  int previewPages = -1;
  WhenOpen<WorksheetDialog>(form.get(), [&](WorksheetDialog* dialog) {
    QRadioButton* fromSet = Control<QRadioButton>(dialog, "fromSet");
    EXPECT_TRUE(fromSet->isEnabled());
    fromSet->setChecked(true);
    Control<QRadioButton>(dialog, "wholeSet")->setChecked(true);
    // The whole set would leave the fifth tree out: the dialog says which and why before anything.
    const QString leftOut = Control<QLabel>(dialog, "leftOut")->text();
    EXPECT_TRUE(leftOut.startsWith(
        QString::fromUtf8("Na pracovný list sa nedostane 1 strom z 20:\nStrom 5, riadok 15: hrana spája")))
        << leftOut.toStdString();
    EXPECT_EQ(ButtonOf(dialog, "save")->text(), QString::fromUtf8("Uložiť bez nich…"));
    Control<QRadioButton>(dialog, "range")->setChecked(true);
    Control<QSpinBox>(dialog, "first")->setValue(13);
    Control<QSpinBox>(dialog, "last")->setValue(20);
    EXPECT_TRUE(Control<QLabel>(dialog, "leftOut")->isHidden());
    EXPECT_EQ(ButtonOf(dialog, "save")->text(), QString::fromUtf8("Uložiť…"));
    QCheckBox* givens = Control<QCheckBox>(dialog, "givens");
    EXPECT_TRUE(givens->isEnabled());
    givens->setChecked(true);
    Control<QComboBox>(dialog, "perPage")->setCurrentText("4");
    Control<QComboBox>(dialog, "answers")->setCurrentIndex(1);
    Control<QLineEdit>(dialog, "heading")->setText(QString::fromUtf8("Cvičenie 3 – 12. 12. 2026"));
    // The preview shows the pages as they will be: 8 trees four a page, then the key.
    WhenOpen<QPrintPreviewDialog>(dialog, [&](QPrintPreviewDialog* preview) {
      previewPages = preview->findChild<QPrintPreviewWidget*>()->pageCount();
      preview->reject();
    });
    ButtonOf(dialog, "preview")->click();
    // Going on asks where to save; going back from there writes nothing.
    WhenOpen<QFileDialog>(form.get(), [](QFileDialog* files) { files->reject(); });
    ButtonOf(dialog, "save")->click();
  });
  Command(form.get(), "worksheet")->trigger();
  EXPECT_EQ(previewPages, 2 + 2);
  EXPECT_TRUE(PdfsIn(dir.path()).isEmpty());

  // The next dialog starts from those choices; cancelling it writes nothing either.
  WorksheetChoice shown;
  WhenOpen<WorksheetDialog>(form.get(), [&](WorksheetDialog* dialog) {
    shown = dialog->Choice();
    ButtonOf(dialog, "cancel")->click();
  });
  Command(form.get(), "worksheet")->trigger();
  WorksheetChoice expected;
  expected.source = WorksheetSource::Set;
  expected.wholeSet = false;
  expected.first = 13;
  expected.last = 20;
  expected.givens = true;
  expected.perPage = 4;
  expected.answers = WorksheetAnswers::Separate;
  expected.heading = "Cvičenie 3 – 12. 12. 2026";
  EXPECT_EQ(shown, expected);
  EXPECT_EQ(WindowSettings().Worksheet(), expected);
  EXPECT_TRUE(PdfsIn(dir.path()).isEmpty());

  // Written, the range gives exactly its trees, the givens in their circles (and no other number
  // stands alone on the pages), the key beside.
  WorksheetChoice unheaded = expected;
  unheaded.heading.clear();
  ASSERT_TRUE(form->Paper().WriteWorksheetTo(dir.filePath("list.pdf"), unheaded));
  EXPECT_EQ(PdfsIn(dir.path()), (QStringList{"list-riesenia.pdf", "list.pdf"}));
  const QString sheet = PdfText(dir.filePath("list.pdf"));
  EXPECT_EQ(sheet.count(QRegularExpression("Strom \\d+ \\(")), 8);
  for (int k = 13; k <= 20; ++k) EXPECT_TRUE(sheet.contains(QString("Strom %1 (").arg(k))) << k;
  EXPECT_TRUE(sheet.contains(QString::fromUtf8("Strom 14 (4 vrcholy)")));
  QStringList numbers = PdfNumbers(dir.filePath("list.pdf")).filter(QRegularExpression("^\\d$"));
  numbers.sort();
  EXPECT_EQ(numbers, (QStringList{"1", "3"})) << "the givens, and no number in any other circle";
  EXPECT_TRUE(PdfText(dir.filePath("list-riesenia.pdf")).contains(QString::fromUtf8("Riešenia")));

  // A damaged store gives the default choices.
  QSettings("sk.graceful_trees", "graceful_trees").setValue("worksheet/perPage", "3");
  EXPECT_EQ(WindowSettings().Worksheet().perPage, 2);
}

TEST_F(PaperWindowTest, RandomWorksheetsStayPossibleWithASetOpenAndCancellingWritesNothing) {
  if (!HavePoppler()) GTEST_SKIP() << "no poppler-utils";
  Write(dir.filePath("strom.txt"), "1 2\n");
  ASSERT_TRUE(form->Files().Open(dir.filePath("strom.txt")));
  WorksheetChoice random;
  random.vertices = 6;
  random.count = 3;
  random.answers = WorksheetAnswers::None;
  ASSERT_TRUE(form->Paper().WriteWorksheetTo(dir.filePath("nahodne.pdf"), random));
  const QString text = PdfText(dir.filePath("nahodne.pdf"));
  EXPECT_EQ(text.count("(6 vrcholov)"), 3);
  EXPECT_EQ(text.count('\f'), 2);

  // Sixty trees of twenty vertices take seconds; cancelled at once, nothing is written.
  random.vertices = 20;
  random.count = 60;
  QTimer::singleShot(50, form.get(), [this] {
    if (auto* progress = form->findChild<QProgressDialog*>()) progress->cancel();
  });
  EXPECT_FALSE(form->Paper().WriteWorksheetTo(dir.filePath("zrusene.pdf"), random));
  EXPECT_FALSE(QFile::exists(dir.filePath("zrusene.pdf")));
  EXPECT_FALSE(form->State().Busy);
}

TEST(WorksheetCommandLine, TakesTheOptionsAndNamesWhatIsWrong) {
  const auto parse = [](const std::string& line) {
    std::vector<std::string> arguments;
    for (const QString& word : QString::fromStdString(line).split(' ', Qt::SkipEmptyParts))
      arguments.push_back(word.toStdString());
    return ParseWorksheetCommand(arguments);
  };
  const ParsedWorksheetCommand full = parse(
      "--worksheet -o list.pdf --set sada.txt --range 13:20 --per-page 6 --answers separate --givens "
      "--heading Cvičenie");
  ASSERT_TRUE(full.command) << full.error;
  EXPECT_EQ(full.command->output, "list.pdf");
  EXPECT_EQ(full.command->setPath, "sada.txt");
  WorksheetChoice choice;
  choice.source = WorksheetSource::Set;
  choice.wholeSet = false;
  choice.first = 13;
  choice.last = 20;
  choice.perPage = 6;
  choice.answers = WorksheetAnswers::Separate;
  choice.givens = true;
  choice.heading = "Cvičenie";
  EXPECT_EQ(full.command->choice, choice);
  const ParsedWorksheetCommand random = parse("--worksheet --random 12:30 -o a.pdf");
  ASSERT_TRUE(random.command);
  EXPECT_EQ(random.command->choice.vertices, 12);
  EXPECT_EQ(random.command->choice.count, 30);
  EXPECT_TRUE(random.command->choice.wholeSet);

  const std::pair<const char*, const char*> refused[] = {
      {"--random 5:5", "Chýba súbor pracovného listu: -o SÚBOR.pdf."},
      {"-o a.pdf", "Chýbajú stromy: --random N:POČET alebo --set SÚBOR."},
      {"-o a.pdf --random 5:5 --set s.txt", "Voľby --random a --set sa nedajú spojiť."},
      {"-o a.pdf --random 5", "Voľba --random čaká N:POČET (napríklad 10:12), nie „5“."},
      {"-o a.pdf --random 21:5", "Strom môže mať 2 až 20 vrcholov; 21 sa nedá použiť."},
      {"-o a.pdf --random 5:61", "Náhodných stromov môže byť 1 až 60; 61 sa nedá použiť."},
      {"-o a.pdf --random 5:5 --per-page 3", "Na strane môže byť 1, 2, 4 alebo 6 stromov; 3 sa nedá použiť."},
      {"-o a.pdf --random 5:5 --per-page x", "Voľba --per-page čaká 1, 2, 4 alebo 6, nie „x“."},
      {"-o a.pdf --random 5:5 --answers both", "Voľba --answers čaká end, separate alebo none, nie „both“."},
      {"-o a.pdf --random 5:5 --givens", "Voľba --givens platí len s voľbou --set."},
      {"-o a.pdf --random 5:5 --range 1:2", "Voľba --range platí len s voľbou --set."},
      {"-o a.pdf --set s.txt --range 1-2", "Voľba --range čaká K:M (napríklad 13:20), nie „1-2“."},
      {"-o a.pdf --set", "Voľba --set potrebuje hodnotu."},
      {"-o a.pdf --random 5:5 --color", "Neznáma voľba --color."},
  };
  for (const auto& [line, message] : refused) {
    const ParsedWorksheetCommand parsed = parse(line);
    EXPECT_FALSE(parsed.command) << line;
    EXPECT_EQ(parsed.error, message) << line;
  }
}
