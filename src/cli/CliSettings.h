// The program settings of the command-line tool: the values the app stores (per user, under
// the organisation "Quillmark" and the application "Laytime Calculation"), changed by options
// that name a setting by its value name.
#pragma once

#include "core/Errors.h"
#include "core/Settings.h"

#include <string>
#include <string_view>

namespace laytime::cli {

/// A command line the tool cannot follow; the text says why.
class EUsageError : public ELaytimeError {
public:
  using ELaytimeError::ELaytimeError;
};

/// Sets the program setting stored under `name` ("DateFormat", "ProRataCalculation",
/// "MRU3Path", ...) from its text: whole numbers for integers (within the setting's range),
/// 0/1 or false/true for switches, a decimal number for "UIScale", anything for texts.
/// Throws EUsageError for an unknown name or a value the setting cannot take.
void ApplySetting(TProgramSettings& settings, std::string_view name, std::string_view value);

/// Reads every stored value that exists over the defaults in `settings`. A stored
/// "DateFormat" outside 0..3 is ignored like the app ignores it.
void ReadStoredSettings(TProgramSettings& settings);

} // namespace laytime::cli
