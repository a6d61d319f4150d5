#pragma once

#include <optional>
#include <string_view>

// The offset of the first byte that does not belong to a well-formed UTF-8 sequence, or nothing
// when the whole text is UTF-8. Strict: overlong forms, surrogates (U+D800..U+DFFF), code points
// above U+10FFFF and cut-off sequences are all rejected.
std::optional<std::size_t> FirstInvalidUtf8Byte(std::string_view text);
