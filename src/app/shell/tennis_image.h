#pragma once
// The program's picture: a tennis court seen from above with a ball in flight.

#include <QPixmap>
#include <QSize>

QPixmap TennisImage(QSize size);
