// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

// The stash's bottles as CSV: written for a spreadsheet, read back from one, and an import
// applied in one transaction.

#include "StashCsv.h"

#include "Codepage.h"
#include "FlavourName.h"
#include "Numbers.h"
#include "QtText.h"
#include "StashSql.h"
#include "Weights.h"

#include <QLocale>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <tuple>

namespace kovaq {
namespace {

enum class Column { Kind, Name, Maker, OnHand, Size, Price, Ratio, Strength, Gravity, Notes };
constexpr int kColumnCount = 10;
const char* const kColumnNames[kColumnCount] = {"kind",      "name",  "maker", "on_hand_ml",
                                                "bottle_ml", "price", "pgvg",  "strength",
                                                "gravity",   "notes"};

struct Kind {
    const char* token;
    BottleKind kind;
};
// The first of each kind is what is written; the others are read too.
const Kind kKinds[] = {
    {"base", BottleKind::NicotineBase},
    {"pg", BottleKind::PG},
    {"vg", BottleKind::VG},
    {"flavour", BottleKind::Flavour},
    {"vodka/water", BottleKind::VodkaWater},
    {"nicotine base", BottleKind::NicotineBase},
    {"flavor", BottleKind::Flavour},
    {"vodka", BottleKind::VodkaWater},
    {"water", BottleKind::VodkaWater},
};

// A cell as CsvCell writes it; a text that starts with an apostrophe gets one more, so
// that the one the reader takes off is never the text's own.
QString textCell(const QString& text) {
    return CsvCell(text.startsWith(QLatin1Char('\'')) ? QLatin1Char('\'') + text : text);
}

QString numberCell(double v) {
    // The shortest text that reads back as the same number.
    return QString::number(v, 'g', QLocale::FloatingPointShortest);
}

QString ratioText(int position) {
    return ToQString(RatioListText(position)).trimmed();
}

// "70-30", "70/30", "70 - 30", "pg" and the like as the list's position; none when not one.
std::optional<int> ratioPosition(const QString& cell) {
    QString t = cell.toLower();
    t.remove(QLatin1Char(' '));
    t.replace(QLatin1Char('/'), QLatin1Char('-'));
    if (t.isEmpty())
        return -1;
    for (int p = 0; p < RatioListSize; ++p)
        if (ratioText(p).toLower().remove(QLatin1Char(' ')) == t)
            return p;
    const QStringList parts = t.split(QLatin1Char('-'));
    bool pgOk = false, vgOk = false;
    const int pg = parts.size() == 2 ? parts[0].toInt(&pgOk) : -1;
    const int vg = parts.size() == 2 ? parts[1].toInt(&vgOk) : -1;
    if (pgOk && vgOk && pg + vg == 100)
        for (int p = 0; p < RatioNonePosition; ++p)
            if (RatioPgPercent(p) == pg)
                return p;
    return std::nullopt;
}

QString headerName(const QString& cell) {
    QString h = cell.trimmed().toLower();
    h.replace(QLatin1Char(' '), QLatin1Char('_'));
    h.replace(QLatin1Char('-'), QLatin1Char('_'));
    return h;
}

// One record of the file: its cells and the line it starts on.
struct Record {
    int line = 0;
    QStringList cells;
    bool unclosed = false; // a quoted cell runs to the end of the file
};

class CsvReader {
  public:
    explicit CsvReader(QString text) : m_text(std::move(text)) {}
    QChar chooseSeparator() {
        // The header decides: a spreadsheet set to a decimal comma writes semicolons.
        const qsizetype end = m_text.indexOf(QLatin1Char('\n'));
        const QStringView first = QStringView(m_text).left(end < 0 ? m_text.size() : end);
        for (const QChar c : {QLatin1Char(','), QLatin1Char(';'), QLatin1Char('\t')})
            if (first.contains(c))
                return m_separator = c;
        return m_separator;
    }
    QChar separator() const { return m_separator; }
    bool next(Record& r) {
        if (m_at >= m_text.size())
            return false;
        r = Record{};
        r.line = m_line;
        QString cell;
        bool quoted = false;
        while (m_at < m_text.size()) {
            const QChar c = m_text[m_at++];
            if (quoted) {
                if (c == QLatin1Char('"')) {
                    if (m_at < m_text.size() && m_text[m_at] == QLatin1Char('"')) {
                        cell += c;
                        ++m_at;
                    } else {
                        quoted = false;
                    }
                } else {
                    if (c == QLatin1Char('\n'))
                        ++m_line;
                    cell += c;
                }
            } else if (c == QLatin1Char('"') && cell.isEmpty()) {
                quoted = true;
            } else if (c == m_separator) {
                r.cells << cell;
                cell.clear();
            } else if (c == QLatin1Char('\n')) {
                ++m_line;
                break;
            } else if (c != QLatin1Char('\r')) {
                cell += c;
            }
        }
        r.unclosed = quoted;
        r.cells << cell;
        return true;
    }

  private:
    QString m_text;
    qsizetype m_at = 0;
    int m_line = 1;
    QChar m_separator = QLatin1Char(',');
};

// A cell as the text it stands for: the apostrophe CsvCell put before a formula taken off.
QString cellText(const QString& cell) {
    static const QString guarded = QStringLiteral("=+-@\t\r'");
    if (cell.size() >= 2 && cell[0] == QLatin1Char('\'') && guarded.contains(cell[1]))
        return cell.mid(1);
    return cell;
}

using BottleKey = std::tuple<int, QString, QString>;
BottleKey keyOf(const Bottle& b) {
    return {static_cast<int>(b.kind), FoldName(b.name), FoldName(b.maker)};
}

struct Limits {
    Column column;
    double most;
};
const Limits kLimits[] = {
    {Column::OnHand, 1e6}, {Column::Size, 1e6}, {Column::Price, 1e9}, {Column::Strength, 1000}};

} // namespace

QString BottleKindToken(BottleKind kind) {
    for (const Kind& k : kKinds)
        if (k.kind == kind)
            return QString::fromLatin1(k.token);
    return {};
}

std::string StashCsv(const std::vector<Bottle>& bottles) {
    QStringList header;
    for (const char* name : kColumnNames)
        header << QString::fromLatin1(name);
    QString out = header.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    for (const Bottle& b : bottles) {
        const bool strength = b.kind == BottleKind::NicotineBase || b.strength != 0;
        const QStringList row = {
            BottleKindToken(b.kind), textCell(b.name),
            textCell(b.maker),       numberCell(b.onHand),
            numberCell(b.size),      numberCell(b.price),
            ratioText(b.ratio),      strength ? numberCell(b.strength) : QString(),
            textCell(b.gravity),     textCell(b.notes)};
        out += row.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    }
    return out.toStdString();
}

StashImport ReadStashCsv(std::string bytes, const std::vector<Bottle>& stash) {
    StashImport out;
    CsvReader reader(ToQString(DecodeFileText(std::move(bytes))));
    const QChar separator = reader.chooseSeparator();
    Record header;
    if (!reader.next(header) || header.cells.join(QString()).trimmed().isEmpty()) {
        out.error = QCoreApplication::translate("kovaq::StashCsv",
                                                "The file holds no header row naming the columns.");
        return out;
    }
    std::array<int, kColumnCount> at;
    at.fill(-1);
    for (int i = 0; i < header.cells.size(); ++i) {
        QString name = headerName(cellText(header.cells[i]));
        if (i == 0 && name.startsWith(QChar(0xFEFF)))
            name.remove(0, 1);
        for (int c = 0; c < kColumnCount; ++c) {
            if (name != QLatin1String(kColumnNames[c]))
                continue;
            if (at[c] >= 0) {
                out.error = QCoreApplication::translate("kovaq::StashCsv",
                                                        "The header names the column %1 twice.")
                                .arg(name);
                return out;
            }
            at[c] = i;
        }
    }
    if (at[static_cast<int>(Column::Kind)] < 0) {
        out.error = QCoreApplication::translate(
            "kovaq::StashCsv", "The header row names no kind column; it needs kind, and may name "
                               "name, maker, on_hand_ml, bottle_ml, price, pgvg, strength, gravity "
                               "and notes.");
        return out;
    }

    // The bottles there are by kind, name and maker, oldest first: the n-th line of one
    // updates the n-th of them.
    std::map<BottleKey, std::vector<const Bottle*>> existing;
    for (const Bottle& b : stash)
        existing[keyOf(b)].push_back(&b);
    for (auto& [key, list] : existing)
        std::sort(list.begin(), list.end(),
                  [](const Bottle* a, const Bottle* b) { return a->id < b->id; });
    std::map<BottleKey, std::size_t> taken;

    Record r;
    while (reader.next(r)) {
        if (r.unclosed) {
            out.refused.push_back(
                {r.line, QCoreApplication::translate("kovaq::StashCsv",
                                                     "A quoted cell is not closed before the end "
                                                     "of the file.")});
            break;
        }
        if (r.cells.join(QString()).trimmed().isEmpty())
            continue;
        const auto refuse = [&](const QString& why) { out.refused.push_back({r.line, why}); };
        // Spreadsheets end lines with empty cells; more cells with something in them than
        // the header names would put every cell under another column.
        qsizetype used = r.cells.size();
        while (used > header.cells.size() && r.cells[used - 1].trimmed().isEmpty())
            --used;
        if (used > header.cells.size()) {
            refuse(QCoreApplication::translate("kovaq::StashCsv",
                                               "The line has %1 cells; the header names %2.")
                       .arg(used)
                       .arg(header.cells.size()));
            continue;
        }
        const auto has = [&](Column c) { return at[static_cast<int>(c)] >= 0; };
        const auto cell = [&](Column c) {
            const int i = at[static_cast<int>(c)];
            return i >= 0 && i < r.cells.size() ? cellText(r.cells[i]) : QString();
        };

        const QString kindText = cell(Column::Kind).trimmed();
        const auto kind = std::find_if(std::begin(kKinds), std::end(kKinds), [&](const Kind& k) {
            return kindText.compare(QLatin1String(k.token), Qt::CaseInsensitive) == 0;
        });
        if (kindText.isEmpty()) {
            refuse(QCoreApplication::translate("kovaq::StashCsv", "The kind is missing."));
            continue;
        }
        if (kind == std::end(kKinds)) {
            refuse(QCoreApplication::translate(
                       "kovaq::StashCsv",
                       "The kind \"%1\" is none of base, pg, vg, flavour and vodka/water.")
                       .arg(kindText));
            continue;
        }
        Bottle read;
        read.kind = kind->kind;
        read.name = cell(Column::Name).trimmed();
        read.maker = cell(Column::Maker).trimmed();
        if (read.kind == BottleKind::Flavour && read.name.isEmpty()) {
            refuse(QCoreApplication::translate("kovaq::StashCsv", "A flavour needs a name."));
            continue;
        }
        std::optional<QString> why;
        std::array<double, kColumnCount> numbers{};
        for (const Limits& l : kLimits) {
            QString text = cell(l.column).trimmed();
            if (text.isEmpty())
                continue;
            if (separator != QLatin1Char(',')) // a decimal comma, where commas part no cells
                text.replace(QLatin1Char(','), QLatin1Char('.'));
            const QString column = QString::fromLatin1(kColumnNames[static_cast<int>(l.column)]);
            const std::optional<double> v = ParseWholeNumber(ToUtf8(text));
            if (!v || !std::isfinite(*v))
                why =
                    QCoreApplication::translate("kovaq::StashCsv", "The %1 \"%2\" is not a number.")
                        .arg(column, cell(l.column).trimmed());
            else if (*v < 0)
                why = QCoreApplication::translate("kovaq::StashCsv", "The %1 cannot be below 0.")
                          .arg(column);
            else if (*v > l.most)
                why =
                    QCoreApplication::translate("kovaq::StashCsv", "The %1 cannot be more than %2.")
                        .arg(column, ToQString(FormatNumber(l.most)));
            if (why)
                break;
            numbers[static_cast<int>(l.column)] = *v;
        }
        if (why) {
            refuse(*why);
            continue;
        }
        read.onHand = numbers[static_cast<int>(Column::OnHand)];
        read.size = numbers[static_cast<int>(Column::Size)];
        read.price = numbers[static_cast<int>(Column::Price)];
        read.strength = numbers[static_cast<int>(Column::Strength)];
        const std::optional<int> ratio = ratioPosition(cell(Column::Ratio).trimmed());
        if (!ratio) {
            refuse(QCoreApplication::translate(
                       "kovaq::StashCsv",
                       "The pgvg \"%1\" is none of PG, 90-10 to 10-90, VG and none.")
                       .arg(cell(Column::Ratio).trimmed()));
            continue;
        }
        read.ratio = *ratio;
        read.gravity = cell(Column::Gravity).trimmed();
        if (!read.gravity.isEmpty() && !ValidGravity(ToUtf8(read.gravity))) {
            refuse(QCoreApplication::translate("kovaq::StashCsv",
                                               "The gravity \"%1\" is not a number from 0.5 to 2.")
                       .arg(read.gravity));
            continue;
        }
        read.notes = cell(Column::Notes);

        const BottleKey key = keyOf(read);
        const std::size_t nth = taken[key]++;
        const auto same = existing.find(key);
        if (same == existing.end() || nth >= same->second.size()) {
            out.added.push_back({r.line, read});
            continue;
        }
        const Bottle& from = *same->second[nth];
        // What the header does not name stays as it is.
        Bottle to = from;
        to.name = has(Column::Name) ? read.name : from.name;
        to.maker = has(Column::Maker) ? read.maker : from.maker;
        if (has(Column::OnHand))
            to.onHand = read.onHand;
        if (has(Column::Size))
            to.size = read.size;
        if (has(Column::Price))
            to.price = read.price;
        if (has(Column::Ratio))
            to.ratio = read.ratio;
        if (has(Column::Strength))
            to.strength = read.strength;
        if (has(Column::Gravity))
            to.gravity = read.gravity;
        if (has(Column::Notes))
            to.notes = read.notes;
        if (to == from)
            ++out.unchanged;
        else
            out.updated.push_back({r.line, from, to});
    }
    return out;
}

std::optional<QString> StashStore::importBottles(StashImport& import) {
    if (const auto no = refused())
        return no;
    QSqlDatabase db = QSqlDatabase::database(m_connection);
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return fail(
            QCoreApplication::translate("kovaq::StashStore", "Unable to import the bottles"), &q);
    std::optional<QString> error;
    for (StashImport::Added& a : import.added)
        if ((error = addBottle(a.bottle)))
            break;
    for (const StashImport::Updated& u : import.updated)
        if (!error && (error = changeBottle(u.from.id, u.from, u.to)))
            break;
    if (!error && !QSqlQuery(db).exec(QStringLiteral("COMMIT")))
        error =
            fail(QCoreApplication::translate("kovaq::StashStore", "Unable to import the bottles"));
    if (error) {
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        for (StashImport::Added& a : import.added)
            a.bottle.id = 0;
    }
    return error;
}

} // namespace kovaq
