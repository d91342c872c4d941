// files/undo_history.h: the undo history behind the single snapshot "undo.fil". Every
// snapshot a command takes is also kept, newest last, as a file in a private folder of its
// own (made in the system's temporary directory on the first snapshot, removed when the
// history ends); undo steps back through them one at a time and redo steps forward again
// until a new snapshot forgets the redo steps. Only file names are held in memory.
//
// The folder is named "facetry-history-PID-XXXXXX": a later start removes the folders of
// runs that are no longer alive, and never reads them. A step that cannot be written (disk
// full) is reported once through the host; the history is then emptied and undo works on
// "undo.fil" alone, as with a single snapshot, until a later snapshot can be kept again.
#pragma once
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "scene/host.h"
#include "scene/scene.h"
#include "scene/settings.h"

namespace facetry {

class UndoHistory {
 public:
  // `temp_directory` is where the private folder is made (the system's temporary
  // directory when empty).
  explicit UndoHistory(std::string temp_directory = {});
  ~UndoHistory();  // removes the folder and everything in it
  UndoHistory(const UndoHistory&) = delete;
  UndoHistory& operator=(const UndoHistory&) = delete;

  // Ties `scene` to this history (its snapshots are recorded here) with the budget of
  // `settings` (HistorySteps, HistoryMegabytes, read at every step).
  void connect(Scene& scene, const Settings& settings);
  // Where the one report of a history that cannot be written goes; none when null.
  void setHost(Host* host) { host_ = host; }

  // After `snapshot_path` (the snapshot just written) has been written: keeps a copy of
  // it as the newest step, forgets the redo steps and drops the oldest steps beyond the
  // budget. Never throws; a failure is reported once and empties the history.
  void recordSnapshot(const std::string& snapshot_path);

  // Undo: keeps the scene as it is as a redo step, then reads the newest step in place of
  // the scene and makes "undo.fil" the step before it. False, changing nothing, when
  // there is no step. Throws what the native reader throws.
  bool undo(Scene& scene, Host& host);
  // Redo: takes the scene as it is as a new undo step (through "undo.fil", as a command
  // does), then reads the nearest redo step in place of the scene and sets ModifiedFlag.
  // False, changing nothing, when there is no redo step. Throws IoError when the snapshot
  // cannot be written (nothing is changed then).
  bool redo(Scene& scene, Host& host);

  int undoSteps() const { return static_cast<int>(undo_.size()); }
  int redoSteps() const { return static_cast<int>(redo_.size()); }
  // Bytes of all the steps kept.
  std::uintmax_t bytes() const;
  // The private folder; empty before the first step.
  const std::string& folder() const { return folder_; }
  // Forgets every step and removes their files (the folder stays).
  void clear();

 private:
  struct Step {
    std::string path;
    std::uintmax_t bytes = 0;
  };

  void makeFolder();
  std::string nextPath();
  // Copies `from` to a new step file (a hard link when the file system allows it).
  Step keep(const std::string& from);
  void pushUndo(Step step);
  void enforceBudget();
  void fail(const std::string& reason);

  std::string temp_directory_;
  std::string folder_;
  std::deque<Step> undo_;   // oldest first
  std::vector<Step> redo_;  // nearest last
  const Settings* settings_ = nullptr;
  Host* host_ = nullptr;
  std::uint64_t serial_ = 0;
  bool reported_ = false;
};

// Removes the history folders left in `temp_directory` by runs whose process has ended.
void removeStaleHistoryFolders(const std::string& temp_directory);

}  // namespace facetry
