// app/selection_dialogs.h: the two dialogs that list the objects by name: "Select object by
// name" (TForm12) and "Change object names" (TForm13). Each edits nothing itself: it hands
// the marked objects to the main window, which calls the core.
#pragma once
#include <QDialog>
#include <cstdint>
#include <string>
#include <vector>

class QLineEdit;
class QListWidget;
class QRadioButton;

namespace facetry {

struct Scene;

// "Select object by name": every object's name in index order in ListBox1 (multiple
// selection), the selected objects marked; "Select" or "De-select" chooses the value.
// Stays on top of the main window.
class TForm12 : public QDialog {
  Q_OBJECT
 public:
  explicit TForm12(QWidget* parent);
  // Shows the dialog modally on `scene`. On "Select" returns true with the marked objects
  // (index order) and the value: 1 with "Select", 0 with "De-select".
  bool choose(const Scene& scene, std::vector<int>& objects, std::uint8_t& value);

 private:
  QListWidget* list_;
  QRadioButton* select_;
};

// "Change object names": the names with the selected objects marked; clicking an entry
// copies its name into the "New Name" box; "Change" names every marked object.
class TForm13 : public QDialog {
  Q_OBJECT
 public:
  explicit TForm13(QWidget* parent);
  // Shows the dialog modally on `scene`. On "Change" returns true with the marked objects
  // and the typed name (the caller cuts it to the name's 20 characters).
  bool choose(const Scene& scene, std::vector<int>& objects, std::string& name);

 private:
  QListWidget* list_;
  QLineEdit* name_;
};

}  // namespace facetry
