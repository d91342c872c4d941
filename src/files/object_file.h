// files/object_file.h: object files (.obq), the selected faces carried between scenes.
// Little-endian, no header: int32 face count n, then n raw Face records (92 bytes each) in
// scene index order. Coordinates are as held in memory, at the zoom of the moment.
#pragma once
#include <string>

#include "scene/host.h"
#include "scene/scene.h"

namespace facetry {

int countSelectedFaces(const Scene& scene);

// "Save selection as &object..." before its dialog: false, after "There are no objects
// selected" (title "Error"), when no face is selected.
bool checkSelectionToSave(const Scene& scene, Host& host);

// Writes the count and every selected face's record (every face's with `every_face`) to
// `path` (".obq" appended unless the name ends in it), replacing any file there. Returns
// the path written. Throws IoError.
std::string saveSelectionAsObject(const Scene& scene, const std::string& path,
                                  bool every_face = false);

// Appends the faces of object file `path` to the open object through addFace, taking only
// the corners and the colour of each record; everything else is addFace's default.
// Returns the number of faces read. A negative count or a file that ends before its count
// of records throws FormatError; the faces added before stay in the open object.
int readObjectFaces(Scene& scene, Host& host, const std::string& path);

// The scene part of "&Import object...": undo snapshot, the faces read, closed into one
// object (oriented, deselected, named as closeObject asks), then the new object, its faces
// and their corners selected and its bounds updated. Returns the new object's index, or -1
// when the file held no faces.
int importObjectFile(Scene& scene, Host& host, const std::string& path);

}  // namespace facetry
