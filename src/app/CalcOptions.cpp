// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "CalcOptions.h"

#include "FileAccess.h"

namespace kovaq {

const char* const CalcUsage =
    "Usage: kovaq-calc [--json] FILE.mix\n"
    "       kovaq-calc --weights FILE.mix\n"
    "       kovaq-calc --check FILE.mix\n"
    "       kovaq-calc --list [--json] [--search WORDS] FOLDER...\n"
    "       kovaq-calc --report summary|details|weights [--notes] [--unused]\n"
    "                  [--text-size 8|10|12|14] [--json | --pdf OUT.pdf] FILE.mix\n"
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
    "                 tabs kept\n"
    "  --notes        include the notes in the report\n"
    "  --unused       include unused ingredients (details report)\n"
    "  --text-size N  report text size in points (default 12)\n"
    "  --pdf OUT.pdf  write the report to a PDF (A4, quarter-inch margins)\n"
    "  --version      show the version\n"
    "  --help         show this text\n"
    "\n"
    "Exit status: 0 when done, 1 when the file cannot be read or the output cannot be\n"
    "written, 2 for a wrong command line, 3 when --check finds a mix that cannot be made.\n";

ParsedCalcOptions ParseCalcOptions(int argc, const char* const* argv) {
    ParsedCalcOptions parsed;
    CalcOptions& o = parsed.options;
    const auto fail = [&](std::string error, bool usage = false) {
        parsed.error = std::move(error);
        parsed.usageError = usage;
        return parsed;
    };
    for (int i = 1; i < argc; ++i) // with --list, every name is a folder, wherever it stands
        o.list = o.list || std::string(argv[i]) == "--list";
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
        if (arg == "--json") {
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
            if (o.report != "summary" && o.report != "details" && o.report != "weights")
                return fail("--report takes summary, details or weights");
        } else if (arg == "--text-size" && hasValue) {
            const std::string v = argv[++i];
            if (v != "8" && v != "10" && v != "12" && v != "14")
                return fail("--text-size takes 8, 10, 12 or 14");
            o.textSize = std::stoi(v);
        } else if (arg == "--pdf" && hasValue) {
            o.pdf = argv[++i];
        } else if (arg == "--list") {
            o.list = true;
        } else if (arg == "--search" && hasValue) {
            o.search = argv[++i];
        } else if (!arg.empty() && arg[0] == '-' && arg != "-") {
            return fail("unknown option " + QuotedName(arg) + "\n", true);
        } else if (o.path.empty()) {
            o.path = arg;
            o.folders.push_back(arg);
        } else if (o.list) {
            o.folders.push_back(arg);
        } else {
            return fail("only one file at a time");
        }
    }
    if (o.path.empty())
        return fail("", true);
    if (o.list) {
        if (!o.report.empty() || o.check || o.weights || !o.pdf.empty())
            return fail("--list goes with --json and --search only");
        return parsed;
    }
    if (!o.search.empty())
        return fail("--search goes with --list");
    if (o.report.empty() && (!o.pdf.empty() || o.notes || o.unused))
        return fail("--pdf, --notes and --unused go with --report");
    if (o.report.empty() && o.json && o.weights)
        return fail("--json holds the weights already");
    return parsed;
}

} // namespace kovaq
