// The marker that opens the remark of a result line the count inserts itself (the laytime-start
// and vessel-on-demurrage captions), so that the report prints such a line as a caption.
#pragma once

#include <string_view>

namespace laytime {

/// U+00FF, U+0001, U+00FF in UTF-8. Stored in a file's single-byte remark it is the bytes
/// FF 01 FF.
inline constexpr std::string_view SyntheticLineMarker = "\xC3\xBF\x01\xC3\xBF";

/// Whether a result line's remark marks it as a caption inserted by the count.
inline bool IsSyntheticRemark(std::string_view remark) {
  return remark.starts_with(SyntheticLineMarker);
}

} // namespace laytime
