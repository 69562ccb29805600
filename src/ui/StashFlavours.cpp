// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

// The flavour book in the Stash window's Flavours tab and on the main window's share
// fields: what the user's recipes say of each flavour, with the user's own notes.

#include "FlavourBook.h"
#include "FlavourModel.h"
#include "MixDocument.h"
#include "QtText.h"
#include "StashController.h"
#include "StashWindow.h"
#include "Workbench.h"

#include <QLineEdit>
#include <QToolTip>
#include <QUndoStack>

namespace kovaq {

void StashController::wantFlavourBook() {
    if (m_bookWanted)
        return;
    m_bookWanted = true;
    Q_EMIT flavourBookWanted();
}

void StashController::setFlavourBook(std::shared_ptr<const FlavourBook> book) {
    m_book = std::move(book);
    for (std::size_t i = 0; i < SlotCount; ++i)
        if (isFlavour(slotAt(i)))
            updateShareTip(slotAt(i), false);
    reloadFlavours();
}

void StashController::reloadFlavours() {
    if (!m_window || !m_flavoursShown)
        return;
    std::vector<FlavourNote> notes;
    if (m_store) {
        // The batches' recipes are read again only when the batch log has changed.
        const std::vector<Batch> listed = m_store->batches();
        std::int64_t ids = 0, times = 0;
        for (const Batch& b : listed) {
            ids += b.id;
            times += b.mixedAt;
        }
        const std::array<std::int64_t, 3> seen{std::int64_t(listed.size()), ids, times};
        if (seen != m_lastMixedOf) {
            m_lastMixed = LastMixed(m_store->batches(true));
            m_lastMixedOf = seen;
        }
        notes = m_store->flavourNotes();
    }
    m_window->setFlavours(m_book ? FlavourRows(*m_book, m_bottles, m_lastMixed, notes)
                                 : std::vector<FlavourRow>{});
}

void StashController::editFlavourNote(const FlavourNote& before, const FlavourNote& after) {
    if (!checkWritable(m_window))
        return;
    undoStack().push(new ChangeFlavourNoteCommand(store(), before, after, stepDone()));
}

void StashController::updateShareTip(SlotId slot, bool typed) {
    const auto nameField = NameField(slot);
    const auto shareField = PercentField(slot);
    QLineEdit* share = shareField ? m_app.nameField(*shareField) : nullptr;
    if (!nameField || !share)
        return;
    const QString name = ToQString(m_app.document().text(*nameField));
    typed = typed && share->hasFocus();
    if (!m_book) {
        // The recipes are read the first time a flavour's share is typed.
        if (typed && !name.trimmed().isEmpty())
            wantFlavourBook();
        return;
    }
    const QString tip = FlavourHintOf(*m_book, name);
    share->setToolTip(tip);
    if (!typed)
        return;
    if (tip.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(share->mapToGlobal(QPoint(0, share->height())), tip, share);
}

} // namespace kovaq
