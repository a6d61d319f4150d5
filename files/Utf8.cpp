#include "files/Utf8.h"

std::optional<std::size_t> FirstInvalidUtf8Byte(std::string_view text) {
  const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  std::size_t i = 0;
  while (i < text.size()) {
    const unsigned char lead = byte(i);
    if (lead < 0x80) {
      ++i;
      continue;
    }
    // The lead byte fixes the length and the range of the second byte; that range is what rules
    // out overlong forms (E0, F0), surrogates (ED) and code points past U+10FFFF (F4).
    int length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3;
      if (lead == 0xE0) low = 0xA0;
      if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4;
      if (lead == 0xF0) low = 0x90;
      if (lead == 0xF4) high = 0x8F;
    } else {
      return i;
    }
    for (int k = 1; k < length; ++k) {
      const std::size_t at = i + static_cast<std::size_t>(k);
      if (at >= text.size()) return i;
      const unsigned char next = byte(at);
      if (k == 1 ? (next < low || next > high) : (next < 0x80 || next > 0xBF)) return i;
    }
    i += static_cast<std::size_t>(length);
  }
  return std::nullopt;
}
