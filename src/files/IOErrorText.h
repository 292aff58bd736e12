// The texts of operating-system I/O errors shown in file messages, and the translation of the
// host's error numbers into those codes.
#pragma once

#include <string>

namespace laytime {

/// "I/O Error " + the code in decimal, followed by ": " and the text of the code when the code
/// has one ("I/O Error 5: Access is denied."); a code without a text gives just the head
/// ("I/O Error 999"). Never empty.
std::string IOErrorText(int code);

/// Codes of errors the host reports with a number that has no code of its own carry this bit
/// (the bit of application-defined system error codes), so that they can never be mistaken for
/// a code with a text: an unmapped host error 200 becomes code 0x200000C8.
inline constexpr int UnmappedHostErrorBit = 0x20000000;

/// The I/O error code for a host error number (errno): ENOENT 2, ENOTDIR 3, EMFILE and ENFILE 4,
/// EACCES, EPERM and EISDIR 5, EBADF 6, ENOMEM 8, EXDEV 17, EROFS 19, ENODEV and ENXIO 20,
/// EIO 29, EBUSY, ETXTBSY and EWOULDBLOCK 32 (the file is used by another process), ENOTSUP 50,
/// EEXIST 80, EINVAL 87, ENOSPC and EDQUOT 112, ENAMETOOLONG 206, ELOOP 1921. Any other
/// number gives UnmappedHostErrorBit | number.
int IOErrorCodeFromHostError(int hostError);

/// The code to report when a file ends before a record is complete (the text
/// "Reached the end of the file.").
inline constexpr int IOErrorEndOfFile = 38;
/// The code to report when another process holds the file (the text
/// "Access denied because the file is being used by another process.").
inline constexpr int IOErrorSharingViolation = 32;

} // namespace laytime
