// scene/scratch_files.cpp: removal of the scratch files.
#include "scene/scratch_files.h"

#include <filesystem>
#include <system_error>

namespace facetry {

void removeScratchFiles() {
  for (const char* name : {kUndoFile, kDeleteFile, kWalkFile, kLineArrayFile, kLineArrayFile2,
                           kPointsFile, kStrayLineFile, kPolyfaceFile, kHeaderFile}) {
    std::error_code ignored;
    std::filesystem::remove(name, ignored);
  }
}

}  // namespace facetry
