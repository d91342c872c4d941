// scene/scratch_files.h: the scratch files the program keeps in the current working
// directory, and their removal at shutdown.
#pragma once
#include <string>

namespace facetry {

inline constexpr const char* kUndoFile = "undo.fil";
inline constexpr const char* kDeleteFile = "del&.del";
inline constexpr const char* kWalkFile = "walk.fil";
inline constexpr const char* kWalkPictureFile = "b@walk.tmp";
inline constexpr const char* kLineArrayFile = "lijnar";
inline constexpr const char* kLineArrayFile2 = "lijnar2";
inline constexpr const char* kPointsFile = "punten";
inline constexpr const char* kStrayLineFile = "lijntje";  // nothing writes it; only removed
inline constexpr const char* kPolyfaceFile = "~veelpt.tmp";
inline constexpr const char* kHeaderFile = "header.tmp";
inline constexpr const char* kModelerFile = "moddd.tmp";

// Deletes the scratch files the program removes at shutdown (all but the modeler hand-over
// file and the walk-through picture, which their windows delete themselves). Missing files
// are not an error.
void removeScratchFiles();

}  // namespace facetry
