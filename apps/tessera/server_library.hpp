// The component server that `tessera register` records: the shared library beside this tool.
#pragma once

#include <filesystem>

namespace tessera::cli {

// Loads the library as a host would (through the tool's run path) and answers the file it was
// loaded from. Raises 53 with the loader's message when it cannot be loaded.
std::filesystem::path ServerLibraryFile();

}  // namespace tessera::cli
