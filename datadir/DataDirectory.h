#pragma once
// Where the installed data (message catalogs, model database, icons) lies,
// found from where the running binary lies rather than from a path fixed at
// build time: an installed tree moved to another prefix keeps working, and
// the build tree is laid out the same way (build/bin beside build/share).
#include <filesystem>

namespace datadir {

// The directory of the running program (/proc/self/exe); empty when unknown.
std::filesystem::path ProgramDirectory();

// The directory of the shared library or program whose code holds `address`;
// empty when unknown.
std::filesystem::path ObjectDirectory(const void* address);

// The shared data root ("share") seen from the program's directory.
std::filesystem::path SharedDataRoot();

// share/expert-control seen from the program's directory.
std::filesystem::path ProgramDataDirectory();

// share/expert-control seen from a library installed in the project's
// private library directory (lib/expert-control).
std::filesystem::path LibraryDataDirectory(const std::filesystem::path& libraryDirectory);

}  // namespace datadir
