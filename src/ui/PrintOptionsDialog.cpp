// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "PrintOptionsDialog.h"
#include "QtText.h"

#include "Icons.h"
#include "PrintJob.h"
#include "PrintProgress.h"
#include "ReportRenderer.h"
#include "ScopeExit.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>

namespace kovaq {

namespace {
// The warnings as written, translated where they are shown.
//: Centred by the leading blanks in a hint over the page's preview.
const char* const kImageWarning =
    QT_TRANSLATE_NOOP("kovaq::PrintOptionsDialog", "     Image Will Not Fit This Size Paper -\n"
                                                   "            And Will Be Cropped\n"
                                                   "\n"
                                                   "   Click On Page To Clear This Message\n"
                                                   "  Or Change Size Of Image/Margins/Page");
//: Centred by the leading blanks in a hint over the page's preview.
const char* const kTextWarning =
    QT_TRANSLATE_NOOP("kovaq::PrintOptionsDialog", "     Text Will Not Fit This Size Paper - \n"
                                                   "           Printer May Wrap Lines \n"
                                                   "       Or Print More Than One Page\n"
                                                   "\n"
                                                   "  Click On Page To Clear This Message \n"
                                                   " Or Change Size Of Text/Margins/Page ");
} // namespace

const QString PrintOptionsDialog::ImageWarning = QString::fromUtf8(kImageWarning);
const QString PrintOptionsDialog::TextWarning = QString::fromUtf8(kTextWarning);

InkExtent ScanInk(const QImage& canvas) {
    const QImage img = canvas.convertToFormat(QImage::Format_RGB32);
    InkExtent ink;
    for (int y = 0; y < img.height() - 10; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < img.width() - 1; ++x) {
            if ((row[x] & 0xFFFFFF) != 0xFFFFFF) {
                ink.maxX = std::max(ink.maxX, x);
                ink.maxY = std::max(ink.maxY, y);
            }
        }
    }
    return ink;
}

namespace {

// Where the controls stand; those below the page preview relative to its bottom.
namespace place {
constexpr int width = PrintOptionsDialog::DialogWidth;
constexpr QRect intro(10, 8, width - 40, 16);
constexpr QPoint help(width - 30, 6);
constexpr QRect summary(30, 30, 100, 20);
constexpr QRect details(160, 30, 100, 20);
constexpr QRect image(280, 30, 120, 20);
constexpr QRect preview(30, 54, 60, 16);
constexpr QRect paperSize(90, 54, 260, 16);
constexpr int panelTop = 76;
constexpr QRect notes(20, 0, 130, 20);
constexpr QRect unused(170, 0, 220, 20);
constexpr QRect leftCaption(20, 26, 120, 16);
constexpr QRect topCaption(150, 26, 120, 16);
constexpr QRect left(20, 42, 120, 22);
constexpr QRect top(150, 42, 120, 22);
constexpr QRect sizeCaption(280, 26, 120, 16);
constexpr QRect size(280, 42, 120, 22);
constexpr QRect print(width / 2 - 110, 86, 100, 28);
constexpr QRect cancel(width / 2 + 10, 86, 100, 28);
} // namespace place

QLabel* text(QWidget* parent, const QString& t, const char* name) {
    auto* l = new QLabel(t, parent);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

QComboBox* combo(QWidget* parent, const QStringList& items, const char* name) {
    auto* c = new QComboBox(parent);
    c->addItems(items);
    c->setObjectName(QString::fromLatin1(name));
    return c;
}

} // namespace

PrintOptionsDialog::PrintOptionsDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TForm2"));
    setWindowTitle(tr("Printing Options"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setModal(true);
    buildKindAndPreview();
    buildChoices();
    connectControls();
    resize(DialogWidth, 500);
}

void PrintOptionsDialog::buildKindAndPreview() {
    text(this, tr("You Have 3 Options For Printing - Please Choose One"), "StaticText1")
        ->setGeometry(place::intro);
    auto* help = new HelpIcon(this);
    help->setObjectName(QStringLiteral("Image2"));
    help->move(place::help);
    connect(help, &HelpIcon::clicked, this, [this] {
        if (m_host.help)
            m_host.help();
    });
    m_summary = new QRadioButton(tr("Summary"), this);
    m_summary->setObjectName(QStringLiteral("RadioButton1"));
    m_summary->setGeometry(place::summary);
    m_summary->setChecked(true);
    m_details = new QRadioButton(tr("Details"), this);
    m_details->setObjectName(QStringLiteral("RadioButton2"));
    m_details->setGeometry(place::details);
    m_image = new QRadioButton(tr("Screen Image"), this);
    m_image->setObjectName(QStringLiteral("RadioButton3"));
    m_image->setGeometry(place::image);
    text(this, tr("Preview"), "StaticText3")->setGeometry(place::preview);
    m_paperSize = text(this, QString(), "StaticText2");
    m_paperSize->setGeometry(place::paperSize);

    m_shadow = new QFrame(this);
    m_shadow->setObjectName(QStringLiteral("Shape2"));
    m_shadow->setAutoFillBackground(true);
    QPalette grey = m_shadow->palette();
    grey.setColor(QPalette::Window, QColor(128, 128, 128));
    m_shadow->setPalette(grey);
    m_panel = new QFrame(this);
    m_panel->setObjectName(QStringLiteral("Panel1"));
    m_panel->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_panel->setAutoFillBackground(true);
    QPalette white = m_panel->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    m_panel->setPalette(white);
    m_previewImage = new QLabel(m_panel);
    m_previewImage->setObjectName(QStringLiteral("Image1"));
    m_panel->installEventFilter(this);
    m_previewImage->installEventFilter(this);
}

void PrintOptionsDialog::buildChoices() {
    m_notes = new QCheckBox(tr("Include Notes"), this);
    m_notes->setObjectName(QStringLiteral("CheckBox1"));
    m_notes->setChecked(true);
    m_unused = new QCheckBox(tr("Include Unused Ingredients"), this);
    m_unused->setObjectName(QStringLiteral("CheckBox2"));
    const QStringList margins = {tr("Printer Minimum"), tr("Narrow (0.125\")"),
                                 tr("Normal (0.25\")"), tr("Wide (0.5\")"), tr("Ex Wide (0.75\")")};
    m_leftCaption = text(this, tr("Left Margin"), "StaticText4");
    m_topCaption = text(this, tr("Top Margin"), "StaticText5");
    m_left = combo(this, margins, "ComboBox1");
    m_top = combo(this, margins, "ComboBox2");
    m_sizeCaption = text(this, tr("Text Size"), "StaticText6");
    m_textSize = combo(
        this, {tr("v. Small (8pt)"), tr("Small (10pt)"), tr("Normal (12pt)"), tr("Large (14pt)")},
        "ComboBox3");
    m_imageSize =
        combo(this, {tr("25%"), tr("50%"), tr("75%"), tr("100%"), tr("FitToPage")}, "ComboBox4");
    m_print = new QPushButton(tr("Print"), this);
    m_print->setObjectName(QStringLiteral("BitBtn1"));
    m_cancel = new QPushButton(tr("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("BitBtn2"));
}

void PrintOptionsDialog::connectControls() {
    m_timer.setParent(this);
    m_timer.setObjectName(QStringLiteral("Timer1"));
    m_timer.setSingleShot(true);
    m_timer.setInterval(10);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        onKind();
        m_cancel->setFocus();
        QCursor::setPos(m_summary->mapToGlobal(QPoint(0, 0)));
    });
    for (QRadioButton* r : {m_summary, m_details, m_image})
        connect(r, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                onKind();
        });
    for (QCheckBox* c : {m_notes, m_unused})
        connect(c, &QCheckBox::toggled, this, &PrintOptionsDialog::refresh);
    for (QComboBox* c : {m_left, m_top, m_textSize, m_imageSize})
        connect(c, &QComboBox::currentIndexChanged, this, &PrintOptionsDialog::refresh);
    connect(m_print, &QPushButton::clicked, this, [this] { printNow(); });
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

PrintOptionsDialog::Kind PrintOptionsDialog::kind() const {
    if (m_details->isChecked())
        return Kind::Details;
    if (m_image->isChecked())
        return Kind::ScreenImage;
    return Kind::Summary;
}

void PrintOptionsDialog::prepare(QPrinter& printer, const QImage& capture, int screenPpi) {
    m_printer = &printer;
    m_capture = capture;
    for (QComboBox* c : {m_left, m_top, m_textSize, m_imageSize})
        c->blockSignals(true);
    m_left->setCurrentIndex(m_options.LeftMargin);
    m_top->setCurrentIndex(m_options.TopMargin);
    m_textSize->setCurrentIndex(m_options.TextSize);
    m_imageSize->setCurrentIndex(m_options.ImageSize);
    for (QComboBox* c : {m_left, m_top, m_textSize, m_imageSize})
        c->blockSignals(false);
    m_metrics = MetricsOf(printer, screenPpi, DialogWidth);
    m_paperSize->setText(ToQString(m_metrics.PaperSizeText()));

    const int panelH = Nearest(m_metrics.ppi * m_metrics.inH / m_metrics.previewScale);
    const int panelW = Nearest(m_metrics.ppi * m_metrics.inW / m_metrics.previewScale);
    const int panelTop = place::panelTop;
    const int panelLeft = (DialogWidth - (panelW + 5)) / 2;
    m_panel->setGeometry(panelLeft, panelTop, panelW, panelH);
    m_shadow->setGeometry(panelLeft + 6, panelTop + 6, panelW, panelH);
    // Everything below the page stands at the same places relative to it.
    const QPoint below(0, panelTop + panelH + 14);
    const std::pair<QWidget*, QRect> places[] = {
        {m_notes, place::notes},
        {m_unused, place::unused},
        {m_leftCaption, place::leftCaption},
        {m_topCaption, place::topCaption},
        {m_left, place::left},
        {m_top, place::top},
        {m_sizeCaption, place::sizeCaption},
        {m_textSize, place::size},
        {m_imageSize, place::size},
        {m_print, place::print},
        {m_cancel, place::cancel},
    };
    for (const auto& [w, r] : places)
        w->setGeometry(r.translated(below));
    setFixedSize(DialogWidth, panelTop + panelH + 163);
    if (parentWidget())
        move(parentWidget()->geometry().center() - rect().center());
    m_timer.start();
}

void PrintOptionsDialog::onKind() {
    switch (kind()) {
    case Kind::Summary:
        m_notes->setEnabled(true);
        m_unused->setEnabled(false);
        m_textSize->setVisible(true);
        m_imageSize->setVisible(false);
        m_sizeCaption->setText(tr("Text Size"));
        break;
    case Kind::Details:
        m_notes->setEnabled(true);
        m_unused->setEnabled(true);
        m_textSize->setVisible(true);
        m_imageSize->setVisible(false);
        m_sizeCaption->setText(tr("Text Size"));
        break;
    case Kind::ScreenImage:
        m_notes->setEnabled(false);
        m_unused->setEnabled(false);
        m_textSize->setVisible(false);
        m_imageSize->setVisible(true);
        m_sizeCaption->setText(tr("Image Size"));
        break;
    }
    refresh();
}

void PrintOptionsDialog::refresh() {
    if (!m_printer)
        return;
    m_margins = ComputeMargins(m_metrics, m_left->currentIndex(), m_top->currentIndex());
    const double s = m_metrics.previewScale;
    m_previewImage->move(Nearest(m_margins.leftScr / s), Nearest(m_margins.topScr / s));
    const int pointSize = ReportPointSize(m_textSize->currentIndex());
    m_imageScale = ImageScaleFor(m_imageSize->currentIndex());
    if (kind() != Kind::ScreenImage && m_host.reportInputs) {
        const ReportInputs in =
            m_host.reportInputs(m_notes->isChecked(), m_unused->isChecked(), pointSize);
        if (kind() == Kind::Summary)
            BuildSummaryReport(m_doc, in);
        else
            BuildDetailsReport(m_doc, in);
    }
    preview();
}

void PrintOptionsDialog::preview() {
    QImage canvas(1500, 1500, QImage::Format_RGB32);
    const int dpm = static_cast<int>(m_metrics.ppi / 0.0254 + 0.5);
    canvas.setDotsPerMeterX(dpm);
    canvas.setDotsPerMeterY(dpm);
    canvas.fill(Qt::white);
    {
        QPainter p(&canvas);
        if (kind() == Kind::ScreenImage) {
            if (m_imageScale == 0 && !m_capture.isNull())
                m_imageScale = std::min(static_cast<double>(m_margins.availW) / m_capture.width(),
                                        static_cast<double>(m_margins.availH) / m_capture.height());
            p.setRenderHint(QPainter::SmoothPixmapTransform);
            p.drawImage(QRect(0, 0, Nearest(m_capture.width() * m_imageScale),
                              Nearest(m_capture.height() * m_imageScale)),
                        m_capture);
        } else {
            // 1500 x 1440 / ppi twips each way: the canvas's own size at screen resolution.
            const int twips = 1500 * 1440 / m_metrics.ppi;
            const int side = twips * m_metrics.ppi / 1440;
            RenderReport(p, m_doc, QRect(0, 0, side, side));
        }
    }
    m_ink = ScanInk(canvas);
    if (!ContentFits(m_margins, m_ink))
        showWarning(tr(kind() == Kind::ScreenImage ? kImageWarning : kTextWarning));
    else
        hideWarning();

    // The paper may be larger than the canvas (A3, Tabloid): beyond it the paper is white.
    QImage paper(std::max(1, m_metrics.pagePxW), std::max(1, m_metrics.pagePxH),
                 QImage::Format_RGB32);
    paper.fill(Qt::white);
    {
        QPainter p(&paper);
        p.drawImage(QPoint(0, 0), canvas);
    }
    const QImage page =
        paper.scaled(m_panel->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const double s = m_metrics.previewScale;
    const QImage shown =
        page.copy(0, 0, Nearest(m_margins.availW / s), Nearest(m_margins.availH / s));
    m_previewImage->setPixmap(QPixmap::fromImage(shown));
    m_previewImage->resize(shown.size());
}

void PrintOptionsDialog::showWarning(const QString& text) {
    if (m_host.beep)
        m_host.beep();
    hideWarning();
    m_warningShown = true;
    QLabel* hint = m_host.hint;
    if (!hint)
        return;
    hint->setText(text);
    hint->setMaximumWidth(250);
    hint->adjustSize();
    hint->move(m_panel->mapToGlobal(QPoint(10, 10)));
    hint->show();
    hint->raise();
}

void PrintOptionsDialog::hideWarning() {
    if (m_warningShown && m_host.hint)
        m_host.hint->hide();
    m_warningShown = false;
}

bool PrintOptionsDialog::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == m_panel || watched == m_previewImage) &&
        event->type() == QEvent::MouseButtonPress)
        hideWarning();
    return QDialog::eventFilter(watched, event);
}

void PrintOptionsDialog::keyPressEvent(QKeyEvent* event) {
    // F1 reaches the dialog from whichever control has the focus.
    if (event->key() == Qt::Key_F1 && m_host.help) {
        m_host.help();
        return;
    }
    QDialog::keyPressEvent(event);
}

void PrintOptionsDialog::copyOptionsBack() {
    m_options.LeftMargin = m_left->currentIndex();
    m_options.TopMargin = m_top->currentIndex();
    m_options.TextSize = m_textSize->currentIndex();
    m_options.ImageSize = m_imageSize->currentIndex();
}

void PrintOptionsDialog::done(int result) {
    copyOptionsBack();
    hideWarning();
    m_timer.stop();
    QDialog::done(result);
}

bool PrintOptionsDialog::printNow() {
    copyOptionsBack();
    if (!m_printer)
        return false;
    const bool ok = kind() == Kind::ScreenImage ? printScreenImage() : printReport();
    accept();
    return ok;
}

void PrintOptionsDialog::reportError(const QString& text) {
    if (m_host.error)
        m_host.error(text);
}

bool PrintOptionsDialog::printReport() {
    const QString error = PrintReport(*m_printer, m_doc, m_metrics, m_margins);
    if (!error.isEmpty())
        reportError(error);
    return error.isEmpty();
}

bool PrintOptionsDialog::printScreenImage() {
    bool ok = false;
    {
        // Disabled, with the progress window and its worker, only while it prints, even when
        // the printer throws.
        setEnabled(false);
        if (m_host.progress)
            m_host.progress->showOver(parentWidget() ? parentWidget() : this);
        if (m_host.ticker)
            m_host.ticker->resumeTicker();
        const ScopeExit restore([this] {
            if (m_host.ticker)
                m_host.ticker->pauseTicker();
            if (m_host.progress)
                m_host.progress->close();
            setEnabled(true);
        });
        // Between bands the worker's steps reach the bar, so the person sees it move.
        ok = PrintImage(*m_printer, m_capture, m_imageScale, m_metrics, m_margins, [] {
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        });
    }
    if (!ok)
        reportError(tr("Printer is not available."));
    return ok;
}

} // namespace kovaq
