#pragma once

#include <vector>

#include "app/CommandTable.h"

class ConjectureCommands;
class LabelingHelpCommands;
class PaperCommands;
class TreeFileCommands;
class ViewCommands;

// The classes that hold the commands beyond the window's fixed controls.
struct CommandHolders {
  LabelingHelpCommands& help;
  TreeFileCommands& files;
  PaperCommands& paper;
  ViewCommands& view;
  ConjectureCommands& conjecture;
};

// Every command of the context menu and the keys, in the menu's order.
std::vector<CommandRow> WindowCommandRows(const CommandHolders& holders);
