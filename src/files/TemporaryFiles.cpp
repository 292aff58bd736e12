#include "files/TemporaryFiles.h"

#include "files/HostFiles.h"

namespace laytime {

void TTemporaryFiles::RemoveAll() {
  for (const std::string& path : FPaths)
    RemoveFile(path); // a file that cannot be removed is left; the program is ending anyway
  FPaths.clear();
}

} // namespace laytime
