// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "StashImportDialog.h"

#include "Look.h"
#include "Numbers.h"
#include "QtText.h"

#include <QBrush>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace kovaq {
namespace {

QString number(double v) {
    return ToQString(FormatNumber(v));
}

QString ratioText(int position) {
    return position < 0 ? StashImportDialog::tr("none")
                        : ToQString(RatioListText(position)).trimmed();
}

// "on hand: 10 → 20 ml, price: 3 → 4", what an update changes of its bottle.
QString changes(const Bottle& from, const Bottle& to) {
    QStringList out;
    const auto say = [&out](const QString& what, const QString& a, const QString& b) {
        if (a != b)
            out << StashImportDialog::tr("%1: %2 → %3", "a field, its value before and after")
                       .arg(what, a.isEmpty() ? QStringLiteral("—") : a,
                            b.isEmpty() ? QStringLiteral("—") : b);
    };
    say(StashImportDialog::tr("name"), from.name, to.name);
    say(StashImportDialog::tr("maker"), from.maker, to.maker);
    say(StashImportDialog::tr("ml on hand"), number(from.onHand), number(to.onHand));
    say(StashImportDialog::tr("bottle ml"), number(from.size), number(to.size));
    say(StashImportDialog::tr("price"), number(from.price), number(to.price));
    say(StashImportDialog::tr("PG/VG"), ratioText(from.ratio), ratioText(to.ratio));
    say(StashImportDialog::tr("nicotine mg/ml"), number(from.strength), number(to.strength));
    say(StashImportDialog::tr("g/ml"), from.gravity, to.gravity);
    say(StashImportDialog::tr("notes"), from.notes, to.notes);
    return out.join(QStringLiteral(", "));
}

} // namespace

StashImportDialog::StashImportDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("StashImportDialog"));
    setWindowTitle(tr("Import CSV"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("ImportSummary"));
    m_summary->setTextFormat(Qt::PlainText);
    m_summary->setWordWrap(true);
    layout->addWidget(m_summary);
    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("ImportList"));
    m_list->setAccessibleName(tr("What the import does"));
    m_list->setRootIsDecorated(false);
    m_list->setAlternatingRowColors(true);
    m_list->setHeaderLabels(
        {tr("Line"), tr("What"), tr("Kind"), tr("Name"), tr("Maker"), tr("Details")});
    const int widths[] = {50, 80, 100, 140, 100};
    // Never narrower than the title, in whichever language it is read.
    for (int c = 0; c < Details; ++c)
        m_list->setColumnWidth(c, std::max(widths[c], m_list->header()->sectionSizeHint(c) + 8));
    layout->addWidget(m_list, 1);
    auto* box = new QDialogButtonBox(this);
    m_import = box->addButton(tr("Import"), QDialogButtonBox::AcceptRole);
    m_import->setObjectName(QStringLiteral("ImportNow"));
    m_import->setDefault(true);
    box->addButton(QDialogButtonBox::Cancel);
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(box);
    resize(760, 420);
}

void StashImportDialog::prepare(const QString& file, const StashImport& import) {
    m_summary->setText(tr("%1 — to add: %2, to update: %3, as they are: %4, refused: %5.")
                           .arg(QFileInfo(file).fileName())
                           .arg(import.added.size())
                           .arg(import.updated.size())
                           .arg(import.unchanged)
                           .arg(import.refused.size()));
    m_list->clear();
    const auto row = [this](int line, const QString& what, const Bottle* b,
                            const QString& details) {
        auto* item = new QTreeWidgetItem(m_list);
        item->setData(Line, Qt::DisplayRole, line); // sorted as a number
        item->setTextAlignment(Line, Qt::AlignRight | Qt::AlignVCenter);
        item->setText(What, what);
        if (b) {
            item->setText(Kind, BottleKindName(b->kind));
            item->setText(Name, b->name);
            item->setText(Maker, b->maker);
        }
        item->setText(Details, details);
        item->setToolTip(Details, details);
        return item;
    };
    for (const StashImport::Added& a : import.added)
        row(a.line, tr("Add"), &a.bottle, tr("%1 ml on hand").arg(number(a.bottle.onHand)));
    for (const StashImport::Updated& u : import.updated)
        row(u.line, tr("Update"), &u.to, changes(u.from, u.to));
    const QColor refused =
        look::readable(QColor(0xb0, 0, 0), m_list->palette().color(QPalette::Base));
    for (const RefusedLine& r : import.refused) {
        QTreeWidgetItem* item = row(r.line, tr("Refused"), nullptr, r.reason);
        for (int c = 0; c < Columns; ++c)
            item->setForeground(c, refused);
    }
    m_list->sortItems(Line, Qt::AscendingOrder);
    m_import->setEnabled(!import.added.empty() || !import.updated.empty());
}

} // namespace kovaq
