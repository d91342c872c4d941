// app/operation_commands.cpp: the menus "Extend faces" and "Boolean". Opening a menu or
// pointing at an entry shows its picture in the toolbox's picture box; the "Do ..."
// entries run the patterns, "User" and the four boolean entries switch their tools.
#include <QMenu>
#include <QMenuBar>

#include "edit/tool_modes.h"
#include "main_window.h"
#include "ops/boolean_ops.h"
#include "ops/extend_faces.h"
#include "ops/operation_pictures.h"
#include "ops/user_cut.h"
#include "toolbox.h"

namespace facetry {

void TMainview::buildOperationMenus() {
  auto picture = [this](OperationPicture which) {
    return [this, which] { showOperationPicture(which); };
  };
  QMenu* extend = menuBar()->addMenu(QStringLiteral("Extend faces"));
  extend->setObjectName(QStringLiteral("Extendfaces1"));
  connect(extend, &QMenu::aboutToShow, this, picture(OperationPicture::ExtendFaces));
  struct Pattern {
    const char* menu_name;
    const char* caption;
    const char* do_name;
    const char* do_caption;
    OperationPicture shown;
    void (TMainview::*handler)();
  };
  const Pattern patterns[] = {
      {"Simple1", "Simple", "Dosimple1", "Do simple", OperationPicture::Simple,
       &TMainview::Dosimple1Click},
      {"Normal1", "Normal", "Donormal1", "Do normal", OperationPicture::Normal,
       &TMainview::Donormal1Click},
      {"Complex1", "Complex", "Docomplex1", "Do complex", OperationPicture::Complex,
       &TMainview::Docomplex1Click},
      {"Complex21", "Complex2", "Docomplex21", "Do complex2", OperationPicture::Complex2,
       &TMainview::Docomplex21Click},
  };
  for (const Pattern& p : patterns) {
    QMenu* sub = extend->addMenu(QString::fromLatin1(p.caption));
    sub->setObjectName(QString::fromLatin1(p.menu_name));
    connect(sub, &QMenu::aboutToShow, this, picture(p.shown));
    connect(sub->menuAction(), &QAction::hovered, this, picture(p.shown));
    addCommand(sub, p.do_name, p.do_caption, [this, h = p.handler] { (this->*h)(); });
  }
  QAction* user = addCommand(extend, "User1", "User", [this] { User1Click(); });
  connect(user, &QAction::hovered, this, picture(OperationPicture::User));

  QMenu* boolean = menuBar()->addMenu(QStringLiteral("Boolean"));
  boolean->setObjectName(QStringLiteral("Boolean1"));
  connect(boolean, &QMenu::aboutToShow, this, picture(OperationPicture::Boolean));
  const std::tuple<const char*, const char*, OperationPicture, void (TMainview::*)()> entries[] = {
      {"Subtract1", "Subtract", OperationPicture::Subtract, &TMainview::Subtract1Click},
      {"Add1", "Add", OperationPicture::Add, &TMainview::Add1Click},
      {"Intersect1", "Intersect", OperationPicture::Intersect, &TMainview::Intersect1Click},
      {"Remove1", "Remove", OperationPicture::Remove, &TMainview::Remove1Click},
  };
  for (const auto& [name, caption, shown, handler] : entries) {
    QAction* a = addCommand(boolean, name, caption, [this, h = handler] { (this->*h)(); });
    connect(a, &QAction::hovered, this, picture(shown));
  }
}

namespace {

OperationPicture booleanPicture(BooleanOperation operation) {
  switch (operation) {
    case BooleanOperation::Subtract:
      return OperationPicture::Subtract;
    case BooleanOperation::Add:
      return OperationPicture::Add;
    case BooleanOperation::Intersect:
      return OperationPicture::Intersect;
    case BooleanOperation::Remove:
      break;
  }
  return OperationPicture::Remove;
}

}  // namespace

void TMainview::Dosimple1Click() {
  redrawIf(extendFaces(ws_.scene, host_, ExtendPattern::Simple));
}
void TMainview::Donormal1Click() {
  redrawIf(extendFaces(ws_.scene, host_, ExtendPattern::Normal));
}
void TMainview::Docomplex1Click() {
  redrawIf(extendFaces(ws_.scene, host_, ExtendPattern::Complex));
}
void TMainview::Docomplex21Click() {
  redrawIf(extendFaces(ws_.scene, host_, ExtendPattern::Complex2));
}

void TMainview::User1Click() {
  // The toolbox reset clears the user extension, so the tool comes on after it.
  allesfout(ws_.tools, ws_.scene);
  showButs();
  chooseUserExtend(ws_.tools, ws_.scene);
  showOperationPicture(OperationPicture::User);
}

void TMainview::chooseBoolean(BooleanOperation operation) {
  chooseBooleanTool(ws_.tools, ws_.scene, operation);
  showButs();
  showOperationPicture(booleanPicture(operation));
}

void TMainview::showOperationPicture(OperationPicture picture) {
  toolbox_->showCanvas(operationPicture(picture, Toolbox::kPictureWidth, Toolbox::kPictureHeight));
}

void TMainview::Subtract1Click() {
  chooseBoolean(BooleanOperation::Subtract);
}
void TMainview::Add1Click() {
  chooseBoolean(BooleanOperation::Add);
}
void TMainview::Intersect1Click() {
  chooseBoolean(BooleanOperation::Intersect);
}
void TMainview::Remove1Click() {
  chooseBoolean(BooleanOperation::Remove);
}

}  // namespace facetry
