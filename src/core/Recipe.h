// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include <array>
#include <bitset>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kovaq {

// The twelve ingredient rows, in the order of the window and of every per-slot list.
enum class SlotId {
    NicBase,
    PG,
    VG,
    Flav1,
    Flav2,
    Flav3,
    Flav4,
    Flav5,
    Flav6,
    Flav7,
    Flav8,
    VodkaWater
};
inline constexpr std::size_t SlotCount = 12;
inline constexpr std::size_t FlavourCount = 8;

constexpr std::size_t index(SlotId s) {
    return static_cast<std::size_t>(s);
}
constexpr SlotId slotAt(std::size_t i) {
    return static_cast<SlotId>(i);
}
constexpr SlotId flavourSlot(std::size_t flavour) {
    return slotAt(index(SlotId::Flav1) + flavour);
}
constexpr bool isFlavour(SlotId s) {
    return s >= SlotId::Flav1 && s <= SlotId::Flav8;
}

// Identifier of a slot as code names it ("NicBase", "Flav3", "VodkaWater").
std::string_view SlotName(SlotId s);
// Caption of the slot's row in "Ingredient Details" ("Nic Base", "Prop. Glycol (PG)", "F1").
std::string_view IngredientCaption(SlotId s);
// The row's own label in the result groups ("Nic Base", "PG", "VG", "F1", "Vodka/Water").
std::string_view RowLabelBase(SlotId s);

// Every text field of a recipe, in the order its keys stand in the recipe file.
enum class TextField {
    NicBaseCost,
    NicBaseQty,
    NicBaseName,
    PGCost,
    PGQty,
    VGCost,
    VGQty,
    Flav1Cost,
    Flav1Qty,
    Flav2Cost,
    Flav2Qty,
    Flav3Cost,
    Flav3Qty,
    Flav4Cost,
    Flav4Qty,
    Flav5Cost,
    Flav5Qty,
    Flav6Cost,
    Flav6Qty,
    Flav7Cost,
    Flav7Qty,
    Flav8Cost,
    Flav8Qty,
    VodkaWaterCost,
    VodkaWaterQty,
    Flav1Name,
    Flav2Name,
    Flav3Name,
    Flav4Name,
    Flav5Name,
    Flav6Name,
    Flav7Name,
    Flav8Name,
    BaseNicStrength,
    MixStrength,
    PctFlav1,
    PctFlav2,
    PctFlav3,
    PctFlav4,
    PctFlav5,
    PctFlav6,
    PctFlav7,
    PctFlav8,
    PctVodkaWater,
    MixQty,
};
inline constexpr std::size_t TextFieldCount = static_cast<std::size_t>(TextField::MixQty) + 1;

constexpr std::size_t index(TextField f) {
    return static_cast<std::size_t>(f);
}
constexpr TextField textFieldAt(std::size_t i) {
    return static_cast<TextField>(i);
}

// The key of a field in the recipe file ("NicBaseCost", "%Flav1", "Vodka/WaterQty").
std::string_view FieldKey(TextField f);
std::optional<TextField> FieldFromKey(std::string_view key);
// Numbers are typed into every field except the nine names.
bool IsNumberField(TextField f);
bool IsNameField(TextField f);

TextField CostField(SlotId s);
TextField QtyField(SlotId s);
// The name field of NicBase and the flavours; none for PG, VG and Vodka/Water.
std::optional<TextField> NameField(SlotId s);
// The percentage field of the flavours and Vodka/Water.
std::optional<TextField> PercentField(SlotId s);

// The ten PG/VG choices of a recipe.
enum class RatioField {
    BaseNicPGVG,
    MixNicPGVG,
    Flav1NicPGVG,
    Flav2NicPGVG,
    Flav3NicPGVG,
    Flav4NicPGVG,
    Flav5NicPGVG,
    Flav6NicPGVG,
    Flav7NicPGVG,
    Flav8NicPGVG,
};
inline constexpr std::size_t RatioFieldCount = 10;
constexpr std::size_t index(RatioField r) {
    return static_cast<std::size_t>(r);
}
constexpr RatioField ratioFieldAt(std::size_t i) {
    return static_cast<RatioField>(i);
}
constexpr RatioField flavourRatio(std::size_t flavour) {
    return ratioFieldAt(index(RatioField::Flav1NicPGVG) + flavour);
}
std::string_view RatioKey(RatioField r);
// 11 entries for the base and the mix, 12 (with " none") for the flavours.
int RatioEntryCount(RatioField r);

// The fixed list of ratio entries.
inline constexpr int RatioNonePosition = 11;
inline constexpr int RatioListSize = 12;
std::string_view RatioListText(int position); // "  PG", "80-20", .., " none"
int RatioPgPercent(int position);             // 100, 80, .., 0, -1

// One ratio choice: its selected entry (-1 for none) and the derived values that the
// calculation and the reports read. A choice without an entry keeps its last values.
struct PgVgRatio {
    int position = -1;
    int PgPercent = 0;
    std::string RatioText;

    bool operator==(const PgVgRatio&) const = default;
};
void SetPgPercentFromChoice(PgVgRatio& ratio);
void RefreshRatioText(PgVgRatio& ratio);
// Selects an entry of a choice; an out-of-range position leaves no entry selected.
void SelectRatioPosition(PgVgRatio& ratio, int position, int entryCount);

// A set of text fields (the ones a calculation marks as missing).
class FieldSet {
  public:
    void insert(TextField f) { m_bits.set(index(f)); }
    bool contains(TextField f) const { return m_bits.test(index(f)); }
    bool empty() const { return m_bits.none(); }
    std::size_t size() const { return m_bits.count(); }
    void clear() { m_bits.reset(); }
    // In the order of the recipe file's keys.
    std::vector<TextField> toVector() const;
    bool operator==(const FieldSet&) const = default;

  private:
    std::bitset<TextFieldCount> m_bits;
};

// The user's inputs for one mix, held as the texts typed.
struct MixRecipe {
    std::string Name = "Untitled";
    std::array<std::string, TextFieldCount> texts{};
    std::array<PgVgRatio, RatioFieldCount> ratios{};
    bool HiPrecision = true;
    bool IgnoreCost = false;
    std::vector<std::string> Notes;
    // Specific gravities the user set for weighing, as typed (PG, VG, Nicotine, Flav1..8,
    // Vodka/Water); an empty text means the default.
    std::array<std::string, 12> Gravity{};

    std::string& operator[](TextField f) { return texts[index(f)]; }
    const std::string& operator[](TextField f) const { return texts[index(f)]; }
    PgVgRatio& operator[](RatioField r) { return ratios[index(r)]; }
    const PgVgRatio& operator[](RatioField r) const { return ratios[index(r)]; }

    bool operator==(const MixRecipe&) const = default;
};

// The recipe a new mix starts from: every field empty, every ratio on "  PG",
// "Hi Precision" ticked, costs not ignored, no notes.
MixRecipe FreshMix();

} // namespace kovaq
