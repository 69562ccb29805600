// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "StashStore.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <fstream>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct CalcRun {
    int exitCode;
    QByteArray out;
    QByteArray err;
};

// The desktop's language: English unless told otherwise, whatever the desktop running the
// tests speaks.
QProcessEnvironment speaking(const QString& lang = QStringLiteral("C.UTF-8")) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LC_NUMERIC"})
        env.remove(QString::fromLatin1(name));
    env.insert(QStringLiteral("LANG"), lang);
    return env;
}

CalcRun calc(const QStringList& args, const QString& lang = QStringLiteral("C.UTF-8")) {
    QProcess p;
    p.setProcessEnvironment(speaking(lang));
    p.start(KOVAQ_CALC, args);
    p.waitForFinished(20000);
    return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
}

// Runs kovaq-calc with arguments that are bytes, not text (QProcess would recode them).
CalcRun calcBytes(const std::vector<std::string>& args, const QTemporaryDir& dir,
                  const std::string& stdoutTo = {}) {
    const std::string out = stdoutTo.empty() ? dir.filePath("stdout").toStdString() : stdoutTo;
    const std::string err = dir.filePath("stderr").toStdString();
    const pid_t pid = fork();
    if (pid == 0) {
        std::vector<char*> argv{const_cast<char*>(KOVAQ_CALC)};
        for (const std::string& a : args)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        if (!freopen(out.c_str(), "w", stdout) || !freopen(err.c_str(), "w", stderr))
            _exit(127);
        for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LC_NUMERIC"})
            unsetenv(name);
        setenv("LANG", "C.UTF-8", 1); // English, as calc() runs it
        execv(KOVAQ_CALC, argv.data());
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    auto slurp = [](const std::string& file) {
        std::ifstream in(file, std::ios::binary);
        std::stringstream ss;
        ss << in.rdbuf();
        return QByteArray::fromStdString(ss.str());
    };
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, stdoutTo.empty() ? slurp(out) : "",
            slurp(err)};
}

QString write(const QTemporaryDir& dir, const QString& name, const QByteArray& content) {
    const QString path = dir.filePath(name);
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(content);
    return path;
}

// The first worked example, as a user would have saved it (a golden file).
const QString kThirtyMl = QStringLiteral(KOVAQ_TEST_DATA "/recipes/thirty.mix");

} // namespace

TEST(KovaqCalc, JsonShowsWhatTheWindowWould) {
    QTemporaryDir dir;
    const CalcRun run = calc({"--json", kThirtyMl});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonObject o = QJsonDocument::fromJson(run.out).object();
    EXPECT_EQ(o["name"].toString(), "Thirty");
    const QJsonObject recipe = o["recipe"].toObject();
    EXPECT_EQ(recipe["MixStrength"].toString().toStdString(), "12"); // tidied as the field would
    EXPECT_EQ(recipe["VGCost"].toString(), "");
    EXPECT_EQ(recipe["BaseNicPGVG"].toInt(), 5);
    EXPECT_EQ(recipe["HiPrecision"].toBool(), true);
    EXPECT_EQ(recipe["Notes"].toArray().at(0).toString(), "shake well");

    const QJsonArray slots = o["slots"].toArray();
    ASSERT_EQ(slots.size(), 12);
    const char* names[] = {"NicBase", "PG", "VG", "Flav1"};
    const char* volumes[] = {"10", "13", "4", "3"};
    const char* costs[] = {"2", "0.25", "0", "0"};
    for (int i = 0; i < 4; ++i) {
        const QJsonObject s = slots.at(i).toObject();
        EXPECT_EQ(s["slot"].toString(), names[i]);
        EXPECT_EQ(s["volumeText"].toString(), volumes[i]);
        EXPECT_EQ(s["mixCostText"].toString(), costs[i]);
        EXPECT_EQ(s["mixCostWarn"].toBool(), i == 2);
    }
    EXPECT_DOUBLE_EQ(slots.at(0).toObject()["volume"].toDouble(), 10.0);
    EXPECT_EQ(slots.at(11).toObject()["slot"].toString(), "VodkaWater");
    EXPECT_EQ(o["totalCostText"].toString(), "2.25");
    EXPECT_TRUE(o["totalCostWarn"].toBool());
    EXPECT_EQ(o["costStatusText"].toString(), "Cost Pending, ");
    EXPECT_EQ(o["volStatusText"].toString(), "Volumes OK");
    const QJsonObject flags = o["flags"].toObject();
    EXPECT_TRUE(flags["volumesOk"].toBool());
    EXPECT_FALSE(flags["costsComplete"].toBool());
    EXPECT_FALSE(flags["infoComplete"].toBool());
    EXPECT_EQ(o["missingMarks"].toArray(), QJsonArray({"VGCost"}));
    EXPECT_TRUE(o["mixStrengthEnabled"].toBool());
    EXPECT_FALSE(o["beep"].toBool());
    EXPECT_FALSE(o["cannotBeAchievedMessage"].toBool());
}

TEST(KovaqCalc, ReportsTooStrongAndUnachievableMixes) {
    QTemporaryDir dir;
    const QByteArray tooStrong = "[Ingredients]\nBaseNicStrength=20\nBaseNicPGVG=5\n"
                                 "[Spec]\nMixNicPGVG=5\nMixStrength=20.4\nMixQty=10\n"
                                 "[Extras]\nIgnoreCost=1\n";
    const QJsonObject o =
        QJsonDocument::fromJson(calc({"--json", write(dir, "s.mix", tooStrong)}).out).object();
    EXPECT_TRUE(o["beep"].toBool());
    EXPECT_TRUE(o["flags"].toObject()["tooStrong"].toBool());
    EXPECT_FALSE(o["cannotBeAchievedMessage"].toBool());
    EXPECT_EQ(o["missingMarks"].toArray(), QJsonArray({"MixStrength"}));

    const QByteArray noNicotine = "[Spec]\nMixStrength=6\nMixQty=10\n%Flav2=5\n";
    const QJsonObject n =
        QJsonDocument::fromJson(calc({"--json", write(dir, "n.mix", noNicotine)}).out).object();
    EXPECT_FALSE(n["mixStrengthEnabled"].toBool());
    EXPECT_EQ(n["missingMarks"].toArray(),
              QJsonArray({"PGCost", "PGQty", "Flav2Cost", "Flav2Qty", "Flav2Name"}));
}

TEST(KovaqCalc, TableAndErrors) {
    QTemporaryDir dir;
    const CalcRun table = calc({kThirtyMl});
    EXPECT_EQ(table.exitCode, 0);
    EXPECT_TRUE(table.out.contains("F1 Lemon"));
    EXPECT_TRUE(table.out.contains("Status: Cost Pending, Volumes OK"));
    EXPECT_TRUE(table.out.contains("Missing: VGCost"));

    EXPECT_EQ(calc({"--help"}).exitCode, 0);
    EXPECT_EQ(calc({"--bogus", "x"}).exitCode, 2);
    EXPECT_EQ(calc({}).exitCode, 2);
}

TEST(KovaqCalc, PrintsReportsAsTextJsonAndPdf) {
    QTemporaryDir dir;
    const QString file = kThirtyMl;
    const CalcRun summary = calc({"--report", "summary", "--notes", file});
    ASSERT_EQ(summary.exitCode, 0) << summary.err.toStdString();
    const QList<QByteArray> lines = summary.out.split('\n');
    EXPECT_EQ(lines.at(0), QByteArray("Mix Name - Thirty(12mg 30ml 70-30)"));
    EXPECT_EQ(lines.at(2), QByteArray("Status -  Cost Pending,  Volumes OK\tNotes -  "));
    EXPECT_EQ(lines.at(4), QByteArray("Nic Base Strength\t\t36 mg\tshake well"));

    const CalcRun json = calc({"--report", "details", "--text-size", "8", "--json", file});
    ASSERT_EQ(json.exitCode, 0);
    const QJsonArray doc = QJsonDocument::fromJson(json.out).object()["lines"].toArray();
    ASSERT_GT(doc.size(), 10);
    const QJsonObject first = doc.at(0).toObject();
    EXPECT_EQ(first["text"].toString().toStdString(), "Mix Name - Thirty(12mg 30ml 70-30)");
    EXPECT_EQ(first["tabs"].toArray(), QJsonArray({0, 83, 110, 163, 243}));
    const QJsonObject run = first["runs"].toArray().at(0).toObject();
    EXPECT_TRUE(run["bold"].toBool());
    EXPECT_EQ(run["size"].toInt(), 8);
    EXPECT_EQ(run["length"].toInt(), 34);

    const QString pdf = dir.filePath("r.pdf");
    EXPECT_EQ(calc({"--report", "summary", "--pdf", pdf, file}).exitCode, 0);
    QFile out(pdf);
    ASSERT_TRUE(out.open(QIODevice::ReadOnly));
    EXPECT_TRUE(out.read(5).startsWith("%PDF"));

    EXPECT_EQ(calc({"--report", "weekly", file}).exitCode, 2);
    EXPECT_EQ(calc({"--report", "summary", "--text-size", "9", file}).exitCode, 2);
    EXPECT_EQ(calc({"--notes", file}).exitCode, 2);
}

TEST(KovaqCalc, SaysWhyAFileCannotBeRead) {
    QTemporaryDir dir;
    const std::string d = dir.path().toStdString();
    ASSERT_EQ(mkfifo((d + "/fifo.mix").c_str(), 0600), 0);
    ASSERT_EQ(symlink((d + "/loop.mix").c_str(), (d + "/loop.mix").c_str()), 0);
    struct Case {
        std::string file;
        std::string message; // after "kovaq-calc: cannot read "
    };
    const std::vector<Case> cases = {
        {d + "/none.mix", "'" + d + "/none.mix': No such file"},
        {d, "'" + d + "': Is a folder"},
        {d + "/fifo.mix", "'" + d + "/fifo.mix': Not a regular file"},
        {d + "/loop.mix", "'" + d + "/loop.mix': Too many levels of symbolic links"},
        {d + "/new\nline.mix", "'" + d + "/new\\nline.mix': No such file"},
        {d + "/bad\xFF.mix", "'" + d + "/bad\\xFF.mix': No such file"},
    };
    for (const Case& c : cases) {
        const CalcRun run = calcBytes({c.file}, dir);
        EXPECT_EQ(run.exitCode, 1) << c.file;
        EXPECT_EQ(run.err.toStdString(), "kovaq-calc: cannot read " + c.message + "\n");
        EXPECT_TRUE(run.out.isEmpty());
    }

    // A name that is not UTF-8 opens by its bytes.
    const std::string odd = d + "/bad\xFF.mix";
    std::ofstream(odd, std::ios::binary) << "[Title]\nName=Odd\n";
    const CalcRun ok = calcBytes({"--json", odd}, dir);
    EXPECT_EQ(ok.exitCode, 0) << ok.err.toStdString();
    EXPECT_EQ(QJsonDocument::fromJson(ok.out).object()["name"].toString(), "Odd");
    ::unlink(odd.c_str()); // Qt could not remove it with the folder

    // A file cut at the bound is read with a warning.
    std::string big = "[Title]\r\nName=Big\r\n";
    big.resize(32 * 1024 * 1024 + 1, ';');
    std::ofstream(d + "/big.mix", std::ios::binary) << big;
    const CalcRun cut = calcBytes({"--json", d + "/big.mix"}, dir);
    EXPECT_EQ(cut.exitCode, 0);
    EXPECT_EQ(cut.err.toStdString(), "kovaq-calc: warning: '" + d +
                                         "/big.mix' is longer than 32 MiB; only its first 32 "
                                         "MiB were read\n");
    EXPECT_EQ(QJsonDocument::fromJson(cut.out).object()["name"].toString(), "Big");
}

TEST(KovaqCalc, OutputThatCannotBeWrittenIsAFailure) {
    QTemporaryDir dir;
    const std::string file = kThirtyMl.toStdString();
    // Table, JSON and report into a full disk.
    for (const std::vector<std::string>& args : {std::vector<std::string>{file},
                                                 {"--json", file},
                                                 {"--report", "details", file},
                                                 {"--help"},
                                                 {"--version"}}) {
        const CalcRun run = calcBytes(args, dir, "/dev/full");
        EXPECT_EQ(run.exitCode, 1) << args[0];
        EXPECT_EQ(run.err.toStdString(),
                  "kovaq-calc: cannot write the output: No space left on device\n")
            << args[0];
    }
    // A PDF into a folder that cannot be written, or onto a device: nothing is left behind.
    const std::string locked = dir.filePath("locked").toStdString();
    ASSERT_EQ(mkdir(locked.c_str(), 0500), 0);
    // The system's reason is said with it.
    for (const auto& [pdf, why] : std::vector<std::pair<std::string, std::string>>{
             {locked + "/r.pdf", "Permission denied"}, {"/dev/full", "Not a regular file"}}) {
        const CalcRun run = calcBytes({"--report", "summary", "--pdf", pdf, file}, dir);
        EXPECT_EQ(run.exitCode, 1) << pdf;
        EXPECT_EQ(run.err.toStdString(), "kovaq-calc: cannot write '" + pdf + "': " + why + "\n");
    }
    struct stat st {};
    EXPECT_NE(stat((locked + "/r.pdf").c_str(), &st), 0);
    // A PDF that replaces another is written whole or not at all.
    const std::string pdf = dir.filePath("r.pdf").toStdString();
    std::ofstream(pdf) << "old";
    EXPECT_EQ(calcBytes({"--report", "summary", "--pdf", pdf, file}, dir).exitCode, 0);
    std::ifstream in(pdf, std::ios::binary);
    std::string head(5, '\0');
    in.read(head.data(), 5);
    EXPECT_EQ(head, "%PDF-");
    // The version comes from the project.
    const CalcRun version = calcBytes({"--version"}, dir);
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out.toStdString().substr(0, version.out.indexOf('\n') + 1),
              "kovaq-calc " KOVAQ_VERSION "\n");
    EXPECT_TRUE(version.out.contains("License GPLv3+: GNU GPL version 3 or later"));
}

TEST(KovaqCalc, WeighsTheMix) {
    QTemporaryDir dir;
    const QString file = write(dir, "w.mix",
                               "[Ingredients]\nBaseNicPGVG=5\nBaseNicStrength=36\nFlav1Name=Lemon\n"
                               "[Spec]\nMixNicPGVG=3\nMixStrength=12\n%Flav1=10\nMixQty=30\n"
                               "[Weights]\nVodka/Water=0.95\n");
    const QJsonObject w =
        QJsonDocument::fromJson(calc({"--json", file}).out).object()["weights"].toObject();
    const QJsonArray slots = w["slots"].toArray();
    ASSERT_EQ(slots.size(), 12);
    const QJsonObject base = slots.at(0).toObject();
    EXPECT_EQ(base["slot"].toString(), "NicBase");
    EXPECT_NEAR(base["sg"].toDouble(), 1.143563, 1e-6);
    EXPECT_NEAR(base["grams"].toDouble(), 11.43563, 1e-5);
    EXPECT_EQ(base["gramsText"].toString(), "11.44");
    EXPECT_EQ(slots.at(3).toObject()["scaleText"].toString(), "33.06");
    EXPECT_EQ(slots.at(4).toObject()["gramsText"].toString(), "0.00");
    EXPECT_EQ(slots.at(4).toObject()["scaleText"].toString(), "");
    EXPECT_DOUBLE_EQ(slots.at(11).toObject()["sg"].toDouble(), 0.95);
    EXPECT_EQ(w["totalGramsText"].toString(), "33.06");

    const CalcRun table = calc({"--weights", file});
    ASSERT_EQ(table.exitCode, 0);
    const QList<QByteArray> lines = table.out.split('\n');
    EXPECT_EQ(lines.at(3),
              QByteArray("Nic Base                         10   1.144      11.44        11.44"));
    EXPECT_EQ(lines.at(6),
              QByteArray("F1 Lemon                          3   1.036       3.11        33.06"));
    EXPECT_EQ(lines.at(15), QByteArray("TOTAL                                            33.06"));

    const CalcRun sheet = calc({"--report", "weights", file});
    ASSERT_EQ(sheet.exitCode, 0);
    const QList<QByteArray> s = sheet.out.split('\n');
    EXPECT_EQ(s.at(0), QByteArray("Mix Name - Untitled(12mg 30ml 70-30)"));
    EXPECT_TRUE(s.at(1).startsWith("Weighed - "));
    EXPECT_EQ(s.at(3), QByteArray("Ingredient\tml\tg/ml\tgrams\tscale reads"));
    EXPECT_EQ(s.at(4), QByteArray("Nic Base\t10\t1.144\t11.44\t11.44"));
    EXPECT_EQ(s.at(7), QByteArray("F1 Lemon\t3\t1.036\t3.11\t33.06"));
    EXPECT_EQ(s.at(9), QByteArray("TOTAL\t\t\t33.06"));
    EXPECT_EQ(calc({"--weights", "--json", file}).exitCode, 2);

    // A German desktop's C locale writes 1,144; the figures keep the point.
    const CalcRun german = calc({"--weights", file}, QStringLiteral("de_DE.UTF-8"));
    ASSERT_EQ(german.exitCode, 0);
    EXPECT_TRUE(german.out.split('\n').at(3).endsWith("10   1.144      11.44        11.44"))
        << german.out.toStdString();
}

TEST(KovaqCalc, SaysWhatCanBeMade) {
    QTemporaryDir dir;
    // The third worked example cannot be made.
    const QString third = write(dir, "third.mix",
                                "[Ingredients]\nBaseNicStrength=18\n[Spec]\nMixNicPGVG=7\n"
                                "Flav2NicPGVG=11\nMixStrength=6\n%Flav1=5\n%Flav2=5\n"
                                "%Vodka/Water=10\nMixQty=15\n");
    const QJsonObject f =
        QJsonDocument::fromJson(calc({"--json", third}).out).object()["feasibility"].toObject();
    const QJsonArray range = f["ratioRange"].toArray();
    ASSERT_EQ(range.size(), 2);
    EXPECT_NEAR(range.at(0).toDouble(), 45.098, 0.001);
    EXPECT_DOUBLE_EQ(range.at(1).toDouble(), 100);
    EXPECT_EQ(f["nearestRatio"].toString(), "50-50");
    EXPECT_DOUBLE_EQ(f["maxStrength"].toDouble(), 3.69);
    EXPECT_TRUE(f["flavourScale"].isNull());

    struct Case {
        QString file;
        int exit;
        QByteArray line;
    };
    const Case cases[] = {
        {third, 3,
         "With these ingredients the mix ratio can be from 46-54 to 100-0 PG-VG, or up to "
         "3.69 mg at 30-70.\n"},
        {kThirtyMl, 0, "can be made\n"},
        {write(dir, "empty.mix", "[Spec]\nMixQty=0\n"), 3,
         "nothing to make: the volume to make is 0\n"},
        {dir.filePath("missing.mix"), 1, ""},
    };
    for (const Case& c : cases) {
        const CalcRun run = calc({"--check", c.file});
        EXPECT_EQ(run.exitCode, c.exit) << c.file.toStdString();
        EXPECT_EQ(run.out, c.line) << c.file.toStdString();
    }
    // A mix that can be made gets no suggestions.
    const QJsonObject none =
        QJsonDocument::fromJson(calc({"--json", kThirtyMl}).out).object()["feasibility"].toObject();
    EXPECT_TRUE(none["nearestRatio"].isNull());
    EXPECT_TRUE(none["maxStrength"].isNull());
    EXPECT_TRUE(none["flavourScale"].isNull());
}

TEST(KovaqCalc, ListsTheRecipesOfFoldersWithTheWindowsSearch) {
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("sub"));
    write(dir, QStringLiteral("sub/creme.mix"),
          "[Title]\nName=Cr\xC3\xA8me\n[Ingredients]\nFlav1Name=Lemon\n"
          "[Spec]\nMixStrength=3\n%Flav1=10\nMixQty=30\n");
    write(dir, QStringLiteral("plain.mix"), "[Title]\nName=Plain\n[Spec]\nMixQty=10\n");
    write(dir, QStringLiteral("junk.mix"), "no sections at all\n");
    const CalcRun all = calc({QStringLiteral("--list"), QStringLiteral("--json"), dir.path()});
    EXPECT_EQ(all.exitCode, 0) << all.err.toStdString();
    const QJsonArray rows = QJsonDocument::fromJson(all.out).array();
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[0].toObject()["problem"].toString(), QStringLiteral("Not a recipe"));
    EXPECT_EQ(rows[1].toObject()["name"].toString(), QString::fromUtf8("Crème"));
    EXPECT_EQ(rows[1].toObject()["path"].toString(), dir.filePath(QStringLiteral("sub/creme.mix")));
    // The window's search rules, and a folder that cannot be read: listed what can be, 1.
    const CalcRun some = calc({QStringLiteral("--list"), QStringLiteral("--search"),
                               QStringLiteral("creme lemon 10% 3mg"), dir.path(),
                               dir.filePath(QStringLiteral("gone"))});
    EXPECT_EQ(some.exitCode, 1);
    const QStringList lines =
        QString::fromUtf8(some.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2); // the heading and the one recipe
    EXPECT_TRUE(lines[1].startsWith(QString::fromUtf8("Crème\t3\t30\t")));
    EXPECT_TRUE(some.err.contains("cannot read the folder"));
}

TEST(KovaqCalc, ListsEachRecipeAsTheWindowLoadsIt) {
    // A flavour's name too wide for its field: cut in the list as the window cuts it.
    QTemporaryDir dir;
    const QByteArray wide = "WWWWWWWWWWWWWWWWWWWW Watermelon";
    write(dir, QStringLiteral("wide.mix"),
          "[Title]\nName=Wide\n[Ingredients]\nFlav1Name=" + wide +
              "\n[Spec]\n%Flav1=10\nMixQty=30\n");
    const QJsonObject loaded =
        QJsonDocument::fromJson(calc({"--json", dir.filePath(QStringLiteral("wide.mix"))}).out)
            .object();
    const QString inWindow = loaded["recipe"].toObject()["Flav1Name"].toString();
    EXPECT_NE(inWindow, QString::fromUtf8(wide));
    const CalcRun listed = calc({QStringLiteral("--list"), QStringLiteral("--json"), dir.path()});
    ASSERT_EQ(listed.exitCode, 0) << listed.err.toStdString();
    const QJsonObject row = QJsonDocument::fromJson(listed.out).array()[0].toObject();
    EXPECT_EQ(row["flavours"].toArray()[0].toObject()["name"].toString(), inWindow);
    // The flavour book names it so too.
    const CalcRun book = calc({QStringLiteral("--flavours"), QStringLiteral("--json"), dir.path()});
    ASSERT_EQ(book.exitCode, 0) << book.err.toStdString();
    EXPECT_EQ(QJsonDocument::fromJson(book.out).array()[0].toObject()["name"].toString(), inWindow);
}

TEST(KovaqCalc, ListTextKeepsOneRecipeALineWhateverItsNames) {
    // Tabs and line breaks in a file's name or a recipe's texts are written as escapes, so
    // no name can add a field or a line; --json keeps them as they are.
    QTemporaryDir dir;
    write(dir, QStringLiteral("two\nlines\t\\.mix"),
          "[Title]\nName=Tab\there\\\n[Ingredients]\nFlav1Name=Car\rt\n"
          "[Spec]\n%Flav1=5\nMixQty=30\n");
    const CalcRun text = calc({QStringLiteral("--list"), dir.path()});
    ASSERT_EQ(text.exitCode, 0) << text.err.toStdString();
    const QList<QByteArray> lines = text.out.split('\n');
    ASSERT_EQ(lines.size(), 3) << text.out.toStdString(); // the heading, the recipe, the end
    const QList<QByteArray> fields = lines[1].split('\t');
    ASSERT_EQ(fields.size(), 9) << lines[1].toStdString();
    EXPECT_EQ(fields[0], "Tab\\there\\\\");
    EXPECT_TRUE(fields[4].startsWith("Car\\rt")) << fields[4].toStdString();
    EXPECT_TRUE(fields[8].endsWith("/two\\nlines\\t\\\\.mix")) << fields[8].toStdString();
    const CalcRun json = calc({QStringLiteral("--list"), QStringLiteral("--json"), dir.path()});
    const QJsonObject row = QJsonDocument::fromJson(json.out).array()[0].toObject();
    EXPECT_EQ(row["name"].toString(), QStringLiteral("Tab\there\\"));
    EXPECT_TRUE(row["path"].toString().endsWith(QStringLiteral("/two\nlines\t\\.mix")));
}

TEST(KovaqCalc, ReadsTheStashAndBatchesWithoutWritingThem) {
    QTemporaryDir dir;
    // Missing, and damaged: said, exit 1, and the damaged file left exactly as it is.
    const CalcRun missing = calc({"--stash", "--db", dir.filePath("none.sqlite")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains("There is no stash yet")) << missing.err.toStdString();
    const QString damaged = write(dir, "bad.sqlite", QByteArray(5000, 'x'));
    const CalcRun bad = calc({"--batches", "--db", damaged});
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_TRUE(bad.err.contains("damaged")) << bad.err.toStdString();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"bad.sqlite"});

    const QString db = dir.filePath("stash.sqlite");
    {
        int argc = 1;
        char name[] = "test";
        char* argv[] = {name, nullptr};
        QCoreApplication app(argc, argv); // the database driver is a plug-in
        kovaq::StashStore store(db);
        ASSERT_EQ(store.open(), kovaq::StashStore::State::ReadWrite);
        kovaq::Bottle base;
        base.kind = kovaq::BottleKind::NicotineBase;
        base.name = QStringLiteral("Salt, \"36\"");
        base.maker = QStringLiteral("Capella");
        base.onHand = 50;
        store.addBottle(base);
        kovaq::Batch batch;
        batch.name = QStringLiteral("Cherry, \"best\"");
        batch.mixedAt = QDateTime(QDate(2026, 12, 1), QTime(18, 0)).toMSecsSinceEpoch();
        batch.ml[0] = 2.5;
        ASSERT_FALSE(store.recordBatch(batch, {}));
    }
    const QByteArray before = [&] {
        QFile f(db);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();

    const CalcRun stash = calc({"--stash", "--json", "--db", db});
    ASSERT_EQ(stash.exitCode, 0) << stash.err.toStdString();
    const QJsonArray bottles = QJsonDocument::fromJson(stash.out).array();
    ASSERT_EQ(bottles.size(), 1);
    EXPECT_EQ(bottles[0].toObject()["maker"].toString(), "Capella");
    EXPECT_EQ(bottles[0].toObject()["onHandMl"].toDouble(), 50);

    const CalcRun csv = calc({"--batches", "--csv", "--db", db});
    ASSERT_EQ(csv.exitCode, 0) << csv.err.toStdString();
    EXPECT_TRUE(csv.out.startsWith("Mixed,Name,")) << csv.out.toStdString();
    EXPECT_TRUE(csv.out.contains("2026-12-01T18:00:00,\"Cherry, \"\"best\"\"\","))
        << csv.out.toStdString();
    const CalcRun json = calc({"--batches", "--json", "--db", db});
    ASSERT_EQ(json.exitCode, 0);
    EXPECT_EQ(QJsonDocument::fromJson(json.out).array()[0].toObject()["ml"].toArray()[0].toDouble(),
              2.5);

    // The label of a batch of a recipe, on a page of the label's size, with the base's maker
    // when the stash knows the base by the recipe's name for it.
    const CalcRun text = calc({"--report", "label", "--steep", "0", kThirtyMl});
    ASSERT_EQ(text.exitCode, 0) << text.err.toStdString();
    const QStringList lines = QString::fromUtf8(text.out).split('\n');
    EXPECT_EQ(lines.value(0), "Thirty");
    EXPECT_EQ(lines.value(1), QString::fromUtf8("12 mg \u00b7 70/30 PG/VG \u00b7 30 ml"));
    const QString recipe = write(dir, "salt.mix",
                                 "[Ingredients]\nNicBaseName=Salt, \"36\"\nBaseNicStrength=36\n"
                                 "[Spec]\nMixStrength=3\nMixQty=10\n");
    const QString pdf = dir.filePath("label.pdf");
    const CalcRun label =
        calc({"--report", "label", "--label-size", "70x40", "--db", db, "--pdf", pdf, recipe});
    ASSERT_EQ(label.exitCode, 0) << label.err.toStdString();
    QFile out(pdf);
    ASSERT_TRUE(out.open(QIODevice::ReadOnly));
    EXPECT_TRUE(out.readAll().contains("/MediaBox [0 0 198")); // 70 x 40 mm, lying down
    const CalcRun maker = calc({"--report", "label", "--db", db, recipe});
    EXPECT_TRUE(maker.out.contains("Base: Capella")) << maker.out.toStdString();

    QFile after(db);
    after.open(QIODevice::ReadOnly);
    EXPECT_EQ(after.readAll(), before);

    for (const QStringList& wrong :
         {QStringList{"--stash", "--csv", "--json"}, QStringList{"--stash", "--batches"},
          QStringList{"--batches", kThirtyMl}, QStringList{"--label-size", "70x40", kThirtyMl},
          QStringList{"--report", "label", "--steep", "400", kThirtyMl}})
        EXPECT_EQ(calc(wrong).exitCode, 2) << wrong.join(' ').toStdString();
}

TEST(KovaqCalc, SharesRecipesAsTextAndJson) {
    QTemporaryDir dir;
    const CalcRun text = calc({"--to-text", kThirtyMl});
    EXPECT_EQ(text.exitCode, 0) << text.err.toStdString();
    EXPECT_TRUE(text.out.startsWith("Thirty \xE2\x80\x94 30 ml, 12 mg, 70/30 PG/VG\nLemon 10%\n"))
        << text.out.toStdString();

    // A forum post becomes a recipe file, the lines it could not use said on stderr.
    const QString post = write(dir, "post.txt",
                               "Strawberry Dream\n60 ml | 3 mg | 70VG/30PG\n"
                               "Strawberry (TPA) 5%\n- Cream (CAP) 2,5%\nenjoy!\n");
    const QString mix = dir.filePath("dream.mix");
    const CalcRun made = calc({"--from-text", post, mix});
    EXPECT_EQ(made.exitCode, 0) << made.err.toStdString();
    EXPECT_TRUE(made.err.contains("not used: enjoy!"));
    const CalcRun back = calc({"--to-text", mix});
    EXPECT_TRUE(back.out.contains("Strawberry (TPA) 5%\nCream (CAP) 2.5%\n"))
        << back.out.toStdString();

    // No recipe in the text: exit 3 and no file.
    const CalcRun none =
        calc({"--from-text", write(dir, "thanks.txt", "Thanks!\n"), dir.filePath("none.mix")});
    EXPECT_EQ(none.exitCode, 3);
    EXPECT_FALSE(QFile::exists(dir.filePath("none.mix")));

    // JSON out and in again gives the same file, byte for byte.
    const CalcRun json = calc({"--to-json", mix});
    ASSERT_EQ(json.exitCode, 0);
    EXPECT_EQ(QJsonDocument::fromJson(json.out).object()["format"].toString(),
              QStringLiteral("ko-vaq-recipe"));
    const QString again = dir.filePath("again.mix");
    EXPECT_EQ(calc({"--from-json", write(dir, "dream.json", json.out), again}).exitCode, 0);
    QFile a(mix), b(again);
    ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    EXPECT_EQ(a.readAll(), b.readAll());
}

TEST(KovaqCalc, SaysWhenAPostIsLongerThanWhatIsRead) {
    // A post longer than what is read is read from its start, and that is said; a JSON
    // file too large to be a recipe is refused rather than read in part.
    QTemporaryDir dir;
    const QByteArray post = "Lemon 10%\n" + QByteArray(300 * 1024, 'x') + "\n";
    const QByteArray said = "Read the first 256 KB of the text; the rest was not used.";
    const CalcRun file =
        calc({"--from-text", write(dir, "long.txt", post), dir.filePath("file.mix")});
    EXPECT_EQ(file.exitCode, 0) << file.err.toStdString();
    EXPECT_TRUE(file.err.contains(said)) << file.err.toStdString();
    QProcess piped;
    piped.setProcessEnvironment(speaking());
    piped.start(KOVAQ_CALC, {"--from-text", "-", dir.filePath("piped.mix")});
    piped.write(post);
    piped.closeWriteChannel();
    piped.waitForFinished(20000);
    EXPECT_EQ(piped.exitCode(), 0);
    EXPECT_TRUE(piped.readAllStandardError().contains(said));
    const CalcRun shortPost =
        calc({"--from-text", write(dir, "short.txt", "Lemon 10%\n"), dir.filePath("short.mix")});
    EXPECT_EQ(shortPost.exitCode, 0);
    EXPECT_FALSE(shortPost.err.contains("not used")) << shortPost.err.toStdString();

    QFile huge(dir.filePath("huge.json"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly) && huge.resize(33 * 1024 * 1024));
    huge.close();
    const CalcRun json = calc({"--from-json", huge.fileName(), dir.filePath("huge.mix")});
    EXPECT_EQ(json.exitCode, 1);
    EXPECT_TRUE(json.err.contains("too large")) << json.err.toStdString();
    EXPECT_FALSE(QFile::exists(dir.filePath("huge.mix")));
}

TEST(KovaqCalc, ShotsAndFixesSayWhatToAddOrWhyNot) {
    const CalcRun shots = calc({"--shots", "50", "60", "18", "10", "3", "--json"});
    EXPECT_EQ(shots.exitCode, 0) << shots.err.toStdString();
    const QJsonObject plan = QJsonDocument::fromJson(shots.out).object();
    EXPECT_EQ(plan["exactMl"].toDouble(), 10);
    EXPECT_EQ(plan["nearest"].toArray().size(), 1);
    EXPECT_TRUE(plan["problem"].isNull());

    const CalcRun cannot = calc({"--shots", "50", "60", "18", "10", "20"});
    EXPECT_EQ(cannot.exitCode, 3);
    EXPECT_EQ(cannot.out, "18 mg shots cannot make 20 mg\n");

    // A figure that is none: exit 2, the usage naming it.
    struct Case {
        QStringList args;
        const char* says;
    };
    for (const Case& c : std::vector<Case>{
             {{"--shots", "50", "60", "1,8", "10", "3"}, "SHOT_MG '1,8' is not a figure"},
             {{"--dilute", "30", "6"}, "TO_MG is missing"},
             {{"--ratio", "30", "50", "101"}, "TO_PG '101' is not a figure from 0 to 100"},
             {{"--ratio", "30", "50", "30", "--base", "18"}, "--base goes with --dilute"}}) {
        const CalcRun bad = calc(c.args);
        EXPECT_EQ(bad.exitCode, 2) << c.says;
        EXPECT_TRUE(bad.err.contains(c.says)) << bad.err.toStdString();
    }
}

TEST(KovaqCalc, WhatCanBeMadeWhatToBuyAndWhatTheRecipesSayOfEachFlavour) {
    QTemporaryDir dir;
    QDir(dir.path()).mkdir("recipes");
    // 30 ml at 3 mg from 18 mg: 5 ml of base, 1.5 ml of Lemon (TPA), 0.6 ml of Cream.
    write(dir, "recipes/pie.mix",
          "[Title]\nName=Lemon pie\n[Ingredients]\nBaseNicStrength=18\nFlav1Name=Lemon (TPA)\n"
          "Flav2Name=Cream\n[Spec]\nMixStrength=3\nMixQty=30\n%Flav1=5\n%Flav2=2\n");
    write(dir, "recipes/tart.mix",
          "[Title]\nName=Tart\n[Ingredients]\nFlav1Name=lemon(tpa)\n[Spec]\nMixQty=10\n%Flav1=8\n");
    const QString db = dir.filePath("stash.sqlite");
    const QString csv = write(dir, "stash.csv",
                              "name,kind,maker,on_hand_ml,bottle_ml,price,strength\n"
                              "Base,base,,100,100,20,18.02\n,pg,,500,,,\n,vg,,500,,,\n"
                              "Lemon,flavour,TPA,10,10,4,\nCream,flavour,,0.5,10,3.5,\n"
                              ",syrup,,1,,,\n");

    // The import takes the lock as the window does: while another holds it, nothing.
    {
        int argc = 1;
        char name[] = "test";
        char* argv[] = {name, nullptr};
        QCoreApplication app(argc, argv);
        kovaq::StashStore window(db);
        ASSERT_EQ(window.open(), kovaq::StashStore::State::ReadWrite);
        const CalcRun busy = calc({"--stash-import", csv, "--db", db});
        EXPECT_EQ(busy.exitCode, 1);
        EXPECT_TRUE(busy.err.contains("Another Ko-Vaq is using the stash"))
            << busy.err.toStdString();
        EXPECT_TRUE(window.bottles().empty());
    }
    const CalcRun imported = calc({"--stash-import", csv, "--db", db});
    EXPECT_EQ(imported.exitCode, 3); // one line refused, the rest in
    EXPECT_TRUE(imported.err.contains("line 7: The kind \"syrup\"")) << imported.err.toStdString();
    EXPECT_EQ(imported.out, "Added 5, updated 0, unchanged 0, refused 1.\n");

    // What --stash --csv writes, imported again, is the same stash.
    const CalcRun exported = calc({"--stash", "--csv", "--db", db});
    ASSERT_EQ(exported.exitCode, 0) << exported.err.toStdString();
    EXPECT_TRUE(exported.out.startsWith(
        "kind,name,maker,on_hand_ml,bottle_ml,price,pgvg,strength,gravity,notes\r\n"));
    const CalcRun again =
        calc({"--stash-import", write(dir, "again.csv", exported.out), "--db", db});
    EXPECT_EQ(again.exitCode, 0) << again.err.toStdString();
    EXPECT_EQ(again.out, "Added 0, updated 0, unchanged 5, refused 0.\n");

    const CalcRun makeable = calc({"--makeable", "--json", "--db", db, dir.filePath("recipes")});
    ASSERT_EQ(makeable.exitCode, 0) << makeable.err.toStdString();
    const QJsonArray rows = QJsonDocument::fromJson(makeable.out).array();
    ASSERT_EQ(rows.size(), 2);
    const QJsonObject pie = rows[0].toObject();
    EXPECT_EQ(pie["name"].toString(), "Lemon pie");
    EXPECT_FALSE(pie["canMake"].toBool());
    EXPECT_NEAR(pie["maxMl"].toDouble(), 25, 1e-9); // 0.5 ml of the 0.6 ml of Cream
    const QJsonArray missing = pie["missing"].toArray();
    ASSERT_EQ(missing.size(), 1);
    EXPECT_EQ(missing[0].toObject()["slot"].toString(), "Flav2");
    EXPECT_EQ(missing[0].toObject()["name"].toString(), "Cream");
    EXPECT_NEAR(missing[0].toObject()["needMl"].toDouble(), 0.6, 1e-9);
    EXPECT_NEAR(missing[0].toObject()["onHandMl"].toDouble(), 0.5, 1e-9);
    const QJsonObject tart = rows[1].toObject();
    EXPECT_TRUE(tart["canMake"].toBool());
    EXPECT_NEAR(tart["maxMl"].toDouble(), 125, 1e-9); // 10 ml of Lemon for 0.8 ml a 10 ml

    const CalcRun flavours = calc({"--flavours", "--json", dir.filePath("recipes")});
    ASSERT_EQ(flavours.exitCode, 0) << flavours.err.toStdString();
    const QJsonArray book = QJsonDocument::fromJson(flavours.out).array();
    ASSERT_EQ(book.size(), 2);
    const QJsonObject lemon = book[1].toObject();
    EXPECT_EQ(lemon["name"].toString(), "Lemon (TPA)");
    EXPECT_EQ(lemon["recipes"].toInt(), 2);
    EXPECT_EQ(lemon["minPercent"].toDouble(), 5);
    EXPECT_EQ(lemon["medianPercent"].toDouble(), 6.5);
    EXPECT_EQ(lemon["maxPercent"].toDouble(), 8);

    const CalcRun shopping = calc({"--shopping", "--db", db, dir.filePath("recipes/pie.mix"),
                                   dir.filePath("recipes/tart.mix")});
    ASSERT_EQ(shopping.exitCode, 0) << shopping.err.toStdString();
    EXPECT_EQ(QString::fromUtf8(shopping.out),
              "Cream: 0.1 ml short (0.6 ml needed, 0.5 ml on hand), 1 bottle(s) of 10 ml at 3.5\n"
              "Total: 3.5\n");
    EXPECT_EQ(calc({"--shopping", "--db", db, dir.filePath("none.mix")}).exitCode, 1);

    for (const QStringList& wrong :
         {QStringList{"--makeable"}, QStringList{"--flavours", "--db", db, dir.path()},
          QStringList{"--makeable", "--flavours", dir.path()},
          QStringList{"--stash-import", csv, "--json"}, QStringList{"--shopping", "--check", csv}})
        EXPECT_EQ(calc(wrong).exitCode, 2) << wrong.join(' ').toStdString();
}
