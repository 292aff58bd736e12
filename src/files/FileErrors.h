// The errors of reading and writing calculation and template files. Each carries the exact text
// the user sees.
#pragma once

#include "core/Errors.h"
#include "files/IOErrorText.h"

#include <cstddef>
#include <string>
#include <utility>

namespace laytime {

/// A file that is not what it claims to be (identifier, type, sub-version, checksum), or a step
/// of saving that failed.
class EFileError : public ELaytimeError {
public:
  using ELaytimeError::ELaytimeError;
};

/// An error of the operating system; the text is IOErrorText of the code.
class EInOutError : public EFileError {
public:
  explicit EInOutError(int code) : EFileError(IOErrorText(code)), Code_(code) {}
  int Code() const { return Code_; }

private:
  int Code_;
};

/// A record that cannot be read: the file ends inside it, or a count or length in it exceeds the
/// bytes left. The text is the end-of-file I/O error; the offset and the reason say where and why.
class EFileStructureError : public EInOutError {
public:
  EFileStructureError(std::size_t offset, std::string reason)
      : EInOutError(IOErrorEndOfFile), Offset_(offset), Reason_(std::move(reason)) {}
  std::size_t Offset() const { return Offset_; }
  const std::string& Reason() const { return Reason_; }

private:
  std::size_t Offset_;
  std::string Reason_;
};

} // namespace laytime
