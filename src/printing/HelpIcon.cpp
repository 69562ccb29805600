// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "HelpIcon.h"

#include <QMouseEvent>
#include <QPainter>

namespace kovaq {

HelpIcon::HelpIcon(QWidget* parent) : QWidget(parent) {
    setFixedSize(20, 20);
    setCursor(Qt::PointingHandCursor);
    setToolTip(QStringLiteral("Help"));
}

void HelpIcon::paintIcon(QPainter& painter, const QRect& rect) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QRadialGradient glow(rect.center() - QPointF(rect.width() / 5.0, rect.height() / 5.0),
                         rect.width() * 0.7);
    glow.setColorAt(0, QColor(120, 190, 255));
    glow.setColorAt(1, QColor(20, 80, 170));
    painter.setPen(QPen(QColor(255, 255, 255), 1.2));
    painter.setBrush(glow);
    painter.drawEllipse(QRectF(rect).adjusted(1, 1, -1, -1));
    QFont f(QStringLiteral("Arial"));
    f.setBold(true);
    f.setPixelSize(rect.height() * 7 / 10);
    painter.setFont(f);
    painter.setPen(Qt::white);
    painter.drawText(rect, Qt::AlignCenter, QStringLiteral("?"));
    painter.restore();
}

void HelpIcon::paintEvent(QPaintEvent*) {
    QPainter p(this);
    paintIcon(p, rect());
}

void HelpIcon::mouseReleaseEvent(QMouseEvent* event) {
    if (rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}

} // namespace kovaq
