// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace kovaq {

// The one way texts cross between the core's UTF-8 and UTF-16 strings and Qt's QString.
// A U+FEFF at the start is a character of the text, not a byte order mark to drop.
inline QString ToQString(std::string_view utf8) {
    if (utf8.substr(0, 3) == "\xEF\xBB\xBF")
        return QChar(0xFEFF) + ToQString(utf8.substr(3));
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}
inline QString ToQString(const std::u16string& utf16) {
    return QString(reinterpret_cast<const QChar*>(utf16.data()),
                   static_cast<qsizetype>(utf16.size()));
}
inline std::string ToUtf8(const QString& text) {
    return text.toStdString();
}
inline std::string ToUtf8(const std::u16string& utf16) {
    return ToQString(utf16).toStdString();
}
inline std::u16string ToUtf16(const QString& text) {
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}
inline std::u16string ToUtf16(std::string_view utf8) {
    return ToUtf16(ToQString(utf8));
}

} // namespace kovaq
