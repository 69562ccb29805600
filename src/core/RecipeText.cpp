// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "RecipeText.h"

#include "Shots.h"

#include "Numbers.h"
#include "RecipeTextShapes.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <initializer_list>

namespace kovaq {
using namespace textshapes;
namespace {

struct Parser {
    ParsedRecipe out;
    std::vector<TextFlavour> flavours;
    TableShare table = TableShare::None;
    bool notes = false;
    bool sawValues = false;

    void flavour(const std::string& name, double percent) {
        flavours.push_back({brandAfter(name), percent});
    }

    // A nicotine line: the base's strength and ratio, or the mix's strength.
    bool nicotine(std::vector<Token>& ts) {
        bool base = has(ts, {"base", "shot", "shots", "booster", "boosters", "stock"});
        std::optional<int> ratio = takeRatio(ts);
        // "Nicotine 100mg (VG)": a carrier on its own is the base's, which is all VG or PG.
        if (!ratio)
            for (Token& t : ts)
                if (t.kind == Kind::Word && !t.used && (t.lower == "pg" || t.lower == "vg")) {
                    ratio = t.lower == "pg" ? 100 : 0;
                    t.used = true;
                    base = true;
                    break;
                }
        std::vector<double> mg = takeUnit(ts, isMg, true);
        const std::vector<std::size_t> pct = percents(ts);
        const std::vector<double> ml = takeUnit(ts, isMl);
        takeUnit(ts, isDrops);
        takeUnit(ts, isGrams);
        std::sort(mg.begin(), mg.end());
        bool took = false;
        const auto setBase = [&](double v) {
            if (!out.baseStrength)
                out.baseStrength = v;
            took = true;
        };
        const auto setMix = [&](double v) {
            if (!out.strength)
                out.strength = v;
            took = true;
        };
        if (base) {
            if (!mg.empty())
                setBase(mg.back());
            else if (!pct.empty()) // 3.6% nicotine is 36 mg/ml
                setBase(ts[pct.front()].value * 10);
            if (ratio && !out.basePgPercent) {
                out.basePgPercent = ratio;
                took = true;
            }
        } else if (mg.size() >= 2) { // the base's and the mix's
            setBase(mg.back());
            setMix(mg.front());
        } else if (mg.size() == 1 && !pct.empty()) { // a sheet: the base and its share
            setBase(mg.front());
            setMix(mg.front() * ts[pct.front()].value / 100);
        } else if (mg.size() == 1) {
            setMix(mg.front());
        } else if (!pct.empty()) {
            setMix(ts[pct.front()].value * 10);
        }
        // "Volume: 100 ml, Nic: 6 mg/ml, 30/70": the rest of a header. On a sheet's line (one
        // with a share) its millilitres are the nicotine's own.
        if (!base) {
            if (ratio && !out.pgPercent) {
                out.pgPercent = ratio;
                took = true;
            }
            if (!ml.empty() && pct.empty() && !out.volume) {
                out.volume = ml.front();
                took = true;
            }
        }
        for (std::size_t i : pct)
            ts[i].used = ts[i + 1].used = true;
        return took;
    }

    // One line, or one piece of a line of several flavours.
    void line(const std::string& raw) {
        if (notes) { // blank lines between notes are theirs
            out.notes.push_back(trimmed(raw));
            return;
        }
        std::string text = normalised(raw);
        if (text.empty())
            return;
        std::string rest;
        if (startsNotes(text, rest)) {
            notes = true;
            if (!rest.empty())
                out.notes.push_back(rest);
            return;
        }
        if (const auto name = keyedName(text)) {
            if (out.name.empty())
                out.name = *name;
            else
                out.unused.push_back(trimmed(raw));
            return;
        }
        text = withoutBullet(text);
        std::vector<Token> ts = tokenize(text);
        if (const TableShare t = tableHeader(ts); t != TableShare::None) {
            table = t;
            return;
        }
        const bool total = has(ts, {"total"});
        // "48 mg 50/50 base" is a nicotine line too, without the word.
        const bool nic =
            !total &&
            (has(ts, {"nic", "nicotine", "nicsalt", "freebase"}) || hasPrefix(ts, "nicotin") ||
             (has(ts, {"base"}) &&
              std::any_of(ts.begin(), ts.end(), [](const Token& t) { return isMg(t); })));
        const bool thinner =
            has(ts, {"vodka", "water", "everclear", "alcohol", "ethanol", "vodka/water"});
        if (nic) {
            if (!nicotine(ts))
                out.unused.push_back(trimmed(raw));
            sawValues = true;
            return;
        }
        const std::optional<int> steep = takeSteep(ts);
        const std::optional<int> ratio = takeRatio(ts);
        const std::vector<double> mg = takeUnit(ts, isMg, true);
        const std::vector<double> ml = takeUnit(ts, isMl);
        takeUnit(ts, isDrops);
        takeUnit(ts, isGrams);
        std::vector<std::size_t> pct = percents(ts);
        if (total) {
            for (std::size_t i : pct)
                ts[i].used = ts[i + 1].used = true;
            header(ts, text, steep, ratio, {}, {}, false);
            return;
        }
        if (thinner && !pct.empty()) {
            if (!out.vodkaWater)
                out.vodkaWater = ts[pct.front()].value;
            return;
        }
        // A table's share stands bare at the start or the end of its row.
        if (pct.empty() && table != TableShare::None && !ts.empty()) {
            const std::size_t i = table == TableShare::First ? 0 : ts.size() - 1;
            if (ts[i].kind == Kind::Number && !ts[i].used && ts[i].value > 0 &&
                ts[i].value <= 100) {
                ts[i].used = true;
                const std::string name = restText(text, ts);
                if (hasLetter(name)) {
                    flavour(name, ts[i].value);
                    return;
                }
                ts[i].used = false;
            }
        }
        if (pct.size() > 1 && ratio == std::nullopt) {
            // "Lemon 2%, Lime 3%": one flavour a piece. A comma between digits is a decimal
            // one; without other separators, each share ends its piece ("Peach 2,5% Apricot
            // 1%"), or starts it when the line starts with one ("2% Peach 1% Apricot").
            std::vector<std::pair<std::size_t, std::size_t>> pieces;
            std::size_t from = 0;
            for (std::size_t i = 0; i < text.size(); ++i)
                if ((text[i] == ',' || text[i] == ';') &&
                    !(i > 0 && i + 1 < text.size() && isDigit(text[i - 1]) &&
                      isDigit(text[i + 1]))) {
                    pieces.emplace_back(from, i);
                    from = i + 1;
                }
            if (pieces.empty()) {
                const bool shareFirst = pct.front() == 0;
                for (std::size_t k = 0; k + 1 < pct.size(); ++k) {
                    const std::size_t cut = shareFirst ? ts[pct[k + 1]].begin : ts[pct[k] + 1].end;
                    pieces.emplace_back(from, cut);
                    from = cut;
                }
            }
            pieces.emplace_back(from, text.size());
            // Each piece is shorter than the line, so this comes to an end.
            for (const auto& [a, b] : pieces)
                line(text.substr(a, b - a));
            return;
        }
        if (!pct.empty()) {
            const std::size_t i = pct.front();
            ts[i].used = ts[i + 1].used = true;
            const std::string name = restText(text, ts);
            const double share = ts[i].value;
            if (hasLetter(name) && share > 0 && share <= 100 && !isKeywordName(name, false)) {
                flavour(name, share);
                return;
            }
            // A share of something that is no flavour (a sheet's PG and VG): not used.
            out.unused.push_back(trimmed(raw));
            return;
        }
        if (steep || ratio || !mg.empty() || !ml.empty()) {
            header(ts, text, steep, ratio, mg, ml, true);
            return;
        }
        // A first line of words alone, before anything else, is the recipe's name.
        if (out.name.empty() && flavours.empty() && !sawValues && hasLetter(text) &&
            text.size() <= 200 && text.back() != ':') {
            out.name = trimmed(text);
            return;
        }
        out.unused.push_back(trimmed(raw));
    }

    void header(const std::vector<Token>& ts, const std::string& text, std::optional<int> steep,
                std::optional<int> ratio, const std::vector<double>& mg,
                const std::vector<double>& ml, bool nameBefore) {
        sawValues = true;
        if (steep && !out.steepDays)
            out.steepDays = steep;
        if (ratio && !out.pgPercent)
            out.pgPercent = ratio;
        if (!mg.empty() && !out.strength)
            out.strength = mg.front();
        if (!ml.empty() && !out.volume)
            out.volume = ml.front();
        if (!nameBefore || !out.name.empty() || flavours.size() > 0)
            return;
        // "Cherry — 30 ml, 12 mg": the words before the first value.
        const auto first =
            std::find_if(ts.begin(), ts.end(), [](const Token& t) { return t.used; });
        if (first == ts.end() || first == ts.begin())
            return;
        std::vector<Token> before(ts.begin(), first);
        const std::string name = restText(text.substr(0, first->begin), before);
        if (hasLetter(name) && !isKeywordName(name, true))
            out.name = name;
    }
};

std::string percentText(double v) {
    return FormatNumber(v);
}

} // namespace

bool ParsedRecipe::holdsRecipe() const {
    return !flavours.empty() || (volume && (strength || pgPercent));
}

bool ParsedRecipe::ratioRounded() const {
    return pgPercent && ratioPosition && RatioPgPercent(*ratioPosition) != *pgPercent;
}

bool ParsedRecipe::baseRatioRounded() const {
    return basePgPercent && baseRatioPosition &&
           RatioPgPercent(*baseRatioPosition) != *basePgPercent;
}

int NearestRatioPosition(int pgPercent) {
    int best = 0;
    for (int p = 0; p < RatioNonePosition; ++p) {
        const int d = std::abs(RatioPgPercent(p) - pgPercent);
        const int bestD = std::abs(RatioPgPercent(best) - pgPercent);
        // Of two as near, the one with more VG: the later in the list.
        if (d <= bestD)
            best = p;
    }
    return best;
}

std::string WithoutControlCharacters(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text)
        if ((static_cast<unsigned char>(c) >= 0x20 && c != '\x7F') || c == '\t' || c == '\n' ||
            c == '\r')
            out += c;
    return out;
}

ParsedRecipe ParseRecipeText(std::string_view whole) {
    Parser p;
    p.out.textCut = whole.size() > MaxRecipeTextBytes;
    // What a post hides in control characters reaches no name, flavour or note.
    const std::string clean = WithoutControlCharacters(whole.substr(0, MaxRecipeTextBytes));
    std::string_view text = clean;
    // A byte order mark is not part of the first line.
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    std::size_t from = 0;
    while (from <= text.size()) {
        // A line ends at LF, CR LF, or a CR of its own (old Mac text).
        std::size_t end = text.find_first_of("\r\n", from);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view line = text.substr(from, end - from);
        // A line longer than any recipe's is not one.
        if (line.size() > 1000)
            p.out.unused.push_back(std::string(line.substr(0, 80)) + "...");
        else
            p.line(std::string(line));
        if (end == text.size())
            break;
        from = end + (text.substr(end, 2) == "\r\n" ? 2 : 1);
    }
    ParsedRecipe out = std::move(p.out);
    for (std::size_t i = 0; i < p.flavours.size(); ++i)
        (i < FlavourCount ? out.flavours : out.leftOut).push_back(p.flavours[i]);
    if (out.pgPercent)
        out.pgPercent = std::clamp(*out.pgPercent, 0, 100);
    if (out.pgPercent)
        out.ratioPosition = NearestRatioPosition(*out.pgPercent);
    if (out.basePgPercent)
        out.baseRatioPosition = NearestRatioPosition(std::clamp(*out.basePgPercent, 0, 100));
    while (!out.notes.empty() && out.notes.back().empty())
        out.notes.pop_back();
    return out;
}

std::vector<std::string> ShorterNames(const std::string& name) {
    std::vector<std::string> forms;
    const auto add = [&forms](std::string form) {
        form = trimmed(form);
        if (!form.empty() && (forms.empty() || forms.back() != form))
            forms.push_back(std::move(form));
    };
    add(name);
    // Every bracketed part out: the brand, mostly.
    std::string plain;
    int depth = 0;
    for (char c : name) {
        if (c == '(')
            ++depth;
        else if (c == ')' && depth > 0)
            --depth;
        else if (depth == 0)
            plain += c;
    }
    std::string words;
    for (char c : plain) // the spaces a bracket left behind, once
        if (!(c == ' ' && (words.empty() || words.back() == ' ')))
            words += c;
    add(words);
    words = trimmed(words);
    for (std::size_t cut = words.rfind(' '); cut != std::string::npos; cut = words.rfind(' ')) {
        words.resize(cut);
        // No word left hanging on a joining mark ("Salt &", "Cream -").
        while (!words.empty() &&
               std::string_view("&-+/,:;").find(words.back()) != std::string_view::npos)
            words = trimmed(words.substr(0, words.size() - 1));
        add(words);
    }
    return forms;
}

std::string PgVgText(double pgPercent) {
    const double pg = std::clamp(RoundDecimals(pgPercent, 1), 0.0, 100.0);
    return FormatNumber(pg) + "/" + FormatNumber(RoundDecimals(100 - pg, 1)) + " PG/VG";
}

std::string RecipeAsText(const MixRecipe& r, const CopyExtras& extras) {
    std::string out = r.Name.empty() ? std::string("Untitled") : r.Name;
    std::vector<std::string> parts;
    if (const double qty = ParseNumber(r[TextField::MixQty]); qty > 0)
        parts.push_back(FormatNumber(qty) + " ml");
    if (!r[TextField::MixStrength].empty())
        parts.push_back(FormatNumber(ParseNumber(r[TextField::MixStrength])) + " mg");
    const int mixPos = r[RatioField::MixNicPGVG].position;
    if (mixPos >= 0 && mixPos < RatioNonePosition) {
        parts.push_back(PgVgText(RatioPgPercent(mixPos)));
    }
    for (std::size_t i = 0; i < parts.size(); ++i)
        out += (i == 0 ? " \xE2\x80\x94 " : ", ") + parts[i];
    out += '\n';
    for (std::size_t f = 0; f < FlavourCount; ++f) {
        const SlotId slot = flavourSlot(f);
        const double share = ParseNumber(r[*PercentField(slot)]);
        if (r[*PercentField(slot)].empty() || share <= 0)
            continue;
        std::string name = trimmed(r[*NameField(slot)]);
        if (name.empty())
            name = "F" + std::to_string(f + 1);
        out += name + " " + percentText(share) + "%";
        if (extras.dropsPerMl > 0 && f < extras.flavourMl.size() && extras.flavourMl[f] > 0) {
            const double ml = extras.flavourMl[f];
            out += "  " + FormatNumber(RoundDecimals(ml, 2)) + " ml  " +
                   FormatNumber(DropsOf(ml, extras.dropsPerMl)) + " drops";
        }
        out += '\n';
    }
    if (const double vw = ParseNumber(r[TextField::PctVodkaWater]);
        !r[TextField::PctVodkaWater].empty() && vw > 0)
        out += "Vodka/Water " + percentText(vw) + "%\n";
    if (const double base = ParseNumber(r[TextField::BaseNicStrength]); base > 0) {
        out += "Nicotine base: " + FormatNumber(base) + " mg";
        const int pos = r[RatioField::BaseNicPGVG].position;
        if (pos >= 0 && pos < RatioNonePosition)
            out += ", " + PgVgText(RatioPgPercent(pos));
        out += '\n';
    }
    if (extras.steepDays)
        out += *extras.steepDays == 0 ? std::string("Steep: shake and vape\n")
                                      : "Steep: " + std::to_string(*extras.steepDays) +
                                            (*extras.steepDays == 1 ? " day\n" : " days\n");
    std::vector<std::string> notes = r.Notes;
    while (!notes.empty() && trimmed(notes.back()).empty())
        notes.pop_back();
    for (std::size_t i = 0; i < notes.size(); ++i)
        out += (i == 0 ? "Notes: " : "") + notes[i] + '\n';
    return out;
}

} // namespace kovaq
