#include "EntryRules.h"

#include "Numbers.h"

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
        // With the caret at the start there is nothing in front of it: drop the extra
        // point itself so that the text still ends up with one point.
        std::size_t pos = c > 0 ? static_cast<std::size_t>(c - 1) : i;
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

std::string VolumeStepUp(std::string_view text) {
    return FormatNumber(ParseNumber(text) + 0.1);
}

std::string VolumeStepDown(std::string_view text) {
    const double v = ParseNumber(text) - 0.1;
    return v < 0 ? "0" : FormatNumber(v);
}

RowLabels::RowLabels() {
    for (std::size_t i = 0; i < SlotCount; ++i) {
        volume[i] = std::string(RowLabelBase(slotAt(i)));
        cost[i] = volume[i];
    }
    for (std::size_t f = 0; f < FlavourCount; ++f)
        spec[f] = std::string(RowLabelBase(flavourSlot(f)));
}

void RowLabels::applyName(SlotId slot, std::string_view name) {
    if (slot == SlotId::NicBase) {
        volume[index(slot)] = "NicBase  " + std::string(name);
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
        const std::string own(RowLabelBase(slot));
        volume[index(slot)] = own;
        cost[index(slot)] = own;
        spec[f] = own;
    }
}

} // namespace kovaq
