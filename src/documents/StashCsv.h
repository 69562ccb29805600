// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

// The stash's bottles as CSV, for a spreadsheet and back. The columns, named in the header
// row in any order (others are ignored): kind, name, maker, on_hand_ml, bottle_ml, price,
// pgvg, strength, gravity, notes; kind one of base, pg, vg, flavour, vodka/water.

#include "StashStore.h"

#include <QString>

#include <string>
#include <vector>

namespace kovaq {

// A file longer than this is not a stash a person keeps by hand.
inline constexpr std::size_t MaxStashCsvBytes = 16 * 1024 * 1024;

struct RefusedLine {
    int line = 0; // in the file, from 1 for the header
    QString reason;
    bool operator==(const RefusedLine&) const = default;
};

// What an import will do to the stash it was read against.
struct StashImport {
    struct Added {
        int line = 0;
        Bottle bottle;
    };
    // A bottle of the same kind, name and maker (names compared as FoldName compares
    // them): the n-th line of one such bottle updates the n-th bottle of it in the stash.
    struct Updated {
        int line = 0;
        Bottle from;
        Bottle to;
    };
    std::vector<Added> added;
    std::vector<Updated> updated;
    int unchanged = 0; // lines that are the stash's bottles as they are
    std::vector<RefusedLine> refused;
    // Why nothing of the file can be read (no header naming a kind column, say); empty
    // when the lines were read.
    QString error;
};

// Reads a CSV (UTF-8, or Windows-1252 as older spreadsheets write it; commas, or
// semicolons or tabs when the header holds those instead) against the bottles there are.
// A cell a spreadsheet would have run as a formula, written behind an apostrophe by
// CsvCell, reads without it. A column missing from the header leaves an updated bottle's
// field as it was.
StashImport ReadStashCsv(std::string bytes, const std::vector<Bottle>& stash);

// The bottles as CSV: a header row and a line a bottle, in the columns ReadStashCsv reads,
// so that what is written reads back as the same bottles.
std::string StashCsv(const std::vector<Bottle>& bottles);

// "base", "pg", "vg", "flavour", "vodka/water".
QString BottleKindToken(BottleKind kind);

} // namespace kovaq
