#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The one text-to-integer conversion every reader of numbers uses: leading blanks, an optional
// sign, decimal digits or hexadecimal ones after "$", "x", "X", "0x" or "0X"; nothing may follow
// and the value must fit in a signed 32-bit integer.
std::optional<std::int32_t> ConvertToInt(std::string_view text);

// The failure report shown when a text does not convert.
std::string InvalidIntegerMessage(std::string_view text);
