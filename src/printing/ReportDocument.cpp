// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "ReportDocument.h"

#include <algorithm>

namespace kovaq {
namespace {

int scaled(int s, int x) {
    return s * x / 12;
}

} // namespace

TabLayout SummaryTabs(int s) {
    TabLayout t{QStringLiteral("SummaryTabs"), {0, scaled(s, 120), scaled(s, 160), scaled(s, 225)}};
    for (int i = 1; i <= 14; ++i)
        t.stops << 225 + 2 * s * i; // the 225 is not scaled
    return t;
}

TabLayout DetailsTabs(int s) {
    return {QStringLiteral("DetailsTabs"),
            {0, scaled(s, 125), scaled(s, 165), scaled(s, 245), scaled(s, 365)}};
}

TabLayout SpecHeaderTabs(int s) {
    return {QStringLiteral("SpecHeaderTabs"), {0, scaled(s, 110), scaled(s, 365)}};
}

TabLayout SpecRowTabs(int s) {
    return {QStringLiteral("SpecRowTabs"),
            {0, scaled(s, 130), scaled(s, 170), scaled(s, 245), scaled(s, 365)}};
}

TabLayout NotesTabs(int s) {
    TabLayout t{QStringLiteral("NotesTabs"), {0}};
    for (int i = 1; i <= 14; ++i)
        t.stops << 2 * s * i;
    return t;
}

std::vector<FormatRun> FormatRuns(const ReportLine& line) {
    std::vector<FormatRun> runs;
    for (const CharFormat& f : line.formats) {
        if (runs.empty() || !(runs.back().format == f))
            runs.push_back({runs.empty() ? 0 : runs.back().start + runs.back().length, 0, f});
        ++runs.back().length;
    }
    return runs;
}

void ReportDocument::Clear() {
    m_lines.clear();
}

void ReportDocument::AppendLine(const QString& text) {
    ReportLine line;
    line.text = text;
    line.formats.assign(static_cast<std::size_t>(text.size()), m_current);
    line.lineFormat = m_current;
    line.tabs = m_tabs;
    m_lines.push_back(std::move(line));
}

QString ReportDocument::LineText(int line) const {
    if (line < 0 || line >= LineCount())
        return {};
    return m_lines[static_cast<std::size_t>(line)].text;
}

void ReportDocument::ReplaceLineText(int line, const QString& text) {
    if (line < 0 || line >= LineCount())
        return;
    ReportLine& l = m_lines[static_cast<std::size_t>(line)];
    const CharFormat first = l.formats.empty() ? l.lineFormat : l.formats.front();
    l.text = text;
    l.formats.assign(static_cast<std::size_t>(text.size()), first);
    l.lineFormat = first;
}

int ReportDocument::LineStart(int line) const {
    int pos = 0;
    for (int i = 0; i < line && i < LineCount(); ++i)
        pos += static_cast<int>(m_lines[static_cast<std::size_t>(i)].text.size()) + 2;
    return pos;
}

QString ReportDocument::PlainText() const {
    QString out;
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        if (i > 0)
            out += QStringLiteral("\r\n");
        out += m_lines[i].text;
    }
    return out;
}

int ReportDocument::Find(const QString& text) const {
    const auto at = PlainText().indexOf(text);
    return at < 0 ? -1 : static_cast<int>(at);
}

void ReportDocument::MarkBold(int position, int length) {
    int start = 0;
    const int end = position + length;
    for (ReportLine& l : m_lines) {
        const int size = static_cast<int>(l.text.size());
        for (int c = std::max(position, start); c < std::min(end, start + size); ++c)
            l.formats[static_cast<std::size_t>(c - start)].bold = true;
        if (position <= start && end > start && size == 0)
            l.lineFormat.bold = true;
        start += size + 2;
        if (start >= end)
            break;
    }
}

} // namespace kovaq
