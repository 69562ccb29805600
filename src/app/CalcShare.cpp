// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "CalcShare.h"

#include "FileAccess.h"
#include "MixDocument.h"
#include "QtText.h"
#include "RecipeFile.h"
#include "RecipeJson.h"
#include "RecipeShare.h"
#include "StashStore.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>
#include <unistd.h>

namespace kovaq {
namespace {

void say(const QString& line) {
    std::fprintf(stderr, "%s\n", line.toUtf8().constData());
}

// The input's bytes: a file, or standard input for "-".
std::optional<std::string> readInput(const std::string& path, std::size_t limit) {
    if (path == "-") {
        std::string bytes;
        char buffer[65536];
        for (ssize_t n; (n = ::read(0, buffer, sizeof buffer)) > 0;) {
            bytes.append(buffer, static_cast<std::size_t>(n));
            if (bytes.size() >= limit)
                break;
        }
        return bytes;
    }
    FileBytes file = ReadRegularFile(path, limit);
    if (file.status != ReadStatus::Ok) {
        say(QCoreApplication::translate("kovaq::Calc", "kovaq-calc: cannot read %1: %2")
                .arg(ToQString(QuotedName(path)), ToQString(ReadStatusText(file))));
        return std::nullopt;
    }
    return std::move(file.bytes);
}

bool save(const std::string& out, const MixRecipe& recipe) {
    if (const WriteResult written = WriteRecipe(out, recipe); !written) {
        say(QCoreApplication::translate("kovaq::Calc", "kovaq-calc: cannot write %1: %2")
                .arg(ToQString(QuotedName(out)), ToQString(written.reason())));
        return false;
    }
    return true;
}

// The steep time the batch log gave this file's last batch, when there is a log to read.
std::optional<int> steepFromLog(const CalcOptions& o, const std::function<void()>& ensureApp) {
    const QString db = o.db.empty() ? StashStore::DefaultPath() : PathFromNative(o.db);
    if (!QFileInfo::exists(db))
        return std::nullopt;
    ensureApp(); // the database driver is a plug-in, found through the application
    StashStore store(db);
    if (store.open(true) == StashStore::State::Unavailable)
        return std::nullopt;
    return store.steepDaysOf(QFileInfo(PathFromNative(o.path)).absoluteFilePath());
}

} // namespace

int PrintRecipeText(const CalcOptions& o, const MixDocument& doc,
                    const std::function<void()>& ensureApp) {
    const std::string text = CopyRecipeText(doc, steepFromLog(o, ensureApp));
    std::fwrite(text.data(), 1, text.size(), stdout);
    return 0;
}

int PrintRecipeJson(const MixDocument& doc) {
    const QByteArray json = RecipeJsonFile(doc.recipeWithNotes());
    std::fwrite(json.constData(), 1, static_cast<std::size_t>(json.size()), stdout);
    return 0;
}

int RecipeFromText(const CalcOptions& o, MixDocument& doc) {
    // A byte more than is read, so that the reader knows when there was more.
    const auto text = readInput(o.path, MaxRecipeTextBytes + 1);
    if (!text)
        return 1;
    const ParsedRecipe parsed = ParseRecipeText(*text);
    if (parsed.textCut)
        say(QStringLiteral("kovaq-calc: ") + TextCutRemark());
    for (const std::string& line : parsed.unused)
        //: A line of the text that says nothing of a recipe (%1).
        say(QCoreApplication::translate("kovaq::Calc", "kovaq-calc: not used: %1")
                .arg(ToQString(line)));
    if (!parsed.holdsRecipe()) {
        say(QCoreApplication::translate("kovaq::Calc",
                                        "kovaq-calc: there is no recipe in %1: no flavour with "
                                        "its share, and no volume with a strength or a ratio")
                .arg(ToQString(QuotedName(o.path))));
        return 3;
    }
    for (const QString& remark : PasteRemarks(parsed, doc))
        say(QStringLiteral("kovaq-calc: ") + remark);
    PasteRecipe(doc, parsed);
    return save(o.out, doc.recipeWithNotes()) ? 0 : 1;
}

int RecipeFromJson(const CalcOptions& o) {
    const auto bytes = readInput(o.path, static_cast<std::size_t>(MaxRecipeJsonBytes) + 1);
    if (!bytes)
        return 1;
    const JsonRecipe json =
        RecipeFromJsonFile(QByteArray(bytes->data(), static_cast<qsizetype>(bytes->size())));
    if (!json.recipe) {
        say(QStringLiteral("kovaq-calc: %1: %2").arg(ToQString(QuotedName(o.path)), json.error));
        return 1;
    }
    return save(o.out, *json.recipe) ? 0 : 1;
}

} // namespace kovaq
