// The encoding of the analytics token kept in the settings. It only keeps the token from being
// read or changed casually; it is no protection against a determined reader.
#pragma once

#include "core/Errors.h"

#include <cstddef>
#include <cstdint>
#include <random>
#include <string>
#include <string_view>

namespace laytime {

/// A security string shorter than 16 characters was given to `TEncryption::Encode`.
class EInvalidSecurityHash : public ELaytimeError {
public:
  EInvalidSecurityHash() : ELaytimeError("The given securitystring is invalid") {}
};

/// Encodes a text with a security string (16 distinct characters of `Alphabet`, generated once
/// per installation) into characters of the alphabet, hidden among random filler characters.
///
/// The text is taken byte by byte: every byte becomes two characters of the security string,
/// chosen through a key that turns with each character, and runs of filler characters (the rest
/// of the alphabet) surround them. Decoding drops the filler and reads the pairs back.
class TEncryption {
public:
  /// The 64 characters of every security string and filler, in the order of this system.
  static constexpr std::string_view Alphabet =
      "faSU4A-yZR2YOkTHz8IgdDePusWqV6bwXoF0KCrlB5vnMQ37cJ_iE1LxtmjN9pGh";
  static constexpr std::size_t SecurityStringLength = 16;
  /// `Decode` gives this one-character text (the character with code 1) when it fails.
  static constexpr std::string_view DecodeFailure = "\x01";

  /// Random choices come from a generator seeded by the system's random device.
  TEncryption();
  /// Random choices come from a generator with this seed, so that a run can be repeated.
  explicit TEncryption(std::uint32_t seed);

  /// 16 characters of `Alphabet` drawn at random without repetition.
  std::string GenerateSecurityString();

  /// `length` characters drawn at random without repetition from the distinct characters of
  /// `charset`. A length beyond the number of distinct characters gives all of them in random
  /// order; a length below 1 gives the empty text.
  std::string GenerateRandomStringByChars(std::string_view charset, int length);

  /// Encodes `text`. The bounds are first put in order, the minimum raised to 0 and the maximum
  /// lowered to 100. The result opens with a filler of minimum + 1 to maximum characters, and
  /// every code character is followed by a filler of minimum to maximum − 1 characters; a filler
  /// is never longer than the maximum nor than the filler characters available (48 with a
  /// 16-character security string).
  ///
  /// Throws EInvalidSecurityHash when `securityString` is shorter than 16 characters; gives the
  /// empty text when it repeats a character or holds one outside `Alphabet`.
  std::string Encode(std::string_view text, std::string_view securityString, int minLength,
                     int maxLength);

  /// The text that `Encode` encoded with the same security string, or `DecodeFailure` when the
  /// security string is not valid or `text` cannot be read with it. Characters outside the
  /// security string are skipped; a text without any gives the empty text.
  std::string Decode(std::string_view text, std::string_view securityString) const;

private:
  /// A length drawn from low..high; an empty range gives its upper end, but never less than 0.
  int RandomLength(int low, int high);

  std::mt19937 FRandom;
};

} // namespace laytime
