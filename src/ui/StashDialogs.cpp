// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "StashDialogs.h"

#include "Look.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace kovaq {
namespace {

constexpr LabelSize kSizes[] = {LabelSize::Small, LabelSize::Medium, LabelSize::Large,
                                LabelSize::PrinterOwn};
constexpr int kSizeCount = 4;

QDialogButtonBox* buttons(QDialog* dialog, const QString& accept, const char* name) {
    auto* box = new QDialogButtonBox(dialog);
    QPushButton* ok = box->addButton(accept, QDialogButtonBox::AcceptRole);
    ok->setObjectName(QString::fromLatin1(name));
    ok->setDefault(true);
    box->addButton(QDialogButtonBox::Cancel);
    QObject::connect(box, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(box, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return box;
}

} // namespace

MixItDialog::MixItDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("MixItDialog"));
    setWindowTitle(tr("Mix It"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    m_name = new QLabel(this);
    m_name->setObjectName(QStringLiteral("BatchName"));
    m_name->setTextFormat(Qt::PlainText);
    m_name->setWordWrap(true);
    QFont bold = m_name->font();
    bold.setBold(true);
    m_name->setFont(bold);
    layout->addWidget(m_name);
    m_short = new QLabel(this);
    m_short->setObjectName(QStringLiteral("BatchShort"));
    m_short->setTextFormat(Qt::PlainText);
    m_short->setWordWrap(true);
    look::setTextColour(m_short, QColor(0xb0, 0, 0));
    layout->addWidget(m_short);
    auto* form = new QFormLayout;
    m_steep = new QSpinBox(this);
    m_steep->setObjectName(QStringLiteral("SteepDays"));
    m_steep->setRange(0, 365);
    m_steep->setSuffix(tr(" days"));
    m_steep->setAccessibleName(tr("Steep days"));
    form->addRow(tr("&Steep for:"), m_steep);
    m_note = new QLineEdit(this);
    m_note->setObjectName(QStringLiteral("BatchNote"));
    m_note->setMaxLength(1000);
    m_note->setAccessibleName(tr("Note"));
    form->addRow(tr("&Note:"), m_note);
    layout->addLayout(form);
    layout->addWidget(buttons(this, tr("Record"), "RecordBatchButton"));
    setMinimumWidth(360);
}

void MixItDialog::prepare(const QString& batchName, int steepDays, const QStringList& shortLines) {
    m_name->setText(batchName);
    m_short->setText(
        shortLines.isEmpty()
            ? QString()
            : tr("The stash does not hold all of it:\n%1").arg(shortLines.join(QLatin1Char('\n'))));
    m_short->setVisible(!shortLines.isEmpty());
    m_steep->setValue(steepDays);
    m_note->clear();
    m_steep->setFocus();
}

int MixItDialog::steepDays() const {
    return m_steep->value();
}

QString MixItDialog::note() const {
    return m_note->text().trimmed();
}

LabelDialog::LabelDialog(QWidget* parent, PrinterPage printerPage)
    : QDialog(parent), m_printerPage(std::move(printerPage)) {
    setObjectName(QStringLiteral("LabelDialog"));
    setWindowTitle(tr("Print Label"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    m_size = new QComboBox(this);
    m_size->setObjectName(QStringLiteral("LabelSize"));
    for (LabelSize s : kSizes)
        m_size->addItem(LabelSizeName(s));
    form->addRow(tr("&Label size:"), m_size);
    m_nicotine =
        new QCheckBox(tr("Say \"Contains nicotine\" on labels of batches with nicotine"), this);
    m_nicotine->setObjectName(QStringLiteral("LabelNicotineLine"));
    m_nicotine->setChecked(true);
    form->addRow(m_nicotine);
    layout->addLayout(form);
    m_preview = new QLabel(this);
    m_preview->setObjectName(QStringLiteral("LabelPreview"));
    m_preview->setAlignment(Qt::AlignCenter);
    m_preview->setMinimumSize(480, 260);
    m_preview->setAccessibleName(tr("The label as it will print"));
    layout->addWidget(m_preview, 1);
    layout->addWidget(buttons(this, tr("Print..."), "PrintLabelNow"));
    connect(m_size, &QComboBox::currentIndexChanged, this, &LabelDialog::refresh);
    connect(m_nicotine, &QCheckBox::toggled, this, &LabelDialog::refresh);
}

void LabelDialog::prepare(const LabelInputs& in, int sizeChoice, bool nicotineLine) {
    m_in = in;
    const QSignalBlocker quiet(m_size);
    const QSignalBlocker quietBox(m_nicotine);
    m_size->setCurrentIndex(sizeChoice >= 0 && sizeChoice < kSizeCount ? sizeChoice : 0);
    m_nicotine->setChecked(nicotineLine);
    m_nicotine->setEnabled(in.containsNicotine);
    refresh();
}

bool LabelDialog::nicotineLine() const {
    return m_nicotine->isChecked();
}

LabelInputs LabelDialog::inputs() const {
    LabelInputs in = m_in;
    in.containsNicotine = in.containsNicotine && m_nicotine->isChecked();
    return in;
}

LabelSize LabelDialog::size() const {
    return kSizes[sizeChoice()];
}

int LabelDialog::sizeChoice() const {
    return std::clamp(m_size->currentIndex(), 0, kSizeCount - 1);
}

QSizeF LabelDialog::pageMm() const {
    if (size() == LabelSize::PrinterOwn) {
        const QSizeF own = m_printerPage ? m_printerPage() : QSizeF();
        return own.isValid() && !own.isEmpty() ? own : QSizeF(210, 297);
    }
    return LabelPage(size()).size(QPageSize::Millimeter);
}

void LabelDialog::refresh() {
    const QSizeF mm = pageMm();
    FitLabelReport(m_doc, inputs(), mm);
    // Twice its printed size, so its smallest text can be read, within the box; drawn at
    // the screen's own pixels.
    const double aspect = mm.height() / std::max(1.0, mm.width());
    const int wide = static_cast<int>(mm.width() / 25.4 * logicalDpiX() * 2);
    const int width = std::min({wide, 620, static_cast<int>(360 / std::max(0.1, aspect))});
    const qreal ratio = devicePixelRatioF();
    QImage image = LabelPreview(m_doc, mm, static_cast<int>(width * ratio));
    image.setDevicePixelRatio(ratio);
    m_preview->setPixmap(QPixmap::fromImage(image));
    m_preview->setToolTip(LabelSizeName(size()));
}

} // namespace kovaq
