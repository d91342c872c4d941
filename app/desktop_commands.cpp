// app/desktop_commands.cpp: the conventions users of other modellers reach for, beside the
// specified commands: the wheel zooms about the mouse, the middle button drags a view,
// "Fit all", "&Save" to the model's own file, the status bar, one-letter tool keys,
// Shift and Ctrl clicks and "Open recent". The arithmetic is the core's; this file only
// turns events into its calls.
#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QToolButton>
#include <QWheelEvent>

#include "edit/tool_prompts.h"
#include "edit/view_navigation.h"
#include "files/configuration.h"
#include "files/recent_files.h"
#include "main_window.h"
#include "toolbox.h"
#include "view_widgets.h"

namespace facetry {

namespace {

constexpr int kBarWidth = 16;  // the scroll bars along the right and bottom edges

// The one-letter keys of the toolbox tools.
constexpr std::pair<const char*, char> kToolKeys[] = {
    {"kubusknop", 'C'},          {"bolknop", 'S'},       {"driehoekknop", 'T'},
    {"buisknop", 'U'},           {"puntknop", 'O'},      {"polyknop", 'P'},
    {"multibuisknop", 'M'},      {"ringknop", 'R'},      {"cirkelknop", 'I'},
    {"multioppervlakknop", 'L'}, {"arrayknop", 'A'},     {"dragknop", 'D'},
    {"SpeedButton6", 'V'},       {"SpeedButton14", 'G'}, {"SpeedButton15", 'E'},
    {"SpeedButton20", 'B'},      {"SpeedButton17", 'Y'}, {"SpeedButton21", 'N'},
};

}  // namespace

void TMainview::buildDesktop() {
  // The status bar: the tool's prompt (host notes show over it for a while), the mouse
  // position and the zoom with the counts.
  status_prompt_ = new QLabel(this);
  status_prompt_->setObjectName(QStringLiteral("statusprompt"));
  status_position_ = new QLabel(this);
  status_position_->setObjectName(QStringLiteral("statusposition"));
  status_summary_ = new QLabel(this);
  status_summary_->setObjectName(QStringLiteral("statussummary"));
  statusBar()->addWidget(status_prompt_, 1);
  statusBar()->addPermanentWidget(status_position_);
  statusBar()->addPermanentWidget(status_summary_);

  for (ViewPanel* panel : panels_) {
    panel->image()->installEventFilter(this);
    const int view = panel->view();
    connect(panel->image(), &ViewImage::mouseMoved, this, [this, view](int x, int y) {
      status_position_->setText(
          QString::fromStdString(mousePosition(ws_.settings, viewNumbered(view), x, y)));
    });
  }

  // "&Save" before the specified "&Save..." (which now always asks, as "Save as" does).
  QMenu* file = menuBar()->findChild<QMenu*>(QStringLiteral("File1"));
  auto* save_as = findChild<QAction*>(QStringLiteral("Save1"));
  if (file && save_as) {
    save_as->setShortcut(QKeySequence::SaveAs);
    QAction* save = addCommand(file, "Savedirect1", "Sa&ve", [this] { Savedirect1Click(); });
    save->setShortcut(QKeySequence::Save);
    file->removeAction(save);
    file->insertAction(save_as, save);
    recent_menu_ = new QMenu(QStringLiteral("Open &recent"), file);
    recent_menu_->setObjectName(QStringLiteral("Openrecent1"));
    file->insertMenu(save, recent_menu_);
    connect(recent_menu_, &QMenu::aboutToShow, this, [this] { showRecentFiles(); });
  }
  // "Fit all" and the zoom keys in the View menu's Zoom menu.
  if (auto* zoom = menuBar()->findChild<QMenu*>(QStringLiteral("Zoom1"))) {
    zoom->addSeparator();
    addCommand(zoom, "Fitall1", "&Fit all", [this] {
      Fitall1Click();
    })->setShortcut(QKeySequence(Qt::Key_Home));
    auto step = [this](int direction) {
      const auto i = static_cast<std::size_t>(viewIndex(ws_.tools.ActiveView));
      const ViewPanel* panel = panels_[i];
      zoomStep(panel->view(), ws_.views.ScrollX[i] + panel->width() / 2,
               ws_.views.ScrollY[i] + panel->height() / 2, direction);
    };
    addCommand(zoom, "Zoomin1", "Zoom &in", [step] {
      step(+1);
    })->setShortcuts({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    addCommand(zoom, "Zoomout1", "Zoom &out", [step] {
      step(-1);
    })->setShortcut(QKeySequence::ZoomOut);
  }
  // The tool keys: a window-wide shortcut that clicks the button, named in its tooltip.
  for (const auto& [name, key] : kToolKeys) {
    QToolButton* button = toolbox_->button(name);
    if (!button) continue;
    auto* action = new QAction(this);
    action->setObjectName(QStringLiteral("key_") + QLatin1String(name));
    action->setShortcut(QKeySequence(QChar::fromLatin1(key)));
    connect(action, &QAction::triggered, button, &QToolButton::click);
    addAction(action);
    button->setToolTip(button->toolTip() + QStringLiteral(" (%1)").arg(QChar::fromLatin1(key)));
  }
}

bool TMainview::navigationEvent(QObject* watched, QEvent* event) {
  int view = 0;
  for (ViewPanel* panel : panels_) {
    if (watched == panel->image()) view = panel->view();
  }
  if (view == 0) return false;
  ViewPanel* panel = viewPanel(view);
  switch (event->type()) {
    case QEvent::Wheel: {
      auto* wheel = static_cast<QWheelEvent*>(event);
      const int delta = wheel->angleDelta().y();
      if (delta == 0) return false;
      const QPoint p = wheel->position().toPoint();
      command([this, view, p, delta] { zoomStep(view, p.x(), p.y(), delta > 0 ? 1 : -1); });
      return true;
    }
    case QEvent::MouseButtonPress: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->button() != Qt::MiddleButton) return false;
      pan_view_ = view;
      pan_start_ = mouse->globalPosition().toPoint();
      pan_scroll_ = {panel->horizontalBar()->value(), panel->verticalBar()->value()};
      return true;
    }
    case QEvent::MouseMove: {
      if (pan_view_ != view) return false;
      const QPoint moved =
          static_cast<QMouseEvent*>(event)->globalPosition().toPoint() - pan_start_;
      // The bars follow the drag; their change redraws as the bars themselves do.
      panel->horizontalBar()->setValue(pan_scroll_.x() - moved.x());
      panel->verticalBar()->setValue(pan_scroll_.y() - moved.y());
      return true;
    }
    case QEvent::MouseButtonRelease:
      if (static_cast<QMouseEvent*>(event)->button() != Qt::MiddleButton) return false;
      pan_view_ = 0;
      return true;
    default:
      return false;
  }
}

void TMainview::zoomStep(int view, int x, int y, int direction) {
  zoomAboutPoint(ws_.scene, ws_.views, viewNumbered(view), x, y,
                 nextZoomStep(ws_.views.ZoomPercent, direction));
  showScroll(view);
  redraw();
}

void TMainview::showScroll(int view) {
  ViewPanel* panel = viewPanel(view);
  const auto i = static_cast<std::size_t>(view - 1);
  const QSignalBlocker block_h(panel->horizontalBar());
  const QSignalBlocker block_v(panel->verticalBar());
  panel->horizontalBar()->setValue(ws_.views.ScrollX[i]);
  panel->verticalBar()->setValue(ws_.views.ScrollY[i]);
  panel->followBars();
}

void TMainview::Fitall1Click() {
  std::array<ViewWindow, 3> windows;
  for (ViewPanel* panel : panels_) {
    windows[static_cast<std::size_t>(panel->view() - 1)] = {
        panel->width() - kBarWidth, panel->height() - kBarWidth,
        panel->view() == 1 || ws_.views.ThreeWindows};
  }
  if (!fitAll(ws_.scene, ws_.views, windows)) return;
  for (int view = 1; view <= 3; ++view) showScroll(view);
  redraw();
}

void TMainview::Savedirect1Click() {
  const FileFormat* native = formatNamed("fcy");
  if (model_path_.empty() || !native || !native->write) {
    Save1Click();
    return;
  }
  native->write(ws_, host_, model_path_, {});
  setCaption();
  showStatus();
}

void TMainview::showStatus() {
  if (!status_prompt_) return;
  status_prompt_->setText(QString::fromStdString(toolPrompt(ws_.tools)));
  status_summary_->setText(QString::fromStdString(sceneSummary(ws_.scene, ws_.views, ws_.tools)));
  // The Zoom menu's caption shows the zoom.
  if (auto* zoom = menuBar()->findChild<QMenu*>(QStringLiteral("Zoom1"))) {
    zoom->setTitle(QStringLiteral("&Zoom (%1 %)").arg(ws_.views.ZoomPercent, 0, 'f', 0));
  }
}

void TMainview::rememberModelFile(const std::string& path) {
  if (!QFileInfo::exists(QString::fromStdString(path))) return;
  model_path_ = QFileInfo(QString::fromStdString(path)).absoluteFilePath().toStdString();
  addRecentFile(ws_.settings.RecentFiles, model_path_);
  saveRecentFiles(ws_.settings, start_directory_);
  showRecentFiles();
}

void TMainview::showRecentFiles() {
  if (!recent_menu_) return;
  recent_menu_->clear();
  for (const std::string& path : ws_.settings.RecentFiles) {
    const QString name = QString::fromStdString(path);
    recent_menu_->addAction(name, this, [this, path] {
      command([this, path] {
        if (const FileFormat* native = formatNamed("fcy")) loadFile(*native, path);
      });
    });
  }
  if (ws_.settings.RecentFiles.empty()) {
    recent_menu_->addAction(QStringLiteral("(none)"))->setEnabled(false);
  }
}

}  // namespace facetry
