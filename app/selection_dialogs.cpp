// app/selection_dialogs.cpp: "Select object by name" and "Change object names".
#include "selection_dialogs.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "scene/scene.h"

namespace facetry {

namespace {

QListWidget* nameList(QWidget* parent) {
  auto* list = new QListWidget(parent);
  list->setObjectName(QStringLiteral("ListBox1"));
  // A click marks or unmarks one entry and leaves the others as they are.
  list->setSelectionMode(QAbstractItemView::MultiSelection);
  list->setMinimumSize(220, 240);
  return list;
}

// The names of every object in index order, the selected objects marked.
void fillNames(QListWidget* list, const Scene& scene) {
  list->clear();
  for (int i = 0; i < scene.ObjectCount; ++i) {
    const ModelObject& object = scene.object(i);
    auto* item = new QListWidgetItem(QString::fromStdString(object.name.str()), list);
    item->setSelected(object.selected != 0);
  }
  list->scrollToTop();
}

std::vector<int> markedRows(const QListWidget* list) {
  std::vector<int> rows;
  for (int i = 0; i < list->count(); ++i) {
    if (list->item(i)->isSelected()) rows.push_back(i);
  }
  return rows;
}

QDialogButtonBox* okCancel(QDialog* dialog, const QString& ok_caption) {
  auto* buttons = new QDialogButtonBox(dialog);
  QPushButton* ok = buttons->addButton(ok_caption, QDialogButtonBox::AcceptRole);
  ok->setObjectName(QStringLiteral("Button1"));
  ok->setDefault(true);
  QPushButton* cancel = buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
  cancel->setObjectName(QStringLiteral("Button2"));
  QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  return buttons;
}

}  // namespace

TForm12::TForm12(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint) {
  setObjectName(QStringLiteral("TForm12"));
  setWindowTitle(QStringLiteral("Select object by name"));
  auto* column = new QVBoxLayout(this);
  list_ = nameList(this);
  column->addWidget(list_);
  auto* mode = new QGroupBox(this);
  auto* row = new QHBoxLayout(mode);
  select_ = new QRadioButton(QStringLiteral("Select"), mode);
  select_->setObjectName(QStringLiteral("RadioButton1"));
  select_->setChecked(true);
  auto* deselect = new QRadioButton(QStringLiteral("De-select"), mode);
  deselect->setObjectName(QStringLiteral("RadioButton2"));
  row->addWidget(select_);
  row->addWidget(deselect);
  column->addWidget(mode);
  column->addWidget(okCancel(this, QStringLiteral("Select")));
}

bool TForm12::choose(const Scene& scene, std::vector<int>& objects, std::uint8_t& value) {
  fillNames(list_, scene);
  if (exec() != QDialog::Accepted) return false;
  objects = markedRows(list_);
  value = select_->isChecked() ? 1 : 0;
  return true;
}

TForm13::TForm13(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TForm13"));
  setWindowTitle(QStringLiteral("Change object names"));
  auto* column = new QVBoxLayout(this);
  list_ = nameList(this);
  column->addWidget(list_);
  column->addWidget(new QLabel(QStringLiteral("New Name"), this));
  name_ = new QLineEdit(this);
  name_->setObjectName(QStringLiteral("Edit1"));
  name_->setMaxLength(20);
  column->addWidget(name_);
  column->addWidget(okCancel(this, QStringLiteral("Change")));
  connect(list_, &QListWidget::itemClicked, this,
          [this](const QListWidgetItem* item) { name_->setText(item->text()); });
}

bool TForm13::choose(const Scene& scene, std::vector<int>& objects, std::string& name) {
  fillNames(list_, scene);
  name_->clear();
  if (exec() != QDialog::Accepted) return false;
  objects = markedRows(list_);
  name = name_->text().toStdString();
  return true;
}

}  // namespace facetry
