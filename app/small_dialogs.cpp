// app/small_dialogs.cpp: "Light position", "Reading", "Set zoom factor", "Name object" and
// "About".
#include "small_dialogs.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>
#include <limits>
#include <optional>

#include "number_edit.h"

namespace facetry {

namespace {

QPushButton* addButton(QDialogButtonBox* box, const QString& name, const QString& caption,
                       QDialogButtonBox::ButtonRole role) {
  QPushButton* button = box->addButton(caption, role);
  button->setObjectName(name);
  return button;
}

}  // namespace

TForm2::TForm2(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TForm2"));
  setWindowTitle(QStringLiteral("Light position"));
  auto* form = new QFormLayout(this);
  const char* labels[3] = {"X position", "Y position", "Z position"};
  for (int i = 0; i < 3; ++i) {
    edits_[i] = new NumberEdit(NumberKind::Integer, this);
    edits_[i]->setObjectName(QStringLiteral("Edit%1").arg(i + 1));
    edits_[i]->setRange(-1e9, 1e9);
    form->addRow(QString::fromLatin1(labels[i]), edits_[i]);
  }
  auto* buttons = new QDialogButtonBox(this);
  addButton(buttons, QStringLiteral("Button1"), QStringLiteral("Ok"), QDialogButtonBox::AcceptRole)
      ->setDefault(true);
  addButton(buttons, QStringLiteral("Button2"), QStringLiteral("Cancel"),
            QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  form->addRow(buttons);
}

bool TForm2::edit(const Point3& light, int& x, int& y, int& z) {
  const float coordinates[3] = {light.x, light.y, light.z};
  for (int i = 0; i < 3; ++i) edits_[i]->showValue(std::trunc(coordinates[i]));
  if (exec() != QDialog::Accepted) return false;
  x = static_cast<int>(edits_[0]->value());
  y = static_cast<int>(edits_[1]->value());
  z = static_cast<int>(edits_[2]->value());
  return true;
}

TForm6::TForm6(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TForm6"));
  setWindowTitle(QStringLiteral("Reading"));
  auto* row = new QGridLayout(this);
  row->addWidget(new QLabel(QStringLiteral("Reading face : "), this), 0, 0);
  counter_ = new QLabel(QStringLiteral("0"), this);
  counter_->setObjectName(QStringLiteral("Label2"));
  counter_->setMinimumWidth(60);
  row->addWidget(counter_, 0, 1);
}

void TForm6::step(int face_count) {
  if (face_count % 20 != 0) return;
  counter_->setText(QString::number(face_count));
  counter_->repaint();
}

TForm8::TForm8(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TForm8"));
  setWindowTitle(QStringLiteral("Set zoom factor"));
  auto* form = new QFormLayout(this);
  edit_ = new QLineEdit(this);
  edit_->setObjectName(QStringLiteral("Edit1"));
  edit_->setToolTip(QStringLiteral("Zoom in percent, greater than 0"));
  form->addRow(QStringLiteral("Zoom factor:"), edit_);
  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = addButton(buttons, QStringLiteral("Button1"), QStringLiteral("&Ok"),
                              QDialogButtonBox::ActionRole);
  ok->setDefault(true);
  addButton(buttons, QStringLiteral("Button2"), QStringLiteral("&Cancel"),
            QDialogButtonBox::RejectRole);
  connect(ok, &QPushButton::clicked, this, &TForm8::Button1Click);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  form->addRow(buttons);
}

double TForm8::ask(double current) {
  edit_->setText(QString::number(current));
  edit_->selectAll();
  edit_->setFocus();
  result_ = -1;
  return exec() == QDialog::Accepted ? result_ : -1;
}

void TForm8::Button1Click() {
  // A zoom of 0 would collapse every corner onto the centre point and make the next zoom
  // divide by zero, so only positive numbers are taken.
  const std::optional<double> zoom =
      parseNumber(edit_->text(), NumberKind::Real, std::numeric_limits<double>::min(), kMaxZoom);
  if (!zoom) {
    QMessageBox::warning(this, windowTitle(),
                         QStringLiteral("\"%1\" is not a zoom factor. Please type a number "
                                        "greater than 0 and at most %2 (percent).")
                             .arg(edit_->text())
                             .arg(kMaxZoom));
    edit_->selectAll();
    return;
  }
  result_ = *zoom;
  accept();
}

TForm14::TForm14(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TForm14"));
  setWindowTitle(QStringLiteral("Name object"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("Name of object :"), this));
  edit_ = new QLineEdit(this);
  edit_->setObjectName(QStringLiteral("Edit1"));
  edit_->setMaxLength(21);
  layout->addWidget(edit_);
  ask_ = new QCheckBox(QStringLiteral("Don't ask for this operation"), this);
  ask_->setObjectName(QStringLiteral("ask"));
  layout->addWidget(ask_);
  auto* buttons = new QDialogButtonBox(this);
  addButton(buttons, QStringLiteral("Button1"), QStringLiteral("&Ok"), QDialogButtonBox::AcceptRole)
      ->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);
}

bool TForm14::ask(std::string& name, bool& dont_ask) {
  edit_->setText(QString::fromStdString(name));
  edit_->selectAll();
  edit_->setFocus();
  ask_->setChecked(dont_ask);
  const bool ok = exec() == QDialog::Accepted;
  dont_ask = ask_->isChecked();
  if (ok) name = edit_->text().toStdString();
  return ok;
}

Tabout::Tabout(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Tabout"));
  setWindowTitle(QStringLiteral("About"));
  auto* grid = new QGridLayout(this);
  auto* title = new QLabel(QStringLiteral("<b>Facetry</b> : the quick modeler"), this);
  grid->addWidget(title, 0, 0, 1, 2);
  grid->addWidget(new QLabel(QStringLiteral("Version 3.0"), this), 1, 0, 1, 2);
  grid->addWidget(new QLabel(QStringLiteral("Number of objects :"), this), 2, 0);
  objects_ = new QLabel(this);
  objects_->setObjectName(QStringLiteral("objects"));
  grid->addWidget(objects_, 2, 1);
  grid->addWidget(new QLabel(QStringLiteral("Number of faces    :"), this), 3, 0);
  faces_ = new QLabel(this);
  faces_->setObjectName(QStringLiteral("faces"));
  grid->addWidget(faces_, 3, 1);
  grid->addWidget(new QLabel(QStringLiteral("For more information see the help file."), this), 4, 0,
                  1, 2);
  auto* ok = new QPushButton(QStringLiteral("&OK"), this);
  ok->setObjectName(QStringLiteral("OKButton"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  grid->addWidget(ok, 5, 1, Qt::AlignRight);
}

void Tabout::showCounts(int objects, int faces) {
  objects_->setText(QString::number(objects));
  faces_->setText(QString::number(faces));
}

}  // namespace facetry
