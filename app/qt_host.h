// app/qt_host.h: the window program's answer to what the core asks while it works: message
// boxes, the "Name object" dialog, the "Reading" window and the busy cursor.
#pragma once
#include "scene/host.h"

class QWidget;

namespace facetry {

class TForm6;
class TForm14;
class TForm15;

class QtHost : public Host {
 public:
  explicit QtHost(QWidget* parent) : parent_(parent) {}
  // The windows the host shows; created after the main window.
  void setWindows(TForm14* name_object, TForm6* reading);
  // The progress window of the cutting operations.
  void setProgressWindow(TForm15* progress) { progress_ = progress; }

  Answer message(const std::string& text, const std::string& title, MessageIcon icon,
                 MessageButtons buttons) override;
  bool askObjectName(std::string& name, bool& dont_ask) override;
  void showReading(bool visible) override;
  void readingCount(int face_count) override;
  void busy(bool on) override;
  void progress(int percent) override;
  void showProgress(bool visible) override;
  void progressStage(const std::string& label) override;
  void status(const std::string& text) override;

 private:
  QWidget* parent_;
  TForm14* name_object_ = nullptr;
  TForm6* reading_ = nullptr;
  TForm15* progress_ = nullptr;
};

}  // namespace facetry
