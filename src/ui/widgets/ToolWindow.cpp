// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "ToolWindow.h"

#include "Look.h"

#include <QApplication>
#include <QByteArray>
#include <QEvent>
#include <QKeyEvent>
#include <QScreen>
#include <QWidget>

#include <vector>

namespace kovaq {
namespace {

const QString KeeperName = QStringLiteral("ToolWindowKeeper");

class ToolWindowKeeper : public QObject {
  public:
    ToolWindowKeeper(QWidget& window, QString& place, const QWidget* main, bool preferLeft)
        : QObject(&window), m_window(window), m_place(place), m_main(main),
          m_preferLeft(preferLeft) {
        setObjectName(KeeperName);
        window.installEventFilter(this);
        // Qt's own reading brings a place that is on no screen now back onto one.
        if (!place.isEmpty())
            m_placed = window.restoreGeometry(QByteArray::fromBase64(place.toLatin1()));
    }

    void bringUp() {
        if (!m_placed)
            placeFirst();
        if (m_window.isMinimized())
            m_window.setWindowState(m_window.windowState() & ~Qt::WindowMinimized);
        m_window.show();
        m_window.raise();
        m_window.activateWindow();
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != &m_window)
            return false;
        switch (event->type()) {
        case QEvent::KeyPress:
            // Keys the window's fields did not take; an editor open in a table takes its
            // own Escape first.
            if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape &&
                static_cast<QKeyEvent*>(event)->modifiers() == Qt::NoModifier) {
                m_window.close();
                return true;
            }
            break;
        case QEvent::Move:
        case QEvent::Resize:
            // Only a window on the screen has a place of its own to keep.
            if (m_window.isVisible() && !m_window.isMinimized()) {
                m_place = QString::fromLatin1(m_window.saveGeometry().toBase64());
                m_placed = true;
            }
            break;
        default:
            break;
        }
        return false;
    }

  private:
    void placeFirst() {
        m_window.adjustSize();
        MoveBesideMain(&m_window, m_main, m_preferLeft);
        // Beside the main window, but not over another tool window already up: under it,
        // or on the other side, where there is room; stepped across when there is none.
        std::vector<QRect> others;
        for (const QWidget* other : QApplication::topLevelWidgets())
            if (other != &m_window && other->isVisible() &&
                other->findChild<QObject*>(KeeperName, Qt::FindDirectChildrenOnly))
                others.push_back(other->frameGeometry());
        const QScreen* screen = m_main ? m_main->screen() : m_window.screen();
        if (others.empty() || !screen)
            return placed();
        const QRect area = screen->availableGeometry();
        const QSize size = m_window.frameGeometry().size();
        const auto free = [&](const QPoint& at) {
            const QRect r(at, size);
            if (!area.contains(r))
                return false;
            for (const QRect& o : others)
                if (o.intersects(r))
                    return false;
            return m_main == nullptr || !m_main->frameGeometry().intersects(r);
        };
        std::vector<QPoint> tries{m_window.pos()};
        if (m_main) {
            const QRect main = m_main->frameGeometry();
            tries.push_back(PlaceBeside(main, size, area, !m_preferLeft));
        }
        for (const QRect& o : others)
            tries.push_back({o.left(), o.bottom() + 9});
        for (const QPoint& at : tries)
            if (free(at)) {
                m_window.move(at);
                return placed();
            }
        for (int step = 0; step < 8 && !free(m_window.pos()); ++step) {
            bool onOther = false;
            for (const QRect& o : others)
                onOther = onOther || o.topLeft() == m_window.frameGeometry().topLeft();
            if (!onOther)
                break;
            m_window.move(m_window.pos() + QPoint(32, 32));
        }
        placed();
    }
    void placed() { m_placed = true; }

    QWidget& m_window;
    QString& m_place;
    const QWidget* m_main;
    bool m_preferLeft;
    bool m_placed = false;
};

} // namespace

void AdoptToolWindow(QWidget& window, QString& place, const QWidget* main, bool preferLeft) {
    new ToolWindowKeeper(window, place, main, preferLeft);
}

void ShowToolWindow(QWidget& window) {
    if (QObject* keeper = window.findChild<QObject*>(KeeperName, Qt::FindDirectChildrenOnly))
        static_cast<ToolWindowKeeper*>(keeper)->bringUp();
    else {
        window.show();
        window.raise();
        window.activateWindow();
    }
}

} // namespace kovaq
