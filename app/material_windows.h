// app/material_windows.h: the windows of the "Material" menu: "Choose material" (Tformjpg),
// "Resize and move" (Tresmovetext) and "Materials" (TForm9). Each edits a plain value that
// the main window hands to the core.
#pragma once
#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "edit/material_commands.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPrinter;
class QRadioButton;

namespace facetry {

// "Choose material": drive, directory and file lists (mask "*.bmp;*.jpg" and GIF), a
// preview and the mapping buttons. The chosen name survives from one showing to the next,
// so closing without a new choice applies the previous picture again; "Cancel" clears it.
class Tformjpg : public QDialog {
  Q_OBJECT
 public:
  Tformjpg(QWidget* parent, std::function<QPrinter&()> printer);
  // Shows the window modally, its directory list at `directory` the first time; returns the
  // chosen name (empty after "Cancel") and the mapping.
  MaterialChoice choose(const std::string& directory);

  // The file list's click and "&Open...": the file becomes the chosen name and the preview
  // shows it (empty when it cannot be decoded).
  void FileListBox1Click();
  void Open1Click();
  void Print1Click();
  void PrinterSetup1Click();
  void openDirectory(const QString& path);
  const std::string& chosenName() const { return choice_.name; }

 private:
  void pick(const QString& file);
  void finish(MappingKind kind);

  std::function<QPrinter&()> printer_;
  MaterialChoice choice_;
  QString directory_;
  bool opened_ = false;
  QComboBox* drives_;
  QListWidget* directories_;
  QListWidget* files_;
  QLabel* preview_;
  QRadioButton* variants_[3];
};

// "Resize and move": six buttons that each perform their command at once and the
// "Resizefactor" box (the factor, a whole number, taken whenever its text changes); the
// dialog stays until "Close".
class Tresmovetext : public QDialog {
  Q_OBJECT
 public:
  explicit Tresmovetext(QWidget* parent);
  // Shows the dialog modally with `factor`; every button press calls `perform`, and every
  // change of the box's text sets `factor` (text that is not a number is ignored).
  void run(float& factor, const std::function<void(TextureMove)>& perform);

 private:
  QLineEdit* factor_;
  float* target_ = nullptr;
  std::function<void(TextureMove)> perform_;
};

// "Materials": the list "Used materials :" and the box "Change current material name".
// A click copies a line into the box, typing replaces the selected line.
class TForm9 : public QDialog {
  Q_OBJECT
 public:
  explicit TForm9(QWidget* parent);
  // Shows the dialog modally with `names`; on "Ok" returns true with the edited lines.
  bool edit(const std::vector<std::string>& names, std::vector<std::string>& lines);

 private:
  QListWidget* list_;
  QLineEdit* name_;
};

}  // namespace facetry
