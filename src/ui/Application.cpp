// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "Application.h"
#include "QtText.h"

#include "Icons.h"
#include "Version.h"

#include <QApplication>
#include <QPainter>
#include <QStyleFactory>

namespace kovaq {

KoVaqStyle::KoVaqStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

void KoVaqStyle::drawItemText(QPainter* painter, const QRect& rect, int flags, const QPalette& pal,
                              bool enabled, const QString& text,
                              QPalette::ColorRole textRole) const {
    if (enabled || textRole != QPalette::WindowText) {
        QProxyStyle::drawItemText(painter, rect, flags, pal, enabled, text, textRole);
        return;
    }
    // The white edge one pixel right and down, then the grey text over it.
    QPalette edge = pal;
    edge.setColor(QPalette::Disabled, QPalette::WindowText,
                  pal.color(QPalette::Disabled, QPalette::Light));
    QProxyStyle::drawItemText(painter, rect.translated(1, 1), flags, edge, false, text, textRole);
    QProxyStyle::drawItemText(painter, rect, flags, pal, false, text, textRole);
}

void ConfigureApplication(QApplication& app) {
    QApplication::setApplicationName(QStringLiteral("Ko-Vaq"));
    QApplication::setOrganizationName(QStringLiteral("Tresquall"));
    QApplication::setApplicationVersion(ToQString(Version));
    QGuiApplication::setDesktopFileName(QStringLiteral("ko-vaq"));
    QApplication::setStyle(new KoVaqStyle);
    QApplication::setWindowIcon(AppIcon());
    Q_UNUSED(app);
}

} // namespace kovaq
