#pragma once

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

// The targets are also built with NDEBUG (the replay test in the regular build), so they check
// with their own macro rather than assert.
#define FUZZ_CHECK(condition)                                                                \
  do {                                                                                       \
    if (!(condition)) {                                                                      \
      std::fprintf(stderr, "%s:%d: invariant broken: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                          \
    }                                                                                        \
  } while (false)

#define FUZZ_FAIL(reason)                                            \
  do {                                                               \
    std::fprintf(stderr, "%s:%d: %s\n", __FILE__, __LINE__, reason); \
    std::abort();                                                    \
  } while (false)

namespace fuzz {

// An integer parse written apart from ConvertToInt: strip the blanks, sign and base prefix the
// syntax allows, require nothing but digits of that base, and leave the arithmetic and the
// overflow detection to std::from_chars.
inline std::optional<std::int64_t> ReferenceInt(std::string_view text) {
  const std::size_t start = text.find_first_not_of(' ');
  if (start == std::string_view::npos) return std::nullopt;
  text.remove_prefix(start);
  bool negative = false;
  if (text.starts_with('+') || text.starts_with('-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  int base = 10;
  if (text.starts_with("0x") || text.starts_with("0X")) {
    base = 16;
    text.remove_prefix(2);
  } else if (text.starts_with('$') || text.starts_with('x') || text.starts_with('X')) {
    base = 16;
    text.remove_prefix(1);
  }
  // from_chars would take a second minus sign itself.
  if (text.empty() || text.front() == '-') return std::nullopt;
  std::uint64_t magnitude = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  constexpr std::uint64_t limit = std::uint64_t{1} << 31;
  if (magnitude > limit || (!negative && magnitude == limit)) return std::nullopt;
  const auto value = static_cast<std::int64_t>(magnitude);
  return negative ? -value : value;
}

// The input as the lines of a multi-line edit box: split at every line feed, so a final line
// feed leaves an empty last line.
inline std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t from = 0;
  while (true) {
    const std::size_t feed = text.find('\n', from);
    if (feed == std::string_view::npos) break;
    lines.emplace_back(text.substr(from, feed - from));
    from = feed + 1;
  }
  lines.emplace_back(text.substr(from));
  return lines;
}

// The failure report for a text that does not convert, checked byte for byte (the text may hold
// quotes, line feeds or zero bytes).
inline bool IsInvalidIntegerReport(std::string_view message, std::string_view text) {
  constexpr std::string_view suffix = "' is not a valid integer value.";
  return message.size() == 1 + text.size() + suffix.size() && message.starts_with('\'') &&
         message.substr(1, text.size()) == text && message.ends_with(suffix);
}

// Matches a message against its form, where each '#' stands for a decimal number written without
// leading zeros and with an optional minus sign; gives the numbers in order, or nothing.
inline std::optional<std::vector<long long>> MatchForm(std::string_view message, std::string_view form) {
  std::vector<long long> numbers;
  std::size_t at = 0;
  const auto isDigit = [&](std::size_t i) {
    return i < message.size() && message[i] >= '0' && message[i] <= '9';
  };
  for (const char c : form) {
    if (c != '#') {
      if (at >= message.size() || message[at] != c) return std::nullopt;
      ++at;
      continue;
    }
    const std::size_t start = at;
    if (at < message.size() && message[at] == '-') ++at;
    const std::size_t digits = at;
    while (isDigit(at)) ++at;
    if (at == digits || at - digits > 18 || (message[digits] == '0' && at - digits > 1)) return std::nullopt;
    long long value = 0;
    std::from_chars(message.data() + start, message.data() + at, value);
    numbers.push_back(value);
  }
  if (at != message.size()) return std::nullopt;
  return numbers;
}

}  // namespace fuzz
