// app/landscape_dialog.cpp: the "Create landscape" dialog.
#include "landscape_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QSlider>

#include "number_edit.h"

namespace facetry {

TForm11::TForm11(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TForm11"));
  setWindowTitle(QStringLiteral("Create landscape"));
  auto* form = new QFormLayout(this);
  // The lattice keeps every coordinate within -30000..30000.
  width_ = new NumberEdit(NumberKind::Integer, this);
  width_->setObjectName(QStringLiteral("Edit1"));
  width_->setRange(1, 30000);
  form->addRow(QStringLiteral("Width and depth"), width_);
  height_ = new NumberEdit(NumberKind::Integer, this);
  height_->setObjectName(QStringLiteral("Edit2"));
  height_->setRange(0, 30000);
  form->addRow(QStringLiteral("Height"), height_);
  resolution_ = new QSlider(Qt::Horizontal, this);
  resolution_->setObjectName(QStringLiteral("TrackBar1"));
  resolution_->setRange(1, 8);
  resolution_->setTickPosition(QSlider::TicksBelow);
  resolution_->setPageStep(1);
  form->addRow(QStringLiteral("Resolution"), resolution_);
  sea_ = new QCheckBox(QStringLiteral("Sealevel"), this);
  sea_->setObjectName(QStringLiteral("CheckBox1"));
  form->addRow(sea_);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton(QStringLiteral("&Ok"), QDialogButtonBox::ActionRole);
  ok->setObjectName(QStringLiteral("Button1"));
  ok->setDefault(true);
  QPushButton* cancel = buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
  cancel->setObjectName(QStringLiteral("Button2"));
  connect(ok, &QPushButton::clicked, this, &TForm11::Button1Click);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  form->addRow(buttons);
}

bool TForm11::edit(LandscapeSettings& settings) {
  FormActivate(settings);
  if (exec() != QDialog::Accepted) return false;
  settings = result_;
  return true;
}

void TForm11::FormActivate(const LandscapeSettings& settings) {
  width_->showValue(settings.width);
  height_->showValue(settings.height);
  resolution_->setValue(settings.resolution);
  sea_->setChecked(settings.sea_level);
  width_->setFocus();
}

void TForm11::Button1Click() {
  result_ = {static_cast<int>(width_->value()), static_cast<int>(height_->value()),
             resolution_->value(), sea_->isChecked()};
  accept();
}

}  // namespace facetry
