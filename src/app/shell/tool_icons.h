#pragma once
// Pictures of the tool buttons: the desktop's icon theme where it has the picture, a drawn
// picture of the program's own otherwise.

#include <QIcon>
#include <QString>

// themeNames: the names to try in the theme, separated by ";".
QIcon ToolIcon(const QString& themeNames, const QString& glyph);
