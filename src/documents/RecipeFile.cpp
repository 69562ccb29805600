#include "RecipeFile.h"

#include "Codepage.h"
#include "EntryRules.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <filesystem>

namespace kovaq {
namespace {

constexpr std::string_view kTitle = "Title";
constexpr std::string_view kIngredients = "Ingredients";
constexpr std::string_view kSpec = "Spec";
constexpr std::string_view kExtras = "Extras";
constexpr std::string_view kNotes = "Notes";

std::string_view sectionOf(TextField f) {
    return f <= TextField::BaseNicStrength ? kIngredients : kSpec;
}

std::u16string toU16(const std::string& s) {
    const QString q = QString::fromStdString(s);
    return {reinterpret_cast<const char16_t*>(q.utf16()), static_cast<std::size_t>(q.size())};
}

std::string fromU16(const std::u16string& s) {
    return QString::fromUtf16(s.data(), static_cast<qsizetype>(s.size())).toStdString();
}

std::string capChars(const std::string& s, std::size_t maxChars) {
    const QString q = QString::fromStdString(s);
    if (static_cast<std::size_t>(q.size()) <= maxChars)
        return s;
    return q.left(static_cast<qsizetype>(maxChars)).toStdString();
}

} // namespace

std::string TidyLoadedNumber(const std::string& text) {
    // A text set by the program leaves the caret at the start, so ".5" stays ".5".
    const NumberEntryOutcome out = NumberEntryCheck(toU16(text), 0);
    return fromU16(out.text);
}

MixRecipe RecipeFromIni(const IniDocument& ini, const MixRecipe& current) {
    MixRecipe r;
    r.Name = ini.readString(kTitle, "Name", "Untitled");
    for (std::size_t i = 0; i < TextFieldCount; ++i) {
        const TextField f = textFieldAt(i);
        std::string text = ini.readString(sectionOf(f), FieldKey(f), "");
        r.texts[i] = IsNumberField(f) ? TidyLoadedNumber(text) : std::move(text);
    }
    for (std::size_t i = 0; i < RatioFieldCount; ++i) {
        const RatioField rf = ratioFieldAt(i);
        const std::string_view section = rf == RatioField::BaseNicPGVG ? kIngredients : kSpec;
        PgVgRatio ratio = current.ratios[i];
        const std::int64_t pos = ini.readInteger(section, RatioKey(rf), 0);
        SelectRatioPosition(ratio, pos < -1 || pos > RatioListSize ? -1 : static_cast<int>(pos),
                            RatioEntryCount(rf));
        SetPgPercentFromChoice(ratio);
        RefreshRatioText(ratio);
        r.ratios[i] = ratio;
    }
    r.HiPrecision = ini.readInteger(kExtras, "HiPrecision", 1) != 0;
    r.IgnoreCost = ini.readInteger(kExtras, "IgnoreCost", 0) != 0;
    const std::int64_t lines = std::min(ini.readInteger(kNotes, "Lines", 0), MaxNotesLines);
    for (std::int64_t i = 0; i < lines; ++i)
        r.Notes.push_back(ini.readString(kNotes, "Text" + std::to_string(i), ""));
    return r;
}

LoadedRecipe LoadRecipe(const std::string& path, const MixRecipe& current) {
    LoadedRecipe out;
    QFile file(QString::fromStdString(path));
    const QFileInfo info(file);
    std::string bytes;
    if (info.exists() && !info.isDir() && file.open(QIODevice::ReadOnly)) {
        const QByteArray data = file.read(MaxRecipeFileBytes);
        bytes.assign(data.constData(), static_cast<std::size_t>(data.size()));
        out.readable = file.error() == QFileDevice::NoError;
    }
    out.recipe = RecipeFromIni(IniDocument(DecodeFileText(bytes)), current);
    return out;
}

void RecipeToIni(IniDocument& ini, const MixRecipe& recipe) {
    ini.setValue(kTitle, "Name", recipe.Name);
    auto writeText = [&](TextField f) { ini.setValue(sectionOf(f), FieldKey(f), recipe[f]); };
    auto writeRatio = [&](RatioField rf, std::string_view section) {
        ini.setValue(section, RatioKey(rf), std::to_string(recipe[rf].position));
    };
    for (std::size_t i = 0; i <= index(TextField::Flav8Name); ++i)
        writeText(textFieldAt(i));
    writeRatio(RatioField::BaseNicPGVG, kIngredients);
    writeText(TextField::BaseNicStrength);
    for (std::size_t i = index(RatioField::MixNicPGVG); i < RatioFieldCount; ++i)
        writeRatio(ratioFieldAt(i), kSpec);
    for (std::size_t i = index(TextField::MixStrength); i < TextFieldCount; ++i)
        writeText(textFieldAt(i));
    ini.setValue(kExtras, "HiPrecision", recipe.HiPrecision ? "1" : "0");
    ini.setValue(kExtras, "IgnoreCost", recipe.IgnoreCost ? "1" : "0");
    ini.setValue(kNotes, "Lines", std::to_string(recipe.Notes.size()));
    for (std::size_t i = 0; i < recipe.Notes.size(); ++i)
        ini.setValue(kNotes, "Text" + std::to_string(i),
                     capChars(recipe.Notes[i], MaxNoteLineLength));
}

void WriteRecipe(const std::string& path, const MixRecipe& recipe) {
    const QString qpath = QString::fromStdString(path);
    const QFileInfo info(qpath);
    // Read-only means no write bit at all, even for an administrator, as on Windows.
    const auto writable = [](const QFileInfo& fi) {
        return fi.isWritable() &&
               (fi.permissions() &
                (QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther));
    };
    const QFileInfo folder(info.absolutePath());
    if (!folder.isDir() || !writable(folder))
        throw RecipeWriteError(path);
    IniDocument ini;
    if (info.exists() || info.isSymLink()) {
        // The other keys of an existing file are kept, so it must be a readable and
        // writable plain file.
        std::error_code ec;
        QFile existing(qpath);
        if (!std::filesystem::is_regular_file(path, ec) || !writable(info) ||
            !existing.open(QIODevice::ReadOnly))
            throw RecipeWriteError(path);
        const QByteArray data = existing.readAll();
        if (existing.error() != QFileDevice::NoError)
            throw RecipeWriteError(path);
        ini = IniDocument(DecodeFileText(
            std::string_view(data.constData(), static_cast<std::size_t>(data.size()))));
    }
    RecipeToIni(ini, recipe);
    const std::string bytes = EncodeFileText(ini.toText());

    QSaveFile file(qpath);
    if (!file.open(QIODevice::WriteOnly))
        throw RecipeWriteError(path);
    if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
            static_cast<qint64>(bytes.size()) ||
        !file.commit())
        throw RecipeWriteError(path);
}

} // namespace kovaq
