// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

// Every change of the stash and the batch log as a command on one undo stack. Each applies
// and takes back its own change only (on hand -13 ml, a name, a batch), never a picture of
// a row: what other commands did since stays done, so that nothing is conjured or lost.

#include "StashCsv.h"
#include "StashStore.h"

#include <QUndoCommand>

#include <functional>
#include <optional>
#include <vector>

namespace kovaq {

// Told after every step, with the store's reason when the step did not happen (the command
// is then dropped from the stack).
using StashStepDone = std::function<void(const std::optional<QString>& error)>;

class StashCommand : public QUndoCommand {
  public:
    StashCommand(StashStore& store, const QString& text, StashStepDone done);
    void redo() final;
    void undo() final;

  protected:
    virtual std::optional<QString> apply() = 0;
    virtual std::optional<QString> revert() = 0;
    StashStore& m_store;

  private:
    void run(std::optional<QString> error);
    StashStepDone m_done;
};

// A new bottle; it keeps its id through Undo and Redo.
class AddBottleCommand : public StashCommand {
  public:
    AddBottleCommand(StashStore& store, Bottle bottle, StashStepDone done);
    std::int64_t bottleId() const { return m_bottle.id; }

  protected:
    std::optional<QString> apply() override;
    std::optional<QString> revert() override;

  private:
    Bottle m_bottle;
};

// A bottle removed; Undo brings it back with its id and its batches' links.
class RemoveBottleCommand : public StashCommand {
  public:
    RemoveBottleCommand(StashStore& store, const Bottle& bottle, StashStepDone done);

  protected:
    std::optional<QString> apply() override;
    std::optional<QString> revert() override;

  private:
    std::int64_t m_id;
};

// What the person changed of a bottle, as the change from `before` to `after`.
class ChangeBottleCommand : public StashCommand {
  public:
    ChangeBottleCommand(StashStore& store, const Bottle& before, const Bottle& after,
                        StashStepDone done);

  protected:
    std::optional<QString> apply() override;
    std::optional<QString> revert() override;

  private:
    Bottle m_before, m_after;
};

// Mix It: the batch recorded and taken from the stash; Undo gives back what it took, Redo
// takes exactly that again.
class MixItCommand : public StashCommand {
  public:
    MixItCommand(StashStore& store, Batch batch, std::vector<Need> needs, StashStepDone done);
    const Batch& batch() const { return m_batch; }

  protected:
    std::optional<QString> apply() override;
    std::optional<QString> revert() override;

  private:
    Batch m_batch;
    std::vector<Need> m_needs;
    bool m_recorded = false;
};

// Undo Last Batch, itself undoable: the newest batch goes and gives back; Undo puts it and
// what it took back.
class UndoLastBatchCommand : public StashCommand {
  public:
    UndoLastBatchCommand(StashStore& store, const QString& name, StashStepDone done);

  protected:
    std::optional<QString> apply() override;
    std::optional<QString> revert() override;

  private:
    std::optional<Batch> m_removed;
};

// "Import CSV...": the bottles a spreadsheet adds and those it updates, in one transaction.
// Undo removes the added bottles (kept for Redo, with their ids) and takes back what the
// import changed of the others, nothing more.
class ImportBottlesCommand : public StashCommand {
  public:
    ImportBottlesCommand(StashStore& store, StashImport import, StashStepDone done);
    const StashImport& import() const { return m_import; }

  protected:
    std::optional<QString> apply() override;
    std::optional<QString> revert() override;

  private:
    StashImport m_import;
    bool m_applied = false;
};

// What the person changed of a flavour's notes, rating or preferred share: only the fields
// that differ between `before` and `after` are set, so that other changes stay.
class ChangeFlavourNoteCommand : public StashCommand {
  public:
    ChangeFlavourNoteCommand(StashStore& store, FlavourNote before, FlavourNote after,
                             StashStepDone done);

  protected:
    std::optional<QString> apply() override;
    std::optional<QString> revert() override;

  private:
    std::optional<QString> set(const FlavourNote& from, const FlavourNote& to);
    FlavourNote m_before, m_after;
};

} // namespace kovaq
