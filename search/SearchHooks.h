#pragma once

#include <functional>
#include <string>

#include "search/StatusLine.h"

// What a long search or comparison needs from the window. Either hook may be empty.
struct SearchHooks {
  // Sets the text of a status line. Called only when the text changes.
  std::function<void(StatusLine line, const std::string& text)> setStatusText;
  // Lets the window breathe (process events); returns false to ask the work to stop at once.
  // Called every few thousand candidates, search nodes or compared records; the window decides
  // itself whether enough time has passed to actually process events.
  std::function<bool()> breathe;
};
