// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include <QWidget>

namespace kovaq {

// The main window's background: night blue fading to plum, with a few soft bubbles. It is
// painted, not decoded: nothing to read at start, no picture held in memory, and sharp at
// any screen scale. The picture is 748 by 785 and is stretched to the widget's size.
class Backdrop : public QWidget {
  public:
    explicit Backdrop(QWidget* parent);
    static constexpr QSize PictureSize{748, 785};
    // The picture in `area` of a painter's device.
    static void Paint(QPainter& painter, const QRect& area);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace kovaq
