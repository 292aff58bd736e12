// Template passwords are never kept as typed: only a normalised, scrambled form is held with the
// calculation and stored in template and calculation files.
#pragma once

#include <functional>
#include <optional>
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

/// The hint of the password dialog before the associated template is overwritten (after the
/// configuration and the message-texts dialogs).
inline constexpr std::string_view UpdateTemplatePasswordHint =
    "This template is password protected. You will need to enter a valid password to update "
    "this template: ";
/// The hint of the password dialog before a calculation is saved as a new template.
inline constexpr std::string_view BaseTemplatePasswordHint =
    "The base template used to create this calculation is password protected. Please enter the "
    "password of the base template:";
inline constexpr std::string_view InvalidTemplatePasswordMessage =
    "Invalid password. Please try again";
inline constexpr std::string_view PasswordsDoNotMatchMessage =
    "Passwords do not match. Please try again.";

/// Shows the password dialog with the hint and gives the scrambled form of what was typed when
/// the user pressed OK, or nothing on Cancel.
using TAskTemplatePassword = std::function<std::optional<std::string>(std::string_view hint)>;
/// Shows a message to the user.
using TShowPasswordMessage = std::function<void(std::string_view message)>;

/// Whether a template protected by `storedPassword` (scrambled) may be changed. An unprotected
/// template may at once. Otherwise the user is asked with `hint` until the password matches
/// (true) or the user cancels (false); every wrong password shows
/// InvalidTemplatePasswordMessage before asking again.
bool TemplateChangePermitted(std::string_view storedPassword, std::string_view hint,
                             const TAskTemplatePassword& ask,
                             const TShowPasswordMessage& showMessage);

/// The new password of the new-password dialog, typed twice: its scrambled form when both
/// entries agree once trimmed and in capitals (empty when both are empty, which removes the
/// protection), or nothing when they differ, and the dialog shows PasswordsDoNotMatchMessage.
std::optional<std::string> ConfirmNewTemplatePassword(std::string_view first,
                                                      std::string_view second);

} // namespace laytime
