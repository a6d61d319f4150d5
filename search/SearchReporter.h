#pragma once

#include <string>

#include "search/SearchHooks.h"
#include "search/StatusLine.h"

inline constexpr const char* WaitingText = "Hľadám riešenie ... čakajte prosím";
inline constexpr const char* HoursWarningText = "(môže to trvať aj niekoľko hodín)";

// Wraps the window hooks: remembers the texts shown so a label is only set when its text changes,
// and remembers a refusal of breathe() so every layer of a search can unwind on it.
class SearchReporter {
 public:
  explicit SearchReporter(const SearchHooks& hooks) : hooks_(hooks) {}
  // It keeps a reference to its hooks, which a temporary would not outlive.
  explicit SearchReporter(SearchHooks&&) = delete;

  void SetText(StatusLine line, const std::string& text) {
    std::string& shown = line == StatusLine::Summary ? summary_ : agreement_;
    if (shown == text) return;
    shown = text;
    if (hooks_.setStatusText) hooks_.setStatusText(line, text);
  }

  void ShowWaitingTexts() {
    SetText(StatusLine::Summary, WaitingText);
    SetText(StatusLine::Agreement, HoursWarningText);
  }

  // Returns false once the window has asked the search to stop.
  bool Breathe() {
    if (!stopped_ && hooks_.breathe && !hooks_.breathe()) stopped_ = true;
    return !stopped_;
  }

  bool Stopped() const { return stopped_; }

 private:
  const SearchHooks& hooks_;
  std::string summary_;
  std::string agreement_;
  bool stopped_ = false;
};
