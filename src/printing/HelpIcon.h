// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include <QWidget>

namespace kovaq {

// The 20 by 20 help icon, drawn rather than loaded.
class HelpIcon : public QWidget {
    Q_OBJECT
  public:
    explicit HelpIcon(QWidget* parent);
    static void paintIcon(QPainter& painter, const QRect& rect);

  Q_SIGNALS:
    void clicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace kovaq
