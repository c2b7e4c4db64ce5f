#pragma once
// Pictures of the tool buttons: the desktop's icon theme where it has the picture, a drawn
// picture of the program's own otherwise.

#include <QIcon>
#include <QString>

QIcon ToolIcon(const QString& themeName, const QString& glyph);
