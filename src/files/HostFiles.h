// The few file-system operations the calculation files need, on the host's own calls, with
// failures turned into the I/O error codes of IOErrorText.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace laytime {

/// How a file is opened.
enum class TFileAccess {
  /// Read-only, shared with others (templates).
  ReadShared,
  /// Read and write, and locked against other writers for as long as it is held: an exclusive
  /// advisory lock (flock) that another holder of such a lock, in this process or another,
  /// cannot take (the open calculation file).
  ReadWriteExclusive,
};

/// An open file, closed (and its lock released) when the object goes.
class THostFile {
public:
  THostFile() = default;
  THostFile(const THostFile&) = delete;
  THostFile& operator=(const THostFile&) = delete;
  THostFile(THostFile&& other) noexcept;
  THostFile& operator=(THostFile&& other) noexcept;
  ~THostFile();

  /// Opens `path`; throws EInOutError with the code of the failure. A file locked by another
  /// holder gives code 32.
  static THostFile Open(const std::string& path, TFileAccess access);

  /// The whole content, read from the start.
  std::vector<std::uint8_t> ReadAll() const;

  bool IsOpen() const { return FDescriptor >= 0; }
  const std::string& Path() const { return FPath; }
  void Close();

private:
  int FDescriptor = -1;
  std::string FPath;
};

/// Writes `bytes` as the whole content of `path`, creating or truncating it, and flushes it to
/// the disk. On failure the partly written file is removed and EInOutError is thrown.
void WriteWholeFile(const std::string& path, const std::vector<std::uint8_t>& bytes);

bool FileExists(const std::string& path);
/// True when another holder has the file open with TFileAccess::ReadWriteExclusive.
bool IsLockedByAnotherHolder(const std::string& path);
/// Both give the host error number of a failure, 0 on success.
int RemoveFile(const std::string& path);
int MoveFile(const std::string& from, const std::string& to);

/// The name of the user the program runs for; "unknown" when the host does not tell.
std::string HostUserName();

/// The current local moment as days since 30 December 1899 with the time of day as fraction.
double HostNow();

} // namespace laytime
