#include "app/shell/tennis_image.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

QPixmap TennisImage(QSize size) {
    QPixmap picture(size);
    const double w = size.width();
    const double h = size.height();
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);

    // Surroundings and the clay court in perspective.
    QLinearGradient sky(0, 0, 0, h);
    sky.setColorAt(0, QColor(40, 110, 60));
    sky.setColorAt(1, QColor(20, 70, 35));
    p.fillRect(picture.rect(), sky);
    QPolygonF court;
    court << QPointF(w * 0.30, h * 0.16) << QPointF(w * 0.70, h * 0.16)
          << QPointF(w * 0.92, h * 0.94) << QPointF(w * 0.08, h * 0.94);
    p.setBrush(QColor(196, 98, 52));
    p.setPen(Qt::NoPen);
    p.drawPolygon(court);

    // The lines: outer, doubles alleys, service lines and the centre line.
    p.setPen(QPen(Qt::white, qMax(1.5, w / 200)));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(court);
    auto along = [&](double t, double from, double to) {
        double left = w * (0.30 + (0.08 - 0.30) * t);
        double right = w * (0.70 + (0.92 - 0.70) * t);
        return QPointF(left + (right - left) * from, h * (0.16 + 0.78 * t)) + QPointF(0, 0) * to;
    };
    auto line = [&](double t1, double f1, double t2, double f2) {
        p.drawLine(along(t1, f1, 0), along(t2, f2, 0));
    };
    line(0, 0.125, 1, 0.125);
    line(0, 0.875, 1, 0.875);
    line(0.22, 0.125, 0.22, 0.875);
    line(0.78, 0.125, 0.78, 0.875);
    line(0.22, 0.5, 0.78, 0.5);

    // The net across the middle.
    QPointF netLeft = along(0.5, -0.03, 0);
    QPointF netRight = along(0.5, 1.03, 0);
    p.setPen(QPen(QColor(30, 30, 30), qMax(1.0, w / 300)));
    for (int i = 0; i <= 24; ++i) {
        QPointF x = netLeft + (netRight - netLeft) * (i / 24.0);
        p.drawLine(x, x - QPointF(0, h * 0.07));
    }
    p.setPen(QPen(Qt::white, qMax(2.0, w / 120)));
    p.drawLine(netLeft - QPointF(0, h * 0.07), netRight - QPointF(0, h * 0.07));

    // A ball in flight with its trail.
    QPainterPath trail;
    trail.moveTo(w * 0.18, h * 0.80);
    trail.quadTo(w * 0.45, h * 0.05, w * 0.78, h * 0.30);
    p.setPen(QPen(QColor(255, 255, 255, 110), qMax(1.0, w / 160), Qt::DashLine));
    p.drawPath(trail);
    QPointF ballCentre(w * 0.78, h * 0.30);
    double r = qMax(4.0, w / 28);
    QRadialGradient ball(ballCentre - QPointF(r / 3, r / 3), r * 1.2);
    ball.setColorAt(0, QColor(245, 255, 140));
    ball.setColorAt(1, QColor(170, 200, 20));
    p.setPen(Qt::NoPen);
    p.setBrush(ball);
    p.drawEllipse(ballCentre, r, r);
    p.setPen(QPen(Qt::white, qMax(1.0, r / 5)));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(ballCentre.x() - r * 1.6, ballCentre.y() - r * 0.8, r * 1.6, r * 1.6),
              -60 * 16, 120 * 16);
    p.drawArc(QRectF(ballCentre.x(), ballCentre.y() - r * 0.8, r * 1.6, r * 1.6), 120 * 16,
              120 * 16);

    // The name.
    QFont title = p.font();
    title.setBold(true);
    title.setPixelSize(qMax(10, static_cast<int>(h / 7)));
    title.setLetterSpacing(QFont::AbsoluteSpacing, h / 30);
    p.setFont(title);
    p.setPen(QColor(0, 0, 0, 120));
    p.drawText(QRectF(2, 2, w, h * 0.16), Qt::AlignCenter, "TOLVEX");
    p.setPen(QColor(255, 250, 220));
    p.drawText(QRectF(0, 0, w, h * 0.16), Qt::AlignCenter, "TOLVEX");
    return picture;
}
