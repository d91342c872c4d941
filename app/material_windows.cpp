// app/material_windows.cpp: "Choose material", "Resize and move" and "Materials".
#include "material_windows.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "materials/picture.h"
#include "render/picture_output.h"
#include "scene/errors.h"

namespace facetry {

namespace {

// The preview shows at most this much of a picture.
constexpr int kPreviewKeep = 1024;
const QStringList kPictureMask = {QStringLiteral("*.bmp"), QStringLiteral("*.jpg"),
                                  QStringLiteral("*.gif")};

QPushButton* button(QWidget* parent, const char* name, const char* caption, const char* hint) {
  auto* b = new QPushButton(QString::fromLatin1(caption), parent);
  b->setObjectName(QString::fromLatin1(name));
  if (hint != nullptr) b->setToolTip(QString::fromLatin1(hint));
  b->setAutoDefault(false);
  return b;
}

QImage toImage(const Picture& p) {
  if (p.empty()) return {};
  return QImage(p.bgr.data(), p.kept_width, p.kept_height, p.kept_width * 3, QImage::Format_BGR888)
      .copy();
}

}  // namespace

Tformjpg::Tformjpg(QWidget* parent, std::function<QPrinter&()> printer)
    : QDialog(parent), printer_(std::move(printer)) {
  setObjectName(QStringLiteral("Tformjpg"));
  setWindowTitle(QStringLiteral("Choose material"));
  setToolTip(QStringLiteral("Image is wrapped around selected object"));
  auto* grid = new QGridLayout(this);

  auto* bar = new QMenuBar(this);
  QMenu* file = bar->addMenu(QStringLiteral("&File"));
  file->setObjectName(QStringLiteral("File1"));
  auto item = [&](const char* name, const char* caption, void (Tformjpg::*slot)()) {
    QAction* a = file->addAction(QString::fromLatin1(caption));
    a->setObjectName(QString::fromLatin1(name));
    connect(a, &QAction::triggered, this, slot);
  };
  item("Open1", "&Open...", &Tformjpg::Open1Click);
  item("Print1", "&Print", &Tformjpg::Print1Click);
  item("PrinterSetup1", "Printer &Setup...", &Tformjpg::PrinterSetup1Click);
  file->addSeparator();
  item("Exit1", "E&xit", &QDialog::accept);
  grid->setMenuBar(bar);

  drives_ = new QComboBox(this);
  drives_->setObjectName(QStringLiteral("DriveComboBox1"));
  drives_->setToolTip(QStringLiteral("Choose drive to find image"));
  for (const QFileInfo& drive : QDir::drives()) drives_->addItem(drive.absoluteFilePath());
  drives_->addItem(QDir::homePath());
  directories_ = new QListWidget(this);
  directories_->setObjectName(QStringLiteral("DirectoryListBox1"));
  directories_->setToolTip(QStringLiteral("Choose directory to find image."));
  files_ = new QListWidget(this);
  files_->setObjectName(QStringLiteral("FileListBox1"));
  files_->setToolTip(QStringLiteral("Choose image to use as material"));
  preview_ = new QLabel(this);
  preview_->setObjectName(QStringLiteral("Image1"));
  preview_->setToolTip(QStringLiteral("Selected image"));
  preview_->setFixedSize(200, 200);
  preview_->setAlignment(Qt::AlignCenter);
  preview_->setFrameShape(QFrame::Box);

  grid->addWidget(drives_, 0, 0);
  grid->addWidget(directories_, 1, 0);
  grid->addWidget(files_, 0, 1, 2, 1);
  grid->addWidget(preview_, 0, 2, 2, 1);

  auto* buttons = new QHBoxLayout;
  QPushButton* wrap =
      button(this, "Button1", "Wrap around", "Image is wrapped around selected objects");
  QPushButton* flat = button(this, "Button2", "Flat", "Image is projected on selected objects");
  QPushButton* cancel = button(this, "Button3", "Cancel", "Don't use image as material");
  buttons->addWidget(wrap);
  buttons->addWidget(flat);
  buttons->addWidget(cancel);
  const char* captions[3] = {"Width && height", "Width", "Height"};
  const char* hints[3] = {"Image is wrapped around object(s) depending on width and height",
                          "Image is wrapped around object(s) depending on width ",
                          "Image is wrapped around object(s) depending on height"};
  for (int i = 0; i < 3; ++i) {
    variants_[i] = new QRadioButton(QString::fromLatin1(captions[i]), this);
    variants_[i]->setObjectName(QStringLiteral("RadioButton%1").arg(i + 1));
    variants_[i]->setToolTip(QString::fromLatin1(hints[i]));
    buttons->addWidget(variants_[i]);
  }
  variants_[0]->setChecked(true);
  grid->addLayout(buttons, 2, 0, 1, 3);

  connect(drives_, &QComboBox::activated, this,
          [this](int i) { openDirectory(drives_->itemText(i)); });
  connect(directories_, &QListWidget::itemActivated, this, [this](QListWidgetItem* it) {
    openDirectory(QDir(directory_).absoluteFilePath(it->text()));
  });
  connect(files_, &QListWidget::itemClicked, this, [this] { FileListBox1Click(); });
  connect(wrap, &QPushButton::clicked, this, [this] { finish(MappingKind::Wrap); });
  connect(flat, &QPushButton::clicked, this, [this] { finish(MappingKind::Flat); });
  connect(cancel, &QPushButton::clicked, this, [this] {
    choice_.name.clear();
    reject();
  });
}

MaterialChoice Tformjpg::choose(const std::string& directory) {
  if (!opened_) openDirectory(QString::fromStdString(directory));
  opened_ = true;
  exec();
  for (int i = 0; i < 3; ++i) {
    if (variants_[i]->isChecked()) choice_.mapping.variant = static_cast<WrapVariant>(i);
  }
  return choice_;
}

void Tformjpg::openDirectory(const QString& path) {
  const QDir dir(path);
  if (!dir.exists()) return;
  directory_ = dir.absolutePath();
  directories_->clear();
  directories_->addItems(dir.entryList(QDir::Dirs | QDir::NoDot, QDir::Name));
  files_->clear();
  files_->addItems(dir.entryList(kPictureMask, QDir::Files, QDir::Name | QDir::IgnoreCase));
}

void Tformjpg::FileListBox1Click() {
  QListWidgetItem* item = files_->currentItem();
  if (item != nullptr) pick(QDir(directory_).absoluteFilePath(item->text()));
}

void Tformjpg::Open1Click() {
  QFileDialog dialog(this, QStringLiteral("Open"), directory_,
                     QStringLiteral("Pictures (*.bmp *.jpg *.gif)"));
  dialog.setObjectName(QStringLiteral("OpenDialog1"));
  dialog.setFileMode(QFileDialog::ExistingFile);
  if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
    pick(dialog.selectedFiles().first());
  }
}

void Tformjpg::pick(const QString& file) {
  choice_.name = file.toStdString();
  QImage image;
  try {
    image = toImage(decodePicture(choice_.name, kPreviewKeep));
  } catch (const Error&) {
    // The preview stays empty; the file stays chosen.
  }
  preview_->setPixmap(
      image.isNull() ? QPixmap()
                     : QPixmap::fromImage(image.scaled(preview_->size(), Qt::KeepAspectRatio)));
}

void Tformjpg::finish(MappingKind kind) {
  choice_.mapping.kind = kind;
  accept();
}

void Tformjpg::Print1Click() {
  const QPixmap picture = preview_->pixmap();
  if (picture.isNull()) return;
  QPrinter& printer = printer_();
  QPrintDialog dialog(&printer, this);
  dialog.setObjectName(QStringLiteral("PrintDialog1"));
  if (dialog.exec() != QDialog::Accepted) return;
  QPainter painter;
  if (!painter.begin(&printer)) throw IoError("The printer could not be started.");
  const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
  const PrintSize size = printFit(picture.width(), picture.height(), page.width(), page.height());
  painter.drawPixmap(QRect(0, 0, static_cast<int>(size.width), static_cast<int>(size.height)),
                     picture);
}

void Tformjpg::PrinterSetup1Click() {
  QPageSetupDialog dialog(&printer_(), this);
  dialog.setObjectName(QStringLiteral("PrinterSetupDialog1"));
  dialog.exec();
}

Tresmovetext::Tresmovetext(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Tresmovetext"));
  setWindowTitle(QStringLiteral("Resize and move"));
  auto* grid = new QGridLayout(this);
  const std::tuple<const char*, const char*, TextureMove, int, int> buttons[] = {
      {"Up", "Up", TextureMove::Up, 0, 1},
      {"Down", "Down", TextureMove::Down, 2, 1},
      {"Left", "Left", TextureMove::Left, 1, 0},
      {"Right", "Right", TextureMove::Right, 1, 2},
      {"Larger", "Larger", TextureMove::Larger, 0, 3},
      {"Smaller", "Smaller", TextureMove::Smaller, 2, 3}};
  for (const auto& [name, caption, move, row, column] : buttons) {
    QPushButton* b = button(this, name, caption, nullptr);
    grid->addWidget(b, row, column);
    connect(b, &QPushButton::clicked, this, [this, m = move] {
      if (perform_) perform_(m);
    });
  }
  auto* label = new QLabel(QStringLiteral("Resizefactor"), this);
  label->setObjectName(QStringLiteral("Label1"));
  factor_ = new QLineEdit(this);
  factor_->setObjectName(QStringLiteral("Edit1"));
  grid->addWidget(label, 3, 0);
  grid->addWidget(factor_, 3, 1);
  QPushButton* close = button(this, "Close", "Close", nullptr);
  grid->addWidget(close, 3, 3);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  connect(factor_, &QLineEdit::textChanged, this, [this](const QString& text) {
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (ok && target_ != nullptr) *target_ = static_cast<float>(value);
  });
}

void Tresmovetext::run(float& factor, const std::function<void(TextureMove)>& perform) {
  target_ = nullptr;
  factor_->setText(QString::number(static_cast<long long>(factor)));
  target_ = &factor;
  perform_ = perform;
  exec();
  perform_ = nullptr;
  target_ = nullptr;
}

TForm9::TForm9(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TForm9"));
  setWindowTitle(QStringLiteral("Materials"));
  auto* column = new QVBoxLayout(this);
  auto* used = new QLabel(QStringLiteral("Used materials :"), this);
  used->setObjectName(QStringLiteral("Label1"));
  list_ = new QListWidget(this);
  list_->setObjectName(QStringLiteral("ListBox1"));
  list_->setMinimumSize(320, 200);
  auto* change = new QLabel(QStringLiteral("Change current material name"), this);
  change->setObjectName(QStringLiteral("Label2"));
  name_ = new QLineEdit(this);
  name_->setObjectName(QStringLiteral("Edit1"));
  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton(QStringLiteral("Ok"), QDialogButtonBox::AcceptRole);
  ok->setObjectName(QStringLiteral("Button1"));
  QPushButton* cancel = buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
  cancel->setObjectName(QStringLiteral("Button2"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  for (QWidget* w : std::initializer_list<QWidget*>{used, list_, change, name_, buttons}) {
    column->addWidget(w);
  }
  connect(list_, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { name_->setText(item->text()); });
  connect(name_, &QLineEdit::textEdited, this, [this](const QString& text) {
    if (QListWidgetItem* item = list_->currentItem()) item->setText(text);
  });
}

bool TForm9::edit(const std::vector<std::string>& names, std::vector<std::string>& lines) {
  list_->clear();
  for (const std::string& n : names) list_->addItem(QString::fromStdString(n));
  name_->clear();
  if (exec() != QDialog::Accepted) return false;
  lines.clear();
  for (int i = 0; i < list_->count(); ++i) lines.push_back(list_->item(i)->text().toStdString());
  return true;
}

}  // namespace facetry
