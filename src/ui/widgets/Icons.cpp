// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "Icons.h"

#include <QIconEngine>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>

namespace kovaq {

namespace {

// The round, lit badge the header's icons stand on, in a 20 x 20 drawing space; the caller
// draws its sign on it and restores the painter.
void beginBadge(QPainter& p, const QRect& rect, const QColor& light, const QColor& dark) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(rect.topLeft());
    p.scale(rect.width() / 20.0, rect.height() / 20.0);
    QRadialGradient glow(QPointF(7, 7), 14);
    glow.setColorAt(0, light);
    glow.setColorAt(1, dark);
    p.setPen(QPen(Qt::white, 1.2));
    p.setBrush(glow);
    p.drawEllipse(QRectF(1, 1, 18, 18));
}

} // namespace

PaintedIcon::PaintedIcon(Paint paint, const QString& hint, QWidget* parent)
    : QAbstractButton(parent), m_paint(paint) {
    setFixedSize(20, 20);
    setCursor(Qt::PointingHandCursor);
    setToolTip(hint);
    setFocusPolicy(Qt::TabFocus);
    // The name without the keys the hint shows.
    setAccessibleName(QString(hint).remove(QRegularExpression(QStringLiteral("\\s*\\(.*\\)$"))));
}

void PaintedIcon::paintEvent(QPaintEvent*) {
    QPainter p(this);
    m_paint(p, rect());
    if (hasFocus()) {
        // Where the keyboard is: a ring around the ball.
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(255, 230, 120), 1.5, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(rect()).adjusted(0.75, 0.75, -0.75, -0.75));
    }
}

void PaintedIcon::keyPressEvent(QKeyEvent* event) {
    // Enter presses it as Space does.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        !event->isAutoRepeat()) {
        animateClick();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

HelpIcon::HelpIcon(QWidget* parent)
    : PaintedIcon(&HelpIcon::paintIcon, HelpIcon::tr("Help"), parent) {}

MenuIcon::MenuIcon(QWidget* parent)
    : PaintedIcon(&MenuIcon::paintIcon, MenuIcon::tr("Menu"), parent) {}

void MenuIcon::paintIcon(QPainter& p, const QRect& rect) {
    beginBadge(p, rect, QColor(200, 200, 215), QColor(90, 90, 115));
    p.setPen(QPen(Qt::white, 1.6, Qt::SolidLine, Qt::RoundCap));
    for (qreal y : {6.5, 10.0, 13.5})
        p.drawLine(QPointF(6, y), QPointF(14, y));
    p.restore();
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

ScalesIcon::ScalesIcon(QWidget* parent)
    : PaintedIcon(&ScalesIcon::paintIcon, ScalesIcon::tr("Mix By Weight (Ctrl+G)"), parent) {
    setAccessibleName(tr("Mix By Weight"));
}

void ScalesIcon::paintIcon(QPainter& p, const QRect& rect) {
    beginBadge(p, rect, QColor(150, 230, 140), QColor(40, 130, 60));
    p.setPen(QPen(Qt::white, 1.3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10, 5), QPointF(10, 14)); // the post
    p.drawLine(QPointF(5, 7), QPointF(15, 7));   // the beam
    p.drawLine(QPointF(7, 15), QPointF(13, 15)); // the foot
    QPainterPath pans;
    pans.moveTo(3, 11);
    pans.quadTo(5, 13.5, 7, 11);
    pans.moveTo(13, 11);
    pans.quadTo(15, 13.5, 17, 11);
    p.drawPath(pans);
    p.drawLine(QPointF(5, 7), QPointF(3.5, 11));
    p.drawLine(QPointF(5, 7), QPointF(6.5, 11));
    p.drawLine(QPointF(15, 7), QPointF(13.5, 11));
    p.drawLine(QPointF(15, 7), QPointF(16.5, 11));
    p.restore();
}

BookIcon::BookIcon(QWidget* parent)
    : PaintedIcon(&BookIcon::paintIcon, BookIcon::tr("Recipes (Ctrl+R)"), parent) {
    setAccessibleName(tr("Recipes"));
}

void BookIcon::paintIcon(QPainter& p, const QRect& rect) {
    beginBadge(p, rect, QColor(255, 214, 120), QColor(196, 120, 20));
    // Two pages meeting at the spine.
    p.setPen(QPen(Qt::white, 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(255, 255, 255, 70));
    QPainterPath pages;
    pages.moveTo(10, 6.5);
    pages.quadTo(7, 5, 4, 6);
    pages.lineTo(4, 14);
    pages.quadTo(7, 13, 10, 14.5);
    pages.quadTo(13, 13, 16, 14);
    pages.lineTo(16, 6);
    pages.quadTo(13, 5, 10, 6.5);
    pages.closeSubpath();
    p.drawPath(pages);
    p.drawLine(QPointF(10, 6.5), QPointF(10, 14.5));
    p.restore();
}

namespace {

void paintBottle(QPainter& p, const QRect& rect) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(rect.topLeft());
    p.scale(rect.width() / 64.0, rect.height() / 64.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1d, 0x34, 0x47));
    p.drawRoundedRect(QRectF(4, 4, 56, 56), 12, 12);
    QPainterPath bottle;
    bottle.moveTo(26, 12);
    bottle.lineTo(38, 12);
    bottle.lineTo(38, 22);
    bottle.lineTo(49, 47);
    bottle.quadTo(50, 54, 43, 54);
    bottle.lineTo(21, 54);
    bottle.quadTo(14, 54, 15, 47);
    bottle.lineTo(26, 22);
    bottle.closeSubpath();
    p.setBrush(QColor(232, 242, 255, 230));
    p.drawPath(bottle);
    QLinearGradient liquid(0, 36, 0, 54);
    liquid.setColorAt(0, QColor(0x9b, 0xe3, 0x6b));
    liquid.setColorAt(1, QColor(0x2f, 0x8f, 0x4e));
    p.setBrush(liquid);
    p.setClipPath(bottle);
    p.drawRect(QRectF(10, 36, 44, 20));
    p.restore();
}

// The bottle drawn at the size asked for, when it is asked for: a start paints only what
// the window's title bar and task switcher take.
class BottleIconEngine : public QIconEngine {
  public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        paintBottle(*painter, rect);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap pix(size);
        pix.fill(Qt::transparent);
        QPainter p(&pix);
        paint(&p, QRect(QPoint(0, 0), size), mode, state);
        return pix;
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        return {{16, 16}, {32, 32}, {48, 48}, {64, 64}};
    }
    QIconEngine* clone() const override { return new BottleIconEngine; }
};

} // namespace

QIcon AppIcon() {
    return QIcon(new BottleIconEngine);
}

} // namespace kovaq
