#pragma once

#include <optional>
#include <string>
#include <vector>

#include "files/Worksheet.h"

// graceful-trees --worksheet -o list.pdf (--random N:COUNT | --set FILE [--range K:M])
//   [--per-page 1|2|4|6] [--answers end|separate|none] [--givens] [--heading TEXT]
struct WorksheetCommand {
  std::string output;
  std::string setPath;  // empty for random trees
  WorksheetChoice choice;
};

struct ParsedWorksheetCommand {
  std::optional<WorksheetCommand> command;
  std::string error;  // the Slovak message when there is no command
};

// The options after the program's name; --worksheet among them is skipped.
ParsedWorksheetCommand ParseWorksheetCommand(const std::vector<std::string>& arguments);

bool IsWorksheetCommand(int argc, char** argv);
// Writes the worksheet without a display; 0 when it was written, 2 for options it cannot use, 1
// when the set cannot be read, a tree of it is refused or a file cannot be written, each after its
// message on the standard error.
int RunWorksheetCommand(int argc, char** argv);
