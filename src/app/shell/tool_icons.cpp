#include "app/shell/tool_icons.h"

#include <QPainter>
#include <QPixmap>

namespace {

QIcon DrawnIcon(const QString& glyph) {
    QPixmap picture(44, 44);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(30, 70, 30), 2));
    painter.setBrush(QColor(205, 230, 160));
    painter.drawRoundedRect(QRectF(3, 3, 38, 38), 7, 7);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(glyph.size() > 1 ? 16 : 24);
    painter.setFont(font);
    painter.setPen(QColor(20, 50, 20));
    painter.drawText(QRectF(3, 3, 38, 38), Qt::AlignCenter, glyph);
    return QIcon(picture);
}

} // namespace

QIcon ToolIcon(const QString& themeNames, const QString& glyph) {
    for (const QString& name : themeNames.split(u';', Qt::SkipEmptyParts)) {
        QIcon themed = QIcon::fromTheme(name);
        if (!themed.isNull()) return themed;
    }
    return DrawnIcon(glyph);
}
