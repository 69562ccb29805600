// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "StashCommands.h"

#include <QCoreApplication>

namespace kovaq {
namespace {

QString nameOr(const QString& name) {
    return name.trimmed().isEmpty() ? QCoreApplication::translate("kovaq::StashCommand", "Bottle")
                                    : name.trimmed();
}

} // namespace

StashCommand::StashCommand(StashStore& store, const QString& text, StashStepDone done)
    : QUndoCommand(text), m_store(store), m_done(std::move(done)) {}

void StashCommand::redo() {
    run(apply());
}

void StashCommand::undo() {
    run(revert());
}

void StashCommand::run(std::optional<QString> error) {
    // A step the store refused leaves the stack as it was.
    if (error)
        setObsolete(true);
    if (m_done)
        m_done(error);
}

AddBottleCommand::AddBottleCommand(StashStore& store, Bottle bottle, StashStepDone done)
    : StashCommand(store, QCoreApplication::translate("kovaq::StashCommand", "Add Bottle"),
                   std::move(done)),
      m_bottle(std::move(bottle)) {}

std::optional<QString> AddBottleCommand::apply() {
    if (m_bottle.id == 0)
        return m_store.addBottle(m_bottle);
    return m_store.restoreBottle(m_bottle.id);
}

std::optional<QString> AddBottleCommand::revert() {
    return m_store.removeBottle(m_bottle.id);
}

RemoveBottleCommand::RemoveBottleCommand(StashStore& store, const Bottle& bottle,
                                         StashStepDone done)
    : StashCommand(
          store,
          QCoreApplication::translate("kovaq::StashCommand", "Remove %1").arg(nameOr(bottle.name)),
          std::move(done)),
      m_id(bottle.id) {}

std::optional<QString> RemoveBottleCommand::apply() {
    return m_store.removeBottle(m_id);
}

std::optional<QString> RemoveBottleCommand::revert() {
    return m_store.restoreBottle(m_id);
}

ChangeBottleCommand::ChangeBottleCommand(StashStore& store, const Bottle& before,
                                         const Bottle& after, StashStepDone done)
    : StashCommand(
          store,
          QCoreApplication::translate("kovaq::StashCommand", "Change %1").arg(nameOr(after.name)),
          std::move(done)),
      m_before(before), m_after(after) {}

std::optional<QString> ChangeBottleCommand::apply() {
    return m_store.changeBottle(m_after.id, m_before, m_after);
}

std::optional<QString> ChangeBottleCommand::revert() {
    return m_store.changeBottle(m_after.id, m_after, m_before);
}

MixItCommand::MixItCommand(StashStore& store, Batch batch, std::vector<Need> needs,
                           StashStepDone done)
    : StashCommand(store, QCoreApplication::translate("kovaq::StashCommand", "Mix It"),
                   std::move(done)),
      m_batch(std::move(batch)), m_needs(std::move(needs)) {}

std::optional<QString> MixItCommand::apply() {
    if (m_recorded)
        return m_store.restoreBatch(m_batch);
    const auto error = m_store.recordBatch(m_batch, m_needs);
    m_recorded = !error;
    return error;
}

std::optional<QString> MixItCommand::revert() {
    return m_store.removeBatch(m_batch.id);
}

UndoLastBatchCommand::UndoLastBatchCommand(StashStore& store, const QString& name,
                                           StashStepDone done)
    : StashCommand(store,
                   QCoreApplication::translate("kovaq::StashCommand", "Undo Batch %1").arg(name),
                   std::move(done)) {}

std::optional<QString> UndoLastBatchCommand::apply() {
    Batch removed;
    const auto error =
        m_removed ? m_store.removeBatch(m_removed->id) : m_store.undoLastBatch(&removed);
    if (!error && !m_removed)
        m_removed = std::move(removed);
    return error;
}

std::optional<QString> UndoLastBatchCommand::revert() {
    return m_removed ? m_store.restoreBatch(*m_removed) : std::nullopt;
}

ImportBottlesCommand::ImportBottlesCommand(StashStore& store, StashImport import,
                                           StashStepDone done)
    : StashCommand(store, QCoreApplication::translate("kovaq::StashCommand", "Import Bottles"),
                   std::move(done)),
      m_import(std::move(import)) {}

std::optional<QString> ImportBottlesCommand::apply() {
    if (m_applied)
        return m_store.replayImport(m_import, false);
    const auto error = m_store.importBottles(m_import);
    m_applied = !error;
    return error;
}

std::optional<QString> ImportBottlesCommand::revert() {
    return m_store.replayImport(m_import, true);
}

ChangeFlavourNoteCommand::ChangeFlavourNoteCommand(StashStore& store, FlavourNote before,
                                                   FlavourNote after, StashStepDone done)
    : StashCommand(
          store,
          QCoreApplication::translate("kovaq::StashCommand", "Change %1").arg(nameOr(after.name)),
          std::move(done)),
      m_before(std::move(before)), m_after(std::move(after)) {}

std::optional<QString> ChangeFlavourNoteCommand::set(const FlavourNote& from,
                                                     const FlavourNote& to) {
    FlavourNote note = m_store.flavourNote(to.name).value_or(FlavourNote{});
    note.name = to.name;
    if (from.notes != to.notes)
        note.notes = to.notes;
    if (from.rating != to.rating)
        note.rating = to.rating;
    if (from.share != to.share)
        note.share = to.share;
    return m_store.setFlavourNote(note);
}

std::optional<QString> ChangeFlavourNoteCommand::apply() {
    return set(m_before, m_after);
}

std::optional<QString> ChangeFlavourNoteCommand::revert() {
    return set(m_after, m_before);
}

} // namespace kovaq
