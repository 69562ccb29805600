// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

// Sharing the mix in the window as people share recipes: the text "Copy Recipe" copies and
// "Paste Recipe" reads back. The window and kovaq-calc both go through here.

#include "RecipeText.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <string>

namespace kovaq {

class MixDocument;

// The mix as text; with `dropsPerMl` above 0, each flavour's ml and drops as well.
std::string CopyRecipeText(const MixDocument& doc, std::optional<int> steepDays,
                           int dropsPerMl = 0);

// What the paste will do that the text did not quite say: a ratio rounded to the list,
// the flavours after the eighth left out, a strength with no base to make it from.
QStringList PasteRemarks(const ParsedRecipe& recipe, const MixDocument& doc);

// Said when a text was longer than is read (ParsedRecipe::textCut).
QString TextCutRemark();

// A name as it will stand in a name field of `trial` (a document under the window's width
// rule, whose field it sets): whole when it fits, else the first of its shorter whole forms
// that does (the bracketed brand dropped first, then words from the end), else cut by the
// field.
QString FittedName(MixDocument& trial, TextField field, const QString& name);
// The same for every name field of a recipe about to be loaded.
void FitNames(MixDocument& trial, MixRecipe& recipe);

// The line the notes keep for a strength that has no base to be made from.
QString KeptStrengthLine(double mg);

struct PasteOptions {
    // The lines the paste did not understand go into the notes, after the recipe's own.
    bool unusedToNotes = false;
    // Where the names are fitted; the pasted-into document itself when none.
    MixDocument* trial = nullptr;
};

// The pasted recipe becomes a new mix, as if typed into the fields (their width rule,
// tidying and captions apply): the ingredient details of the window's base, PG, VG and
// vodka/water stay, the flavour rows are the recipe's. A steep time goes into the notes, and
// so does a strength that cannot be kept for want of a base. Names too wide for their
// field are shortened to a whole form (see FittedName).
void PasteRecipe(MixDocument& doc, const ParsedRecipe& recipe, const PasteOptions& options = {});

} // namespace kovaq
