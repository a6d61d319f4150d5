#include "app/WorksheetCommandLine.h"

#include <QGuiApplication>
#include <charconv>
#include <cstdio>
#include <cstring>

#include "app/PaperCommands.h"
#include "app/QtText.h"
#include "app/TreeFileCommands.h"
#include "app/WindowTexts.h"
#include "tree/TreeDrawing.h"

namespace {

// The picture the window draws its trees in: the command line lays them out as on its circle.
constexpr int TreePictureSize = 500;

std::optional<int> Whole(const std::string& text) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (error != std::errc() || stop != end || text.empty()) return std::nullopt;
  return value;
}

// "10:12" as its two numbers.
std::optional<std::pair<int, int>> Pair(const std::string& text) {
  const std::size_t colon = text.find(':');
  if (colon == std::string::npos) return std::nullopt;
  const std::optional<int> a = Whole(text.substr(0, colon));
  const std::optional<int> b = Whole(text.substr(colon + 1));
  if (!a || !b) return std::nullopt;
  return std::pair(*a, *b);
}

ParsedWorksheetCommand Refused(const std::string& message) { return {std::nullopt, message}; }

// The terminal gets our messages only: Qt's notes about the session (no runtime folder, no
// display) say nothing about the worksheet.
void KeepQtQuiet(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) std::fputs((message.toStdString() + "\n").c_str(), stderr);
}

int Fail(const std::string& message, int code) {
  std::fputs((message + "\n").c_str(), stderr);
  return code;
}

}  // namespace

ParsedWorksheetCommand ParseWorksheetCommand(const std::vector<std::string>& arguments) {
  WorksheetCommand command;
  bool random = false, range = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& option = arguments[i];
    if (option == "--worksheet") continue;
    if (option == "--givens") {
      command.choice.givens = true;
      continue;
    }
    const bool known = option == "-o" || option == "--output" || option == "--random" || option == "--set" ||
                       option == "--range" || option == "--per-page" || option == "--answers" ||
                       option == "--heading";
    if (!known) return Refused(texts::UnknownOption(option));
    if (i + 1 >= arguments.size()) return Refused(texts::OptionNeedsValue(option));
    const std::string& value = arguments[++i];
    if (option == "-o" || option == "--output") {
      command.output = value;
    } else if (option == "--set") {
      command.setPath = value;
    } else if (option == "--heading") {
      command.choice.heading = value;
    } else if (option == "--random") {
      const std::optional<std::pair<int, int>> numbers = Pair(value);
      if (!numbers) return Refused(texts::OptionRefusesValue(option, "N:POČET (napríklad 10:12)", value));
      random = true;
      command.choice.source = WorksheetSource::Random;
      command.choice.vertices = numbers->first;
      command.choice.count = numbers->second;
    } else if (option == "--range") {
      const std::optional<std::pair<int, int>> numbers = Pair(value);
      if (!numbers) return Refused(texts::OptionRefusesValue(option, "K:M (napríklad 13:20)", value));
      range = true;
      command.choice.wholeSet = false;
      command.choice.first = numbers->first;
      command.choice.last = numbers->second;
    } else if (option == "--per-page") {
      const std::optional<int> perPage = Whole(value);
      if (!perPage) return Refused(texts::OptionRefusesValue(option, "1, 2, 4 alebo 6", value));
      command.choice.perPage = *perPage;
    } else if (option == "--answers") {
      if (value == "end") {
        command.choice.answers = WorksheetAnswers::End;
      } else if (value == "separate") {
        command.choice.answers = WorksheetAnswers::Separate;
      } else if (value == "none") {
        command.choice.answers = WorksheetAnswers::None;
      } else {
        return Refused(texts::OptionRefusesValue(option, "end, separate alebo none", value));
      }
    }
  }
  if (command.output.empty()) return Refused(texts::WorksheetOutputMissing);
  if (random && !command.setPath.empty()) return Refused(texts::WorksheetTreesTwice);
  if (!random && command.setPath.empty()) return Refused(texts::WorksheetTreesMissing);
  if (random && range) return Refused(texts::OptionOnlyWithSet("--range"));
  if (random && command.choice.givens) return Refused(texts::OptionOnlyWithSet("--givens"));
  if (!random) command.choice.source = WorksheetSource::Set;
  // The set's size is known only once it is read; the rest is checked now.
  if (random)
    if (const std::optional<std::string> fault = WorksheetChoiceFault(command.choice, 0))
      return Refused(*fault);
  return {std::move(command), std::string()};
}

bool IsWorksheetCommand(int argc, char** argv) {
  for (int i = 1; i < argc; ++i)
    if (std::strcmp(argv[i], "--worksheet") == 0) return true;
  return false;
}

int RunWorksheetCommand(int argc, char** argv) {
  const ParsedWorksheetCommand parsed =
      ParseWorksheetCommand(std::vector<std::string>(argv + 1, argv + argc));
  if (!parsed.command) return Fail(parsed.error + "\n" + texts::WorksheetUsage, 2);
  const WorksheetCommand& command = *parsed.command;
  // The pages need fonts, which need a GUI application; the offscreen platform needs no display.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(KeepQtQuiet);
  int qtArgc = 1;
  QGuiApplication app(qtArgc, argv);

  TreeFileReading set;
  if (!command.setPath.empty()) {
    TreeFileAt read = ReadTreeFileAt(Q(command.setPath));
    if (!read.message.empty()) return Fail(read.message, 1);
    set = std::move(read.reading);
    if (const std::optional<std::string> fault =
            WorksheetChoiceFault(command.choice, static_cast<int>(set.trees.size())))
      return Fail(*fault, 2);
  }
  const SetTrees chosen = ChosenTrees(command.choice, &set);
  if (!chosen.leftOut.empty()) {
    const int asked = static_cast<int>(chosen.trees.size() + chosen.leftOut.size());
    return Fail(LeftOutTreesMessage(chosen.leftOut, asked) + "\n" + texts::WorksheetNotWritten, 1);
  }
  const WorksheetOutcome outcome = SolveWorksheet(chosen.trees, {});
  std::vector<WorksheetEntry> entries;
  for (const WorksheetSolution& solution : outcome.solutions) {
    const LayoutCircle circle = CircleForPicture(TreePictureSize, TreePictureSize);
    entries.push_back(PaperEntry(solution, CircleLayout(circle, solution.tree.n), false));
  }
  const QString output = Q(command.output);
  const QString answers =
      command.choice.answers == WorksheetAnswers::Separate ? Q(AnswersFilePath(command.output)) : QString();
  if (!WriteWorksheetPdf(output, entries, PaperOf(command.choice), answers))
    return Fail(texts::WorksheetFailure(command.output), 1);
  return 0;
}
