// scene/scene.h: the scene tables (faces, objects, surfaces, materials) and the operations
// that change their structure: add a face, close the open object, delete, collect.
// Everything else edits records in place.
//
// Faces and objects are stored contiguously. FaceTable holds slots 0..FaceSlotsAllocated
// (its size), and slot FaceCount is always allocated and ready for the next face while the
// table is not full; newly allocated slots are zero-filled, reused ones keep their old
// bytes. Objects 0..ObjectCount-1 are closed; slot ObjectCount is the open object.
//
// Invariants kept by every operation here: objects partition a prefix of the faces in
// order (object 0 starts at face 0, object k+1 at last(k) + 1, the open object runs from
// its first to FaceCount - 1), and every face carries the index of the object holding it.
#pragma once
#include <array>
#include <cstdint>
#include <vector>

#include "scene/host.h"
#include "scene/records.h"
#include "scene/undo_link.h"

namespace facetry {

constexpr int kMaxFaces = 99999;     // FaceCount never exceeds this
constexpr int kFaceSlots = 100001;   // slots 0..100000
constexpr int kMaxObjects = 19998;   // closed objects
constexpr int kObjectSlots = 20001;  // slots 0..20000
constexpr int kSurfaceSlots = 101;   // slots 0..100
constexpr int kMaxMaterials = 100;   // entries 1..100

struct Scene {
  Scene();
  Scene(const Scene&) = default;
  Scene& operator=(const Scene&) = default;

  std::vector<Face> FaceTable;
  std::vector<FaceShading> FaceShadingTable;  // parallel to FaceTable
  std::int32_t FaceCount = 0;
  std::vector<ModelObject> ObjectTable;
  std::int32_t ObjectCount = 0;
  std::vector<NurbSurface> NurbTable;  // kSurfaceSlots slots, always all present
  std::int32_t NurbCount = 0;
  std::array<MaterialEntry, kMaxMaterials + 1> MaterialList{};  // entry 0 unused
  std::int32_t MaterialCount = 1;                               // 1 + highest entry in use

  Rgb CurrentColour{};               // colour of new faces
  ShortString<20> ObjectNameBuffer;  // name of the next closed object
  bool ModifiedFlag = false;         // a modifying command ran since the last save
  bool FacesFull = false;
  bool ObjectsFull = false;
  bool RotateAll = true;              // rotations move every corner, not only selected ones
  std::array<Rgb, 257> DxfPalette{};  // colour numbers of the DXF exchange
  float LastCubeDepth = 0;            // depth of the last cube built
  bool ask = false;    // the "Name object" dialog's "Don't ask for this operation" box
  UndoLink undo_link;  // the history every snapshot is also kept in (none: one snapshot)

  int faceSlotsAllocated() const { return static_cast<int>(FaceTable.size()) - 1; }
  int objectSlotsAllocated() const { return static_cast<int>(ObjectTable.size()) - 1; }

  // Checked access; throws RangeError for an index outside the allocated slots.
  Face& face(int index);
  const Face& face(int index) const;
  ModelObject& object(int index);
  const ModelObject& object(int index) const;
  NurbSurface& surface(int index);
  MaterialEntry& material(int entry);  // 1..100
  const MaterialEntry& material(int entry) const;

  ModelObject& openObject() { return ObjectTable[static_cast<std::size_t>(ObjectCount)]; }
};

// Makes slot FaceCount usable. When FaceCount exceeds 99 998 shows "No more faces
// available" (title "Error") once per shortage and sets FacesFull.
void ensureFaceSlot(Scene& scene, Host& host);
// Appends a face with the given corners and default attributes (colour CurrentColour,
// object ObjectCount, smooth 1, texture coordinates (0,0) (50,0) (50,50)). Returns false,
// adding nothing, when the table is full.
bool addFace(Scene& scene, Host& host, const FaceCorner& c0, const FaceCorner& c1,
             const FaceCorner& c2);
// Makes slot ObjectCount usable; shows "No more objects available" once per shortage.
void ensureObjectSlot(Scene& scene, Host& host);
// Turns the open object into a closed, named object (asking for the name unless `ask` is
// ticked), optionally deselecting its faces and orienting them outwards by majority.
// Returns false when nothing was closed (empty open object or no object slot left).
bool closeObject(Scene& scene, Host& host, bool orient, bool deselect);

// Recomputes minimum, maximum and (when it has faces) centre of object k.
void updateObjectBounds(Scene& scene, int k);
void updateAllObjectBounds(Scene& scene);
// Minimum, maximum and centre over the faces of all closed objects (all = true) or of the
// selected ones, in a ModelObject record (other fields zero).
ModelObject selectionBounds(const Scene& scene, bool all);
// True when every face of object k is selected (also for an object without faces).
bool objectFullySelected(const Scene& scene, int k);
void setObjectSelected(Scene& scene, int k, std::uint8_t value);
void toggleObjectSelected(Scene& scene, int k);

// Removes every selected face and selected control point, rebuilding both tables through
// the compaction file; faces of the open object are dropped. Throws IoError when the
// compaction file fails.
void deleteSelectedFaces(Scene& scene, Host& host);
// Removes object k and its faces; the rebuilt objects are re-oriented by majority.
void deleteObject(Scene& scene, Host& host, int k);
// Moves the selected faces into one new (deselected) object at the end.
void collectSelectedFaces(Scene& scene, Host& host);
void deleteSelectedNurbPoints(Scene& scene);
// Translates faces from..FaceCount-1 so that the mean of their corners lands on `centre`.
void recentreFaces(Scene& scene, int from, const Point3& centre);

// Empties the face and object tables (allocated records stay for reuse).
void clearFacesAndObjects(Scene& scene);

}  // namespace facetry
