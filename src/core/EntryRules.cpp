// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "EntryRules.h"

#include "Numbers.h"
#include "Texts.h"

#include <algorithm>

namespace kovaq {

bool NumberKeyAllowed(char16_t ch) {
    return (ch >= u'0' && ch <= u'9') || ch == u'.' || ch == 8;
}

namespace {

std::string toAscii(const std::u16string& text, bool& ok) {
    std::string out;
    out.reserve(text.size());
    ok = true;
    for (char16_t ch : text) {
        if (ch > 0x7f) {
            ok = false;
            return {};
        }
        out.push_back(static_cast<char>(ch));
    }
    return out;
}

std::u16string fromAscii(const std::string& text) {
    return {text.begin(), text.end()};
}

// One pass of the check. A deletion or tidying changes the text, which runs the check
// again on the new text before this pass goes on, just as the field's change
// notification does.
EntryAnswer check(NumberEntryOutcome& s, int depth) {
    if (s.text.empty())
        return EntryAnswer::GoOn;
    int c = s.caret;
    int points = 0;
    for (std::size_t i = 0; i < s.text.size(); ++i) {
        if (s.text[i] != u'.')
            continue;
        if (++points <= 1)
            continue;
        ++s.beeps;
        // With the caret at the start (a text the program set, such as a loaded one)
        // there is nothing in front of it: the extra point itself goes, and every later
        // one, so the digits stay as stored ("1.2.3.4" gives "1.234").
        if (c == 0) {
            s.text.erase(i, 1);
            s.caret = 0;
            --i;
            continue;
        }
        std::size_t pos = static_cast<std::size_t>(c - 1);
        if (pos >= s.text.size())
            pos = i;
        s.text.erase(pos, 1);
        s.caret = static_cast<int>(pos);
        c = static_cast<int>(pos);
        if (check(s, depth + 1) == EntryAnswer::Invalid)
            return EntryAnswer::Invalid;
    }
    if (s.text.empty())
        return EntryAnswer::GoOn;
    if (s.text.back() == u'.')
        return EntryAnswer::Wait;
    if (s.text.back() == u'0')
        return EntryAnswer::GoOn;
    if (s.text.front() == u'.' && c == 0)
        return EntryAnswer::GoOn;

    bool ascii = false;
    const std::string plain = toAscii(s.text, ascii);
    const auto value = ascii ? ParseWholeNumber(plain) : std::nullopt;
    if (!value)
        return EntryAnswer::Invalid;
    const std::size_t before = s.text.size();
    const std::u16string tidy = fromAscii(FormatNumber(*value));
    if (tidy != s.text && depth < 8) {
        s.text = tidy;
        s.caret = 0;
        if (check(s, depth + 1) == EntryAnswer::Invalid)
            return EntryAnswer::Invalid;
    }
    s.caret = s.text.size() > before ? static_cast<int>(s.text.size())
                                     : std::min(c, static_cast<int>(s.text.size()));
    return EntryAnswer::GoOn;
}

} // namespace

NumberEntryOutcome NumberEntryCheck(std::u16string text, int caret) {
    NumberEntryOutcome s;
    s.text = std::move(text);
    s.caret = std::clamp(caret, 0, static_cast<int>(s.text.size()));
    s.answer = check(s, 0);
    return s;
}

FitOutcome CutToFit(std::u16string text, int caret, const FitsFunction& fits) {
    FitOutcome out;
    caret = std::clamp(caret, 0, static_cast<int>(text.size()));
    if (fits(text)) {
        out.text = std::move(text);
        out.caret = caret;
        return out;
    }
    out.cut = true;
    // Taking characters away one at a time goes left from the caret and, once the caret is
    // at the start, from the end. Candidate k is the text after k removals; the first k
    // that fits is found by halving, as a shorter text is never wider.
    const auto before = static_cast<std::size_t>(caret);
    auto candidate = [&](std::size_t k) {
        if (k <= before) {
            std::u16string t = text.substr(0, before - k);
            t.append(text, before, std::u16string::npos);
            return t;
        }
        return text.substr(before, text.size() - k); // only the part after the caret is left
    };
    std::size_t lo = 1;           // the least number of removals that might fit
    std::size_t hi = text.size(); // removing everything always fits
    while (lo < hi) {
        const std::size_t mid = lo + (hi - lo) / 2;
        if (fits(candidate(mid)))
            hi = mid;
        else
            lo = mid + 1;
    }
    out.text = candidate(lo);
    out.caret = static_cast<int>(lo <= before ? before - lo : out.text.size());
    return out;
}

ProgramTextOutcome SettleProgramText(TextField field, std::u16string text,
                                     const FitsFunction& fits) {
    ProgramTextOutcome out;
    // A text set by the program has its caret at the end for the width rule and at the
    // start for the number check; each change runs the rules again, as the field's change
    // notification does.
    for (int pass = 0; pass < 64; ++pass) {
        const int end = static_cast<int>(text.size());
        FitOutcome fit = CutToFit(std::move(text), end, fits);
        out.cut = out.cut || fit.cut;
        text = std::move(fit.text);
        if (IsNameField(field)) {
            out.answer = EntryAnswer::GoOn;
            break;
        }
        const NumberEntryOutcome checked = NumberEntryCheck(text, 0);
        out.beeps += checked.beeps;
        out.answer = checked.answer;
        const bool changed = checked.text != text;
        text = checked.text;
        if (checked.answer != EntryAnswer::GoOn || !changed || fits(text))
            break;
    }
    out.text = std::move(text);
    out.beeps += out.cut ? 1 : 0;
    return out;
}

std::string VolumeStepUp(std::string_view text) {
    return FormatNumber(ParseNumber(text) + 0.1);
}

std::string VolumeStepDown(std::string_view text) {
    const double v = ParseNumber(text) - 0.1;
    return v < 0 ? "0" : FormatNumber(v);
}

namespace {

constexpr const char* RowsContext = "kovaq::RowLabels";

// A row's own caption in the user's language ("Nic Base"; "F1" and "PG" stay as they are).
std::string ownLabel(SlotId slot) {
    return isFlavour(slot) ? std::string(RowLabelBase(slot))
                           : Say(RowsContext, RowLabelBase(slot).data());
}

} // namespace

RowLabels::RowLabels() {
    for (std::size_t i = 0; i < SlotCount; ++i) {
        volume[i] = ownLabel(slotAt(i));
        cost[i] = volume[i];
    }
    for (std::size_t f = 0; f < FlavourCount; ++f)
        spec[f] = ownLabel(flavourSlot(f));
}

void RowLabels::applyName(SlotId slot, std::string_view name) {
    if (slot == SlotId::NicBase) {
        volume[index(slot)] = Say(RowsContext, "NicBase  %1", {name});
        cost[index(slot)] = volume[index(slot)];
        return;
    }
    if (!isFlavour(slot))
        return;
    const std::string caption = std::string(RowLabelBase(slot)) + " " + std::string(name);
    volume[index(slot)] = caption;
    cost[index(slot)] = caption;
    spec[index(slot) - index(SlotId::Flav1)] = caption;
}

void RowLabels::applyResets(const MixResult& result) {
    for (std::size_t f = 0; f < FlavourCount; ++f) {
        if (!result.ResetFlavourCaption[f])
            continue;
        const SlotId slot = flavourSlot(f);
        const std::string own = ownLabel(slot);
        volume[index(slot)] = own;
        cost[index(slot)] = own;
        spec[f] = own;
    }
}

} // namespace kovaq
