// app/settings_dialog.h: the "Settings" dialog. Every number takes effect as it is typed;
// "Ok" and "Save settings" also apply the typed search directory, "Save settings" writes
// the configuration file, "Cancel" drops only the directory.
#pragma once
#include <QDialog>
#include <string>

class QFrame;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace facetry {

class Host;
class NumberCombo;
class NumberEdit;
struct Workspace;

class TForm7 : public QDialog {
  Q_OBJECT
 public:
  TForm7(Workspace& ws, Host& host, std::string start_directory, QWidget* parent);

  // Loads the settings into the controls and shows the dialog modally.
  void FormActivate();
  int run();

 private:
  void Button1Click();
  void Button2Click();
  void selcolorClick();
  void backcolorClick();
  // Fills the directory list with the parent entry and the subdirectories of `directory`.
  void openDirectory(const QString& directory);
  void DirectoryListBox1Change();
  void DirectoryListBox1DblClick();
  void applyDirectory();
  void showColours();

  Workspace& ws_;
  Host& host_;
  std::string start_directory_;
  NumberCombo* combo_box1_;
  NumberCombo* resizefaktor_;
  NumberEdit* edit2_;
  NumberEdit* edit3_;
  NumberEdit* edit1_;
  NumberEdit* edit4_;
  NumberEdit* edit5_;
  NumberEdit* edit6_;
  NumberEdit* history_steps_;
  NumberEdit* history_megabytes_;
  QFrame* panel1_;
  QFrame* panel2_;
  QLineEdit* edit7_;
  QListWidget* directories_;
  QString listed_directory_;
};

}  // namespace facetry
