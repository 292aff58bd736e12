// The entry points of the fuzz targets: each reads one input as a damaged or hostile file would
// be read, and must neither crash nor hang nor escape with an exception the program would not
// catch. libFuzzer drives them (built with LAYTIME_FUZZ under clang); a test runs them over
// damaged copies of valid files.
//
// To fuzz: CXX=clang++ cmake -S . -B build-fuzz -DLAYTIME_FUZZ=ON, build fuzz_TransferReader,
// fuzz_LegacyReader and fuzz_LegacyIni, and run one with a folder of sample files as its corpus.
// The targets write their input into a folder laytime-fuzz-<process id> of the temporary folder.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace laytime::fuzz {

/// The folder the targets write their input files to (a folder of their own under the system's
/// temporary folder unless set).
void SetWorkFolder(const std::string& folder);

/// The input as a calculation transfer file and as a statement-of-facts transfer file, imported
/// with every question answered so that reading goes on (Ignore, Yes, into the open calculation).
int FuzzTransferReader(const std::uint8_t* data, std::size_t size);

/// The first byte picks a version-6 identifier; the rest is the file after its identifier field,
/// imported with an INI file beside it.
int FuzzLegacyReader(const std::uint8_t* data, std::size_t size);

/// The input as the INI file of version 6.
int FuzzLegacyIni(const std::uint8_t* data, std::size_t size);

} // namespace laytime::fuzz
