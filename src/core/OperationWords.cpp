#include "core/OperationWords.h"

#include <array>
#include <cstddef>

namespace laytime {

namespace {

struct TReplacement {
  std::string_view Searched;
  std::string_view Inserted;
};

// Longer words first, so that "loaded" becomes "discharged" rather than "dischargeed".
constexpr std::array<TReplacement, 3> ForLoading{{
    {"discharging", "loading"},
    {"discharged", "loaded"},
    {"discharge", "load"},
}};
constexpr std::array<TReplacement, 3> ForDischarging{{
    {"loading", "discharging"},
    {"loaded", "discharged"},
    {"load", "discharge"},
}};

char ToLower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}
char ToUpper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}
bool IsUpper(char c) {
  return c >= 'A' && c <= 'Z';
}

// Letters, digits and every byte of a non-ASCII character belong to a word.
bool IsWordCharacter(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return (byte >= '0' && byte <= '9') || (byte >= 'A' && byte <= 'Z') ||
         (byte >= 'a' && byte <= 'z') || byte >= 0x80;
}

bool MatchesAt(std::string_view text, std::size_t pos, std::string_view lowerWord) {
  if (text.size() - pos < lowerWord.size())
    return false;
  for (std::size_t i = 0; i < lowerWord.size(); ++i) {
    if (ToLower(text[pos + i]) != lowerWord[i])
      return false;
  }
  return true;
}

bool BeginsWord(std::string_view text, std::size_t pos) {
  return pos == 0 || !IsWordCharacter(text[pos - 1]);
}

// Every occurrence of the searched word at the beginning of a word, replaced from left to
// right. The inserted words never contain the searched one, so a single pass leaves none.
std::string Replace(std::string_view text, const TReplacement& replacement) {
  std::string result;
  result.reserve(text.size());
  std::size_t pos = 0;
  while (pos < text.size()) {
    if (!BeginsWord(text, pos) || !MatchesAt(text, pos, replacement.Searched)) {
      result += text[pos];
      ++pos;
      continue;
    }
    const std::size_t wordStart = result.size();
    result += replacement.Inserted;
    if (IsUpper(text[pos]))
      result[wordStart] = ToUpper(result[wordStart]);
    pos += replacement.Searched.size();
  }
  return result;
}

} // namespace

std::string AdaptOperationWords(std::string_view text, bool loading) {
  std::string result(text);
  for (const TReplacement& replacement : loading ? ForLoading : ForDischarging)
    result = Replace(result, replacement);
  return result;
}

} // namespace laytime
