// app/tool_icons.h: the pictures on the toolbox buttons, drawn in code so that they scale
// with the screen and need no image files.
#pragma once
#include <QIcon>
#include <QString>

namespace facetry {

// The icon of the toolbox button named `button` (its object name); an empty icon for a
// name without a picture.
QIcon toolIcon(const QString& button);

}  // namespace facetry
