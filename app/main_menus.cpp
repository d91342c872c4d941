// app/main_menus.cpp: the main menu. Every item carries its documented name and caption and
// runs its handler through the general error handler.
#include <QActionGroup>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "main_window.h"
#include "render/lighting.h"

namespace facetry {

QAction* TMainview::addCommand(QMenu* menu, const char* name, const char* caption,
                               std::function<void()> handler) {
  QAction* action = menu->addAction(QString::fromLatin1(caption));
  action->setObjectName(QString::fromLatin1(name));
  connect(action, &QAction::triggered, this,
          [this, handler = std::move(handler)] { command(handler); });
  return action;
}

void TMainview::buildMenus() {
  QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
  file->setObjectName(QStringLiteral("File1"));
  addCommand(file, "New1", "&New", [this] { New1Click(); })->setShortcut(QKeySequence::New);
  addCommand(file, "Load1", "&Load...", [this] { Load1Click(); })->setShortcut(QKeySequence::Open);
  addCommand(file, "Save1", "&Save...", [this] { Save1Click(); })->setShortcut(QKeySequence::Save);
  addCommand(file, "Importfcy1", "Import &Facetry-file...", [this] { Importfcy1Click(); });
  buildObjectFileMenus(file);
  file->addSeparator();
  addCommand(file, "Print1", "&Print", [this] { Print1Click(); })->setShortcut(QKeySequence::Print);
  addCommand(file, "Printersetup1", "Print &setup...", [this] { Printersetup1Click(); });
  file->addSeparator();
  addCommand(file, "Exit1", "&Exit", [this] { Exit1Click(); })->setShortcut(QKeySequence::Quit);

  QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
  edit->setObjectName(QStringLiteral("Edit1"));
  addCommand(edit, "Undo1", "&Undo", [this] { Undo1Click(); })->setShortcut(QKeySequence::Undo);
  addCommand(edit, "Redo1", "&Redo", [this] { Redo1Click(); })
      ->setShortcuts(
          {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
  addCommand(edit, "Delete1", "&Delete", [this] {
    Delete1Click();
  })->setShortcut(QKeySequence::Delete);
  addCommand(edit, "Turnselectedfacesintooneobject1", "&Collect selected faces into new object ",
             [this] { Turnselectedfacesintooneobject1Click(); });
  QMenu* smoothing = edit->addMenu(QStringLiteral("Face smoothing"));
  smoothing->setObjectName(QStringLiteral("Facesmoothing1"));
  addCommand(smoothing, "Smoothselectedfaces1", "&Smooth selected faces",
             [this] { Smoothselectedfaces1Click(); });
  addCommand(smoothing, "Unsmoothselectedfaces1", "&Unsmooth selected faces",
             [this] { Unsmoothselectedfaces1Click(); });
  buildEditMenu(edit);

  QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
  view->setObjectName(QStringLiteral("View1"));
  QMenu* zoom = view->addMenu(QStringLiteral("&Zoom"));
  zoom->setObjectName(QStringLiteral("Zoom1"));
  for (int percent : {25, 50, 75, 100, 125, 150, 175, 200, 300, 400}) {
    const std::string name = "N" + std::to_string(percent) + "1";
    const std::string caption = std::to_string(percent) + " %";
    addCommand(zoom, name.c_str(), caption.c_str(), [this, percent] { zoomClick(percent); });
  }
  zoom->addSeparator();
  addCommand(zoom, "Other1", "Other...", [this] { Other1Click(); });

  QMenu* windows = view->addMenu(QStringLiteral("&Windows"));
  windows->setObjectName(QStringLiteral("Windows1"));
  auto* layouts = new QActionGroup(this);
  for (QAction* a : {addCommand(windows, "FrontTopSidewindow1", "Front- Top - Side window ",
                                [this] { FrontTopSidewindow1Click(); }),
                     addCommand(windows, "Onlyfrontwindow1", "Only front window",
                                [this] { Onlyfrontwindow1Click(); })}) {
    a->setCheckable(true);
    layouts->addAction(a);
  }
  layouts->actions().first()->setChecked(true);

  QMenu* cross = view->addMenu(QStringLiteral("&Cross"));
  cross->setObjectName(QStringLiteral("Cross1"));
  auto* cross_group = new QActionGroup(this);
  for (QAction* a : {addCommand(cross, "On1", "On", [this] { On1Click(); }),
                     addCommand(cross, "Off1", "Off", [this] { Off1Click(); })}) {
    a->setCheckable(true);
    cross_group->addAction(a);
  }
  cross_group->actions().first()->setChecked(true);

  survey_action_ = addCommand(view, "Surveyview1", "Survey view", [this] { Surveyview1Click(); });
  survey_action_->setCheckable(true);
  survey_action_->setChecked(true);
  addCommand(view, "Perspectief1", "&Walk through...", [this] { Perspectief1Click(); });

  QMenu* options = menuBar()->addMenu(QStringLiteral("&Options"));
  options->setObjectName(QStringLiteral("Options1"));
  QMenu* reflection = options->addMenu(QStringLiteral("&Reflection selected faces"));
  reflection->setObjectName(QStringLiteral("Reflectionselectedfaces1"));
  const std::pair<const char*, const char*> levels[] = {{"Max1", "Max"},
                                                        {"Normaal1", "Normal"},
                                                        {"Little1", "Little"},
                                                        {"Min1", "Min"},
                                                        {"None2", "None"}};
  int level = 0;
  for (const auto& [name, caption] : levels) {
    addCommand(reflection, name, caption, [this, level] { reflectionClick(level); });
    ++level;
  }
  QMenu* shadow = options->addMenu(QStringLiteral("Shadow"));
  shadow->setObjectName(QStringLiteral("Shadow1"));
  auto* shadow_group = new QActionGroup(this);
  const std::tuple<const char*, const char*, int> shadows[] = {{"Max2", "Max", kShadowMax},
                                                               {"Normal2", "Normal", kShadowNormal},
                                                               {"None1", "None", kShadowNone}};
  for (const auto& [name, caption, value] : shadows) {
    QAction* a = addCommand(shadow, name, caption, [this, value = value] { shadowClick(value); });
    a->setCheckable(true);
    a->setChecked(value == kShadowNormal);
    shadow_group->addAction(a);
  }
  addCommand(options, "Lamppositie1", "Light &position...", [this] { Lamppositie1Click(); });
  addCommand(options, "Kleur1", "&Color...", [this] { Kleur1Click(); });
  options->addSeparator();
  addCommand(options, "Settings1", "&Settings...", [this] { Settings1Click(); });

  // "Special" after "Options": the editors' windows and the landscape and cage commands.
  QMenu* special = menuBar()->addMenu(QStringLiteral("&Special"));
  special->setObjectName(QStringLiteral("Special1"));
  addCommand(special, "Modelling1", "Modeling", [this] { Modelling1Click(); });
  addCommand(special, "Polyeditor1", "Poly-editor", [this] { Polyeditor1Click(); });
  buildSpecialMenu();
  buildNurbsMenu();
  buildOperationMenus();

  QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
  help->setObjectName(QStringLiteral("Help1"));
  addCommand(help, "Help2", "Help...", [this] {
    Help2Click();
  })->setShortcut(QKeySequence::HelpContents);
  addCommand(help, "About1", "About...", [this] { About1Click(); });
}

void TMainview::buildEditMenu(QMenu* edit) {
  edit->addSeparator();
  QMenu* area = edit->addMenu(QStringLiteral("&Select area"));
  area->setObjectName(QStringLiteral("SelectArea"));
  addCommand(area, "Selectarea1", "&Objects", [this] { Selectarea1Click(); });
  addCommand(area, "Points1", "&Points", [this] { Points1Click(); });
  addCommand(area, "Face1", "Face", [this] { Face1Click(); });
  addCommand(edit, "Selectall1", "Select &all", [this] {
    Selectall1Click();
  })->setShortcut(QKeySequence::SelectAll);
  addCommand(edit, "Inverseselection1", "Inverse selection", [this] { Inverseselection1Click(); });
  addCommand(edit, "Selectobjectbyname1", "Select &object by name",
             [this] { Selectobjectbyname1Click(); });
  addCommand(edit, "Chob", "Change object names", [this] { ChobClick(); });

  edit->addSeparator();
  QMenu* mirror = edit->addMenu(QStringLiteral("Mirror selected faces"));
  mirror->setObjectName(QStringLiteral("Mirrorselectedfaces1"));
  const std::pair<const char*, const char*> axes[] = {{"Towardsxaxis1", "Towards x-axis"},
                                                      {"Towardsyaxis1", "Towards y-axis"},
                                                      {"Towardszaxis1", "Towards z-axis"}};
  int axis = 1;
  for (const auto& [name, caption] : axes) {
    addCommand(mirror, name, caption, [this, axis] { mirrorClick(axis); });
    ++axis;
  }
  addCommand(edit, "Centreer1", "Center", [this] { Centreer1Click(); });
  addCommand(edit, "Draaiom1", "&Turn selected faces", [this] { Draaiom1Click(); });
  addCommand(edit, "Smartturn1", "T&urn selected faces to center of object",
             [this] { Smartturn1Click(); });
  addCommand(edit, "Dragalong1", "Drag along", [this] { Dragalong1Click(); });
  addCommand(edit, "copyselecteditemsroundturningpoint1",
             "&Copy selected items around center position",
             [this] { copyselecteditemsroundturningpoint1Click(); });
  edit->addSeparator();
  buildMaterialMenu(edit);
}

}  // namespace facetry
