// scene/undo_link.h: the tie between a scene and the undo history its snapshots are kept
// in. The link belongs to the scene object, not to its contents: a copy of a scene records
// nowhere, and assigning another scene's contents keeps the history it had.
#pragma once

namespace facetry {

class UndoHistory;  // files/undo_history.h

struct UndoLink {
  UndoHistory* history = nullptr;

  UndoLink() = default;
  UndoLink(const UndoLink&) noexcept {}
  UndoLink& operator=(const UndoLink&) noexcept { return *this; }
};

}  // namespace facetry
