// The typed errors of bad input and failing environments. Each carries the exact text the
// user sees; they are caught once per entry point (a GUI action, the command-line tool).
#pragma once

#include <stdexcept>
#include <string>

namespace laytime {

class ELaytimeError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

/// A text that cannot be turned into a value, or a value that cannot be shown as text.
class EConvertError : public ELaytimeError {
public:
  using ELaytimeError::ELaytimeError;
};

/// A value outside the range its type allows (an undefined enumeration value, for example).
class ERangeError : public ELaytimeError {
public:
  using ELaytimeError::ELaytimeError;
};

} // namespace laytime
