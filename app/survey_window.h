// app/survey_window.h: the small always-on-top "Survey view" window beside the toolbox. It
// shows the survey picture (Image4) with its shading buttons and the three track bars that
// turn and scale it.
#pragma once
#include <QWidget>

namespace facetry {

class TForm17 : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kWidth = 229;
  static constexpr int kHeight = 247;
  explicit TForm17(QWidget* parent);
};

}  // namespace facetry
