// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "CalcStash.h"

#include "FileAccess.h"
#include "MixDocument.h"
#include "Numbers.h"
#include "QtText.h"
#include "StashPlan.h"
#include "StashStore.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

namespace kovaq {
namespace {

QString dbPath(const CalcOptions& o) {
    return o.db.empty() ? StashStore::DefaultPath() : PathFromNative(o.db);
}

// The store opened for reading; said and empty when it cannot be.
std::unique_ptr<StashStore> openForReading(const CalcOptions& o) {
    auto store = std::make_unique<StashStore>(dbPath(o));
    const StashStore::State state = store->open(true);
    if (state != StashStore::State::ReadOnly && state != StashStore::State::ReadWrite) {
        std::fprintf(stderr, "kovaq-calc: %s\n", store->problem().toUtf8().constData());
        return nullptr;
    }
    if (!store->problem().isEmpty()) // a newer Ko-Vaq's: read as far as it goes
        std::fprintf(stderr, "%s\n",
                     QCoreApplication::translate("kovaq::CalcStash", "kovaq-calc: warning: %1")
                         .arg(store->problem())
                         .toUtf8()
                         .constData());
    return store;
}

void write(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout);
}

void writeJson(const QJsonArray& a) {
    const QByteArray bytes = QJsonDocument(a).toJson(QJsonDocument::Indented);
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout);
}

QString number(double v) {
    return ToQString(FormatNumber(v));
}

QString ratioText(int position) {
    return position < 0 || position >= RatioListSize
               ? QString()
               : ToQString(std::string(RatioListText(position))).trimmed();
}

QString iso(std::int64_t ms) {
    return QDateTime::fromMSecsSinceEpoch(ms).toLocalTime().toString(Qt::ISODate);
}

// Padded to `width` characters, as a terminal counts them.
QString cell(const QString& text, int width) {
    return text.leftJustified(width, QLatin1Char(' '), true) + QLatin1Char(' ');
}

} // namespace

int PrintStash(const CalcOptions& o) {
    const auto store = openForReading(o);
    if (!store)
        return 1;
    const std::vector<Bottle> bottles = store->bottles();
    if (o.json) {
        QJsonArray out;
        for (const Bottle& b : bottles)
            out.append(QJsonObject{
                {QStringLiteral("id"), qint64(b.id)},
                {QStringLiteral("kind"), BottleKindName(b.kind)},
                {QStringLiteral("name"), b.name},
                {QStringLiteral("maker"), b.maker},
                {QStringLiteral("onHandMl"), b.onHand},
                {QStringLiteral("bottleMl"), b.size},
                {QStringLiteral("price"), b.price},
                {QStringLiteral("pgvg"), ratioText(b.ratio)},
                {QStringLiteral("nicotineMgPerMl"), b.strength},
                {QStringLiteral("gravity"), b.gravity},
                {QStringLiteral("notes"), b.notes},
            });
        writeJson(out);
        return 0;
    }
    write(cell(QCoreApplication::translate("kovaq::CalcStash", "Kind"), 14) +
          cell(QCoreApplication::translate("kovaq::CalcStash", "Name"), 24) +
          cell(QCoreApplication::translate("kovaq::CalcStash", "Maker"), 16) +
          cell(QCoreApplication::translate("kovaq::CalcStash", "On hand"), 8) +
          cell(QCoreApplication::translate("kovaq::CalcStash", "Bottle"), 8) +
          cell(QCoreApplication::translate("kovaq::CalcStash", "Price"), 8) +
          cell(QStringLiteral("PG/VG"), 6) + cell(QStringLiteral("mg/ml"), 6) +
          QStringLiteral("g/ml\n"));
    for (const Bottle& b : bottles)
        write(cell(BottleKindName(b.kind), 14) + cell(b.name, 24) + cell(b.maker, 16) +
              cell(number(b.onHand), 8) + cell(number(b.size), 8) + cell(number(b.price), 8) +
              cell(ratioText(b.ratio), 6) +
              cell(b.kind == BottleKind::NicotineBase ? number(b.strength) : QString(), 6) +
              b.gravity + QLatin1Char('\n'));
    return 0;
}

int PrintBatches(const CalcOptions& o) {
    const auto store = openForReading(o);
    if (!store)
        return 1;
    const std::vector<Batch> batches = store->batches(o.json);
    if (o.csv) {
        const std::string csv = BatchesCsv(batches);
        std::fwrite(csv.data(), 1, csv.size(), stdout);
        return 0;
    }
    if (o.json) {
        QJsonArray out;
        for (const Batch& b : batches) {
            QJsonArray ml, grams;
            for (std::size_t i = 0; i < SlotCount; ++i) {
                ml.append(b.ml[i]);
                grams.append(b.grams[i]);
            }
            out.append(QJsonObject{
                {QStringLiteral("id"), qint64(b.id)},
                {QStringLiteral("mixed"), iso(b.mixedAt)},
                {QStringLiteral("name"), b.name},
                {QStringLiteral("volumeMl"), b.volume},
                {QStringLiteral("strengthMg"), b.strength},
                {QStringLiteral("pgvg"), b.ratio},
                {QStringLiteral("cost"), b.cost},
                {QStringLiteral("steepDays"), b.steepDays},
                {QStringLiteral("ready"), QDateTime::fromMSecsSinceEpoch(b.readyAt())
                                              .toLocalTime()
                                              .date()
                                              .toString(Qt::ISODate)},
                {QStringLiteral("file"), b.file},
                {QStringLiteral("note"), b.note},
                {QStringLiteral("shortfall"), b.shortfall},
                {QStringLiteral("ml"), ml},
                {QStringLiteral("grams"), grams},
                {QStringLiteral("recipe"), b.recipeText},
            });
        }
        writeJson(out);
        return 0;
    }
    write(cell(QCoreApplication::translate("kovaq::CalcStash", "Mixed"), 19) +
          cell(QCoreApplication::translate("kovaq::CalcStash", "Name"), 40) +
          cell(QCoreApplication::translate("kovaq::CalcStash", "Volume"), 7) +
          cell(QStringLiteral("mg"), 5) + QCoreApplication::translate("kovaq::CalcStash", "Ready") +
          QLatin1Char('\n'));
    for (const Batch& b : batches)
        write(cell(iso(b.mixedAt), 19) + cell(b.name, 40) + cell(b.volume, 7) +
              cell(b.strength, 5) +
              QDateTime::fromMSecsSinceEpoch(b.readyAt()).date().toString(Qt::ISODate) +
              QLatin1Char('\n'));
    return 0;
}

QString BaseMakerFromStash(const CalcOptions& o, const MixDocument& doc) {
    const double baseMl = doc.result().slots[index(SlotId::NicBase)].Volume;
    if (!(baseMl > 0))
        return {}; // no stash is opened for a mix without a base
    StashStore store(dbPath(o));
    if (store.open(true) == StashStore::State::Unavailable)
        return {};
    return BaseMakerOf(doc.recipe(), baseMl, store.bottles());
}

} // namespace kovaq
