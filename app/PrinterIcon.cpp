// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "app/PrinterIcon.h"

#include <QApplication>
#include <QPainter>
#include <QPalette>
#include <QPixmap>

namespace {

QPixmap drawPrinter(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    const QPalette pal = QApplication::palette();
    const QColor ink = pal.color(QPalette::WindowText);
    p.setPen(QPen(ink, 1.6));
    // The sheet going in, the body with its paper slot, the printed sheet coming out.
    p.setBrush(pal.color(QPalette::Base));
    p.drawRect(QRectF(9, 3, 14, 9));
    p.setBrush(pal.color(QPalette::Button));
    p.drawRoundedRect(QRectF(3, 11, 26, 12), 2.5, 2.5);
    p.setBrush(ink);
    p.drawEllipse(QPointF(24.5, 15), 1.2, 1.2);
    p.setBrush(pal.color(QPalette::Base));
    p.drawRect(QRectF(9, 19, 14, 10));
    p.drawLine(QPointF(12, 23), QPointF(20, 23));
    p.drawLine(QPointF(12, 26), QPointF(18, 26));
    return pixmap;
}

} // namespace

QIcon printerIcon() {
    QIcon icon;
    for (int size : {16, 22, 32, 48})
        icon.addPixmap(drawPrinter(size));
    return icon;
}
