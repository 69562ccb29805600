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
    setWindowTitle(QStringLiteral("Retain Some Details?"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint);
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        centred(QStringLiteral("Please Check The Boxes Below If You Would"), this, false, true));
    layout->addWidget(
        centred(QStringLiteral("Like To Retain Either Or Both Of These Panel's Contents"), this,
                false, true));
    auto* boxes = new QHBoxLayout;
    m_ingredients = new QCheckBox(QStringLiteral("Ingredient Details"), this);
    m_ingredients->setObjectName(QStringLiteral("CheckBox1"));
    m_notes = new QCheckBox(QStringLiteral("Notes"), this);
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
    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("OkButton"));
    m_ok->setDefault(true);
    m_cancel = new QPushButton(QStringLiteral("Cancel"), this);
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
// drawn over the ten blanks.
class IconLine : public QLabel {
  public:
    IconLine(const QString& text, QWidget* parent) : QLabel(text, parent) {
        auto* icon = new HelpIcon(this);
        icon->setFixedSize(14, 14);
        icon->setCursor(Qt::ArrowCursor);
        m_icon = icon;
    }

  protected:
    void resizeEvent(QResizeEvent* e) override {
        QLabel::resizeEvent(e);
        const QFontMetrics fm(font());
        const QString before = QStringLiteral("To view the Help file at any time, click on the ");
        const QString gap = QStringLiteral("         ");
        const int textWidth = fm.horizontalAdvance(text());
        const int left = (width() - textWidth) / 2 + fm.horizontalAdvance(before);
        m_icon->move(left + (fm.horizontalAdvance(gap) - m_icon->width()) / 2,
                     (height() - m_icon->height()) / 2);
    }

  private:
    QWidget* m_icon = nullptr;
};

} // namespace

WelcomeDialog::WelcomeDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TForm4"));
    setWindowTitle(QStringLiteral("Welcome To Ko-Vaq"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint);
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(2);
    layout->addWidget(
        centred(QStringLiteral("Ko-Vaq Has Detected That You Are A New User"), this, true, true));
    layout->addSpacing(10);
    layout->addWidget(
        centred(QStringLiteral("If you need help getting started, look in the Help file"), this));
    layout->addWidget(centred(QStringLiteral("under 'How To... Getting Started'"), this));
    layout->addSpacing(10);
    auto* iconLine = new IconLine(
        QStringLiteral("To view the Help file at any time, click on the          icon."), this);
    QFont f = look::windowFont();
    f.setPixelSize(12);
    iconLine->setFont(f);
    iconLine->setAlignment(Qt::AlignHCenter);
    iconLine->setMinimumHeight(16);
    layout->addWidget(iconLine);
    layout->addWidget(centred(
        QStringLiteral("located at the top RH corner of the screen, or press F1 key."), this));
    layout->addSpacing(10);
    layout->addWidget(
        centred(QStringLiteral("This message will be shown at each startup until you"), this));
    layout->addWidget(
        centred(QStringLiteral("have loaded or saved your first recipe"), this, false, true));
    layout->addSpacing(10);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
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
