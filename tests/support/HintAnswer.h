#pragma once

#include <optional>
#include <string>

#include "search/Hint.h"

// A hint in one line, as the corpus tool prints it: `none`, `change 3,9`, `graceful`, `forced 7 12`
// or `possible 7 12` (`stopped` for no hint).
inline std::string HintAnswer(const std::optional<Hint>& hint) {
  if (!hint) return "stopped";
  const std::string place = std::to_string(hint->vertex) + " " + std::to_string(hint->label);
  switch (hint->kind) {
    case HintKind::None:
      return "none";
    case HintKind::Change: {
      std::string text = "change ";
      for (std::size_t k = 0; k < hint->changes.size(); ++k)
        text += (k ? "," : "") + std::to_string(hint->changes[k]);
      return text;
    }
    case HintKind::Graceful:
      return "graceful";
    case HintKind::Forced:
      return "forced " + place;
    case HintKind::Possible:
      return "possible " + place;
  }
  return "?";
}
