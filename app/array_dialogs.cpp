// app/array_dialogs.cpp: the line array preview, the copy-round-centre dialog and the
// curve resolution dialog.
#include "array_dialogs.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>
#include <limits>

#include "number_edit.h"
#include "ops/line_array_preview.h"
#include "scene/errors.h"
#include "view_widgets.h"

namespace facetry {

namespace {

QPushButton* dialogButton(QDialogButtonBox* box, const char* name, const char* caption,
                          QDialogButtonBox::ButtonRole role) {
  QPushButton* button = box->addButton(QString::fromLatin1(caption), role);
  button->setObjectName(QString::fromLatin1(name));
  return button;
}

QToolButton* speedButton(QWidget* parent, const char* name, const char* text, const char* hint) {
  auto* b = new QToolButton(parent);
  b->setObjectName(QString::fromLatin1(name));
  b->setText(QString::fromLatin1(text));
  b->setToolTip(QString::fromLatin1(hint));
  b->setMinimumWidth(44);
  return b;
}

}  // namespace

TForm1::TForm1(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TForm1"));
  setWindowTitle(QStringLiteral("Preview line array"));
  auto* column = new QVBoxLayout(this);
  auto* pictures = new QHBoxLayout;
  const char* names[3] = {"Image1", "Image2", "Image3"};
  for (std::size_t i = 0; i < 3; ++i) {
    images_[i] = Canvas(kImageSize, kImageSize);
    views_[i] = new ViewImage(images_[i], this);
    views_[i]->setObjectName(QString::fromLatin1(names[i]));
    views_[i]->setFixedSize(kImageSize, kImageSize);
    pictures->addWidget(views_[i]);
  }
  column->addLayout(pictures);

  auto* controls = new QHBoxLayout;
  auto* next = speedButton(this, "SpeedButton5", ">", "Next copy");
  auto* previous = speedButton(this, "SpeedButton6", "<", "Previous copy");
  connect(next, &QToolButton::clicked, this, &TForm1::SpeedButton5Click);
  connect(previous, &QToolButton::clicked, this, &TForm1::SpeedButton6Click);
  controls->addWidget(previous);
  controls->addWidget(next);
  const struct {
    const char* name;
    const char* text;
    const char* hint;
    int plane;
    bool back;
  } turns[] = {{"SpeedButton7", "x+", "Rotate around x axis", 1, false},
               {"SpeedButton8", "x-", "Rotate around x-axis", 1, true},
               {"SpeedButton9", "y+", "Rotate around y-axis", 2, false},
               {"SpeedButton10", "y-", "Rotate around y-axis ", 2, true},
               {"SpeedButton12", "z+", "Rotate around z-axis", 3, false},
               {"SpeedButton11", "z-", "Rotate around z-axis", 3, true}};
  for (const auto& t : turns) {
    auto* b = speedButton(this, t.name, t.text, t.hint);
    connect(b, &QToolButton::clicked, this,
            [this, plane = t.plane, back = t.back] { turnClick(plane, back); });
    controls->addWidget(b);
  }
  controls->addWidget(new QLabel(QStringLiteral("Radians"), this));
  angles_ = new QListWidget(this);
  angles_->setObjectName(QStringLiteral("ListBox1"));
  for (int i = 1; i <= 360; ++i) angles_->addItem(QString::number(i));
  angles_->setFixedSize(70, 90);
  connect(angles_, &QListWidget::itemClicked, this, &TForm1::ListBox1Click);
  controls->addWidget(angles_);
  controls->addStretch();
  auto* buttons = new QDialogButtonBox(this);
  connect(dialogButton(buttons, "Button1", "Ok", QDialogButtonBox::AcceptRole),
          &QPushButton::clicked, this, [this] {
            result_ = 1;
            close();
          });
  connect(dialogButton(buttons, "Button2", "Cancel", QDialogButtonBox::RejectRole),
          &QPushButton::clicked, this, [this] {
            result_ = 2;
            close();
          });
  controls->addWidget(buttons);
  column->addLayout(controls);
}

TForm1::~TForm1() = default;

int TForm1::preview(int profile_count, int& angle, bool rotate_all) {
  model_ = std::make_unique<LineArrayPreview>(profile_count, angle, rotate_all);
  result_ = 4;
  if (angle >= 1 && angle <= 360) angles_->setCurrentRow(angle - 1);
  draw();
  setWindowState(windowState() | Qt::WindowMaximized);
  exec();
  angle = model_->angle();
  return result_;
}

void TForm1::SpeedButton5Click() {
  model_->nextCopy();
  draw();
}

void TForm1::SpeedButton6Click() {
  model_->previousCopy();
  draw();
}

void TForm1::ListBox1Click() {
  if (QListWidgetItem* item = angles_->currentItem()) model_->setAngle(item->text().toInt());
}

void TForm1::turnClick(int plane, bool back) {
  model_->turn(plane, back);
  draw();
}

void TForm1::draw() {
  model_->draw(images_);
  for (ViewImage* v : views_) v->update();
}

TForm4::TForm4(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TForm4"));
  setWindowTitle(QStringLiteral("Copy objects round center position"));
  auto* form = new QFormLayout(this);
  const char* boxes[3][2] = {
      {"CheckBox1", "X-direction"}, {"CheckBox2", "Y-direction"}, {"CheckBox3", "Z-direction"}};
  for (std::size_t i = 0; i < 3; ++i) {
    directions_[i] = new QCheckBox(QString::fromLatin1(boxes[i][1]), this);
    directions_[i]->setObjectName(QString::fromLatin1(boxes[i][0]));
    form->addRow(directions_[i]);
  }
  const char* labels[3] = {"X-position", "Y-position", "Z-position"};
  for (std::size_t i = 0; i < 3; ++i) {
    positions_[i] = new QLineEdit(this);
    positions_[i]->setObjectName(QStringLiteral("Edit%1").arg(i + 1));
    form->addRow(QString::fromLatin1(labels[i]), positions_[i]);
  }
  angle_ = new QLineEdit(this);
  angle_->setObjectName(QStringLiteral("Edit4"));
  form->addRow(QStringLiteral("Radians"), angle_);
  auto* buttons = new QDialogButtonBox(this);
  dialogButton(buttons, "Button1", "Ok", QDialogButtonBox::AcceptRole)->setDefault(true);
  dialogButton(buttons, "Button2", "Cancel", QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  form->addRow(buttons);
}

bool TForm4::ask(CopyAroundSettings& settings) {
  const bool flags[3] = {settings.x, settings.y, settings.z};
  for (std::size_t i = 0; i < 3; ++i) {
    directions_[i]->setChecked(flags[i]);
    positions_[i]->setText(QString::number(static_cast<long long>(std::trunc(settings.centre[i]))));
  }
  angle_->setText(QString::number(static_cast<long long>(std::trunc(settings.angle))));
  if (exec() != QDialog::Accepted) return false;
  const char* labels[3] = {"X-position", "Y-position", "Z-position"};
  double centre[3];
  for (std::size_t i = 0; i < 3; ++i) {
    const auto value = parseNumber(positions_[i]->text(), NumberKind::Real, -1e9, 1e9);
    if (!value) throw RangeError(std::string(labels[i]) + " must be a number");
    centre[i] = *value;
  }
  const auto angle = parseNumber(angle_->text(), NumberKind::Real, -1e9, 1e9);
  for (std::size_t i = 0; i < 3; ++i) settings.centre[i] = centre[i];
  settings.angle = angle ? *angle : std::numeric_limits<double>::quiet_NaN();
  settings.x = directions_[0]->isChecked();
  settings.y = directions_[1]->isChecked();
  settings.z = directions_[2]->isChecked();
  return true;
}

Tnurbresolutie::Tnurbresolutie(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Tnurbresolutie"));
  setWindowTitle(QStringLiteral("Nurb and nurb-connect resolution"));
  auto* form = new QFormLayout(this);
  line_ = new QLineEdit(this);
  line_->setObjectName(QStringLiteral("Edit1"));
  connect_ = new QLineEdit(this);
  connect_->setObjectName(QStringLiteral("Edit2"));
  form->addRow(QStringLiteral("Enter line resolution"), line_);
  form->addRow(QStringLiteral("Enter connect resolution"), connect_);
  dont_ask_ = new QCheckBox(QStringLiteral("Don't ask again"), this);
  dont_ask_->setObjectName(QStringLiteral("CheckBox1"));
  form->addRow(dont_ask_);
  auto* buttons = new QDialogButtonBox(this);
  dialogButton(buttons, "Button1", "&Ok", QDialogButtonBox::AcceptRole)->setDefault(true);
  dialogButton(buttons, "Button2", "&Cancel", QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  form->addRow(buttons);
}

bool Tnurbresolutie::ask(CurveSettings& settings) {
  line_->setText(QString::number(settings.line_resolution));
  connect_->setText(QString::number(settings.connect_resolution));
  dont_ask_->setChecked(settings.dont_ask);
  const bool ok = exec() == QDialog::Accepted;
  settings.dont_ask = dont_ask_->isChecked();
  if (!ok) return false;
  // Each value is a whole number from the first six characters; at least one.
  auto read = [](const QLineEdit* edit, int& value) {
    bool is_number = false;
    const int typed = edit->text().left(6).trimmed().toInt(&is_number);
    if (is_number) value = typed < 1 ? 1 : typed;
  };
  read(line_, settings.line_resolution);
  read(connect_, settings.connect_resolution);
  return true;
}

}  // namespace facetry
