#include "files/HostFiles.h"

#include "core/Calendar.h"
#include "files/FileErrors.h"

#include <cerrno>
#include <ctime>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace laytime {

namespace {

[[noreturn]] void ThrowHostError(int hostError) {
  throw EInOutError(IOErrorCodeFromHostError(hostError));
}

} // namespace

THostFile::THostFile(THostFile&& other) noexcept
    : FDescriptor(std::exchange(other.FDescriptor, -1)), FPath(std::move(other.FPath)) {}

THostFile& THostFile::operator=(THostFile&& other) noexcept {
  if (this != &other) {
    Close();
    FDescriptor = std::exchange(other.FDescriptor, -1);
    FPath = std::move(other.FPath);
  }
  return *this;
}

THostFile::~THostFile() {
  Close();
}

THostFile THostFile::Open(const std::string& path, TFileAccess access) {
  const int flags = access == TFileAccess::ReadShared ? O_RDONLY : O_RDWR;
  const int descriptor = ::open(path.c_str(), flags | O_CLOEXEC);
  if (descriptor < 0)
    ThrowHostError(errno);
  THostFile file;
  file.FDescriptor = descriptor;
  file.FPath = path;
  struct stat info {};
  if (::fstat(descriptor, &info) != 0)
    ThrowHostError(errno);
  if (S_ISDIR(info.st_mode))
    ThrowHostError(EISDIR);
  if (access == TFileAccess::ReadWriteExclusive && ::flock(descriptor, LOCK_EX | LOCK_NB) != 0)
    ThrowHostError(errno);
  return file;
}

std::vector<std::uint8_t> THostFile::ReadAll() const {
  if (FDescriptor < 0)
    throw EInOutError(103);
  struct stat info {};
  if (::fstat(FDescriptor, &info) != 0)
    ThrowHostError(errno);
  std::vector<std::uint8_t> bytes;
  bytes.reserve(static_cast<std::size_t>(info.st_size));
  std::uint8_t block[65536];
  off_t offset = 0;
  for (;;) {
    const ssize_t got = ::pread(FDescriptor, block, sizeof block, offset);
    if (got < 0) {
      if (errno == EINTR)
        continue;
      ThrowHostError(errno);
    }
    if (got == 0)
      break;
    bytes.insert(bytes.end(), block, block + got);
    offset += got;
  }
  return bytes;
}

void THostFile::Close() {
  if (FDescriptor >= 0)
    ::close(FDescriptor); // closing the descriptor releases its lock
  FDescriptor = -1;
}

void WriteWholeFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  const int descriptor = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (descriptor < 0)
    ThrowHostError(errno);
  std::size_t written = 0;
  int failure = 0;
  while (written < bytes.size()) {
    const ssize_t put = ::write(descriptor, bytes.data() + written, bytes.size() - written);
    if (put < 0) {
      if (errno == EINTR)
        continue;
      failure = errno;
      break;
    }
    written += static_cast<std::size_t>(put);
  }
  if (failure == 0 && ::fsync(descriptor) != 0)
    failure = errno;
  if (::close(descriptor) != 0 && failure == 0)
    failure = errno;
  if (failure != 0) {
    ::unlink(path.c_str());
    ThrowHostError(failure);
  }
}

bool FileExists(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

bool IsLockedByAnotherHolder(const std::string& path) {
  const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (descriptor < 0)
    return false;
  const bool locked = ::flock(descriptor, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
  ::close(descriptor);
  return locked;
}

int RemoveFile(const std::string& path) {
  return ::unlink(path.c_str()) == 0 ? 0 : errno;
}

int MoveFile(const std::string& from, const std::string& to) {
  return std::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

std::string HostUserName() {
  // The account the process runs under; the environment only when the account has no entry.
  char buffer[4096];
  passwd entry{};
  passwd* found = nullptr;
  if (::getpwuid_r(::geteuid(), &entry, buffer, sizeof buffer, &found) == 0 && found != nullptr &&
      found->pw_name != nullptr && found->pw_name[0] != '\0')
    return found->pw_name;
  for (const char* variable : {"USER", "LOGNAME"}) {
    const char* value = std::getenv(variable);
    if (value != nullptr && value[0] != '\0')
      return value;
  }
  return "unknown";
}

double HostNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  if (::localtime_r(&now, &local) == nullptr)
    return 0.0;
  const std::optional<TDayNumber> day =
      TryEncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
  if (!day)
    return 0.0;
  const int seconds = local.tm_hour * 3600 + local.tm_min * 60 + std::min(local.tm_sec, 59);
  return *day + seconds / 86400.0;
}

} // namespace laytime
