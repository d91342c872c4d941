// app/main_window.h: the main window (TMainview): the three orthographic views, the
// floating toolbox, the menus, and the handlers of the shell, file, view and lighting
// commands. It owns the workspace the whole program works on.
//
// Handlers keep their documented names and stay thin: they read widgets, call the core and
// redraw. Every one of them runs through the general error handler (runCommand).
#pragma once
#include <QMainWindow>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "qt_host.h"
#include "workspace.h"

class QAction;
class QLineEdit;
class QMenu;

namespace facetry {

class HelpWindow;
class TForm2;
class TForm6;
class TForm7;
class TForm8;
class TForm14;
class TForm17;
class Tabout;
class Toolbox;
class ViewPanel;
enum class ShadingChoice;

// The windows created after the main window, in their order of creation.
struct SecondaryWindows {
  TForm2* light_position = nullptr;
  Tabout* about = nullptr;
  TForm6* reading = nullptr;
  TForm7* settings = nullptr;
  TForm8* zoom = nullptr;
  TForm14* name_object = nullptr;
  TForm17* survey = nullptr;
  std::vector<QWidget*> in_order;  // all 21 of them
};

class TMainview : public QMainWindow {
  Q_OBJECT
 public:
  TMainview();
  ~TMainview() override;

  void setWindows(SecondaryWindows windows);
  const SecondaryWindows& windows() const { return windows_; }
  Workspace& workspace() { return ws_; }
  QtHost& host() { return host_; }
  // The working directory when the main window was created: where "facetry.cfg" lies.
  const std::string& startDirectory() const { return start_directory_; }
  ViewPanel* viewPanel(int view) const { return panels_[static_cast<std::size_t>(view - 1)]; }
  Toolbox* toolbox() const { return toolbox_; }

  // Redraws every view and shows the result.
  void redraw();
  // Asks for a redraw at the next activation (for windows that change the scene while the
  // main window is inactive).
  void requestRedraw() { redraw_pending_ = true; }

  // The activation steps: the first-activation set-up once, then the caption, a pending
  // redraw, the toolbox handles, the focus and the remembered scroll positions.
  void FormActivate();

  // A model named on the command line, loaded at the end of the first activation as
  // "&Load..." loads a native file.
  void loadAtStart(const QString& path) { start_model_ = path; }

  // File and shell commands.
  void New1Click();
  void Load1Click();
  void Save1Click();
  void Importfcy1Click();
  void Exit1Click();
  void Help2Click();
  void About1Click();
  // Edit commands.
  void Undo1Click();
  void Delete1Click();
  void Turnselectedfacesintooneobject1Click();
  void Smoothselectedfaces1Click();
  void Unsmoothselectedfaces1Click();
  // View commands.
  void zoomClick(double percent);  // N251Click .. N4001Click
  void Other1Click();
  void FrontTopSidewindow1Click();
  void Onlyfrontwindow1Click();
  void Surveyview1Click();
  void On1Click();
  void Off1Click();
  // Options.
  void reflectionClick(int level);  // Max1Click, Normaal1Click, Little1Click, Min1Click, None2Click
  void shadowClick(int level);      // Max2Click, Normal2Click, None1Click
  void Lamppositie1Click();
  void Settings1Click();

  // The view handlers: shading radio buttons, scroll bars, "Poly-lines", mouse moves.
  void shadingClick(int view, ShadingChoice choice);
  void ScrollBarChange(int view);
  void polylClick();
  void ImageMouseMove(int view, int x, int y);  // Image1MouseMove .. Image3MouseMove

 protected:
  bool event(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Runs a handler through the general error handler.
  void command(const std::function<void()>& handler);
  QAction* addCommand(QMenu* menu, const char* name, const char* caption,
                      std::function<void()> handler);
  void buildMenus();
  void buildViews();
  void buildToolbox();

  void firstActivation();
  void setCaption();
  void selectStepLists();
  void showShadingButtons();
  void moveFocusAway();
  void dosizen();
  void aanzCl();
  void FormDestroy();
  void loadModel(const std::string& path);

  Workspace ws_;
  QtHost host_;
  std::string start_directory_;
  SecondaryWindows windows_;
  HelpWindow* help_ = nullptr;
  std::array<ViewPanel*, 3> panels_{};
  Toolbox* toolbox_ = nullptr;
  QWidget* views_area_ = nullptr;
  QWidget* focusverlies_ = nullptr;
  QAction* survey_action_ = nullptr;
  bool activated_ = false;
  bool destroyed_ = false;
  bool redraw_pending_ = false;
  std::array<int, 2> remembered_front_scroll_{};
  QString dialog_directory_;
  QString start_model_;
};

}  // namespace facetry
