#include "files/IOErrorText.h"

#include <cerrno>
#include <string_view>

namespace laytime {

namespace {

struct CodeText {
  int Code;
  std::string_view Text;
};

constexpr CodeText Texts[] = {
    {1, "Incorrect function."},
    {2, "The system cannot find the file specified."},
    {3, "Invalid file name."},
    {4, "Too many open files."},
    {5, "Access is denied."},
    {6, "The handle is invalid."},
    {7, "The storage control blocks were destroyed."},
    {8, "Not enough storage is available to process this command."},
    {9, "The storage control block address is invalid."},
    {10, "The environment is incorrect."},
    {11, "An attempt was made to load a program with an incorrect format."},
    {12, "The access code is invalid."},
    {13, "The data is invalid."},
    {14, "Not enough storage is available to complete this operation."},
    {15, "The system cannot find the drive specified."},
    {16, "The directory cannot be removed."},
    {17, "The system cannot move the file to a different disk drive."},
    {18, "There are no more files."},
    {19, "The media is write protected."},
    {20, "The system cannot find the device specified."},
    {21, "The device is not ready."},
    {22, "The device does not recognize the command."},
    {23, "Data error (cyclic redundancy check)."},
    {24, "The program issued a command but the command length is incorrect."},
    {25, "The drive cannot locate a specific area or track on the disk."},
    {26, "The specified disk or diskette cannot be accessed."},
    {27, "The drive cannot find the sector requested."},
    {28, "The printer is out of paper."},
    {29, "The system cannot write to the specified device."},
    {30, "The system cannot read from the specified device."},
    {31, "A device attached to the system is not functioning."},
    {32, "Access denied because the file is being used by another process."},
    {33, "The process cannot access the file because another process has locked a portion of the "
         "file."},
    {36, "Too many files opened for sharing."},
    {38, "Reached the end of the file."},
    {39, "The disk is full."},
    {50, "The network request is not supported."},
    {51, "The remote computer is not available."},
    {52, "A duplicate name exists on the network."},
    {53, "The network path was not found."},
    {54, "The network is busy."},
    {55, "The specified network resource or device is no longer available."},
    {56, "The network BIOS command limit has been reached."},
    {57, "A network adapter hardware error occurred."},
    {58, "The specified server cannot perform the requested operation."},
    {59, "An unexpected network error occurred."},
    {60, "The remote adapter is not compatible."},
    {61, "The printer queue is full."},
    {62, "Space to store the file waiting to be printed is not available on the server."},
    {63, "Your file waiting to be printed was deleted."},
    {64, "The specified network name is no longer available."},
    {65, "Network access is denied."},
    {66, "The network resource type is not correct."},
    {67, "The network name cannot be found."},
    {68, "The name limit for the local computer network adapter card was exceeded."},
    {69, "The network BIOS session limit was exceeded."},
    {70, "The remote server has been paused or is in the process of being started."},
    {71, "No more connections can be made to this remote computer at this time because there are "
         "already as many connections as the computer can accept."},
    {72, "The specified printer or disk device has been paused."},
    {80, "The file exists."},
    {82, "The directory or file cannot be created."},
    {83, "Fail on INT 24."},
    {84, "Storage to process this request is not available."},
    {85, "The local device name is already in use."},
    {86, "The specified network password is not correct."},
    {87, "The parameter is incorrect."},
    {88, "A write fault occurred on the network."},
    {89, "The system cannot start another process at this time."},
    {100, "Seek past end of file."},
    {101, "Disk full."},
    {102, "File not assigned."},
    {103, "File not open."},
    {104, "File not open for input."},
    {105, "File not open for output."},
    {106, "Invalid numeric format."},
    {108, "The disk is in use or locked by another process."},
    {110, "The system cannot open the device or file specified."},
    {111, "The file name is too long."},
    {112, "There is not enough space on the disk."},
    {113, "No more internal file identifiers available."},
    {114, "The target internal file identifier is incorrect."},
    {123, "The filename, directory name, or volume label syntax is incorrect."},
    {148, "The path specified cannot be used at this time."},
    {161, "The specified path is invalid. "},
    {267, "The directory name is invalid."},
};

std::string_view TextOf(int code) {
  for (const CodeText& entry : Texts) {
    if (entry.Code == code)
      return entry.Text;
  }
  return {};
}

} // namespace

std::string IOErrorText(int code) {
  std::string result = "I/O Error " + std::to_string(code);
  const std::string_view text = TextOf(code);
  if (!text.empty()) {
    result += ": ";
    result += text;
  }
  return result;
}

int IOErrorCodeFromHostError(int hostError) {
  switch (hostError) {
  case ENOENT:
    return 2;
  case ENOTDIR:
    return 3;
  case EMFILE:
  case ENFILE:
    return 4;
  case EACCES:
  case EPERM:
  case EISDIR:
    return 5;
  case EBADF:
    return 6;
  case ENOMEM:
    return 8;
  case EXDEV:
    return 17;
  case EROFS:
    return 19;
  case ENODEV:
  case ENXIO:
    return 20;
  case EIO:
    return 29;
  case EBUSY:
  case ETXTBSY:
  case EWOULDBLOCK:
    return IOErrorSharingViolation;
  case ENOTSUP:
    return 50;
  case EEXIST:
    return 80;
  case EINVAL:
    return 87;
  case ENOSPC:
  case EDQUOT:
    return 112;
  case ENAMETOOLONG:
    return 206;
  case ELOOP:
    return 1921;
  default:
    return UnmappedHostErrorBit | hostError;
  }
}

} // namespace laytime
