// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "RecipeJson.h"

#include "IniDocument.h"
#include "QtText.h"
#include "RecipeFile.h"
#include "Weights.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace kovaq {
namespace {

QString key(std::string_view k) {
    return QString::fromLatin1(k.data(), static_cast<qsizetype>(k.size()));
}

// A value goes into one line of the file: no line breaks or other control characters.
std::string oneLine(const QString& text) {
    QString s = text;
    for (QChar& c : s)
        if (c.unicode() < 0x20 && c != QLatin1Char('\t'))
            c = QLatin1Char(' ');
    return ToUtf8(s);
}

} // namespace

QJsonObject RecipeToJson(const MixRecipe& r) {
    QJsonObject o;
    o[QStringLiteral("Name")] = ToQString(r.Name);
    for (std::size_t i = 0; i < TextFieldCount; ++i)
        o[key(FieldKey(textFieldAt(i)))] = ToQString(r.texts[i]);
    for (std::size_t i = 0; i < RatioFieldCount; ++i)
        o[key(RatioKey(ratioFieldAt(i)))] = r.ratios[i].position;
    o[QStringLiteral("HiPrecision")] = r.HiPrecision;
    o[QStringLiteral("IgnoreCost")] = r.IgnoreCost;
    QJsonArray notes;
    for (const std::string& line : r.Notes)
        notes.append(ToQString(line));
    o[QStringLiteral("Notes")] = notes;
    QJsonObject weights;
    for (std::size_t i = 0; i < GravityKeyCount; ++i)
        weights[key(GravityFileKey(gravityKeyAt(i)))] = ToQString(r.Gravity[i]);
    o[QStringLiteral("Weights")] = weights;
    return o;
}

QByteArray RecipeJsonFile(const MixRecipe& recipe) {
    QJsonObject file;
    file[QStringLiteral("format")] = QString::fromLatin1(RecipeJsonFormat);
    file[QStringLiteral("version")] = RecipeJsonVersion;
    file[QStringLiteral("recipe")] = RecipeToJson(recipe);
    QByteArray json = QJsonDocument(file).toJson(QJsonDocument::Indented);
    // Qt's reader drops a U+FEFF written as itself inside a text, and other readers may take
    // it for a byte order mark: escaped, it stays a character of the text.
    json.replace("\xEF\xBB\xBF", "\\ufeff");
    return json;
}

JsonRecipe RecipeFromJsonFile(const QByteArray& bytes) {
    JsonRecipe out;
    const auto refuse = [&](const QString& why) {
        out.error = why;
        return out;
    };
    if (bytes.size() > MaxRecipeJsonBytes)
        return refuse(QStringLiteral("The file is too large to be a recipe."));
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &parseError);
    if (doc.isNull())
        return refuse(QStringLiteral("The file is not JSON: %1.").arg(parseError.errorString()));
    if (!doc.isObject())
        return refuse(QStringLiteral("The file is not a Ko-Vaq recipe."));
    const QJsonObject file = doc.object();
    if (file.value(QStringLiteral("format")).toString() != QLatin1String(RecipeJsonFormat))
        return refuse(QStringLiteral("The file is not a Ko-Vaq recipe: its \"format\" is not "
                                     "\"%1\".")
                          .arg(QLatin1String(RecipeJsonFormat)));
    const QJsonValue version = file.value(QStringLiteral("version"));
    if (!version.isDouble() || version.toDouble() != static_cast<int>(version.toDouble()) ||
        version.toInt() < 1)
        return refuse(QStringLiteral("The key \"version\" must be a whole number."));
    if (version.toInt() > RecipeJsonVersion)
        return refuse(QStringLiteral("The recipe was written by a newer Ko-Vaq (version %1 of the "
                                     "format; this one reads version %2).")
                          .arg(version.toInt())
                          .arg(RecipeJsonVersion));
    if (!file.value(QStringLiteral("recipe")).isObject())
        return refuse(QStringLiteral("The key \"recipe\" must be an object."));
    const QJsonObject o = file.value(QStringLiteral("recipe")).toObject();
    const auto wrongType = [&](const QString& k, const char* what) {
        return refuse(QStringLiteral("The key \"%1\" must be %2.").arg(k, QLatin1String(what)));
    };

    // The values become a recipe file's, and are read as a file is.
    MixRecipe m;
    for (PgVgRatio& ratio : m.ratios)
        ratio.position = 0; // a file without the key reads as the first entry
    if (const QJsonValue v = o.value(QStringLiteral("Name")); !v.isUndefined()) {
        if (!v.isString())
            return wrongType(QStringLiteral("Name"), "a text");
        m.Name = oneLine(v.toString());
    }
    for (std::size_t i = 0; i < TextFieldCount; ++i) {
        const QString k = key(FieldKey(textFieldAt(i)));
        const QJsonValue v = o.value(k);
        if (v.isUndefined())
            continue;
        if (!v.isString())
            return wrongType(k, "a text");
        m.texts[i] = oneLine(v.toString());
    }
    for (std::size_t i = 0; i < RatioFieldCount; ++i) {
        const QString k = key(RatioKey(ratioFieldAt(i)));
        const QJsonValue v = o.value(k);
        if (v.isUndefined())
            continue;
        if (!v.isDouble() || v.toDouble() != static_cast<double>(v.toInt()))
            return wrongType(k, "a whole number");
        m.ratios[i].position = v.toInt();
    }
    for (const char* flag : {"HiPrecision", "IgnoreCost"}) {
        const QJsonValue v = o.value(QLatin1String(flag));
        if (!v.isUndefined() && !v.isBool())
            return wrongType(QLatin1String(flag), "true or false");
    }
    m.HiPrecision = o.value(QStringLiteral("HiPrecision")).toBool(true);
    m.IgnoreCost = o.value(QStringLiteral("IgnoreCost")).toBool(false);
    if (const QJsonValue v = o.value(QStringLiteral("Notes")); !v.isUndefined()) {
        if (!v.isArray())
            return wrongType(QStringLiteral("Notes"), "a list of texts");
        for (const QJsonValue& line : v.toArray()) {
            if (!line.isString())
                return wrongType(QStringLiteral("Notes"), "a list of texts");
            // A line with breaks in it is as many lines.
            for (const QString& part : line.toString().split(QLatin1Char('\n')))
                if (static_cast<std::int64_t>(m.Notes.size()) < MaxNotesLines)
                    m.Notes.push_back(oneLine(part));
        }
    }
    if (const QJsonValue v = o.value(QStringLiteral("Weights")); !v.isUndefined()) {
        if (!v.isObject())
            return wrongType(QStringLiteral("Weights"), "an object");
        const QJsonObject w = v.toObject();
        for (std::size_t i = 0; i < GravityKeyCount; ++i) {
            const QString k = key(GravityFileKey(gravityKeyAt(i)));
            const QJsonValue g = w.value(k);
            if (g.isUndefined())
                continue;
            if (!g.isString())
                return wrongType(QStringLiteral("Weights.") + k, "a text");
            m.Gravity[i] = oneLine(g.toString());
        }
    }
    IniDocument ini;
    RecipeToIni(ini, m);
    out.recipe = RecipeFromIni(ini);
    return out;
}

} // namespace kovaq
