// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "Backdrop.h"

#include <QPaintEvent>
#include <QPainter>

namespace kovaq {
namespace {

struct Bubble {
    QPointF centre;
    qreal radius;
};
// Where the bubbles stand in the 748 by 785 picture.
constexpr Bubble kBubbles[] = {
    {{600, 122}, 140}, {{250, 200}, 31}, {{380, 420}, 51}, {{120, 650}, 111}, {{690, 600}, 41},
};
constexpr qreal kSoftEdge = 7; // how far a bubble's rim fades, each way

} // namespace

Backdrop::Backdrop(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent); // it covers every pixel it is given
}

void Backdrop::Paint(QPainter& p, const QRect& area) {
    p.save();
    p.translate(area.topLeft());
    p.scale(area.width() / qreal(PictureSize.width()), area.height() / qreal(PictureSize.height()));
    QLinearGradient night(0, 0, 0, PictureSize.height() - 1);
    night.setColorAt(0, QColor(22, 52, 72));
    night.setColorAt(1, QColor(59, 29, 73));
    p.fillRect(QRect(QPoint(0, 0), PictureSize), night);
    p.setPen(Qt::NoPen);
    p.setRenderHint(QPainter::Antialiasing);
    for (const Bubble& b : kBubbles) {
        const qreal outer = b.radius + kSoftEdge;
        QRadialGradient glow(b.centre, outer);
        const QColor light(255, 255, 255, 15);
        glow.setColorAt(0, light);
        glow.setColorAt((b.radius - kSoftEdge) / outer, light);
        glow.setColorAt(1, QColor(255, 255, 255, 0));
        p.setBrush(glow);
        p.drawEllipse(b.centre, outer, outer);
    }
    p.restore();
}

void Backdrop::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    p.setClipRegion(event->region());
    Paint(p, rect());
}

} // namespace kovaq
