// app/settings_dialog.cpp: the "Settings" dialog.
#include "settings_dialog.h"

#include <QColorDialog>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdint>
#include <functional>
#include <limits>
#include <type_traits>

#include "command_guard.h"
#include "files/configuration.h"
#include "number_edit.h"
#include "workspace.h"

namespace facetry {

namespace {

constexpr double kFloatLimit = std::numeric_limits<float>::max();

QColor toQColor(Rgb c) {
  return QColor(c.red, c.green, c.blue);
}

Rgb toRgb(const QColor& c) {
  return {static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
          static_cast<std::uint8_t>(c.blue())};
}

QFrame* swatch(QWidget* parent, const char* name) {
  auto* panel = new QFrame(parent);
  panel->setObjectName(QString::fromLatin1(name));
  panel->setFrameShape(QFrame::Box);
  panel->setFixedSize(48, 22);
  panel->setAutoFillBackground(true);
  return panel;
}

void paintSwatch(QFrame* panel, Rgb colour) {
  QPalette palette = panel->palette();
  palette.setColor(QPalette::Window, toQColor(colour));
  panel->setPalette(palette);
}

NumberEdit* numberBox(QWidget* parent, const char* name, NumberKind kind, const char* hint,
                      double low, double high) {
  auto* edit = new NumberEdit(kind, parent);
  edit->setObjectName(QString::fromLatin1(name));
  edit->setHint(QString::fromLatin1(hint));
  edit->setRange(low, high);
  edit->setMaximumWidth(90);
  return edit;
}

QStringList toQStrings(const std::vector<std::string>& items) {
  QStringList list;
  for (const std::string& item : items) list << QString::fromStdString(item);
  return list;
}

}  // namespace

TForm7::TForm7(Workspace& ws, Host& host, std::string start_directory, QWidget* parent)
    : QDialog(parent), ws_(ws), host_(host), start_directory_(std::move(start_directory)) {
  setObjectName(QStringLiteral("TForm7"));
  setWindowTitle(QStringLiteral("Settings"));
  Settings& s = ws_.settings;
  auto* layout = new QVBoxLayout(this);

  auto* steps = new QGridLayout;
  combo_box1_ = new NumberCombo(this);
  combo_box1_->setObjectName(QStringLiteral("ComboBox1"));
  combo_box1_->setItems(toQStrings(angleStepItems()));
  combo_box1_->setHint(QStringLiteral("Degrees per rotation step"));
  resizefaktor_ = new NumberCombo(this);
  resizefaktor_->setObjectName(QStringLiteral("resizefaktor"));
  resizefaktor_->setItems(toQStrings(resizeFactorItems()));
  resizefaktor_->setHint(QStringLiteral("Percent per Enlarge or Reduce"));
  edit2_ = numberBox(this, "Edit2", NumberKind::Real, "Scalefactor",
                     -std::numeric_limits<double>::max(), std::numeric_limits<double>::max());
  edit3_ =
      numberBox(this, "Edit3", NumberKind::Integer, "Number of pixels for grid",
                std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max());
  steps->addWidget(new QLabel(QStringLiteral("Degrees"), this), 0, 0);
  steps->addWidget(combo_box1_, 0, 1);
  steps->addWidget(new QLabel(QStringLiteral("Resize"), this), 1, 0);
  steps->addWidget(resizefaktor_, 1, 1);
  steps->addWidget(new QLabel(QStringLiteral("Scale 1 :"), this), 0, 2);
  steps->addWidget(edit2_, 0, 3);
  steps->addWidget(new QLabel(QStringLiteral("Grid :"), this), 1, 2);
  steps->addWidget(edit3_, 1, 3);
  // The undo history's budget.
  history_steps_ = numberBox(this, "HistorySteps", NumberKind::Integer,
                             "Undo steps kept, the oldest dropped first", 1, kMaxHistorySteps);
  history_megabytes_ = numberBox(this, "HistoryMegabytes", NumberKind::Integer,
                                 "Megabytes the kept undo steps may take", 1, kMaxHistoryMegabytes);
  steps->addWidget(new QLabel(QStringLiteral("Undo steps :"), this), 2, 0);
  steps->addWidget(history_steps_, 2, 1);
  steps->addWidget(new QLabel(QStringLiteral("Undo MB :"), this), 2, 2);
  steps->addWidget(history_megabytes_, 2, 3);
  layout->addLayout(steps);

  auto* survey = new QGroupBox(QStringLiteral("Survey view :"), this);
  auto* rows = new QGridLayout(survey);
  edit1_ = numberBox(survey, "Edit1", NumberKind::Real, "", -kFloatLimit, kFloatLimit);
  edit4_ = numberBox(survey, "Edit4", NumberKind::Real, "", -kFloatLimit, kFloatLimit);
  edit5_ = numberBox(survey, "Edit5", NumberKind::Real, "", -kFloatLimit, kFloatLimit);
  edit6_ = numberBox(survey, "Edit6", NumberKind::Real, "", -kFloatLimit, kFloatLimit);
  const std::pair<const char*, NumberEdit*> survey_rows[] = {
      {"X-rotation", edit1_}, {"Y-rotation", edit4_}, {"Z-rotation ", edit5_}, {"Scale", edit6_}};
  int row = 0;
  for (const auto& [caption, edit] : survey_rows) {
    rows->addWidget(new QLabel(QString::fromLatin1(caption), survey), row, 0);
    rows->addWidget(edit, row++, 1);
  }
  auto* colours = new QGridLayout;
  auto* selcolor = new QPushButton(QStringLiteral("Selection color"), this);
  selcolor->setObjectName(QStringLiteral("selcolor"));
  auto* backcolor = new QPushButton(QStringLiteral("Background color"), this);
  backcolor->setObjectName(QStringLiteral("backcolor"));
  panel1_ = swatch(this, "Panel1");
  panel2_ = swatch(this, "Panel2");
  colours->addWidget(selcolor, 0, 0);
  colours->addWidget(panel1_, 0, 1);
  colours->addWidget(backcolor, 1, 0);
  colours->addWidget(panel2_, 1, 1);
  auto* middle = new QHBoxLayout;
  middle->addWidget(survey);
  middle->addLayout(colours);
  layout->addLayout(middle);

  layout->addWidget(new QLabel(QStringLiteral("Default search path:"), this));
  edit7_ = new QLineEdit(this);
  edit7_->setObjectName(QStringLiteral("Edit7"));
  edit7_->setMaxLength(kMaxSearchDirectory);
  layout->addWidget(edit7_);
  directories_ = new QListWidget(this);
  directories_->setObjectName(QStringLiteral("DirectoryListBox1"));
  directories_->setToolTip(QStringLiteral("Choose directory."));
  directories_->setMinimumHeight(120);
  layout->addWidget(directories_);

  auto* buttons = new QHBoxLayout;
  auto* ok = new QPushButton(QStringLiteral("Ok"), this);
  ok->setObjectName(QStringLiteral("Button1"));
  ok->setDefault(true);
  auto* save = new QPushButton(QStringLiteral("Save settings"), this);
  save->setObjectName(QStringLiteral("Button2"));
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
  cancel->setObjectName(QStringLiteral("Button3"));
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(save);
  buttons->addWidget(cancel);
  layout->addLayout(buttons);

  // Every number takes effect as it is typed; the steps are the toolbox's too.
  auto take = [this](auto* box, std::function<void(double)> store) {
    connect(box, &std::remove_pointer_t<decltype(box)>::valueEdited, this,
            [this, store = std::move(store)](double v) { runCommand(this, [&] { store(v); }); });
  };
  take(combo_box1_, [this](double v) {
    ws_.tools.DegreeStep = ws_.settings.RotationStep = static_cast<float>(v);
  });
  take(resizefaktor_, [this](double v) {
    ws_.tools.ResizePercent = ws_.settings.ResizeFactor = static_cast<float>(v);
  });
  take(edit2_, [&s](double v) { s.ScaleFactor = v; });
  take(edit3_, [&s](double v) { s.GridStep = static_cast<std::int16_t>(std::max(1.0, v)); });
  take(edit1_, [&s](double v) { s.SurveyAngleZ = static_cast<float>(v); });
  take(edit4_, [&s](double v) { s.SurveyAngleX = static_cast<float>(v); });
  take(edit5_, [&s](double v) { s.SurveyAngleY = static_cast<float>(v); });
  take(edit6_, [&s](double v) { s.SurveyScale = static_cast<float>(v); });
  take(history_steps_,
       [&s](double v) { s.HistorySteps = static_cast<std::int32_t>(std::max(1.0, v)); });
  take(history_megabytes_,
       [&s](double v) { s.HistoryMegabytes = static_cast<std::int32_t>(std::max(1.0, v)); });

  connectCommand(selcolor, &QPushButton::clicked, this, [this] { selcolorClick(); });
  connectCommand(backcolor, &QPushButton::clicked, this, [this] { backcolorClick(); });
  connectCommand(directories_, &QListWidget::itemClicked, this,
                 [this] { DirectoryListBox1Change(); });
  connectCommand(directories_, &QListWidget::itemActivated, this,
                 [this] { DirectoryListBox1DblClick(); });
  connectCommand(ok, &QPushButton::clicked, this, [this] { Button1Click(); });
  connectCommand(save, &QPushButton::clicked, this, [this] { Button2Click(); });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TForm7::FormActivate() {
  const Settings& s = ws_.settings;
  combo_box1_->showSelection(angleStepIndex(s.RotationStep), s.RotationStep);
  resizefaktor_->showSelection(resizeFactorIndex(s.ResizeFactor), s.ResizeFactor);
  edit3_->showValue(s.GridStep);
  edit1_->showValue(s.SurveyAngleZ);
  edit4_->showValue(s.SurveyAngleX);
  edit5_->showValue(s.SurveyAngleY);
  edit6_->showValue(s.SurveyScale);
  edit2_->showValue(s.ScaleFactor);
  history_steps_->showValue(s.HistorySteps);
  history_megabytes_->showValue(s.HistoryMegabytes);
  showColours();
  const QString directory = QString::fromStdString(s.SearchDirectory);
  edit7_->setText(directory);
  openDirectory(QDir(directory).exists() ? directory : QDir::currentPath());
}

int TForm7::run() {
  FormActivate();
  return exec();
}

void TForm7::showColours() {
  paintSwatch(panel1_, ws_.settings.SelectionColour);
  paintSwatch(panel2_, ws_.settings.BackgroundColour);
}

void TForm7::selcolorClick() {
  const QColor chosen =
      QColorDialog::getColor(toQColor(ws_.settings.SelectionColour), this, QStringLiteral("Color"));
  if (!chosen.isValid()) return;
  ws_.settings.SelectionColour = toRgb(chosen);
  showColours();
}

void TForm7::backcolorClick() {
  const QColor chosen = QColorDialog::getColor(toQColor(ws_.settings.BackgroundColour), this,
                                               QStringLiteral("Color"));
  if (!chosen.isValid()) return;
  ws_.settings.BackgroundColour = toRgb(chosen);
  ws_.frame.setBackground(ws_.settings.BackgroundColour);
  showColours();
}

void TForm7::openDirectory(const QString& directory) {
  const QDir dir(directory);
  listed_directory_ = dir.absolutePath();
  directories_->clear();
  if (!dir.isRoot()) directories_->addItem(QStringLiteral(".."));
  const QStringList children =
      dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
  for (const QString& child : children) directories_->addItem(child);
}

void TForm7::DirectoryListBox1Change() {
  const QListWidgetItem* item = directories_->currentItem();
  if (!item) return;
  edit7_->setText(QDir::cleanPath(QDir(listed_directory_).absoluteFilePath(item->text())));
}

void TForm7::DirectoryListBox1DblClick() {
  DirectoryListBox1Change();
  openDirectory(edit7_->text());
}

void TForm7::applyDirectory() {
  applySearchDirectory(ws_.settings, host_, edit7_->text().toStdString());
}

void TForm7::Button1Click() {
  applyDirectory();
  accept();
}

void TForm7::Button2Click() {
  applyDirectory();
  writeConfiguration(ws_.settings, start_directory_);
}

}  // namespace facetry
