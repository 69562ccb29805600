// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

// "Import CSV..." of the Stash window: a spreadsheet's bottles read against the stash,
// shown before anything is written, then added and updated as one undoable step.

#include "FileAccess.h"
#include "Prompts.h"
#include "QtText.h"
#include "StashController.h"
#include "StashCsv.h"
#include "StashImportDialog.h"
#include "StashWindow.h"
#include "Workbench.h"

#include <QUndoStack>

namespace kovaq {

StashImportDialog& StashController::importDialog() {
    if (!m_importDialog)
        m_importDialog =
            new StashImportDialog(m_window ? static_cast<QWidget*>(m_window) : &m_app.mainWidget());
    return *m_importDialog;
}

void StashController::importCsv() {
    m_app.guarded([this] {
        QWidget* parent = parentWidget();
        if (!checkWritable(parent))
            return;
        const QString path = m_prompts.openFileName(parent, m_app.settings().LoadDir,
                                                    tr("CSV files (*.csv);;All files (*)"));
        if (path.isEmpty())
            return;
        const FileBytes file = ReadRegularFile(NativeFromPath(path), MaxStashCsvBytes + 1);
        QString problem;
        StashImport import;
        if (file.status != ReadStatus::Ok)
            problem = tr("Unable to read %1: %2.").arg(path, ToQString(ReadStatusText(file)));
        else if (file.truncated || file.bytes.size() > MaxStashCsvBytes)
            problem = tr("%1 is longer than %2 MiB: nothing was imported.")
                          .arg(path)
                          .arg(static_cast<int>(MaxStashCsvBytes >> 20));
        else if (import = ReadStashCsv(file.bytes, m_bottles); !import.error.isEmpty())
            problem = tr("%1\nNothing was imported.").arg(import.error);
        if (!problem.isEmpty()) {
            m_prompts.errorBox(parent, problem);
            return;
        }
        StashImportDialog& dialog = importDialog();
        dialog.prepare(path, import);
        if (m_prompts.execDialog(dialog) != QDialog::Accepted ||
            (import.added.empty() && import.updated.empty()))
            return;
        undoStack().push(new ImportBottlesCommand(store(), std::move(import), stepDone()));
    });
}

} // namespace kovaq
