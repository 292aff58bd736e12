#include "files/IOErrorText.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace laytime {
namespace {

TEST(IOErrorTextTest, CodesWithAndWithoutText) {
  struct Case {
    int code;
    const char* expected;
  };
  for (const Case& c : {
           Case{5, "I/O Error 5: Access is denied."},
           Case{2, "I/O Error 2: The system cannot find the file specified."},
           Case{32,
                "I/O Error 32: Access denied because the file is being used by another process."},
           Case{38, "I/O Error 38: Reached the end of the file."},
           Case{112, "I/O Error 112: There is not enough space on the disk."},
           Case{161, "I/O Error 161: The specified path is invalid. "},
           Case{267, "I/O Error 267: The directory name is invalid."},
           Case{999, "I/O Error 999"},
           Case{34, "I/O Error 34"},
           Case{0, "I/O Error 0"},
           Case{-1, "I/O Error -1"},
       }) {
    EXPECT_EQ(IOErrorText(c.code), c.expected) << c.code;
  }
}

TEST(IOErrorTextTest, HostErrorsMapToTheMatchingCode) {
  struct Case {
    int hostError;
    int code;
  };
  for (const Case& c :
       {Case{ENOENT, 2}, Case{EACCES, 5}, Case{EPERM, 5}, Case{EMFILE, 4}, Case{ENOSPC, 112},
        Case{EEXIST, 80}, Case{EROFS, 19}, Case{ENAMETOOLONG, 206}, Case{ENOTDIR, 3},
        Case{EWOULDBLOCK, 32}, Case{EXDEV, 17}}) {
    EXPECT_EQ(IOErrorCodeFromHostError(c.hostError), c.code) << c.hostError;
  }
}

TEST(IOErrorTextTest, UnmappedHostErrorStillHasACodeAndNeverATableText) {
  const int code = IOErrorCodeFromHostError(ECONNREFUSED);
  EXPECT_EQ(code, UnmappedHostErrorBit | ECONNREFUSED);
  EXPECT_EQ(IOErrorText(code), "I/O Error " + std::to_string(code));
}

} // namespace
} // namespace laytime
