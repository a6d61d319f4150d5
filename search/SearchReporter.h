#pragma once

#include <string>

#include "search/GracefulSearch.h"

inline constexpr const char* WaitingText = "Hľadám riešenie ... čakajte prosím";
inline constexpr const char* HoursWarningText = "(môže to trvať aj niekoľko hodín)";

// Wraps the window hooks: remembers the texts shown so a label is only set when its text changes,
// and remembers a refusal of breathe() so every layer of a search can unwind on it.
class SearchReporter {
 public:
  explicit SearchReporter(const SearchHooks& hooks) : hooks_(hooks) {}

  void SetText(int label, const std::string& text) {
    std::string& shown = label == 1 ? label1_ : label6_;
    if (shown == text) return;
    shown = text;
    if (hooks_.setLabelText) hooks_.setLabelText(label, text);
  }

  void ShowWaitingTexts() {
    SetText(1, WaitingText);
    SetText(6, HoursWarningText);
  }

  // Returns false once the window has asked the search to stop.
  bool Breathe() {
    if (!stopped_ && hooks_.breathe && !hooks_.breathe()) stopped_ = true;
    return !stopped_;
  }

  bool Stopped() const { return stopped_; }

 private:
  const SearchHooks& hooks_;
  std::string label1_;
  std::string label6_;
  bool stopped_ = false;
};
