// The list of temporary files the program removes when it ends.
#pragma once

#include <string>
#include <vector>

namespace laytime {

/// Files that must not outlive the program: the transfer files' intermediate texts, mail
/// attachments and the like. Whoever creates such a file adds it; the program's end calls
/// RemoveAll. A name may be added more than once, and a file that is already gone is skipped.
class TTemporaryFiles {
public:
  void Add(const std::string& path) { FPaths.push_back(path); }
  /// Deletes every listed file in list order, ignoring failures, and empties the list.
  void RemoveAll();
  const std::vector<std::string>& Paths() const { return FPaths; }

private:
  std::vector<std::string> FPaths;
};

} // namespace laytime
