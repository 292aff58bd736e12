#include "app/logic/TEncryption.h"

#include <algorithm>
#include <array>
#include <utility>

namespace laytime {

namespace {

// The longest filler the bounds may ask for.
constexpr int MaxFillerLength = 100;
// A text byte is split into two halves of four bits, each written as a key position 0..15.
constexpr unsigned HalfByteValues = 16;

std::mt19937 GeneratorSeededFromDevice() {
  std::random_device device;
  std::array<std::uint32_t, 8> words{};
  for (std::uint32_t& word : words)
    word = device();
  std::seed_seq sequence(words.begin(), words.end());
  return std::mt19937(sequence);
}

bool IsInAlphabet(char c) {
  return TEncryption::Alphabet.find(c) != std::string_view::npos;
}

// Usable: long enough (checked by the callers first), every character in the alphabet and none
// repeated.
bool IsUsableSecurityString(std::string_view securityString) {
  for (std::size_t i = 0; i < securityString.size(); ++i) {
    if (!IsInAlphabet(securityString[i]))
      return false;
    if (securityString.find(securityString[i], i + 1) != std::string_view::npos)
      return false;
  }
  return true;
}

// The last character moves to the front.
void RotateRight(std::string& key) {
  std::rotate(key.begin(), key.end() - 1, key.end());
}

} // namespace

TEncryption::TEncryption() : FRandom(GeneratorSeededFromDevice()) {}

TEncryption::TEncryption(std::uint32_t seed) : FRandom(seed) {}

std::string TEncryption::GenerateSecurityString() {
  return GenerateRandomStringByChars(Alphabet, static_cast<int>(SecurityStringLength));
}

std::string TEncryption::GenerateRandomStringByChars(std::string_view charset, int length) {
  std::string pool;
  for (const char c : charset) {
    if (pool.find(c) == std::string::npos)
      pool += c;
  }
  if (length <= 0 || pool.empty())
    return {};
  // Drawing without repetition cannot give more characters than there are.
  const std::size_t count = std::min(static_cast<std::size_t>(length), pool.size());
  // A partial shuffle: position i takes one of the characters not drawn yet.
  for (std::size_t i = 0; i < count; ++i) {
    std::uniform_int_distribution<std::size_t> pick(i, pool.size() - 1);
    std::swap(pool[i], pool[pick(FRandom)]);
  }
  pool.resize(count);
  return pool;
}

int TEncryption::RandomLength(int low, int high) {
  if (high < low)
    return std::max(high, 0);
  std::uniform_int_distribution<int> pick(low, high);
  return pick(FRandom);
}

std::string TEncryption::Encode(std::string_view text, std::string_view securityString,
                                int minLength, int maxLength) {
  if (minLength > maxLength)
    std::swap(minLength, maxLength);
  minLength = std::max(minLength, 0);
  maxLength = std::min(maxLength, MaxFillerLength);

  if (securityString.size() < SecurityStringLength)
    throw EInvalidSecurityHash();
  if (!IsUsableSecurityString(securityString))
    return {};

  std::string filler;
  for (const char c : Alphabet) {
    if (securityString.find(c) == std::string_view::npos)
      filler += c;
  }

  std::string key(securityString);
  std::string result = GenerateRandomStringByChars(filler, RandomLength(minLength + 1, maxLength));
  const auto appendCode = [&](unsigned position) {
    result += key[position];
    RotateRight(key);
    result += GenerateRandomStringByChars(filler, RandomLength(minLength, maxLength - 1));
  };
  for (const char c : text) {
    const auto code = static_cast<unsigned char>(c);
    appendCode(code % HalfByteValues);
    appendCode(code / HalfByteValues);
  }
  return result;
}

std::string TEncryption::Decode(std::string_view text, std::string_view securityString) const {
  const std::string failure(DecodeFailure);
  if (securityString.size() < SecurityStringLength || !IsUsableSecurityString(securityString))
    return failure;

  std::string codes;
  for (const char c : text) {
    if (securityString.find(c) != std::string_view::npos)
      codes += c;
  }
  if (codes.size() % 2 != 0)
    return failure;

  std::string key(securityString);
  // The key position of a code character; a longer key has positions that no byte half uses.
  const auto readHalf = [&key](char c) -> std::size_t {
    const std::size_t position = key.find(c);
    RotateRight(key);
    return position;
  };
  std::string result;
  result.reserve(codes.size() / 2);
  for (std::size_t i = 0; i < codes.size(); i += 2) {
    const std::size_t low = readHalf(codes[i]);
    const std::size_t high = readHalf(codes[i + 1]);
    if (low >= HalfByteValues || high >= HalfByteValues)
      return failure;
    result += static_cast<char>(low + HalfByteValues * high);
  }
  return result;
}

} // namespace laytime
