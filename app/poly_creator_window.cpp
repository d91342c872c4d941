// app/poly_creator_window.cpp: the Poly creator window's controls and their handlers.
#include "poly_creator_window.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "command_guard.h"
#include "main_window.h"
#include "survey_window.h"
#include "view_widgets.h"

namespace facetry {

namespace {

template <typename Widget>
Widget* named(Widget* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

}  // namespace

TForm16::TForm16(TMainview& main, QWidget* parent) : QWidget(parent, Qt::Window), main_(main) {
  setObjectName(QStringLiteral("TForm16"));
  setWindowTitle(QStringLiteral("Poly creator"));
  auto* layout = new QVBoxLayout(this);

  auto* tools = new QHBoxLayout;
  // b7 moves the selection; its hint says so.
  const char* const hints[] = {"Line",         "Select", "Move",          "Delete",
                               "Bezier curve", "Circle", "Move selection"};
  void (TForm16::*const handlers[])() = {&TForm16::b1Click, &TForm16::b2Click, &TForm16::b3Click,
                                         &TForm16::b4Click, &TForm16::b5Click, &TForm16::b6Click,
                                         &TForm16::b7Click};
  auto* group = new QButtonGroup(this);
  for (int i = 0; i < 7; ++i) {
    const std::string name = "b" + std::to_string(i + 1);
    auto* button = named(new QToolButton(this), name.c_str());
    button->setText(QString::fromLatin1(hints[i]));
    button->setToolTip(QString::fromLatin1(hints[i]));
    if (i != 3) {
      button->setCheckable(true);
      group->addButton(button);
    }
    connect(button, &QToolButton::clicked, this,
            [this, h = handlers[i]] { command([this, h] { (this->*h)(); }); });
    buttons_[static_cast<std::size_t>(i)] = button;
    tools->addWidget(button);
  }
  buttons_[0]->setChecked(true);
  auto* deselect = named(new QToolButton(this), "SpeedButton3");
  deselect->setText(QStringLiteral("De-select"));
  connect(deselect, &QToolButton::clicked, this,
          [this] { command([this] { SpeedButton3Click(); }); });
  tools->addWidget(deselect);
  tools->addStretch();
  layout->addLayout(tools);

  auto* pictures = new QGridLayout;
  const char* const labels[] = {"Front face polygon", "Back face polygon",
                                "Connection line front - back"};
  for (int i = 0; i < 3; ++i) {
    const auto index = static_cast<std::size_t>(i);
    const std::string name = "Image" + std::to_string(i + 1);
    pictures->addWidget(new QLabel(QString::fromLatin1(labels[i]), this), 0, i);
    auto* image = named(new ViewImage(pc_.images[index], this), name.c_str());
    image->setFixedSize(kPolyImageWidth, kPolyImageHeight);
    connect(image, &ViewImage::mousePressed, this, [this, i](int x, int y, Qt::MouseButton b) {
      command([=, this] { ImageMouseDown(i, x, y, b); });
    });
    connect(image, &ViewImage::mouseMoved, this,
            [this, i](int x, int y) { command([=, this] { ImageMouseMove(i, x, y); }); });
    connect(image, &ViewImage::mouseReleased, this,
            [this, i](int, int, Qt::MouseButton) { command([=, this] { ImageMouseUp(i); }); });
    images_[index] = image;
    pictures->addWidget(image, 1, i);
  }
  layout->addLayout(pictures);

  auto* options = new QHBoxLayout;
  options->addWidget(new QLabel(QStringLiteral("Bezier and circle resolution"), this));
  bezres_ = named(new QLineEdit(QStringLiteral("20"), this), "bezres");
  bezres_->setMaxLength(6);
  bezres_->setFixedWidth(60);
  connect(bezres_, &QLineEdit::textEdited, this, [this] { command([this] { bezresChange(); }); });
  options->addWidget(bezres_);
  closed_front_ = named(new QCheckBox(QStringLiteral("Closed front"), this), "CheckBox1");
  closed_rear_ = named(new QCheckBox(QStringLiteral("Closed rear"), this), "CheckBox2");
  edge_ = named(new QCheckBox(QStringLiteral("Follow edge"), this), "edge");
  edge_->setChecked(true);
  outside_ = named(new QRadioButton(QStringLiteral("Outside closed"), this), "outside");
  inside_ = named(new QRadioButton(QStringLiteral("Inside closed"), this), "inside");
  inside_->setChecked(true);
  for (QAbstractButton* box : std::initializer_list<QAbstractButton*>{closed_front_, closed_rear_,
                                                                      edge_, outside_, inside_}) {
    connect(box, &QAbstractButton::clicked, this, [this] { command([this] { optionsClick(); }); });
    options->addWidget(box);
  }
  options->addStretch();
  auto* fresh = named(new QPushButton(QStringLiteral("New"), this), "Button1");
  auto* ok = named(new QPushButton(QStringLiteral("Ok"), this), "BitBtn3");
  auto* cancel = named(new QPushButton(QStringLiteral("Cancel"), this), "BitBtn2");
  connect(fresh, &QPushButton::clicked, this, [this] { command([this] { Button1Click(); }); });
  connect(ok, &QPushButton::clicked, this, [this] { command([this] { BitBtn3Click(); }); });
  connect(cancel, &QPushButton::clicked, this, [this] { command([this] { BitBtn2Click(); }); });
  for (QPushButton* b : {fresh, ok, cancel}) options->addWidget(b);
  layout->addLayout(options);
}

void TForm16::command(const std::function<void()>& handler) {
  runCommand(this, handler);
}

void TForm16::tekenen() {
  facetry::tekenen(pc_, main_.workspace());
  for (ViewImage* image : images_) image->update();
  main_.showViews();
}

void TForm16::openCreator() {
  openPolyCreator(pc_, main_.workspace());
  bezres_->setText(QString::number(pc_.resolution));
  for (ViewImage* image : images_) image->update();
  if (main_.windows().survey) main_.windows().survey->showSettings();
  main_.showViews();
  show();
  raise();
}

void TForm16::tool(PolyTool tool) {
  choosePolyTool(pc_, tool);
  tekenen();
}

void TForm16::b1Click() {
  tool(PolyTool::Line);
}
void TForm16::b2Click() {
  tool(PolyTool::Select);
}
void TForm16::b3Click() {
  tool(PolyTool::Move);
}
void TForm16::b4Click() {
  deleteSelectedPolyPoints(pc_);
  tekenen();
}
void TForm16::b5Click() {
  tool(PolyTool::Bezier);
}
void TForm16::b6Click() {
  tool(PolyTool::Circle);
}
void TForm16::b7Click() {
  tool(PolyTool::MoveSelection);
}

void TForm16::SpeedButton3Click() {
  deselectPolyPoints(pc_);
  tekenen();
}

void TForm16::Button1Click() {
  newPolyLines(pc_);
  tekenen();
}

void TForm16::bezresChange() {
  setPolyResolution(pc_, main_.host(), bezres_->text().toStdString());
}

void TForm16::optionsClick() {
  pc_.closed_front = closed_front_->isChecked();
  pc_.closed_rear = closed_rear_->isChecked();
  pc_.follow_edge = edge_->isChecked();
  pc_.outside = outside_->isChecked();
  tekenen();
}

void TForm16::ImageMouseDown(int image, int x, int y, Qt::MouseButton button) {
  const bool changed =
      polyMouseDown(pc_, static_cast<PolyImage>(image), x, y,
                    button == Qt::RightButton ? PolyButton::Right : PolyButton::Left);
  if (changed) {
    tekenen();
  } else {
    images_[static_cast<std::size_t>(image)]->update();
  }
}

void TForm16::ImageMouseMove(int image, int x, int y) {
  if (polyMouseMove(pc_, static_cast<PolyImage>(image), x, y)) {
    tekenen();
  } else {
    images_[static_cast<std::size_t>(image)]->update();
  }
}

void TForm16::ImageMouseUp(int image) {
  polyMouseUp(pc_, static_cast<PolyImage>(image));
}

// "Ok" and "Cancel" leave the main views to be redrawn when the main window is next
// activated.
void TForm16::finish() {
  if (main_.windows().survey) main_.windows().survey->showSettings();
  main_.requestRedraw();
  hide();
}

void TForm16::BitBtn3Click() {
  polyOk(pc_, main_.workspace(), main_.host());
  finish();
}

void TForm16::BitBtn2Click() {
  polyCancel(pc_, main_.workspace());
  finish();
}

void TForm16::closeEvent(QCloseEvent* event) {
  command([this] { polyCancel(pc_, main_.workspace()); });
  main_.requestRedraw();
  event->accept();
}

}  // namespace facetry

namespace facetry {

void TMainview::Polyeditor1Click() {
  redraw();
  if (windows().poly_creator) windows().poly_creator->openCreator();
}

}  // namespace facetry
