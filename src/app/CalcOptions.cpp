// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "CalcOptions.h"

#include "FileAccess.h"
#include "Texts.h"

#include <QtGlobal>

#include <algorithm>
#include <charconv>
#include <iterator>
#include <optional>

namespace kovaq {
namespace {

// A figure as a number field takes it: digits and at most one point.
std::optional<double> figure(const std::string& text) {
    bool digit = false;
    bool point = false;
    for (char c : text) {
        if (c >= '0' && c <= '9')
            digit = true;
        else if (c == '.' && !point)
            point = true;
        else
            return std::nullopt;
    }
    if (!digit || text.size() > 12)
        return std::nullopt;
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value); // the point, in any locale
    return value;
}

struct Tool {
    const char* option;
    std::vector<const char*> names;
    std::vector<double> most; // the largest each may be
};
const Tool kTools[] = {
    {"--shots", {"ML", "BOTTLE", "SHOT_MG", "SHOT_ML", "TARGET"}, {1e5, 1e5, 1000, 1e5, 1000}},
    {"--dilute", {"ML", "FROM_MG", "TO_MG"}, {1e5, 1000, 1000}},
    {"--ratio", {"ML", "PG", "TO_PG"}, {1e5, 100, 100}},
};

} // namespace

//: The options, their values and the words in capitals stay as they are in every language.
const char* const CalcUsage = QT_TRANSLATE_NOOP(
    "kovaq::CalcOptions",
    "Usage: kovaq-calc [--json] FILE.mix\n"
    "       kovaq-calc --weights FILE.mix\n"
    "       kovaq-calc --check FILE.mix\n"
    "       kovaq-calc --list [--json] [--search WORDS] FOLDER...\n"
    "       kovaq-calc --report summary|details|weights [--notes] [--unused]\n"
    "                  [--text-size 8|10|12|14] [--json | --pdf OUT.pdf] FILE.mix\n"
    "       kovaq-calc --report label [--label-size 50x25|70x40|100x50] [--steep DAYS]\n"
    "                  [--db FILE] [--json | --pdf OUT.pdf] FILE.mix\n"
    "       kovaq-calc --to-text | --to-json FILE.mix\n"
    "       kovaq-calc --from-text FILE.txt OUT.mix | --from-json FILE.json OUT.mix\n"
    "       kovaq-calc --shots ML BOTTLE SHOT_MG SHOT_ML TARGET [--scale G] [--json]\n"
    "       kovaq-calc --dilute ML FROM_MG TO_MG [--base MG] [--scale G] [--json]\n"
    "       kovaq-calc --ratio ML PG TO_PG [--scale G] [--json]\n"
    "       kovaq-calc --stash [--json | --csv] [--db FILE]\n"
    "       kovaq-calc --stash-import FILE.csv [--db FILE]\n"
    "       kovaq-calc --makeable [--json] [--db FILE] FOLDER...\n"
    "       kovaq-calc --flavours [--json] FOLDER...\n"
    "       kovaq-calc --shopping [--json | --csv] [--db FILE] FILE.mix...\n"
    "       kovaq-calc --batches [--json | --csv] [--db FILE]\n"
    "       kovaq-calc --version | --help\n"
    "\n"
    "Loads a Ko-Vaq recipe as the window's Open does and works out the mix.\n"
    "Without --report it prints each ingredient's volume and cost, the total, the\n"
    "status line and the fields that are missing.\n"
    "\n"
    "  --json         print JSON instead of text\n"
    "  --weights      print the weighing table: grams of each ingredient and what the\n"
    "                 scale reads as each goes in\n"
    "  --check        say in one line whether the mix can be made, and if not, what could\n"
    "                 be; exit status 0 when it can, 3 when it cannot\n"
    "  --list         list every recipe in the folders and the folders in them: name,\n"
    "                 strength, volume, PG/VG, flavours, cost, whether it can be made,\n"
    "                 file; exit status 1 only when a folder cannot be read at all\n"
    "  --search WORDS with --list, only the recipes every word matches: words of the\n"
    "                 name, a flavour, the notes or the file name, \"3mg\", \"lemon 10%\"\n"
    "  --report KIND  print the summary, details or weights report, one line per line,\n"
    "                 tabs kept; or the bottle label of a batch of the mix mixed today\n"
    "  --label-size S the label's size in millimetres (default 50x25)\n"
    "  --steep DAYS   with the label, the days it steeps (default 7)\n"
    "  --to-text      print the recipe as \"Copy Recipe\" copies it, for a forum post\n"
    "  --from-text    read a recipe from text as \"Paste Recipe\" does (FILE.txt, or - for\n"
    "                 standard input) and save it as OUT.mix; the lines not used go to\n"
    "                 standard error; exit status 3 when the text holds no recipe\n"
    "  --to-json      print the recipe as JSON ({\"format\": \"ko-vaq-recipe\",\n"
    "                 \"version\": 1, \"recipe\": {...}})\n"
    "  --from-json    save such a JSON recipe as OUT.mix\n"
    "  --shots        nicotine shots into a shortfill: ML of 0 mg liquid in a BOTTLE of\n"
    "                 that size, shots of SHOT_MG and SHOT_ML each, for TARGET mg\n"
    "  --dilute       a finished batch of ML at FROM_MG brought to TO_MG: 0 mg liquid to\n"
    "                 weaken it, or the nicotine base of --base MG to strengthen it\n"
    "  --ratio        a finished batch of ML at PG percent PG brought to TO_PG with PG or VG\n"
    "  --scale G      what the scale reads to: 0.1, 0.01 (default) or 0.001 g, for the hint\n"
    "                 on amounts too small to weigh (also with --report weights)\n"
    "  --stash        list the bottles of the stash: kind, name, maker, ml on hand,\n"
    "                 bottle size, price, PG/VG, nicotine strength, gravity\n"
    "  --batches      list the batches mixed, newest first, with when each is ready\n"
    "  --csv          with --batches, the list as CSV (RFC 4180, UTF-8, ISO dates); with\n"
    "                 --stash, the bottles in the columns --stash-import reads\n"
    "  --stash-import FILE.csv\n"
    "                 add the bottles of a CSV to the stash and update those of the same\n"
    "                 kind, name and maker (columns named in the header row, in any order:\n"
    "                 kind, name, maker, on_hand_ml, bottle_ml, price, pgvg, strength,\n"
    "                 gravity, notes); refused lines go to standard error with their\n"
    "                 number and reason, exit status 3; refused whole while Ko-Vaq has the\n"
    "                 stash open\n"
    "  --makeable     for each recipe in the folders, whether the stash holds all it needs,\n"
    "                 how much of it could be made, and what is missing\n"
    "  --flavours     for each flavour in the folders' recipes, how many use it and its\n"
    "                 lowest, median and highest share\n"
    "  --shopping     what the recipe files need that the stash lacks, in ml and in whole\n"
    "                 bottles of the sizes the stash knows, at the last price\n"
    "  --db FILE      the stash database (default: the one Ko-Vaq keeps,\n"
    "                 $XDG_DATA_HOME/Tresquall/Ko-Vaq/ko-vaq.sqlite); only\n"
    "                 --stash-import writes it\n"
    "  --notes        include the notes in the report\n"
    "  --unused       include unused ingredients (details report)\n"
    "  --text-size N  report text size in points (default 12)\n"
    "  --pdf OUT.pdf  write the report to a PDF (A4, quarter-inch margins; a label on a\n"
    "                 page of its size)\n"
    "  --version      show the version\n"
    "  --help         show this text\n"
    "\n"
    "Exit status: 0 when done, 1 when the file or the stash cannot be read or the output\n"
    "cannot be written, 2 for a wrong command line, 3 when --check finds a mix that cannot\n"
    "be made or --stash-import refuses a line.\n");

namespace {

std::optional<int> ParseDays(const std::string& text) {
    if (text.empty() || text.size() > 3 ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    const int days = std::stoi(text);
    return days <= 365 ? std::optional<int>(days) : std::nullopt;
}

} // namespace

std::string ParsedCalcOptions::said(std::string_view text) const {
    return FillText(text, errorArgs);
}

ParsedCalcOptions ParseCalcOptions(int argc, const char* const* argv) {
    ParsedCalcOptions parsed;
    CalcOptions& o = parsed.options;
    bool labelOptions = false;
    // The sentence is kept with its figures, to be said in the reader's language.
    const auto fail = [&](const char* text, std::vector<std::string> args = {},
                          bool usage = false) {
        parsed.errorText = text;
        parsed.errorArgs = std::move(args);
        parsed.error = parsed.said(text);
        parsed.usageError = usage;
        return parsed;
    };
    // With --list, --makeable, --flavours and --shopping, every name is a folder (or a recipe
    // file), wherever it stands.
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        o.list = o.list || arg == "--list";
        o.makeable = o.makeable || arg == "--makeable";
        o.flavours = o.flavours || arg == "--flavours";
        o.shopping = o.shopping || arg == "--shopping";
    }
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            o.help = true;
            return parsed;
        }
        if (arg == "--version") {
            o.version = true;
            return parsed;
        }
        const bool hasValue = i + 1 < argc;
        if (const auto tool = std::find_if(std::begin(kTools), std::end(kTools),
                                           [&](const Tool& t) { return arg == t.option; });
            tool != std::end(kTools)) {
            if (!o.tool.empty())
                return fail(QT_TRANSLATE_NOOP("kovaq::CalcOptions",
                                              "one of --shots, --dilute and --ratio at a time"));
            o.tool = arg.substr(2);
            std::string usage = arg;
            for (const char* name : tool->names)
                usage += std::string(" ") + name;
            for (std::size_t k = 0; k < tool->names.size(); ++k) {
                if (++i >= argc)
                    return fail(QT_TRANSLATE_NOOP("kovaq::CalcOptions",
                                                  "usage: kovaq-calc %1: %2 is missing"),
                                {usage, tool->names[k]});
                const auto v = figure(argv[i]);
                if (!v || *v > tool->most[k])
                    return fail(QT_TRANSLATE_NOOP("kovaq::CalcOptions",
                                                  "usage: kovaq-calc %1: %2 %3 is not a figure "
                                                  "from 0 to %4"),
                                {usage, tool->names[k], QuotedName(argv[i]),
                                 std::to_string(static_cast<int>(tool->most[k]))});
                o.figures.push_back(*v);
            }
        } else if (arg == "--base" && hasValue) {
            const auto v = figure(argv[++i]);
            if (!v || *v > 1000)
                return fail(QT_TRANSLATE_NOOP("kovaq::CalcOptions",
                                              "usage: kovaq-calc --dilute ML FROM_MG TO_MG --base "
                                              "MG: MG %1 is not a figure from 0 to 1000"),
                            {QuotedName(argv[i])});
            o.baseMg = v;
        } else if (arg == "--scale" && hasValue) {
            const std::string v = argv[++i];
            if (v != "0.1" && v != "0.01" && v != "0.001")
                return fail(
                    QT_TRANSLATE_NOOP("kovaq::CalcOptions", "--scale takes 0.1, 0.01 or 0.001"));
            o.scale = v == "0.1" ? 0.1 : v == "0.01" ? 0.01 : 0.001;
        } else if (arg == "--json") {
            o.json = true;
        } else if (arg == "--weights") {
            o.weights = true;
        } else if (arg == "--check") {
            o.check = true;
        } else if (arg == "--notes") {
            o.notes = true;
        } else if (arg == "--unused") {
            o.unused = true;
        } else if (arg == "--report" && hasValue) {
            o.report = argv[++i];
            if (o.report != "summary" && o.report != "details" && o.report != "weights" &&
                o.report != "label")
                return fail(QT_TRANSLATE_NOOP("kovaq::CalcOptions",
                                              "--report takes summary, details, weights or label"));
        } else if (arg == "--text-size" && hasValue) {
            const std::string v = argv[++i];
            if (v != "8" && v != "10" && v != "12" && v != "14")
                return fail(
                    QT_TRANSLATE_NOOP("kovaq::CalcOptions", "--text-size takes 8, 10, 12 or 14"));
            o.textSize = std::stoi(v);
        } else if (arg == "--pdf" && hasValue) {
            o.pdf = argv[++i];
        } else if (arg == "--list") {
            o.list = true;
        } else if (arg == "--to-text" || arg == "--to-json" || arg == "--from-text" ||
                   arg == "--from-json") {
            if (!o.share.empty())
                return fail(QT_TRANSLATE_NOOP(
                    "kovaq::CalcOptions",
                    "one of --to-text, --to-json, --from-text and --from-json at a time"));
            o.share = arg.substr(2);
        } else if (arg == "--stash") {
            o.stash = true;
        } else if (arg == "--stash-import" && hasValue) {
            o.stashImport = argv[++i];
        } else if (arg == "--makeable" || arg == "--flavours" || arg == "--shopping") {
            // read above
        } else if (arg == "--batches") {
            o.batches = true;
        } else if (arg == "--csv") {
            o.csv = true;
        } else if (arg == "--db" && hasValue) {
            o.db = argv[++i];
        } else if (arg == "--label-size" && hasValue) {
            o.labelSize = argv[++i];
            labelOptions = true;
            if (o.labelSize != "50x25" && o.labelSize != "70x40" && o.labelSize != "100x50")
                return fail(QT_TRANSLATE_NOOP("kovaq::CalcOptions",
                                              "--label-size takes 50x25, 70x40 or 100x50"));
        } else if (arg == "--steep" && hasValue) {
            const auto days = ParseDays(argv[++i]);
            if (!days)
                return fail(QT_TRANSLATE_NOOP("kovaq::CalcOptions",
                                              "--steep takes a number of days from 0 to 365"));
            o.steepDays = *days;
            labelOptions = true;
        } else if (arg == "--search" && hasValue) {
            o.search = argv[++i];
        } else if (!arg.empty() && arg[0] == '-' && arg != "-") {
            return fail(QT_TRANSLATE_NOOP("kovaq::CalcOptions", "unknown option %1\n"),
                        {QuotedName(arg)}, true);
        } else if (o.path.empty()) {
            o.path = arg;
            o.folders.push_back(arg);
        } else if (o.out.empty() && o.share.rfind("from-", 0) == 0) {
            o.out = arg;
        } else if (o.list || o.makeable || o.flavours || o.shopping) {
            o.folders.push_back(arg);
        } else {
            return fail(QT_TRANSLATE_NOOP("kovaq::CalcOptions", "only one file at a time"));
        }
    }
    if (!o.tool.empty()) {
        if (!o.share.empty() || o.list || o.stash || o.batches || !o.report.empty() || o.check ||
            o.weights || !o.pdf.empty() || labelOptions || o.csv || !o.path.empty() ||
            !o.db.empty() || o.notes || o.unused)
            return fail(o.tool == "dilute"
                            ? QT_TRANSLATE_NOOP("kovaq::CalcOptions",
                                                "--%1 goes with --json and --scale (and --base) "
                                                "only")
                            : QT_TRANSLATE_NOOP("kovaq::CalcOptions",
                                                "--%1 goes with --json and --scale only"),
                        {o.tool});
        if (o.baseMg && o.tool != "dilute")
            return fail(QT_TRANSLATE_NOOP("kovaq::CalcOptions", "--base goes with --dilute"));
        return parsed;
    }
    if (o.baseMg)
        return fail(QT_TRANSLATE_NOOP("kovaq::CalcOptions", "--base goes with --dilute"));
    if (o.scale != 0.01 && o.report != "weights")
        return fail(
            QT_TRANSLATE_NOOP("kovaq::CalcOptions",
                              "--scale goes with --shots, --dilute, --ratio and --report weights"));
    if (!o.stashImport.empty() || o.makeable || o.flavours || o.shopping) {
        if (!o.stashImport.empty() + o.makeable + o.flavours + o.shopping + o.list + o.stash +
                o.batches + !o.share.empty() >
            1)
            return fail(QT_TRANSLATE_NOOP(
                "kovaq::CalcOptions",
                "--stash-import, --makeable, --flavours and --shopping go one at a time"));
        if (!o.report.empty() || o.check || o.weights || !o.pdf.empty() || labelOptions ||
            o.notes || o.unused || !o.search.empty())
            return fail(QT_TRANSLATE_NOOP("kovaq::CalcOptions",
                                          "--stash-import, --makeable, --flavours and --shopping "
                                          "go with --json, --csv and --db only"));
        if (!o.stashImport.empty()) {
            if (!o.path.empty() || o.json || o.csv)
                return fail(
                    QT_TRANSLATE_NOOP("kovaq::CalcOptions", "--stash-import goes with --db only"));
            return parsed;
        }
        if (o.flavours && (!o.db.empty() || o.csv))
            return fail(
                QT_TRANSLATE_NOOP("kovaq::CalcOptions", "--flavours goes with --json only"));
        if (o.makeable && o.csv)
            return fail(QT_TRANSLATE_NOOP("kovaq::CalcOptions",
                                          "--makeable goes with --json and --db only"));
        if (o.json && o.csv)
            return fail(
                QT_TRANSLATE_NOOP("kovaq::CalcOptions", "--json and --csv go one at a time"));
        if (o.path.empty())
            return fail(o.shopping ? QT_TRANSLATE_NOOP("kovaq::CalcOptions",
                                                       "--shopping needs a recipe file")
                                   : QT_TRANSLATE_NOOP("kovaq::CalcOptions",
                                                       "--makeable and --flavours need a folder"),
                        {}, true);
        return parsed;
    }
    if (!o.share.empty()) {
        if (o.list || o.stash || o.batches || !o.report.empty() || o.check || o.weights || o.json ||
            !o.pdf.empty() || labelOptions || o.csv)
            return fail(
                o.share == "to-text"
                    ? QT_TRANSLATE_NOOP("kovaq::CalcOptions", "--%1 goes alone (or with --db)")
                    : QT_TRANSLATE_NOOP("kovaq::CalcOptions", "--%1 goes alone"),
                {o.share});
        if (o.path.empty() || (o.share.rfind("from-", 0) == 0 && o.out.empty()))
            return fail(o.share.rfind("from-", 0) == 0
                            ? QT_TRANSLATE_NOOP("kovaq::CalcOptions",
                                                "--%1 needs the file to read and the recipe file "
                                                "to write")
                            : QT_TRANSLATE_NOOP("kovaq::CalcOptions", "--%1 needs a recipe file"),
                        {o.share}, true);
        if (!o.db.empty() && o.share != "to-text")
            return fail(QT_TRANSLATE_NOOP(
                "kovaq::CalcOptions",
                "--db goes with --stash, --batches, --to-text or --report label"));
        return parsed;
    }
    if (o.stash || o.batches) {
        if (o.stash && o.batches)
            return fail(
                QT_TRANSLATE_NOOP("kovaq::CalcOptions", "--stash and --batches go one at a time"));
        if (!o.path.empty() || o.list || !o.report.empty() || o.check || o.weights ||
            !o.pdf.empty() || labelOptions)
            return fail(QT_TRANSLATE_NOOP(
                "kovaq::CalcOptions", "--stash and --batches go with --json, --csv and --db only"));
        if (o.csv && o.json)
            return fail(
                QT_TRANSLATE_NOOP("kovaq::CalcOptions", "--json and --csv go one at a time"));
        return parsed;
    }
    if (o.csv)
        return fail(QT_TRANSLATE_NOOP("kovaq::CalcOptions",
                                      "--csv goes with --stash, --batches or --shopping"));
    if (labelOptions && o.report != "label")
        return fail(QT_TRANSLATE_NOOP("kovaq::CalcOptions",
                                      "--label-size and --steep go with --report label"));
    if (!o.db.empty() && o.report != "label")
        return fail(QT_TRANSLATE_NOOP("kovaq::CalcOptions",
                                      "--db goes with --stash, --batches or --report label"));
    if (o.path.empty())
        return fail("", {}, true);
    if (o.list) {
        if (!o.report.empty() || o.check || o.weights || !o.pdf.empty())
            return fail(QT_TRANSLATE_NOOP("kovaq::CalcOptions",
                                          "--list goes with --json and --search only"));
        return parsed;
    }
    if (!o.search.empty())
        return fail(QT_TRANSLATE_NOOP("kovaq::CalcOptions", "--search goes with --list"));
    if (o.report.empty() && (!o.pdf.empty() || o.notes || o.unused))
        return fail(QT_TRANSLATE_NOOP("kovaq::CalcOptions",
                                      "--pdf, --notes and --unused go with --report"));
    if (o.report.empty() && o.json && o.weights)
        return fail(QT_TRANSLATE_NOOP("kovaq::CalcOptions", "--json holds the weights already"));
    return parsed;
}

} // namespace kovaq
