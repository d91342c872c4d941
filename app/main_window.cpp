// app/main_window.cpp: the main window's construction, activation, shutdown and keys.
#include "main_window.h"

#include <QCloseEvent>
#include <QDir>
#include <QLineEdit>
#include <QPrinter>
#include <QScrollBar>
#include <QTimer>
#include <chrono>

#include "colour_grid.h"
#include "command_guard.h"
#include "edit/previews.h"
#include "files/configuration.h"
#include "files/shell_commands.h"
#include "help_window.h"
#include "number_edit.h"
#include "ops/modelling_tools.h"
#include "small_dialogs.h"
#include "survey_window.h"
#include "toolbox.h"
#include "view_widgets.h"

namespace facetry {

namespace {

QStringList toQStrings(const std::vector<std::string>& items) {
  QStringList list;
  for (const std::string& item : items) list << QString::fromStdString(item);
  return list;
}

}  // namespace

TMainview::TMainview() : host_(this) {
  setObjectName(QStringLiteral("TMainview"));
  setWindowTitle(QStringLiteral("Facetry"));
  setMinimumSize(800, 600);
  start_directory_ = QDir::currentPath().toStdString();
  dialog_directory_ = QDir::currentPath();

  views_area_ = new QWidget(this);
  views_area_->setObjectName(QStringLiteral("viewsarea"));
  setCentralWidget(views_area_);
  // The keyboard focus rests on this widget between commands, so that keys reach the form
  // instead of a toolbox control.
  focusverlies_ = new QWidget(views_area_);
  focusverlies_->setObjectName(QStringLiteral("focusverlies"));
  focusverlies_->setGeometry(0, 0, 1, 1);
  focusverlies_->setFocusPolicy(Qt::ClickFocus);

  buildViews();
  buildToolbox();
  buildMenus();
  buildDesktop();
  views_area_->installEventFilter(this);
}

TMainview::~TMainview() = default;

void TMainview::setWindows(SecondaryWindows windows) {
  windows_ = std::move(windows);
  host_.setWindows(windows_.name_object, windows_.reading);
  connectArrayCurveWindows();
  host_.setProgressWindow(windows_.progress);
  if (windows_.survey) {
    // Closing the survey window is the menu's "Survey view" switched off.
    connect(windows_.survey, &TForm17::closedByUser, this, [this] {
      survey_action_->setChecked(false);
      command([this] { Surveyview1Click(); });
    });
  }
}

void TMainview::command(const std::function<void()>& handler) {
  runCommand(this, handler);
}

void TMainview::redraw() {
  redrawViews(ws_);
  showViews();
}

void TMainview::showViews() {
  // A redraw resets the name of the next object; the toolbox box shows it.
  QLineEdit* name = toolbox_->objectGroupName();
  if (name->text().toStdString() != ws_.scene.ObjectNameBuffer.str()) {
    name->setText(QString::fromStdString(ws_.scene.ObjectNameBuffer.str()));
  }
  for (ViewPanel* panel : panels_) panel->image()->update();
  if (windows_.survey) windows_.survey->showPicture();
  showStatus();
}

QPrinter& TMainview::printer() {
  if (!printer_) printer_ = std::make_unique<QPrinter>();
  return *printer_;
}

bool TMainview::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) command([this] { FormActivate(); });
  return QMainWindow::event(event);
}

void TMainview::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  // Without a window manager the window may never be activated; the set-up then runs
  // once the window is on the screen.
  if (!activated_) {
    QTimer::singleShot(0, this, [this] {
      if (!activated_) command([this] { FormActivate(); });
    });
  }
}

void TMainview::FormActivate() {
  if (!activated_) {
    activated_ = true;
    firstActivation();
  }
  setCaption();
  if (redraw_pending_) {
    redraw_pending_ = false;
    redraw();
  }
  toolbox_->placeHandles();
  moveFocusAway();
  // In the only-front layout the positions are parked at 0 and the remembered ones wait.
  if (ws_.views.ThreeWindows) {
    remembered_front_scroll_ = {panels_[0]->horizontalBar()->value(),
                                panels_[0]->verticalBar()->value()};
  }
}

void TMainview::firstActivation() {
  // A configuration that cannot be read is reported and the defaults stay; the rest of the
  // set-up goes on, so that the window is usable either way.
  ws_.settings.SearchDirectory = defaultSearchDirectory();
  command([this] { readConfiguration(ws_.settings, start_directory_); });
  command([this] { enterSearchDirectory(ws_.settings, host_, start_directory_); });
  dialog_directory_ = QDir::currentPath();

  const auto clock = std::chrono::system_clock::now().time_since_epoch().count();
  startWorkspace(ws_, static_cast<unsigned>(clock));
  connectModellingTools(ws_);
  ws_.host = &host_;
  ws_.undo_history.setHost(&host_);

  ws_.tools.DegreeStep = ws_.settings.RotationStep;
  ws_.tools.ResizePercent = ws_.settings.ResizeFactor;
  toolbox_->degrees()->setItems(toQStrings(angleStepItems()));
  toolbox_->resizeList()->setItems(toQStrings(resizeFactorItems()));
  selectStepLists();
  dosizen();
  const QColor foreground = ColourGrid::colour(toolbox_->colourGrid()->foregroundIndex());
  ws_.scene.CurrentColour = {static_cast<std::uint8_t>(foreground.red()),
                             static_cast<std::uint8_t>(foreground.green()),
                             static_cast<std::uint8_t>(foreground.blue())};
  showShadingButtons();
  if (windows_.survey) {
    windows_.survey->showSettings();
    if (ws_.views.SurveyVisible) windows_.survey->show();
  }
  showButs();
  redraw();
  if (!start_model_.isEmpty()) {
    const std::string path =
        QDir(QString::fromStdString(start_directory_)).absoluteFilePath(start_model_).toStdString();
    command([this, path] { loadFile(*formatNamed("fcy"), path); });
  }
}

void TMainview::setCaption() {
  setWindowTitle(QStringLiteral("Facetry : ") + QString::fromStdString(ws_.ModelName));
}

void TMainview::selectStepLists() {
  const Settings& s = ws_.settings;
  toolbox_->degrees()->showSelection(angleStepIndex(s.RotationStep), s.RotationStep);
  toolbox_->resizeList()->showSelection(resizeFactorIndex(s.ResizeFactor), s.ResizeFactor);
}

void TMainview::showShadingButtons() {
  for (int view = 1; view <= 3; ++view) {
    const ViewShadingEntry& e = ws_.views.ViewShading[static_cast<std::size_t>(view - 1)];
    ShadingChoice choice = ShadingChoice::Wired;
    if (e.shaded) choice = e.gouraud ? ShadingChoice::Gouraud : ShadingChoice::Flat;
    viewPanel(view)->showShading(choice);
  }
}

void TMainview::moveFocusAway() {
  focusverlies_->setFocus(Qt::OtherFocusReason);
}

void TMainview::closeEvent(QCloseEvent* event) {
  if (!destroyed_) {
    destroyed_ = true;
    command([this] { FormDestroy(); });
    // Cancel (or Escape) on the question keeps the program open.
    if (!destroyed_) {
      event->ignore();
      return;
    }
  }
  if (help_) help_->close();
  if (windows_.survey) windows_.survey->hide();
  event->accept();
}

void TMainview::FormDestroy() {
  if (!shutdownScene(ws_.scene, host_, [this] { Save1Click(); })) destroyed_ = false;
}

bool TMainview::eventFilter(QObject* watched, QEvent* event) {
  if (navigationEvent(watched, event)) return true;
  if (watched == views_area_ && event->type() == QEvent::Resize) command([this] { dosizen(); });
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace facetry
