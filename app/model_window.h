// app/model_window.h: the Modeling window (Tmodel, "Modeling"), opened modally and
// maximised from "Special" -> "Modeling". It shows the two images of its model, forwards
// the mouse to it and runs its menu items and buttons; "Ok" hands the model to the scene.
#pragma once
#include <QDialog>
#include <array>

#include "editors/modeling_model.h"

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenuBar;

namespace facetry {

class ViewImage;
struct Workspace;
class Host;

class Tmodel : public QDialog {
  Q_OBJECT
 public:
  Tmodel(Workspace& ws, Host& host, QWidget* parent);

  ModelingModel& model() { return model_; }

  // Buttons and menu items.
  void Button1Click();  // "Matrix : points z": the depth line, with Edit2 read first
  void BitBtn1Click();  // "Apply matrixline"
  void DelfacenClick();
  void refreshClick();
  void PictureClick(ModelImage image);
  void PictureupClick();
  void PicturedownClick();
  void okClick();
  void cancelClick();
  void Load1Click();
  void Save1Click();
  void New1Click();
  void Edit2Change();

  // A press or move in Image1 (left) or Image2 (right), in image pixels.
  void ImageMouseDown(ModelImage image, int x, int y, Qt::MouseButton button);
  void ImageMouseMove(ModelImage image, int x, int y);

  // Draws the model and shows it, with the boxes and Edit1 as the model now holds them.
  void teken();

 public slots:
  void reject() override;

 private:
  void command(const std::function<void()>& handler);
  QAction* addItem(QMenu* menu, const char* name, const char* caption,
                   std::function<void()> handler);
  void buildMenus(QMenuBar* bar);
  void showImages();

  Workspace& ws_;
  Host& host_;
  ModelingModel model_;
  std::array<ViewImage*, 2> images_{};
  QLineEdit* edit1_ = nullptr;
  QLineEdit* edit2_ = nullptr;
  QLabel* label2_ = nullptr;
  QCheckBox* fill_ = nullptr;
  QCheckBox* fill2_ = nullptr;
  QCheckBox* auto_ = nullptr;
  QCheckBox* cross_ = nullptr;
  bool syncing_ = false;  // the boxes are being set from the model
};

}  // namespace facetry
