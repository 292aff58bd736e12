// libFuzzer entry point of the legacy reader target.
#include "fuzz/FuzzTargets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return laytime::fuzz::FuzzLegacyReader(data, size);
}
