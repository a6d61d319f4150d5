#pragma once

#include <optional>
#include <string>

class QWidget;

// Asks for a whole number in [least, most]: an answer out of range, or no number at all, is refused
// in words and asked for again with the answer kept, never quietly replaced by another. nullopt
// when cancelled.
std::optional<int> AskForCount(QWidget* parent, const std::string& title, const std::string& prompt,
                               int suggested, int least, int most);
