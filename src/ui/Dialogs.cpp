// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "Dialogs.h"

#include "Icons.h"
#include "Look.h"
#include "Panels.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace kovaq {
namespace {

QLabel* centred(const QString& text, QWidget* parent, bool bold = false, bool underline = false) {
    auto* l = new QLabel(text, parent);
    QFont f = look::windowFont();
    f.setPixelSize(12);
    f.setBold(bold);
    f.setUnderline(underline);
    l->setFont(f);
    l->setAlignment(Qt::AlignHCenter);
    return l;
}

} // namespace

RetainDialog::RetainDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TForm5"));
    setWindowTitle(tr("Retain Some Details?"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint);
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    //: Shown on two lines, broken where the line break stands.
    for (const QString& line : tr("Please Check The Boxes Below If You Would\n"
                                  "Like To Retain Either Or Both Of These Panel's Contents")
                                   .split(QLatin1Char('\n')))
        layout->addWidget(centred(line, this, false, true));
    auto* boxes = new QHBoxLayout;
    m_ingredients = new QCheckBox(tr("Ingredient Details"), this);
    m_ingredients->setObjectName(QStringLiteral("CheckBox1"));
    m_notes = new QCheckBox(tr("Notes"), this);
    m_notes->setObjectName(QStringLiteral("CheckBox2"));
    boxes->addStretch();
    boxes->addWidget(m_ingredients);
    boxes->addSpacing(24);
    boxes->addWidget(m_notes);
    boxes->addStretch();
    layout->addSpacing(8);
    layout->addLayout(boxes);
    layout->addSpacing(8);
    auto* buttons = new QHBoxLayout;
    m_ok = new QPushButton(tr("OK"), this);
    m_ok->setObjectName(QStringLiteral("OkButton"));
    m_ok->setDefault(true);
    m_cancel = new QPushButton(tr("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("CancelButton"));
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    buttons->addStretch();
    layout->addLayout(buttons);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    setFixedSize(sizeHint());
}

void RetainDialog::reject() {
    // Escape and the close box back out: nothing the person typed is wiped.
    done(QDialog::Rejected);
}

namespace {

// "To view the Help file at any time, click on the          icon." with the help icon
// drawn over the blanks that stand for %1 in the line (ten of them, with its spaces).
class IconLine : public QLabel {
  public:
    IconLine(const QString& line, QWidget* parent)
        : QLabel(QString(line).replace(QLatin1String("%1"), gap()), parent),
          m_before(line.left(std::max<qsizetype>(line.indexOf(QLatin1String("%1")), 0))) {
        auto* icon = new HelpIcon(this);
        icon->setFixedSize(14, 14);
        icon->setCursor(Qt::ArrowCursor);
        m_icon = icon;
    }

  protected:
    void resizeEvent(QResizeEvent* e) override {
        QLabel::resizeEvent(e);
        const QFontMetrics fm(font());
        const int textWidth = fm.horizontalAdvance(text());
        const int left = (width() - textWidth) / 2 + fm.horizontalAdvance(m_before);
        // Centred on the blanks between the two words, the space after %1 among them.
        const int blanks = fm.horizontalAdvance(gap() + QLatin1Char(' '));
        m_icon->move(left + (blanks - m_icon->width()) / 2, (height() - m_icon->height()) / 2);
    }

  private:
    static QString gap() { return QStringLiteral("        "); }

    QString m_before; // the line's text left of the icon
    QWidget* m_icon = nullptr;
};

} // namespace

WelcomeDialog::WelcomeDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TForm4"));
    setWindowTitle(tr("Welcome To Ko-Vaq"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint);
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(2);
    layout->addWidget(centred(tr("Ko-Vaq Has Detected That You Are A New User"), this, true, true));
    layout->addSpacing(10);
    //: Shown on two lines, broken where the line break stands.
    for (const QString& line : tr("If you need help getting started, look in the Help file\n"
                                  "under 'How To... Getting Started'")
                                   .split(QLatin1Char('\n')))
        layout->addWidget(centred(line, this));
    layout->addSpacing(10);
    // The help icon stands in the blanks put for %1.
    //: Shown on two lines, broken where the line break stands; %1 is the help icon.
    const QStringList iconLines = tr("To view the Help file at any time, click on the %1 icon.\n"
                                     "located at the top RH corner of the screen, or press F1 key.")
                                      .split(QLatin1Char('\n'));
    auto* iconLine = new IconLine(iconLines.value(0), this);
    QFont f = look::windowFont();
    f.setPixelSize(12);
    iconLine->setFont(f);
    iconLine->setAlignment(Qt::AlignHCenter);
    iconLine->setMinimumHeight(16);
    layout->addWidget(iconLine);
    for (qsizetype i = 1; i < iconLines.size(); ++i)
        layout->addWidget(centred(iconLines[i], this));
    layout->addSpacing(10);
    //: Shown on two lines, broken where the line break stands; the second is underlined.
    const QStringList until = tr("This message will be shown at each startup until you\n"
                                 "have loaded or saved your first recipe")
                                  .split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < until.size(); ++i)
        layout->addWidget(centred(until[i], this, false, i > 0));
    layout->addSpacing(10);
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("OkButton"));
    ok->setDefault(true);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    row->addStretch();
    layout->addLayout(row);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    setFixedSize(sizeHint());
}

} // namespace kovaq
