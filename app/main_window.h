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
#include <memory>
#include <string>
#include <vector>

#include "exchange/format_table.h"
#include "qt_host.h"
#include "workspace.h"

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPrinter;

namespace facetry {

class HelpWindow;
class TForm1;
class TForm4;
class Tnurbresolutie;
class TForm2;
class TForm3;
class TForm11;
class TForm6;
class TForm7;
class TForm8;
class TForm12;
class TForm13;
class TForm14;
class TForm16;
class TForm15;
class TForm17;
class Tabout;
class Tmodel;
class TForm9;
class Tformjpg;
class Tresmovetext;
class Toolbox;
class ViewPanel;
enum class ShadingChoice;
enum class BooleanOperation;
enum class OperationPicture;

// The windows created after the main window, in their order of creation.
struct SecondaryWindows {
  TForm2* light_position = nullptr;
  Tabout* about = nullptr;
  TForm6* reading = nullptr;
  TForm7* settings = nullptr;
  TForm8* zoom = nullptr;
  TForm12* select_by_name = nullptr;
  TForm13* change_names = nullptr;
  TForm14* name_object = nullptr;
  TForm15* progress = nullptr;
  TForm17* survey = nullptr;
  Tmodel* model = nullptr;
  TForm3* walk = nullptr;
  TForm11* landscape = nullptr;
  TForm1* line_array_preview = nullptr;
  TForm4* copy_around = nullptr;
  Tnurbresolutie* nurb_resolution = nullptr;
  TForm16* poly_creator = nullptr;
  std::vector<QWidget*> in_order;  // all 21 of them
  Tformjpg* material = nullptr;    // "Choose material"
  Tresmovetext* resize_move = nullptr;
  TForm9* materials_used = nullptr;
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

  // Redraws every view (with the preview of the tool on top) and shows the result.
  void redraw();
  // Shows what the core drew: the views, the survey picture and the name of the next
  // object, after a command that redrew through the core.
  void showViews();
  // The printer of "&Print" and "Print &setup..." (tests point it at a PDF file).
  QPrinter& printer();
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
  void Print1Click();
  void Printersetup1Click();
  void Importfcy1Click();
  void Exit1Click();
  void Help2Click();
  void About1Click();
  // Object and modeler files, and the Modeling window.
  void Saveselectionasobject1Click();
  void Importobject1Click();
  void Exportselectedfaces1Click();
  void Import1Click();
  void Modelling1Click();
  // Edit commands.
  void Undo1Click();
  void Redo1Click();
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
  // "&Walk through...": the walk-through window on a baked copy of the scene.
  void Perspectief1Click();
  // Selection.
  void SpeedButton6Click();
  void selectpointsClick();
  void selectfacesClick();
  void Selectarea1Click();
  void Points1Click();
  void Face1Click();
  void Selectall1Click();
  void Inverseselection1Click();
  void Selectobjectbyname1Click();
  void ChobClick();
  void ColorGrid1Change();
  void Kleur1Click();
  // Construction tools.
  void kubusknopClick();
  void bolknopClick();
  void driehoekknopClick();
  void buisknopClick();
  void puntknopClick();
  void ringknopClick();
  void cirkelknopClick();
  void polyknopClick();
  void multibuisknopClick();
  void multioppervlakknopClick();
  void arrayknopClick();
  // Transform tools.
  void dragknopClick();
  void Dragalong1Click();
  void SpeedButton14Click();  // Move
  void SpeedButton15Click();  // Resize
  void SpeedButton17Click();  // Copy
  void SpeedButton20Click();  // Resize rectangle
  void SpeedButton25Click();  // Enlarge
  void SpeedButton26Click();  // Reduce
  void Image6MouseDown(int x, int y);
  void mirrorClick(int axis);  // Towardsxaxis1Click .. Towardszaxis1Click
  void Centreer1Click();
  void Draaiom1Click();
  void Smartturn1Click();
  // The boxes of the tools ("Closed", "D", "lin", "off", the resize axes, "Texture", "R",
  // "Distance influence") read into the tool state.
  void toolBoxesChanged();
  void sterkdragChange();
  // Options.
  void reflectionClick(int level);  // Max1Click, Normaal1Click, Little1Click, Min1Click, None2Click
  void shadowClick(int level);      // Max2Click, Normal2Click, None1Click
  void Lamppositie1Click();
  void Settings1Click();
  // Special.
  void Polyeditor1Click();
  // The "Material" menu.
  void Material1Click();
  void Larger1Click();
  void Smaller1Click();
  void left1Click();
  void Right1Click();
  void Up1Click();
  void Down1Click();
  void Resizeandmove1Click();
  void Materialsused1Click();
  // Extend faces and Boolean: the patterns, the user cut tool and the boolean tools.
  void Dosimple1Click();
  void Donormal1Click();
  void Docomplex1Click();
  void Docomplex21Click();
  void User1Click();
  void Subtract1Click();
  void Add1Click();
  void Intersect1Click();
  void Remove1Click();

  // The view handlers: shading radio buttons, scroll bars, "Poly-lines", mouse moves.
  void shadingClick(int view, ShadingChoice choice);
  void ScrollBarChange(int view);
  void polylClick();
  // The mouse in the three views (Image1MouseMove .. Image3MouseMove and so on).
  void ImageMouseMove(int view, int x, int y);
  void ImageMouseDown(int view, int x, int y, Qt::MouseButton button);
  void ImageMouseUp(int view, int x, int y, Qt::MouseButton button);
  void ImageClick(int view);
  // Enter clicks in the view the mouse was last over; Escape cancels every tool.
  void FormKeyDown(int key);

  // The punch tool and its boxes (indeuken, uitdeuken, glue, gluesel, autoedge, remove);
  // the "Special" menu's landscape, elastic cage and glue.
  void SpeedButton21Click();
  void punchBoxClick(const char* name);
  void Createlandscape1Click();
  void Elastic1Click();
  void Glueselectedpoints1Click();
  // The array tools and the free curves: the array boxes, "&Copy selected items around
  // center position", the "Nurbs" menu and the curve buttons of the toolbox.
  void xdirClick();
  void ydirClick();
  void zdirClick();
  void linarClick();
  void copyselecteditemsroundturningpoint1Click();
  void Drawnurb1Click();
  void Editpointsselectednurb1Click();
  void All1Click();         // Connect / All
  void Individual1Click();  // Connect / Individual
  void xrotation1Click();
  void yrotation1Click();
  void zrotation1Click();
  void Deleteallnurbs1Click();
  void Setnurbresolution1Click();
  void Selectallnurbs1Click();
  void Deselectallnurbs1Click();

  // The desktop conventions beside the specified commands (desktop_commands.cpp): "&Save"
  // to the model's own file, "Fit all", a zoom step about a point of a view, the status
  // bar, and "Open recent".
  void Savedirect1Click();
  void Fitall1Click();
  void zoomStep(int view, int x, int y, int direction);
  void showStatus();
  const std::string& modelPath() const { return model_path_; }

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
  void buildEditMenu(QMenu* edit);
  void buildOperationMenus();
  // A boolean entry: the operation chosen, its tool toggled, the toolbox and the picture.
  void chooseBoolean(BooleanOperation operation);
  void showOperationPicture(OperationPicture picture);
  // The object and modeler file entries of the "&File" menu, and "Special" -> "Modeling".
  void buildObjectFileMenus(QMenu* file);
  void buildMaterialMenu(QMenu* edit);
  void buildViews();
  void buildToolbox();
  void connectTools();
  void connectButton(const char* name, void (TMainview::*handler)());
  void connectPunchTool();
  void buildSpecialMenu();
  void buildNurbsMenu();
  void connectArrayCurveTools();
  void connectArrayCurveWindows();
  // The toolbox in line with the curve tools, and the curve command's word in the status line.
  void showCurveTools();

  // buts: the toolbox in line with the tool state (buttons, enabled boxes, the empty
  // picture) and the keyboard focus back on the form.
  void showButs();
  // A construction button: the tool chosen, the toolbox reset, its button down and its
  // picture shown.
  void chooseTool(const char* button, std::uint8_t mode);
  // Redraws when a command says the scene or the selection changed.
  void redrawIf(bool changed);
  void recolour(const QColor& colour);

  void firstActivation();
  void setCaption();
  void selectStepLists();
  void showShadingButtons();
  void moveFocusAway();
  void dosizen();
  void aanzCl();
  void FormDestroy();
  // "&Load..." once its dialog is closed (and the model named on the command line).
  void loadFile(const FileFormat& format, const std::string& path);

  // The desktop conventions' parts (desktop_commands.cpp).
  void buildDesktop();
  bool navigationEvent(QObject* watched, QEvent* event);
  void showScroll(int view);
  void rememberModelFile(const std::string& path);
  void showRecentFiles();
  std::string model_path_;  // the native file the model was last saved to or loaded from
  int pan_view_ = 0;        // the view dragged with the middle button, 0 for none
  QPoint pan_start_;
  QPoint pan_scroll_;
  QLabel* status_prompt_ = nullptr;
  QLabel* status_position_ = nullptr;
  QLabel* status_summary_ = nullptr;
  QMenu* recent_menu_ = nullptr;

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
  std::unique_ptr<QPrinter> printer_;
  bool activated_ = false;
  bool destroyed_ = false;
  bool redraw_pending_ = false;
  std::array<int, 2> remembered_front_scroll_{};
  QString dialog_directory_;
  QString start_model_;
};

}  // namespace facetry
