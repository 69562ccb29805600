// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "Application.h"

#include "Figures.h"
#include "QtText.h"
#include "Settings.h"

#include "Icons.h"
#include "Version.h"

#include <QApplication>
#include <QGroupBox>
#include <QImageReader>
#include <QPainter>
#include <QPixmapCache>
#include <QStyleFactory>
#include <QStyleOption>
#include <qdrawutil.h>

#include <algorithm>

namespace kovaq {

#if QT_VERSION_MAJOR == 6 && QT_VERSION_MINOR == 4
namespace {

// The group frame's picture, read as the PNG it is. Left to itself, Qt's loader asks every
// image plug-in whether it reads a PNG, which loads all of them (and libjpeg) for one frame.
// Kept in Qt's pixmap cache, which goes with the application, not in a static.
QPixmap groupFramePicture() {
    const QString key = QStringLiteral("kovaq-group-frame");
    QPixmap picture;
    if (QPixmapCache::find(key, &picture))
        return picture;
    QImageReader reader(
        QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png"), "png");
    reader.setAutoDetectImageFormat(false);
    picture = QPixmap::fromImage(reader.read());
    QPixmapCache::insert(key, picture);
    return picture;
}

} // namespace
#endif

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

void KoVaqStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                               QPainter* painter, const QWidget* widget) const {
#if QT_VERSION_MAJOR == 6 && QT_VERSION_MINOR == 4
    // A titled frame as this Qt's Fusion draws it: below the title's line, from the same
    // picture. Other Qt versions and other frames are left to Fusion.
    const auto* group = qobject_cast<const QGroupBox*>(widget);
    if (element == PE_FrameGroupBox && group && !group->isCheckable() &&
        !group->title().isEmpty()) {
        if (const QPixmap picture = groupFramePicture(); !picture.isNull()) {
            constexpr int titleGap = 3;
            const int top =
                titleGap + std::max(baseStyle()->pixelMetric(PM_ExclusiveIndicatorHeight),
                                    option->fontMetrics.height());
            qDrawBorderPixmap(painter, option->rect.adjusted(0, top, 0, 0), QMargins(6, 6, 6, 6),
                              picture);
            return;
        }
    }
#endif
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void ConfigureApplication(QApplication& app) {
    QApplication::setApplicationName(QLatin1String(ApplicationName));
    QApplication::setOrganizationName(QLatin1String(OrganisationName));
    QApplication::setApplicationVersion(ToQString(Version));
    QGuiApplication::setDesktopFileName(QStringLiteral("ko-vaq"));
    QApplication::setStyle(new KoVaqStyle);
    QApplication::setWindowIcon(AppIcon());
    FiguresWithThePoint();
    Q_UNUSED(app);
}

} // namespace kovaq
