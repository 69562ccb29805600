// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "PasteRecipeDialog.h"

#include "Codepage.h"
#include "FileAccess.h"
#include "Look.h"
#include "Numbers.h"
#include "Prompts.h"
#include "QtText.h"
#include "RecipeShare.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QVBoxLayout>

namespace kovaq {
namespace {

QString esc(const std::string& s) {
    return ToQString(s).toHtmlEscaped();
}

QString number(double v) {
    return ToQString(FormatNumber(v));
}

QString ratio(int pg) {
    return ToQString(PgVgText(pg));
}

} // namespace

PasteRecipeDialog::PasteRecipeDialog(QWidget* parent, Prompts& prompts, Remarks remarks)
    : QDialog(parent), m_prompts(prompts), m_remarks(std::move(remarks)) {
    setObjectName(QStringLiteral("PasteRecipeDialog"));
    setWindowTitle(tr("Paste Recipe"));
    setModal(true);
    auto* layout = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    auto* caption = new QLabel(tr("&Recipe text:"), this);
    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("PasteText"));
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->setAccessibleName(tr("Recipe text"));
    caption->setBuddy(m_text);
    left->addWidget(caption);
    left->addWidget(m_text, 1);
    auto* file = new QPushButton(tr("Open Text File..."), this);
    file->setObjectName(QStringLiteral("PasteFromFile"));
    file->setAutoDefault(false);
    left->addWidget(file, 0, Qt::AlignLeft);
    layout->addLayout(left, 1);

    auto* right = new QVBoxLayout;
    right->addWidget(new QLabel(tr("What Ko-Vaq reads in it:"), this));
    m_preview = new QLabel(this);
    m_preview->setObjectName(QStringLiteral("PastePreview"));
    m_preview->setTextFormat(Qt::RichText);
    m_preview->setWordWrap(true);
    m_preview->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_preview->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(m_preview);
    scroll->setWidgetResizable(true);
    right->addWidget(scroll, 1);
    m_unusedBox = new QCheckBox(tr("Keep the lines not used in the notes"), this);
    m_unusedBox->setObjectName(QStringLiteral("PasteUnusedToNotes"));
    m_unusedBox->setChecked(true);
    right->addWidget(m_unusedBox);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    m_ok->setObjectName(QStringLiteral("PasteOk"));
    m_ok->setText(tr("Use It"));
    right->addWidget(buttons);
    layout->addLayout(right, 1);
    resize(820, 460);

    connect(m_text, &QPlainTextEdit::textChanged, this, &PasteRecipeDialog::reread);
    connect(m_unusedBox, &QCheckBox::toggled, this, &PasteRecipeDialog::reread);
    connect(file, &QPushButton::clicked, this, &PasteRecipeDialog::openTextFile);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // Ctrl+Enter takes the recipe from inside the text too, where Enter makes a new line.
    auto* use = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Return), this);
    connect(use, &QShortcut::activated, this, [this] {
        if (m_ok->isEnabled())
            accept();
    });
}

bool PasteRecipeDialog::unusedToNotes() const {
    return m_unusedBox->isChecked();
}

void PasteRecipeDialog::setText(const QString& text) {
    showText(text, false);
}

void PasteRecipeDialog::showText(const QString& text, bool cut) {
    const auto kept = static_cast<qsizetype>(MaxRecipeTextBytes);
    m_cut = cut || text.size() > kept;
    m_text->setPlainText(text.left(kept));
    reread();
    // A recipe that was read is most often taken as it is: Enter uses it. Otherwise the
    // text is where the user goes next.
    if (m_ok->isEnabled())
        m_ok->setFocus();
    else
        m_text->setFocus();
}

void PasteRecipeDialog::openTextFile() {
    const QString path = m_prompts.openFileName(
        this, QString(), tr("Text files (*.txt *.text *.md);;All files (*)"));
    if (path.isEmpty())
        return;
    FileBytes file = ReadRegularFile(NativeFromPath(path), MaxRecipeTextBytes);
    if (file.status != ReadStatus::Ok) {
        m_prompts.errorBox(this,
                           tr("Unable to open %1.\n%2").arg(path, ToQString(ReadStatusText(file))));
        return;
    }
    showText(ToQString(DecodeFileText(std::move(file.bytes))), file.truncated);
}

void PasteRecipeDialog::reread() {
    m_parsed = ParseRecipeText(ToUtf8(m_text->toPlainText()));
    const ParsedRecipe& p = m_parsed;
    QString html;
    // The warning's red and the unused lines' grey, readable on a dark desktop too.
    const QColor behind = look::backgroundOf(m_preview);
    const QString problemColour = look::readable(QColor(0xb0, 0, 0), behind).name();
    const QString quietColour = look::readable(QColor(0x60, 0x60, 0x60), behind).name();
    if (m_cut || p.textCut)
        html += QStringLiteral("<p><i>%1</i></p>").arg(TextCutRemark().toHtmlEscaped());
    if (!p.holdsRecipe()) {
        html += QStringLiteral("<p style=\"color:%1\">%2</p>")
                    .arg(problemColour,
                         tr("<b>There is no recipe in this text.</b> Ko-Vaq looks for flavours "
                            "with their shares (\"Lemon 3%\"), or a volume with a strength or a "
                            "PG/VG ratio. Nothing will change."));
    } else {
        html +=
            QStringLiteral("<p><b>%1</b><br>").arg(p.name.empty() ? tr("Untitled") : esc(p.name));
        QStringList values;
        if (p.volume)
            values << tr("%1 ml").arg(number(*p.volume));
        if (p.strength)
            values << tr("%1 mg").arg(number(*p.strength));
        if (p.pgPercent)
            values << ratio(*p.pgPercent);
        html += values.join(QStringLiteral(", ")) + QStringLiteral("</p>");
        if (p.baseStrength || p.basePgPercent) {
            QStringList base;
            if (p.baseStrength)
                base << tr("%1 mg").arg(number(*p.baseStrength));
            if (p.basePgPercent)
                base << ratio(*p.basePgPercent);
            html += QStringLiteral("<p>%1</p>")
                        .arg(tr("Nicotine base: %1").arg(base.join(QStringLiteral(", "))));
        }
        html += QStringLiteral("<table cellspacing=\"0\" cellpadding=\"1\">");
        // Each name as it will stand in the window; a shortened one is marked, and the
        // tooltip gives them whole.
        QStringList shortened;
        for (std::size_t i = 0; i < p.flavours.size(); ++i) {
            const QString full = ToQString(p.flavours[i].name);
            const QString shown =
                m_fit && i < FlavourCount ? m_fit(*NameField(flavourSlot(i)), full) : full;
            QString cell = shown.toHtmlEscaped();
            if (shown != full) {
                cell = QStringLiteral("<i>%1</i>&nbsp;*").arg(cell);
                shortened << tr("%1 stands as %2").arg(full, shown);
            }
            html += QStringLiteral("<tr><td>F%1&nbsp;</td><td>%2&nbsp;&nbsp;</td>"
                                   "<td align=\"right\">%3%</td></tr>")
                        .arg(i + 1)
                        .arg(cell, number(p.flavours[i].percent));
        }
        m_preview->setToolTip(shortened.isEmpty()
                                  ? QString()
                                  : tr("Shortened to fit the window:") + QLatin1Char('\n') +
                                        shortened.join(QLatin1Char('\n')));

        if (p.vodkaWater)
            html += QStringLiteral("<tr><td></td><td>%1</td><td align=\"right\">%2%</td></tr>")
                        .arg(tr("Vodka/Water"), number(*p.vodkaWater));
        html += QStringLiteral("</table>");
        if (!shortened.isEmpty())
            html += QStringLiteral("<p><i>%1</i></p>")
                        .arg(tr("* shortened to fit the window (the whole names are in the "
                                "tooltip)")
                                 .toHtmlEscaped());
        if (m_remarks)
            for (const QString& r : m_remarks(p))
                html += QStringLiteral("<p><i>%1</i></p>").arg(r.toHtmlEscaped());
        if (!p.notes.empty())
            html += QStringLiteral("<p>%1</p>")
                        .arg(tr("Notes: %n line(s)", nullptr, static_cast<int>(p.notes.size())));
    }
    if (!p.unused.empty()) {
        html += QStringLiteral("<p style=\"color:%1\">%2<br>")
                    .arg(quietColour, m_unusedBox->isChecked() ? tr("Not used (kept in the notes):")
                                                               : tr("Not used:"));
        for (const std::string& line : p.unused)
            html += esc(line) + QStringLiteral("<br>");
        html += QStringLiteral("</p>");
    }
    m_preview->setText(html);
    m_ok->setEnabled(p.holdsRecipe());
}

} // namespace kovaq
