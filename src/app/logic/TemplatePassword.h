// Template passwords are never kept as typed: only a normalised, scrambled form is held with the
// calculation and stored in template and calculation files.
#pragma once

#include <string>
#include <string_view>

namespace laytime {

/// The stored form of a typed template password: the text trimmed and in capitals, as
/// Windows-1252 bytes scrambled with a running key, and those bytes read back as Windows-1252
/// text. A text that is empty after trimming gives the empty text (no protection).
///
/// The result may hold any character of the code page, control characters and NUL included,
/// so it must be stored with its length. Characters that Windows-1252 lacks count as '?'.
std::string ScrambleTemplatePassword(std::string_view text);

/// True when the typed password scrambles to the stored form; blanks around the typed text and
/// the case of its letters do not matter.
bool TemplatePasswordMatches(std::string_view typed, std::string_view stored);

} // namespace laytime
