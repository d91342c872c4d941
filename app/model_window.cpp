// app/model_window.cpp: the Modeling window's widgets and handlers, and the main window's
// "Modeling" command that opens it.
#include "model_window.h"

#include <QActionGroup>
#include <QCheckBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>

#include "command_guard.h"
#include "main_window.h"
#include "survey_window.h"
#include "view_widgets.h"
#include "workspace.h"

namespace facetry {

namespace {

constexpr const char* kModelFilter = "modelling files (*.mdd)";

// Half the screen's width each, below the controls; never larger than the views.
std::pair<int, int> imageSize() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
  const int width = std::clamp((area.width() - 40) / 2, 200, 816);
  const int height = std::clamp(area.height() - 190, 200, 816);
  return {width, height};
}

// A picture file as a canvas; an empty canvas when it is not a valid picture.
Canvas loadPicture(const QString& path) {
  QImage image(path);
  if (image.isNull()) return {};
  image = image.convertToFormat(QImage::Format_BGR888);
  Canvas canvas(image.width(), image.height());
  for (int y = 0; y < image.height(); ++y) {
    std::copy(image.constScanLine(y), image.constScanLine(y) + 3 * image.width(), canvas.row(y));
  }
  return canvas;
}

QString chooseModelFile(QWidget* parent, bool save) {
  return save ? QFileDialog::getSaveFileName(parent, QStringLiteral("Save"), QString(),
                                             QString::fromLatin1(kModelFilter))
              : QFileDialog::getOpenFileName(parent, QStringLiteral("Load"), QString(),
                                             QString::fromLatin1(kModelFilter));
}

}  // namespace

Tmodel::Tmodel(Workspace& ws, Host& host, QWidget* parent) : QDialog(parent), ws_(ws), host_(host) {
  setObjectName(QStringLiteral("Tmodel"));
  setWindowTitle(QStringLiteral("Modeling"));
  setModal(true);
  const auto [width, height] = imageSize();
  model_.setImageSize(width, height);

  auto* grid = new QGridLayout(this);
  auto* bar = new QMenuBar(this);
  grid->setMenuBar(bar);
  buildMenus(bar);

  auto* controls = new QHBoxLayout;
  auto label = [this, controls](const char* text) {
    controls->addWidget(new QLabel(QString::fromLatin1(text), this));
  };
  auto edit = [this, controls](const char* name, const char* text) {
    auto* e = new QLineEdit(QString::fromLatin1(text), this);
    e->setObjectName(QString::fromLatin1(name));
    e->setMaximumWidth(60);
    controls->addWidget(e);
    return e;
  };
  label("Grid :");
  edit1_ = edit("Edit1", "5");
  label("Matrix xy-width :");
  edit2_ = edit("Edit2", "10");
  connect(edit1_, &QLineEdit::textEdited, this, [this] {
    bool ok = false;
    const int step = edit1_->text().toInt(&ok);
    if (ok) model_.setGrid(step);
  });
  connect(edit2_, &QLineEdit::textEdited, this, [this] { command([this] { Edit2Change(); }); });
  auto box = [this, controls](const char* name, const char* text, bool* flag) {
    auto* b = new QCheckBox(QString::fromLatin1(text), this);
    b->setObjectName(QString::fromLatin1(name));
    b->setChecked(*flag);
    connect(b, &QCheckBox::toggled, this, [this, flag](bool on) {
      if (syncing_) return;
      *flag = on;
      command([this] { teken(); });
    });
    controls->addWidget(b);
    return b;
  };
  fill_ = box("fill", "Fill faces", &model_.fill);
  fill2_ = box("fill2", "Fill faces", &model_.fill2);
  auto_ = box("auto", "Auto calculate face", &model_.auto_face);
  cross_ = box("Cross", "Cross", &model_.cross);
  auto button = [this, controls](const char* name, const char* text, std::function<void()> run) {
    auto* b = new QPushButton(QString::fromLatin1(text), this);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, [this, run = std::move(run)] { command(run); });
    controls->addWidget(b);
  };
  button("Button1", "Matrix : points z", [this] { Button1Click(); });
  button("BitBtn1", "Apply matrixline", [this] { BitBtn1Click(); });
  button("Delfacen", "Del faces", [this] { DelfacenClick(); });
  button("refresh", "Refresh", [this] { refreshClick(); });
  button("Picture1", "Picture", [this] { PictureClick(ModelImage::Left); });
  button("Picture2", "Picture", [this] { PictureClick(ModelImage::Right); });
  button("Pictureup", "Picture up", [this] { PictureupClick(); });
  button("Picturedown", "Picture down", [this] { PicturedownClick(); });
  button("ok", "Ok", [this] { okClick(); });
  button("cancel", "Cancel", [this] { cancelClick(); });
  controls->addStretch();
  grid->addLayout(controls, 0, 0, 1, 2);

  label2_ = new QLabel(QStringLiteral("-"), this);
  label2_->setObjectName(QStringLiteral("label2"));
  grid->addWidget(label2_, 1, 0, 1, 2);

  auto* pictures = new QHBoxLayout;
  for (const ModelImage image : {ModelImage::Left, ModelImage::Right}) {
    auto* view = new ViewImage(model_.image(image), this);
    const int n = image == ModelImage::Left ? 1 : 2;
    view->setObjectName(QStringLiteral("Image%1").arg(n));
    connect(view, &ViewImage::mousePressed, this, [this, image](int x, int y, Qt::MouseButton b) {
      command([=, this] { ImageMouseDown(image, x, y, b); });
    });
    connect(view, &ViewImage::mouseMoved, this,
            [this, image](int x, int y) { command([=, this] { ImageMouseMove(image, x, y); }); });
    images_[image == ModelImage::Left ? 0 : 1] = view;
    pictures->addWidget(view, 0, Qt::AlignTop);
  }
  pictures->addStretch();
  grid->addLayout(pictures, 2, 0, 1, 2);
  grid->setRowStretch(3, 1);
  teken();
}

QAction* Tmodel::addItem(QMenu* menu, const char* name, const char* caption,
                         std::function<void()> handler) {
  QAction* action = menu->addAction(QString::fromLatin1(caption));
  action->setObjectName(QString::fromLatin1(name));
  connect(action, &QAction::triggered, this, [this, handler = std::move(handler)] {
    command([this, &handler] {
      handler();
      teken();
    });
  });
  return action;
}

void Tmodel::buildMenus(QMenuBar* bar) {
  QMenu* file = bar->addMenu(QStringLiteral("File"));
  file->setObjectName(QStringLiteral("Modelfile1"));
  addItem(file, "Loadmodel1", "Load", [this] { Load1Click(); });
  addItem(file, "Savemodel1", "Save", [this] { Save1Click(); });
  addItem(file, "Newmodel1", "New", [this] { New1Click(); });
  addItem(file, "Transfermodeltoworkarea1", "Transfer model to work area", [this] { okClick(); });
  addItem(file, "Closewithouttransferringmodel1", "Close without transferring model",
          [this] { cancelClick(); });

  ModelingModel& m = model_;
  QMenu* points = bar->addMenu(QStringLiteral("Points && Faces"));
  points->setObjectName(QStringLiteral("PointsFaces1"));
  QMenu* matrix = points->addMenu(QStringLiteral("Make matrix"));
  matrix->setObjectName(QStringLiteral("Makematrix1"));
  addItem(matrix, "Facesandpoints1", "Faces and points", [&m] { m.Facesandpoints1Click(); });
  addItem(matrix, "Onlypoins1", "Only poins", [&m] { m.Onlypoins1Click(); });
  addItem(points, "Setmatrixxyposition1", "Set matrix-xy position",
          [&m] { m.Setmatrixxyposition1Click(); });
  addItem(points, "Replaceposition1", "Replace position", [&m] { m.Replaceposition1Click(); });
  addItem(points, "Puntenxy1", "Matrixpoints x,y (left image)", [&m] { m.Puntenxy1Click(); });
  addItem(points, "Puntenz1", "Matrixpoints z (right image)", [&m] { m.Puntenz1Click(); });
  addItem(points, "facepoints1", "Facepoints", [&m] { m.facepoints1Click(); });
  addItem(points, "Pointsxyz1", "Points x,y,z", [&m] { m.Pointsxyz1Click(); });
  QMenu* faces = points->addMenu(QStringLiteral("Faces"));
  faces->setObjectName(QStringLiteral("Faces1"));
  addItem(faces, "Autocalculate1", "Auto calculate", [&m] { m.Autocalculate1Click(); });
  addItem(faces, "Usercalculate1", "User calculate", [&m] { m.Usercalculate1Click(); });

  QMenu* colour = bar->addMenu(QStringLiteral("Color"));
  colour->setObjectName(QStringLiteral("Color1"));
  auto* group = new QActionGroup(this);
  QAction* white = addItem(colour, "White1", "White", [&m] { m.line_colour = {255, 255, 255}; });
  QAction* black = addItem(colour, "Black1", "Black", [&m] { m.line_colour = {0, 0, 0}; });
  for (QAction* a : {white, black}) {
    a->setCheckable(true);
    group->addAction(a);
  }
  black->setChecked(true);
}

void Tmodel::command(const std::function<void()>& handler) {
  runCommand(this, handler);
}

void Tmodel::showImages() {
  for (ViewImage* view : images_) {
    if (view) view->update();
  }
}

void Tmodel::teken() {
  model_.teken(ws_.lighting);
  syncing_ = true;
  edit1_->setText(QString::number(model_.gridText()));
  fill_->setChecked(model_.fill);
  fill2_->setChecked(model_.fill2);
  auto_->setChecked(model_.auto_face);
  cross_->setChecked(model_.cross);
  label2_->setText(QString::fromStdString(model_.status()));
  syncing_ = false;
  showImages();
}

void Tmodel::ImageMouseDown(ModelImage image, int x, int y, Qt::MouseButton button) {
  const ModelButton b = button == Qt::RightButton ? ModelButton::Right : ModelButton::Left;
  const bool changed = model_.press(host_, image, x, y, b);
  // The status and Edit1 follow every press; the images only when the model changed.
  label2_->setText(QString::fromStdString(model_.status()));
  if (changed) {
    teken();
  } else {
    showImages();
  }
}

void Tmodel::ImageMouseMove(ModelImage image, int x, int y) {
  if (model_.move(image, x, y)) {
    teken();
  } else {
    showImages();
  }
}

void Tmodel::Edit2Change() {
  bool ok = false;
  const int width = edit2_->text().toInt(&ok);
  if (ok) model_.setMatrixWidth(width);
  teken();
}

void Tmodel::Button1Click() {
  Edit2Change();
  model_.Puntenz1Click();
  teken();
}

void Tmodel::BitBtn1Click() {
  model_.applyMatrixLine();
  teken();
}

void Tmodel::DelfacenClick() {
  model_.DelfacenClick();
  teken();
}

void Tmodel::refreshClick() {
  teken();
}

void Tmodel::PictureClick(ModelImage image) {
  const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Picture"), QString(),
                                                    QStringLiteral("Bitmap, Jpeg (*.bmp *.jpg)"));
  if (path.isEmpty()) return;
  model_.setPicture(image, loadPicture(path));
  teken();
}

void Tmodel::PictureupClick() {
  model_.movePicture(-1);
  teken();
}

void Tmodel::PicturedownClick() {
  model_.movePicture(1);
  teken();
}

void Tmodel::Load1Click() {
  const QString path = chooseModelFile(this, false);
  if (!path.isEmpty()) model_.load(path.toStdString());
}

void Tmodel::Save1Click() {
  const QString path = chooseModelFile(this, true);
  if (!path.isEmpty()) model_.save(path.toStdString());
}

void Tmodel::New1Click() {
  model_.clear();
}

void Tmodel::okClick() {
  model_.askToSave(host_, [this] { Save1Click(); });
  model_.transfer(ws_.scene, host_, ws_.views.CentrePoint);
  accept();
}

void Tmodel::cancelClick() {
  reject();
}

void Tmodel::reject() {
  runCommand(this, [this] { model_.askToSave(host_, [this] { Save1Click(); }); });
  QDialog::reject();
}

void TMainview::Modelling1Click() {
  Tmodel* window = windows_.model;
  if (!window) return;
  // The survey window stays hidden while the Modeling window is open.
  const bool survey = windows_.survey && windows_.survey->isVisible();
  if (survey) windows_.survey->hide();
  window->setWindowState(window->windowState() | Qt::WindowMaximized);
  window->teken();
  window->exec();
  if (survey) windows_.survey->show();
  redraw();
}

}  // namespace facetry
