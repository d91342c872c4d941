// app/windows.h: the program's windows. The main window comes first, then the 21 others in
// their fixed order; each exists for the whole run and is shown when needed.
#pragma once
#include <QDialog>
#include <memory>

namespace facetry {

class TMainview;

// "Form5": the hidden window that holds the toolbox's pictures (the core draws them).
class PlaceholderWindow : public QDialog {
  Q_OBJECT
 public:
  PlaceholderWindow(QWidget* parent, const char* class_name, const char* caption);
};

// Creates the main window and then every other window, in order, handing them to it.
std::unique_ptr<TMainview> createWindows();

}  // namespace facetry
