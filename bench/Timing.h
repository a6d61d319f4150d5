#pragma once

#include <algorithm>
#include <chrono>

#include "search/GracefulSearch.h"

struct SearchTiming {
  double ms = 0;
  // The longest stretch without breathe(): the window stays responsive only if it comes often.
  double longestBreathGapMs = 0;
  bool capped = false;
};

// Runs search(hooks), timed on the wall clock: that is how long the window waits, and a hard search
// works on two threads. With capMs > 0, breathe() stops the search once it has run that long.
template <typename Search>
SearchTiming TimeSearch(Search search, double capMs = 0) {
  using Clock = std::chrono::steady_clock;
  const auto since = [](Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
  };
  SearchTiming timing;
  const Clock::time_point start = Clock::now();
  Clock::time_point lastBreath = start;
  const auto noteGap = [&] {
    const Clock::time_point now = Clock::now();
    timing.longestBreathGapMs = std::max(timing.longestBreathGapMs, since(lastBreath, now));
    lastBreath = now;
  };
  search(SearchHooks{nullptr, [&] {
                       noteGap();
                       timing.capped = capMs > 0 && since(start, lastBreath) > capMs;
                       return !timing.capped;
                     }});
  noteGap();
  timing.ms = since(start, Clock::now());
  return timing;
}
