// app/windows.cpp: creation of the 22 windows in their order.
#include "windows.h"

#include <QLabel>
#include <QVBoxLayout>

#include "array_dialogs.h"
#include "landscape_dialog.h"
#include "main_window.h"
#include "material_windows.h"
#include "model_window.h"
#include "poly_creator_window.h"
#include "progress_window.h"
#include "selection_dialogs.h"
#include "settings_dialog.h"
#include "small_dialogs.h"
#include "survey_window.h"
#include "walk_window.h"

namespace facetry {

PlaceholderWindow::PlaceholderWindow(QWidget* parent, const char* class_name, const char* caption)
    : QDialog(parent) {
  setObjectName(QString::fromLatin1(class_name));
  setWindowTitle(QString::fromLatin1(caption));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("Holds the pictures the toolbox shows."), this));
}

std::unique_ptr<TMainview> createWindows() {
  auto main = std::make_unique<TMainview>();
  TMainview* m = main.get();
  SecondaryWindows w;
  auto add = [&w](QWidget* window) {
    w.in_order.push_back(window);
    return window;
  };
  auto placeholder = [&](const char* class_name, const char* caption) {
    add(new PlaceholderWindow(m, class_name, caption));
  };
  w.light_position = static_cast<TForm2*>(add(new TForm2(m)));
  w.walk = static_cast<TForm3*>(add(new TForm3(m->workspace().frame.ViewBitmap, m)));
  w.line_array_preview = static_cast<TForm1*>(add(new TForm1(m)));
  w.about = static_cast<Tabout*>(add(new Tabout(m)));
  w.copy_around = static_cast<TForm4*>(add(new TForm4(m)));
  placeholder("TForm5", "Form5");
  w.reading = static_cast<TForm6*>(add(new TForm6(m)));
  w.material =
      static_cast<Tformjpg*>(add(new Tformjpg(m, [m]() -> QPrinter& { return m->printer(); })));
  w.model = static_cast<Tmodel*>(add(new Tmodel(m->workspace(), m->host(), m)));
  w.resize_move = static_cast<Tresmovetext*>(add(new Tresmovetext(m)));
  w.settings =
      static_cast<TForm7*>(add(new TForm7(m->workspace(), m->host(), m->startDirectory(), m)));
  w.zoom = static_cast<TForm8*>(add(new TForm8(m)));
  w.materials_used = static_cast<TForm9*>(add(new TForm9(m)));
  w.landscape = static_cast<TForm11*>(add(new TForm11(m)));
  w.select_by_name = static_cast<TForm12*>(add(new TForm12(m)));
  w.change_names = static_cast<TForm13*>(add(new TForm13(m)));
  w.name_object = static_cast<TForm14*>(add(new TForm14(m)));
  w.progress = static_cast<TForm15*>(add(new TForm15(m)));
  w.poly_creator = static_cast<TForm16*>(add(new TForm16(*m, m)));
  w.survey = static_cast<TForm17*>(add(new TForm17(m->workspace(), m)));
  w.nurb_resolution = static_cast<Tnurbresolutie*>(add(new Tnurbresolutie(m)));
  m->setWindows(std::move(w));
  return main;
}

}  // namespace facetry
