// libFuzzer entry point of the legacy ini target.
#include "fuzz/FuzzTargets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return laytime::fuzz::FuzzLegacyIni(data, size);
}
