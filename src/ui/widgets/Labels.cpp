// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "Labels.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWheelEvent>

namespace kovaq {

HintLabel::HintLabel()
    : QLabel(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
}

void HintLabel::passOn(QEvent* event, const QPointF& globalPos) {
    hide();
    QWidget* under = QApplication::widgetAt(globalPos.toPoint());
    if (!under || under == this)
        return;
    const QPointF local = under->mapFromGlobal(globalPos);
    if (event->type() == QEvent::Wheel) {
        const auto* w = static_cast<QWheelEvent*>(event);
        QWheelEvent copy(local, globalPos, w->pixelDelta(), w->angleDelta(), w->buttons(),
                         w->modifiers(), w->phase(), w->inverted());
        QCoreApplication::sendEvent(under, &copy);
        return;
    }
    const auto* m = static_cast<QMouseEvent*>(event);
    if (m->type() == QEvent::MouseButtonPress) {
        // A press hands the focus over as a real click would.
        for (QWidget* f = under; f; f = f->parentWidget()) {
            if (f->isEnabled() && (f->focusPolicy() & Qt::ClickFocus)) {
                f->setFocus(Qt::MouseFocusReason);
                break;
            }
            if (f->isWindow())
                break;
        }
    }
    QMouseEvent copy(m->type(), local, globalPos, m->button(), m->buttons(), m->modifiers());
    QCoreApplication::sendEvent(under, &copy);
}

void HintLabel::mousePressEvent(QMouseEvent* event) {
    passOn(event, event->globalPosition());
}
void HintLabel::mouseReleaseEvent(QMouseEvent* event) {
    passOn(event, event->globalPosition());
}
void HintLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    passOn(event, event->globalPosition());
}
void HintLabel::wheelEvent(QWheelEvent* event) {
    passOn(event, event->globalPosition());
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}

} // namespace kovaq
