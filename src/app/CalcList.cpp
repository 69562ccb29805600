// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "CalcList.h"

#include "FieldMetrics.h"
#include "FileAccess.h"
#include "LazyGui.h"
#include "QtText.h"
#include "RecipeIndex.h"
#include "RecipeSearch.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

namespace kovaq {
namespace {

// A field of the text list: a tab or line break in a name would add a field or a line, so
// those are written as escapes, and the backslash that starts one as two.
std::string field(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            out += c;
        }
    }
    return out;
}

} // namespace

int ListRecipes(const CalcOptions& o) {
    // Each recipe as the window would load it: the same rows as the Recipes list.
    const WindowSettle window;
    const RecipeSettle& settle = window.settle;
    const RecipeWalk walk = WalkRecipeFolders(o.folders);
    const RecipeQuery query = ParseRecipeQuery(ToQString(o.search));
    struct Row {
        RecipeEntry entry;
        RecipeSearchKey key;
    };
    std::vector<Row> rows;
    for (const std::string& file : walk.files) {
        RecipeEntry e = SummarizeRecipeFile(file, settle);
        RecipeSearchKey key = MakeSearchKey(e);
        if (Matches(key, query))
            rows.push_back({std::move(e), std::move(key)});
    }
    // In the Recipes window's first order: by name, then by file.
    std::sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) {
        return a.key.name != b.key.name ? a.key.name < b.key.name : a.entry.native < b.entry.native;
    });
    const auto modified = [](const RecipeEntry& e) {
        return QDateTime::fromMSecsSinceEpoch(e.modified / 1000000).toString(Qt::ISODate);
    };
    if (o.json) {
        QJsonArray list;
        for (const Row& r : rows) {
            const RecipeEntry& e = r.entry;
            QJsonArray flavours;
            for (const RecipeFlavour& f : e.flavours)
                flavours.append(
                    QJsonObject{{"name", ToQString(f.name)}, {"percent", ToQString(f.percent)}});
            list.append(
                QJsonObject{{"path", PathFromNative(e.native)},
                            {"folder", PathFromNative(e.folder())},
                            {"modified", modified(e)},
                            {"problem", e.problem.empty() ? QJsonValue(QJsonValue::Null)
                                                          : QJsonValue(ToQString(e.problem))},
                            {"name", ToQString(e.name)},
                            {"strength", ToQString(e.strength)},
                            {"volume", ToQString(e.volume)},
                            {"ratio", ToQString(e.ratio)},
                            {"flavours", flavours},
                            {"cost", ToQString(e.cost)},
                            {"canBeMade", e.canBeMade},
                            {"status", ToQString(e.status)}});
        }
        const QByteArray bytes = QJsonDocument(list).toJson(QJsonDocument::Indented);
        std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout);
    } else {
        // One recipe a line, tab-separated, for people and for cut and awk alike.
        std::printf("Name\tStrength\tVolume\tPG/VG\tFlavours\tCost\tCan be made\tModified\tFile\n");
        for (const Row& r : rows) {
            const RecipeEntry& e = r.entry;
            const std::string made = !e.problem.empty() ? e.problem
                                     : e.canBeMade      ? std::string("yes")
                                                        : e.status;
            const std::string fields[] = {
                e.name,  e.strength,          e.volume,
                e.ratio, e.flavourText(),     e.cost,
                made,    ToUtf8(modified(e)), ToUtf8(PathFromNative(e.native))};
            std::string line;
            for (const std::string& f : fields)
                line += field(f) + '\t';
            line.back() = '\n';
            std::fwrite(line.data(), 1, line.size(), stdout);
        }
    }
    for (const std::string& f : walk.unreadable)
        std::fprintf(
            stderr, "%s\n",
            QCoreApplication::translate("kovaq::Calc", "kovaq-calc: cannot read the folder %1")
                .arg(ToQString(QuotedName(f)))
                .toUtf8()
                .constData());
    return walk.unreadable.empty() ? 0 : 1;
}

} // namespace kovaq
