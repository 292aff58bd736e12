// Rewording of a port's descriptive texts between loading and discharging.
#pragma once

#include <string>
#include <string_view>

namespace laytime {

/// The text reworded for a loading port (`loading` set) or for a discharging port.
/// For a loading port "discharging", "discharged" and "discharge" become "loading", "loaded"
/// and "load"; for a discharging port "loading", "loaded" and "load" become "discharging",
/// "discharged" and "discharge", in that order and for every occurrence. The search ignores
/// case; a replaced word that began with a capital letter gives a new word that begins with a
/// capital ("Loading completed" becomes "Discharging completed"), its other letters small.
/// Only a whole word or the beginning of a word is replaced: "Vessel unloaded" and "payload"
/// stay as they are, because "undischarged" would say the opposite of what was written.
std::string AdaptOperationWords(std::string_view text, bool loading);

} // namespace laytime
