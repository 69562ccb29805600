// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include "PageMetrics.h"
#include "ReportDocument.h"
#include "Reports.h"

#include <QDialog>
#include <QImage>
#include <QTimer>

#include <functional>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QPrinter;
class QPushButton;
class QRadioButton;

namespace kovaq {

class HelpIcon;
class PrintProgressWindow;
class PrintTicker;

// "Printing Options": the output kind, margins, text or image size, a page preview that
// warns when the content will not fit, and Print.
class PrintOptionsDialog : public QDialog {
    Q_OBJECT
  public:
    enum class Kind { Summary, Details, ScreenImage };

    // What the dialog needs from the program around it.
    struct Host {
        std::function<ReportInputs(bool notes, bool unused, int pointSize)> reportInputs;
        std::function<void()> beep;
        std::function<void()> help;
        std::function<void(const QString&)> error;
        QLabel* hint = nullptr; // the window's shared pop-up hint
        PrintProgressWindow* progress = nullptr;
        PrintTicker* ticker = nullptr;
    };

    explicit PrintOptionsDialog(QWidget* parent);
    void setHost(Host host) { m_host = std::move(host); }

    // Before each showing: the choices, the printer's page, the capture, the sizes.
    void prepare(QPrinter& printer, const QImage& capture, int screenPpi);
    PrintOptions& options() { return m_options; }

    Kind kind() const;
    const PageMetrics& metrics() const { return m_metrics; }
    const MarginMetrics& margins() const { return m_margins; }
    const ReportDocument& document() const { return m_doc; }
    const InkExtent& ink() const { return m_ink; }
    double imageScale() const { return m_imageScale; }
    bool warningShown() const { return m_warningShown; }
    QTimer& firstRefreshTimer() { return m_timer; }

    void refresh();
    // Prints what is chosen and closes; false when the printer failed.
    bool printNow();

    static constexpr int DialogWidth = PrintDialogWidth;
    static const QString ImageWarning;
    static const QString TextWarning;

  protected:
    void done(int result) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void buildKindAndPreview();
    void buildChoices();
    void connectControls();
    void onKind();
    void preview();
    void showWarning(const QString& text);
    void hideWarning();
    void copyOptionsBack();
    bool printReport();
    bool printScreenImage();
    void reportError(const QString& text);

    Host m_host;
    PrintOptions m_options;
    PageMetrics m_metrics;
    MarginMetrics m_margins;
    ReportDocument m_doc;
    InkExtent m_ink;
    QImage m_capture;
    QPrinter* m_printer = nullptr;
    double m_imageScale = 1.0;
    bool m_warningShown = false;
    QTimer m_timer;

    QRadioButton* m_summary = nullptr;
    QRadioButton* m_details = nullptr;
    QRadioButton* m_image = nullptr;
    QLabel* m_paperSize = nullptr;
    QFrame* m_panel = nullptr;
    QLabel* m_previewImage = nullptr;
    QFrame* m_shadow = nullptr;
    QCheckBox* m_notes = nullptr;
    QCheckBox* m_unused = nullptr;
    QComboBox* m_left = nullptr;
    QComboBox* m_top = nullptr;
    QComboBox* m_textSize = nullptr;
    QComboBox* m_imageSize = nullptr;
    QLabel* m_sizeCaption = nullptr;
    QLabel* m_leftCaption = nullptr;
    QLabel* m_topCaption = nullptr;
    QPushButton* m_print = nullptr;
    QPushButton* m_cancel = nullptr;
};

// Largest column and row holding a pixel that is not pure white; the last column and the
// last ten rows are not looked at.
InkExtent ScanInk(const QImage& canvas);

} // namespace kovaq
