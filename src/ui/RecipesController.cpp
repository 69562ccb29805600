// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "RecipesController.h"

#include "FileAccess.h"
#include "Prompts.h"
#include "RecipeLibrary.h"
#include "RecipeListModel.h"
#include "RecipesWindow.h"
#include "Workbench.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTableView>

namespace kovaq {
namespace {

std::vector<std::string> nativeFolders(const QStringList& folders) {
    std::vector<std::string> out;
    for (const QString& f : folders)
        out.push_back(NativeFromPath(f));
    return out;
}

} // namespace

RecipesController::RecipesController(Workbench& app, Prompts& prompts, QObject* parent)
    : QObject(parent), m_app(app), m_prompts(prompts) {}

QStringList RecipesController::folders() const {
    const AppSettings& s = m_app.settings();
    if (!s.RecipeFolders.isEmpty())
        return s.RecipeFolders;
    // None chosen: where recipes are opened and saved.
    QStringList folders{s.LoadDir};
    if (s.SaveDir != s.LoadDir)
        folders << s.SaveDir;
    folders.removeAll(QString());
    return folders;
}

RecipeLibrary& RecipesController::library() {
    if (!m_library) {
        if (m_indexFile.isEmpty()) {
            const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
            QDir().mkpath(cache);
            m_indexFile = cache + QStringLiteral("/recipe-index");
        }
        m_library = new RecipeLibrary(NativeFromPath(m_indexFile), this);
        m_library->setSettle(WindowRecipeSettle()); // each recipe read as the window loads it
        m_library->setFolders(nativeFolders(folders()));
    }
    return *m_library;
}

RecipesWindow& RecipesController::window() {
    if (m_window)
        return *m_window;
    m_window = new RecipesWindow(library(), m_prompts, &m_app.mainWidget());
    const QStringList sort = m_app.settings().RecipesSort.split(QLatin1Char(' '));
    bool ok = false;
    const int column = sort.value(0).toInt(&ok);
    if (ok)
        m_window->list()->sortByColumn(column, sort.value(1) == QStringLiteral("desc")
                                                   ? Qt::DescendingOrder
                                                   : Qt::AscendingOrder);
    connect(m_window, &RecipesWindow::openRequested, this,
            [this](const QString& path) { m_app.openRecipeFile(path); });
    connect(m_window, &RecipesWindow::duplicateRequested, this, &RecipesController::duplicate);
    connect(m_window, &RecipesWindow::stashRequested, this, &RecipesController::stashRequested);
    connect(m_window, &RecipesWindow::copyRecipeRequested, this,
            &RecipesController::copyRecipeRequested);
    connect(m_window, &RecipesWindow::foldersChosen, this, [this](const QStringList& f) {
        m_app.settings().RecipeFolders = f;
        library().setFolders(nativeFolders(f));
    });
    return *m_window;
}

bool RecipesController::isVisible() const {
    return m_window && m_window->isVisible();
}

void RecipesController::show() {
    RecipesWindow& w = window();
    if (!w.isVisible()) {
        w.placeBesideMain();
        if (!m_started) {
            m_started = true;
            library().start();
        }
    }
    w.show();
    w.raise();
    w.activateWindow();
    w.selectPath(m_app.settings().LastFile);
}

QString RecipesController::sortText() const {
    if (!m_window)
        return m_app.settings().RecipesSort;
    return QStringLiteral("%1 %2")
        .arg(m_window->model().sortColumn())
        .arg(m_window->model().sortOrder() == Qt::AscendingOrder ? QStringLiteral("asc")
                                                                 : QStringLiteral("desc"));
}

void RecipesController::duplicate(const QString& path) {
    m_app.guarded([&] {
        const QFileInfo source(path);
        const QString base = source.completeBaseName();
        QString copy = source.dir().filePath(base + QStringLiteral(" copy.mix"));
        for (int n = 2; QFileInfo::exists(copy) || QFileInfo(copy).isSymLink(); ++n)
            copy = source.dir().filePath(base + QStringLiteral(" copy %1.mix").arg(n));
        const FileBytes bytes = ReadRegularFile(NativeFromPath(path), std::size_t(1) << 30);
        if (bytes.status != ReadStatus::Ok ||
            !ReplaceFileContents(NativeFromPath(copy), bytes.bytes)) {
            m_prompts.errorBox(m_window, QStringLiteral("Unable to write to %1.").arg(copy));
            return;
        }
        if (m_library)
            m_library->refreshFile(NativeFromPath(copy));
        m_app.openRecipeFile(copy);
    });
}

void RecipesController::fileSaved(const QString& path) {
    if (m_library)
        m_library->refreshFile(NativeFromPath(path));
    fileOpened(path);
}

void RecipesController::fileOpened(const QString& path) {
    if (m_window)
        m_window->selectPath(path);
}

} // namespace kovaq
