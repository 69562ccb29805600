// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "TextFold.h"

#include <QList>

namespace kovaq {
namespace {

void appendFolded(QString& out, char32_t c, std::vector<int>* origin, int from) {
    // Appended in place: a string made for each letter would cost more than the folding.
    const auto put = [&](char32_t ch) {
        if (QChar::requiresSurrogates(ch)) {
            out += QChar(QChar::highSurrogate(ch));
            out += QChar(QChar::lowSurrogate(ch));
            if (origin)
                origin->insert(origin->end(), 2, from);
            return;
        }
        out += QChar(static_cast<char16_t>(ch));
        if (origin)
            origin->push_back(from);
    };
    if (c < 0x80) {
        put(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        return;
    }
    // The canonical decomposition without its marks: é is e and an acute accent.
    QString parts = QChar::decomposition(c);
    if (QChar::decompositionTag(c) != QChar::Canonical || parts.isEmpty())
        parts = QString::fromUcs4(&c, 1);
    for (const char32_t p : parts.toUcs4())
        if (!QChar::isMark(p))
            put(QChar::toCaseFolded(p));
}

} // namespace

QString FoldForSearch(QStringView text, std::vector<int>* origin) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype at = i;
        char32_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        }
        ++i;
        appendFolded(out, c, origin, static_cast<int>(at));
    }
    return out;
}

} // namespace kovaq
