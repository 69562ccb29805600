// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kovaq {

// What kovaq-calc was asked to do, read from its command line before any file is read.
struct CalcOptions {
    bool help = false;
    bool version = false;
    bool json = false;
    bool weights = false;
    bool check = false;
    bool notes = false;
    bool unused = false;
    int textSize = 12;
    std::string report; // summary, details or weights; empty for the calculation itself
    std::string pdf;
    std::string path; // the recipe's name as the bytes it was given
    // --list: the recipes of these folders, those matching `search` (the Recipes window's
    // search rules).
    bool list = false;
    std::string search;
    std::vector<std::string> folders;
    // --stash and --batches: the store, read only, from `db` or where the window keeps it.
    bool stash = false;
    bool batches = false;
    bool csv = false;
    std::string db;
    // --makeable and --flavours: the recipes of `folders` against the stash, and what they
    // say of each flavour; --shopping: what the recipe files `folders` need that the stash
    // lacks; --stash-import: a CSV of bottles into the stash, the one command that writes it.
    bool makeable = false;
    bool flavours = false;
    bool shopping = false;
    std::string stashImport;
    // --report label: the label of a batch of the recipe mixed today.
    std::string labelSize = "50x25";
    int steepDays = 7;
    // Sharing: --to-text and --to-json print; --from-text and --from-json read `path` and
    // write the recipe file `out`.
    std::string share;
    std::string out;
    // Shots and fixes: --shots, --dilute or --ratio with their figures in the order of the
    // usage; --base for --dilute; --scale, the scale's resolution for the small-amount hint.
    std::string tool;
    std::vector<double> figures;
    std::optional<double> baseMg;
    double scale = 0.01;
};

struct ParsedCalcOptions {
    CalcOptions options;
    std::string error;       // a wrong command line, said as one line (in English)
    bool usageError = false; // the usage goes to standard error after it
    // The same sentence with its figures apart, to be said in the reader's language.
    const char* errorText = "";
    std::vector<std::string> errorArgs;
    // `text` (the sentence or its translation) with the figures filled in.
    std::string said(std::string_view text) const;
};

ParsedCalcOptions ParseCalcOptions(int argc, const char* const* argv);

extern const char* const CalcUsage;

} // namespace kovaq
