#include "model/ShortString.h"

#include "core/Windows1252.h"

namespace laytime {

std::string StorableShortString(std::string_view utf8) {
  // Windows-1252 has one byte per character, so cutting the bytes cuts between characters.
  std::string bytes = Utf8ToWindows1252(utf8);
  if (bytes.size() > ShortStringMaxBytes)
    bytes.resize(ShortStringMaxBytes);
  return Windows1252ToUtf8(bytes);
}

} // namespace laytime
