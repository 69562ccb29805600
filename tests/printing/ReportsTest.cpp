// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "Reports.h"
#include "BottleLabels.h"
#include "CoreTexts.h"
#include "MixCalculator.h"
#include "ReportRenderer.h"
#include "Texts.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>
#include <QTranslator>

#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

using namespace kovaq;
using T = TextField;

namespace {

MixRecipe baseRecipe() {
    MixRecipe r = FreshMix();
    r.Name = "Thirty";
    r[RatioField::BaseNicPGVG].position = 5;
    r[RatioField::MixNicPGVG].position = 3;
    for (PgVgRatio& ratio : r.ratios) {
        SetPgPercentFromChoice(ratio);
        RefreshRatioText(ratio);
    }
    r[T::BaseNicStrength] = "36";
    r[T::MixStrength] = "12";
    r[T::MixQty] = "30";
    r[T::NicBaseCost] = "6";
    r[T::NicBaseQty] = "30";
    r[T::PGCost] = "9.5";
    r[T::PGQty] = "500";
    r[T::VGCost] = "8";
    r[T::VGQty] = "500";
    return r;
}

struct Built {
    ReportDocument doc;
    QStringList lines;
};

Built build(const MixRecipe& r, bool details, bool notes = false, bool unused = false,
            int size = 12) {
    RowLabels labels;
    for (std::size_t i = 0; i < SlotCount; ++i)
        if (auto name = NameField(slotAt(i)); name && !r[*name].empty())
            labels.applyName(slotAt(i), r[*name]);
    const MixResult result = Recalculate(r);
    labels.applyResets(result);
    const ReportInputs in = MakeReportInputs(r, result, labels, notes, unused, size);
    Built b;
    if (details)
        BuildDetailsReport(b.doc, in);
    else
        BuildSummaryReport(b.doc, in);
    for (int i = 0; i < b.doc.LineCount(); ++i)
        b.lines << b.doc.LineText(i);
    return b;
}

} // namespace

TEST(TabLayouts, ScaleWithTheTextSize) {
    EXPECT_EQ(SummaryTabs(12).stops.mid(0, 6), QList<int>({0, 120, 160, 225, 249, 273}));
    EXPECT_EQ(SummaryTabs(12).stops.last(), 561);
    EXPECT_EQ(SummaryTabs(8).stops.mid(0, 6), QList<int>({0, 80, 106, 150, 241, 257}));
    EXPECT_EQ(SummaryTabs(8).stops.last(), 449);
    EXPECT_EQ(SummaryTabs(14).stops.mid(3, 2), QList<int>({262, 253})); // kept out of order
    EXPECT_EQ(SummaryTabs(12).stops.size(), 18);
    EXPECT_EQ(DetailsTabs(10).stops, QList<int>({0, 104, 137, 204, 304}));
    EXPECT_EQ(SpecHeaderTabs(8).stops, QList<int>({0, 73, 243}));
    EXPECT_EQ(SpecRowTabs(14).stops, QList<int>({0, 151, 198, 285, 425}));
    EXPECT_EQ(NotesTabs(8).stops.size(), 15);
    EXPECT_EQ(NotesTabs(8).stops.last(), 224);
}

TEST(ReportDocument, CountsLineBreaksAsTwoCharacters) {
    ReportDocument doc;
    doc.SetSize(10);
    doc.AppendLine(QStringLiteral("abc"));
    doc.SetBold(true);
    doc.AppendLine(QStringLiteral("de"));
    doc.SetBold(false);
    doc.AppendLine(QStringLiteral("fgh"));
    EXPECT_EQ(doc.Find(QStringLiteral("de")), 5);
    EXPECT_EQ(doc.Find(QStringLiteral("fg")), 9);
    EXPECT_EQ(doc.Find(QStringLiteral("zz")), -1);
    EXPECT_TRUE(doc.lines()[1].formats[0].bold);
    doc.MarkBold(2, 8); // "c", the break, "de", the break, "f"
    EXPECT_FALSE(doc.lines()[0].formats[1].bold);
    EXPECT_TRUE(doc.lines()[0].formats[2].bold);
    EXPECT_TRUE(doc.lines()[2].formats[0].bold);
    EXPECT_FALSE(doc.lines()[2].formats[1].bold);
    doc.ReplaceLineText(0, QStringLiteral("xyz!"));
    EXPECT_EQ(doc.lines()[0].formats.size(), 4u);
    EXPECT_FALSE(doc.lines()[0].formats[3].bold); // the first character's format
    EXPECT_EQ(doc.lines()[0].formats[3].size, 10);
}

TEST(SummaryReport, PrintsUsedIngredientsWithTheirLiterals) {
    MixRecipe r = baseRecipe();
    r[T::PctFlav1] = "10";
    r[T::Flav1Name] = "Lemon";
    r[T::Flav1Cost] = "0";
    r.Notes = {"n0"};
    const Built b = build(r, false, true);
    const QStringList expected = {
        "Mix Name - Thirty(12mg 30ml 70-30)",
        "",
        "Status -  Cost OK,  Volumes OK\tNotes -  ",
        "\t\t\t",
        "Nic Base Strength\t\t36 mg\tn0",
        "Nic Strength\t\t12 mg\t",
        "Mix PG-VG Ratio (%) \t\t70-30\t",
        "\t\t\t",
        "Nic Base\t50-50\t10 ml\t",
        "PG \t\t13 ml\t",
        "VG \t\t4 ml\t",
        "F1 Lemon\t10%\t3 ml\t",
        "\t\t\t",
        "Mix Volume \t\t30 ml\t",
        "\t\t\t",
        "                  TOTAL COST \t2.31\t",
        "\t\t\t",
        "Calculated with Ko-Vaq from ko-vaq.example\t",
    };
    EXPECT_EQ(b.lines, expected);
    // Bold: the whole name line, "Status -" and "Notes -"; the footer two points smaller.
    for (const CharFormat& f : b.doc.lines()[0].formats)
        EXPECT_TRUE(f.bold);
    const auto& status = b.doc.lines()[2].formats;
    EXPECT_TRUE(status[7].bold);
    EXPECT_FALSE(status[8].bold);
    const int notesAt = static_cast<int>(b.lines[2].indexOf(QStringLiteral("Notes -")));
    EXPECT_TRUE(status[static_cast<std::size_t>(notesAt + 6)].bold);
    EXPECT_FALSE(status[static_cast<std::size_t>(notesAt + 7)].bold);
    EXPECT_EQ(b.doc.lines().back().formats[0].size, 10);
    EXPECT_FALSE(b.doc.lines().back().formats[0].bold);
}

namespace {

// A few of the reports' words in another language, and the calculation's status with them.
class German : public QTranslator {
  public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override {
        static const QHash<QString, QString> words = {
            {QStringLiteral("kovaq::Reports|Mix Name"), QStringLiteral("Mischung")},
            {QStringLiteral("kovaq::Reports|Status"), QStringLiteral("Zustand")},
            {QStringLiteral("kovaq::Reports|Notes"), QStringLiteral("Notizen")},
            {QStringLiteral("kovaq::Reports|Calculated with Ko-Vaq from %1"),
             QStringLiteral("Mit Ko-Vaq berechnet (%1)")},
            {QStringLiteral("kovaq::Calculation|Cost OK, "), QStringLiteral("Kosten OK, ")},
            {QStringLiteral("kovaq::Calculation|Volumes OK"), QStringLiteral("Mengen OK")},
            {QStringLiteral("kovaq::RowLabels|Nic Base"), QStringLiteral("Nikotinbase")},
        };
        return words.value(QString::fromUtf8(context) + QLatin1Char('|') +
                           QString::fromUtf8(source));
    }
};

} // namespace

TEST(SummaryReport, SaysItsWordsInTheReadersLanguage) {
    German german;
    ASSERT_TRUE(QCoreApplication::installTranslator(&german));
    InstallCoreTexts();
    MixRecipe r = baseRecipe();
    r.Notes = {"n0"};
    const Built b = build(r, false, true);
    QCoreApplication::removeTranslator(&german);
    SetTextHook(nullptr);

    EXPECT_EQ(b.lines[0], "Mischung - Thirty(12mg 30ml 70-30)");
    EXPECT_EQ(b.lines[2], "Zustand -  Kosten OK,  Mengen OK\tNotizen -  ");
    EXPECT_EQ(b.lines[8], "Nikotinbase\t50-50\t10 ml\t");
    EXPECT_EQ(b.lines.back(), "Mit Ko-Vaq berechnet (ko-vaq.example)\t");
    // The captions stay bold with their dash, however long the word.
    const auto& status = b.doc.lines()[2].formats;
    EXPECT_TRUE(status[8].bold);
    EXPECT_FALSE(status[9].bold);
    const auto notesAt = static_cast<std::size_t>(b.lines[2].indexOf(QStringLiteral("Notizen -")));
    EXPECT_TRUE(status[notesAt + 8].bold);
    EXPECT_FALSE(status[notesAt + 9].bold);
}

TEST(SummaryReport, EdgeCases) {
    struct Case {
        const char* name;
        std::function<void(MixRecipe&)> edit;
        bool notes;
        std::function<void(const QStringList&)> check;
    };
    const std::vector<Case> cases = {
        {"BaseWithoutNicotine", [](MixRecipe& r) { r[T::BaseNicStrength] = ""; }, false,
         [](const QStringList& l) {
             EXPECT_FALSE(l.join('|').contains(QStringLiteral("Nic Base Strength")));
             EXPECT_TRUE(l.contains(QStringLiteral("Nic Strength\t\t0 mg\t")));
         }},
        {"NoVolume", [](MixRecipe& r) { r[T::MixQty] = "0"; }, false,
         [](const QStringList& l) {
             EXPECT_FALSE(l.join('|').contains(QStringLiteral("Mix Volume")));
             EXPECT_TRUE(l.join('|').contains(QStringLiteral("\t\t\t|\t\t\t")));
         }},
        {"TotalZero",
         [](MixRecipe& r) {
             r[T::MixQty] = "";
             r[T::BaseNicStrength] = "";
         },
         false,
         [](const QStringList& l) {
             EXPECT_FALSE(l.join('|').contains(QStringLiteral("TOTAL COST")));
         }},
        {"IgnoredCostsPrintNA", [](MixRecipe& r) { r.IgnoreCost = true; }, false,
         [](const QStringList& l) {
             EXPECT_TRUE(l.contains(QStringLiteral("                  TOTAL COST \tN/A\t")));
         }},
        {"EmptyNotesStillHeaded", [](MixRecipe& r) { r.Notes.clear(); }, true,
         [](const QStringList& l) { EXPECT_TRUE(l[2].endsWith(QStringLiteral("Notes -  "))); }},
        {"TabsAndNamesVerbatim",
         [](MixRecipe& r) {
             r.Name = "A\tB";
             r[T::NicBaseName] = "Salt";
         },
         false,
         [](const QStringList& l) {
             EXPECT_EQ(l[0], QStringLiteral("Mix Name - A\tB(12mg 30ml 70-30)"));
             EXPECT_TRUE(l.contains(QStringLiteral("NicBase  Salt\t50-50\t10 ml\t")));
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MixRecipe r = baseRecipe();
        c.edit(r);
        c.check(build(r, false, c.notes).lines);
    }
}

TEST(SummaryReport, FourteenNotesBesideFifteenBodyLines) {
    MixRecipe r = baseRecipe();
    for (int i = 0; i < 14; ++i)
        r.Notes.push_back("note " + std::to_string(i));
    const Built b = build(r, false, true);
    // Body lines 0..14; notes 0..10 sit beside lines 4..14, 11..13 follow on their own.
    EXPECT_TRUE(b.lines[4].endsWith(QStringLiteral("note 0")));
    EXPECT_EQ(b.lines[14], QStringLiteral("                  TOTAL COST \t2.36\tnote 10"));
    EXPECT_EQ(b.lines[15], QStringLiteral("\t\t\tnote 11"));
    EXPECT_EQ(b.lines[17], QStringLiteral("\t\t\tnote 13"));
    EXPECT_EQ(b.lines[18], QStringLiteral("\t\t\t"));
    EXPECT_EQ(b.lines.size(), 20);
}

TEST(DetailsReport, TablesWithBoldAndSizesToTheEnd) {
    MixRecipe r = baseRecipe();
    r[T::PctFlav1] = "10";
    r[T::Flav1Name] = "Lemon";
    r[T::Flav1Cost] = "12";
    r[T::Flav1Qty] = "10";
    r.Notes = {"shake\twell"};
    const Built b = build(r, true, true);
    const QStringList expected = {
        "Mix Name - Thirty(12mg 30ml 70-30)",
        "",
        "Status -  Cost OK,  Volumes OK",
        "",
        "Ingredient Details\t\t\tMixing Volumes",
        "\tCost\t      Qty(ml)\t\tVol(ml)",
        "Nic Base\t6\tper  30\tNic Base\t  10",
        "Prop. Glycol (PG)\t9.5\tper  500\tPG\t  13",
        "Veg. Glycerin (VG)\t8\tper  500\tVG\t  4",
        "F1 Lemon\t12\tper  10\tF1 Lemon\t  3",
        "",
        "",
        "Mixing Specification\t\t\tCosts For This Mix",
        "\t%PG/%VG\t  Costs",
        "Nic Base Strength\t50-50\t36 mg\tNic Base\t  2",
        "Nic Strength\t70-30\t12 mg\tPG\t  0.25",
        "\t\t\tVG\t  0.06",
        "F1 Lemon\tPG\t10%\tF1 Lemon\t  3.6",
        "Mix Volume\t\t30 ml\t                    TOTAL\t  5.91",
        "",
        "Notes -",
        "",
        "shake\twell",
        "",
        "Calculated with Ko-Vaq from ko-vaq.example",
        "",
    };
    EXPECT_EQ(b.lines, expected);
    const auto& lines = b.doc.lines();
    EXPECT_TRUE(lines[0].formats.back().bold);
    EXPECT_TRUE(lines[2].formats[8].bold); // "Status - " with its blank
    EXPECT_FALSE(lines[2].formats[9].bold);
    EXPECT_EQ(lines[4].formats[0].size, 12);
    EXPECT_TRUE(lines[4].formats[0].bold);
    for (std::size_t i = 5; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].lineFormat.size, 10) << i;
        EXPECT_TRUE(lines[i].lineFormat.bold) << i;
    }
    EXPECT_EQ(lines[4].tabs.name, QStringLiteral("DetailsTabs"));
    EXPECT_EQ(lines[12].tabs.name, QStringLiteral("DetailsTabs"));
    EXPECT_EQ(lines[13].tabs.name, QStringLiteral("SpecHeaderTabs"));
    EXPECT_EQ(lines[21].tabs.name, QStringLiteral("SpecRowTabs"));
    EXPECT_EQ(lines[22].tabs.name, QStringLiteral("NotesTabs"));
    EXPECT_EQ(lines.back().tabs.name, QStringLiteral("NotesTabs"));
}

TEST(DetailsReport, EdgeCases) {
    {
        SCOPED_TRACE("IgnoredCosts");
        MixRecipe r = baseRecipe();
        r.IgnoreCost = true;
        const QStringList l = build(r, true).lines;
        EXPECT_TRUE(l.contains(QStringLiteral("Nic Base\tN/A\tper  N/A\tNic Base\t  10")));
        EXPECT_TRUE(l.contains(QStringLiteral("Nic Base Strength\t50-50\t36 mg\tNic Base\t  N/A")));
        EXPECT_TRUE(
            l.contains(QStringLiteral("Mix Volume\t\t30 ml\t                    TOTAL\t  N/A")));
    }
    {
        SCOPED_TRACE("Unused");
        MixRecipe r = baseRecipe();
        const QStringList l = build(r, true, false, true).lines;
        EXPECT_TRUE(l.contains(QStringLiteral("F3 \t0\tper  0\tF3\t  0")));
        EXPECT_TRUE(l.contains(QStringLiteral("F8\tPG\t0%\tF8\t  0")));
        EXPECT_TRUE(l.contains(QStringLiteral("Vodka/Water\t\t0%\tVodka/Water\t  0")));
        EXPECT_EQ(l.size(), 6 + 12 + 2 + 2 + 13 + 3);
    }
    {
        SCOPED_TRACE("FreeBaseLosesItsSpecRow");
        MixRecipe r = baseRecipe();
        r[T::NicBaseCost] = "0";
        const QStringList l = build(r, true).lines;
        EXPECT_FALSE(l.join('|').contains(QStringLiteral("Nic Base Strength")));
        EXPECT_TRUE(l.contains(QStringLiteral("Nic Base\t0\tper  30\tNic Base\t  10")));
    }
    {
        SCOPED_TRACE("NotesOffAndEmpty");
        MixRecipe r = baseRecipe();
        EXPECT_FALSE(build(r, true, false).lines.contains(QStringLiteral("Notes -")));
        const Built b = build(r, true, true);
        const auto at = b.lines.indexOf(QStringLiteral("Notes -"));
        ASSERT_GE(at, 0);
        EXPECT_EQ(b.lines[at + 1], QString());
        EXPECT_EQ(b.lines[at + 2], QStringLiteral("Calculated with Ko-Vaq from ko-vaq.example"));
        EXPECT_EQ(b.doc.lines().back().tabs.name, QStringLiteral("SpecRowTabs"));
    }
    {
        SCOPED_TRACE("BaseWithoutNicotine");
        MixRecipe r = baseRecipe();
        r[T::BaseNicStrength] = "";
        const QStringList l = build(r, true, false, true).lines;
        EXPECT_TRUE(l.contains(QStringLiteral("Nic Base Strength\t50-50\t0 mg\tNic Base\t  0")));
        EXPECT_TRUE(l.contains(QStringLiteral("Nic Strength\t70-30\t0 mg\tPG\t  0.4")));
    }
}

TEST(BottleLabel, IsOneLabelWhateverTheNamesLength) {
    LabelInputs in;
    in.strength = QStringLiteral("3");
    in.ratio = QStringLiteral("70-30");
    in.volume = QStringLiteral("30");
    in.mixed = QDate(2026, 12, 1);
    in.ready = QDate(2026, 12, 8);
    in.baseMaker = QStringLiteral("Capella");
    const QString words = QStringLiteral("Strawberry Custard ").repeated(108).left(2047);
    const QString oneWord = QString(2047, QLatin1Char('W'));
    for (const QSizeF& mm : {QSizeF(50, 25), QSizeF(70, 40), QSizeF(100, 50), QSizeF(30, 15)})
        for (const QString& name : {QStringLiteral("Lemon Tart"), words, oneWord}) {
            SCOPED_TRACE(QStringLiteral("%1 x %2 mm, %3 characters")
                             .arg(mm.width())
                             .arg(mm.height())
                             .arg(name.size())
                             .toStdString());
            in.name = name;
            ReportDocument doc;
            FitLabelReport(doc, in, mm);
            QBuffer pdf;
            pdf.open(QIODevice::WriteOnly);
            ASSERT_TRUE(ExportReportPdf(
                doc, pdf, QPageSize(mm, QPageSize::Millimeter, QString(), QPageSize::ExactMatch),
                LabelMarginInches));
            const QString bytes = QString::fromLatin1(pdf.data());
            EXPECT_EQ(bytes.count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))), 1);
            // The name as far as it fits, and an ellipsis where it was shortened.
            const QString text = doc.PlainText();
            EXPECT_TRUE(text.startsWith(name.left(10))) << text.toStdString();
            EXPECT_TRUE(text.contains(name) || text.contains(QChar(0x2026))) << text.toStdString();
        }
}
