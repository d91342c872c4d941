// app/mouse_commands.cpp: the mouse in the three views and the keys of the main window.
// The core does the work (klik and the previews); these handlers forward the events and
// show what the core drew.
#include <QCursor>
#include <QKeyEvent>

#include "edit/modifier_select.h"
#include "edit/tool_prompts.h"
#include "edit/view_mouse.h"
#include "main_window.h"
#include "toolbox.h"
#include "view_widgets.h"

namespace facetry {

void TMainview::ImageMouseMove(int view, int x, int y) {
  // The cross and the preview follow the snapped position; the read-outs show it.
  moveInView(ws_, host_, viewNumbered(view), x, y);
  const Readouts r = readouts(ws_, viewNumbered(view), snapToGrid(x, ws_.settings.GridStep),
                              snapToGrid(y, ws_.settings.GridStep));
  toolbox_->showReadout(QString::fromStdString(r.label7), QString::fromStdString(r.label8),
                        QString::fromStdString(r.xlab), QString::fromStdString(r.ylab),
                        QString::fromStdString(r.diepst));
  showViews();
}

void TMainview::ImageMouseDown(int view, int x, int y, Qt::MouseButton button) {
  if (button != Qt::LeftButton && button != Qt::RightButton) return;
  // The press acts where it happened: a press that no move announced (the first event over
  // this view) moves the mouse there first.
  const auto& mouse = ws_.views.MousePosition[static_cast<std::size_t>(view - 1)];
  const int grid = ws_.settings.GridStep;
  if (ws_.tools.ActiveView != viewNumbered(view) ||
      mouse[0] != static_cast<float>(snapToGrid(x, grid)) ||
      mouse[1] != static_cast<float>(snapToGrid(y, grid))) {
    ImageMouseMove(view, x, y);
  }
  pressInView(ws_, host_, viewNumbered(view), x, y,
              button == Qt::LeftButton ? MouseButton::Left : MouseButton::Right);
  showViews();
}

void TMainview::ImageMouseUp(int view, int, int, Qt::MouseButton) {
  releaseInView(ws_, host_, viewNumbered(view));
  showViews();
}

void TMainview::ImageClick(int view) {
  const ToolFlags& f = ws_.tools.flags;
  const bool picking = f.punchOn || f.booleanPickOn;
  // Shift adds to the selection, Ctrl turns it over; a plain click is the specified one.
  const Qt::KeyboardModifiers keys = viewPanel(view)->image()->pressModifiers();
  modifiedClick(ws_, host_, viewNumbered(view),
                keys & Qt::ControlModifier ? ClickModifier::Toggle
                : keys & Qt::ShiftModifier ? ClickModifier::Add
                                           : ClickModifier::None);
  // A finished two-object pick switched its tool off: the toolbox follows.
  if (picking && !(f.punchOn || f.booleanPickOn)) {
    showButs();
  } else {
    showViews();
  }
}

void TMainview::FormKeyDown(int key) {
  if (key == Qt::Key_Escape) {
    const bool idle = toolIsIdle(ws_.tools);
    escapeKey(ws_);
    if (idle) ws_.tools.ToolMode = ModeNone;  // a second Escape leaves the tool
    showButs();
  } else {
    enterKey(ws_, host_);
    showViews();
  }
}

void TMainview::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
    command([this, key] { FormKeyDown(key); });
    event->accept();
    return;
  }
  // Arrow keys move the mouse cursor by one grid step.
  const int step = ws_.settings.GridStep < 1 ? 1 : ws_.settings.GridStep;
  QPoint delta;
  switch (key) {
    case Qt::Key_Left:
      delta = {-step, 0};
      break;
    case Qt::Key_Right:
      delta = {step, 0};
      break;
    case Qt::Key_Up:
      delta = {0, -step};
      break;
    case Qt::Key_Down:
      delta = {0, step};
      break;
    default:
      QMainWindow::keyPressEvent(event);
      return;
  }
  QCursor::setPos(QCursor::pos() + delta);
  event->accept();
}

}  // namespace facetry
