// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "Look.h"

#include "FieldMetrics.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QScreen>

#include <algorithm>

namespace kovaq {

namespace look {

QFont windowFont() {
    return WindowFont();
}

QFont boldFont(int pixels) {
    QFont f = windowFont();
    f.setPixelSize(pixels);
    f.setBold(true);
    return f;
}

QFont sansSerifFont(int pixels, bool bold) {
    QFont f;
    f.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                   QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

QColor colour(const Rgb& rgb) {
    return QColor(rgb.r, rgb.g, rgb.b);
}

QColor disabledTextColour() {
    return QColor(128, 128, 128);
}

void setFieldBackground(QWidget* field, bool missing) {
    QPalette p = field->palette();
    const QColor c = colour(missing ? MissingFieldColour : NormalFieldColour);
    if (p.color(QPalette::Base) == c)
        return;
    p.setColor(QPalette::Base, c);
    p.setColor(QPalette::Button, c);
    field->setPalette(p);
}

void setTextColour(QWidget* label, const QColor& c) {
    // Only the colours of an enabled label: a greyed one stays grey, red or not.
    QPalette p = label->palette();
    if (p.color(QPalette::Active, QPalette::WindowText) == c &&
        p.color(QPalette::Inactive, QPalette::WindowText) == c)
        return;
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(g, QPalette::WindowText, c);
        p.setColor(g, QPalette::Text, c);
    }
    label->setPalette(p);
}

ApplicationFontWhileBuilding::ApplicationFontWhileBuilding(const QFont& font)
    : m_saved(QApplication::font()) {
    QApplication::setFont(font);
}

ApplicationFontWhileBuilding::~ApplicationFontWhileBuilding() {
    QApplication::setFont(m_saved);
}

void makeGroup(QGroupBox* group) {
    group->setAutoFillBackground(true);
    QPalette p = group->palette();
    p.setColor(QPalette::Window, colour(GroupColour));
    // Greyed captions in the classic look: dark grey with a white edge, readable on silver.
    p.setColor(QPalette::Disabled, QPalette::WindowText, disabledTextColour());
    p.setColor(QPalette::Disabled, QPalette::Text, disabledTextColour());
    p.setColor(QPalette::Disabled, QPalette::Light, Qt::white);
    group->setPalette(p);
    group->setFont(windowFont());
}

QLabel* label(QWidget* parent, const QString& text, int x, int y, int w, int h) {
    auto* l = new QLabel(text, parent);
    l->setFont(parent->font());
    if (w < 0)
        w = QFontMetrics(l->font()).horizontalAdvance(text) + 2;
    l->setGeometry(x, y, w, h);
    return l;
}

} // namespace look

QPoint PlaceBeside(const QRect& main, const QSize& size, const QRect& area, bool preferLeft) {
    const int right = main.right() + 9;
    const int left = main.left() - 9 - size.width() + 1;
    const bool rightFits = right + size.width() - 1 <= area.right();
    const bool leftFits = left >= area.left();
    QPoint at(right, main.top());
    if ((preferLeft && leftFits) || !rightFits)
        at.setX(std::max(area.left(), left));
    at.setY(
        std::clamp(at.y(), area.top(), std::max(area.top(), area.bottom() - size.height() + 1)));
    return at;
}

void MoveBesideMain(QWidget* window, const QWidget* main, bool preferLeft) {
    const QScreen* screen = main ? main->screen() : window->screen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1 << 15, 1 << 15);
    const QRect mainFrame = main ? main->frameGeometry() : window->frameGeometry();
    window->move(PlaceBeside(mainFrame, window->frameGeometry().size(), area, preferLeft));
}

} // namespace kovaq
