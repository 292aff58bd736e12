#include "app/logic/TemplatePassword.h"

#include "core/TextUtil.h"
#include "core/Windows1252.h"

#include <cstdint>

namespace laytime {

namespace {

// The running key of the scrambler. These three values were chosen once for this system and
// are the same in every installation: every stored template password depends on them, so they
// must never change.
constexpr std::uint16_t ScrambleSeed = 0x4C54;
constexpr std::uint16_t ScrambleMultiplier = 0x9E37;
constexpr std::uint16_t ScrambleAddend = 0x1F35;

} // namespace

std::string ScrambleTemplatePassword(std::string_view text) {
  std::string bytes = Utf8ToWindows1252(UpperCaseText(Trim(text)));
  std::uint16_t key = ScrambleSeed;
  for (char& byte : bytes) {
    const auto scrambled = static_cast<std::uint8_t>(static_cast<std::uint8_t>(byte) ^ (key >> 8));
    byte = static_cast<char>(scrambled);
    // Unsigned 32-bit arithmetic, so that the product cannot overflow; the cast keeps it
    // modulo 65536.
    const std::uint32_t next =
        (std::uint32_t{key} + scrambled) * ScrambleMultiplier + ScrambleAddend;
    key = static_cast<std::uint16_t>(next);
  }
  return Windows1252ToUtf8(bytes);
}

bool TemplatePasswordMatches(std::string_view typed, std::string_view stored) {
  return ScrambleTemplatePassword(typed) == stored;
}

bool TemplateChangePermitted(std::string_view storedPassword, std::string_view hint,
                             const TAskTemplatePassword& ask,
                             const TShowPasswordMessage& showMessage) {
  if (storedPassword.empty())
    return true;
  for (;;) {
    const std::optional<std::string> entered = ask(hint);
    if (!entered)
      return false;
    if (*entered == storedPassword)
      return true;
    showMessage(InvalidTemplatePasswordMessage);
  }
}

std::optional<std::string> ConfirmNewTemplatePassword(std::string_view first,
                                                      std::string_view second) {
  // Compared as typed, only trimmed and in capitals: two texts that the code page turns into
  // the same bytes ('?' for what it lacks) are still different entries.
  if (UpperCaseText(Trim(first)) != UpperCaseText(Trim(second)))
    return std::nullopt;
  return ScrambleTemplatePassword(first);
}

} // namespace laytime
