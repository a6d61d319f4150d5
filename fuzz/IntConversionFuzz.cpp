#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz/FuzzCheck.h"
#include "tree/IntConversion.h"

// The whole input is one text, as typed into an edge field or a vertex box.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::optional<std::int32_t> converted = ConvertToInt(text);
  const std::optional<std::int64_t> reference = fuzz::ReferenceInt(text);
  FUZZ_CHECK(converted.has_value() == reference.has_value());
  if (converted) FUZZ_CHECK(*converted == *reference);
  FUZZ_CHECK(fuzz::IsInvalidIntegerReport(InvalidIntegerMessage(text), text));
  return 0;
}
