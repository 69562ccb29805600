// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include <QList>
#include <QString>

#include <vector>

namespace kovaq {

// Tab stops in points from the left edge of the text; the first is always at 0.
struct TabLayout {
    QString name;
    QList<int> stops;
    bool operator==(const TabLayout&) const = default;
};

// S is the report's point size; every scaled stop is S x X / 12, truncated.
TabLayout SummaryTabs(int pointSize);
TabLayout DetailsTabs(int pointSize);
TabLayout SpecHeaderTabs(int pointSize);
TabLayout SpecRowTabs(int pointSize);
TabLayout NotesTabs(int pointSize);

struct CharFormat {
    bool bold = false;
    int size = 12;
    bool operator==(const CharFormat&) const = default;
};

struct ReportLine {
    QString text;
    std::vector<CharFormat> formats; // one per character
    CharFormat lineFormat;           // the format the line was appended in (for empty lines)
    TabLayout tabs;
};

// A stretch of a line whose characters share one format.
struct FormatRun {
    int start;
    int length;
    CharFormat format;
};
std::vector<FormatRun> FormatRuns(const ReportLine& line);

// The formatted text that the reports are built in: lines with per-character bold and
// size, each with the tab stops in force when it was appended. Positions count over the
// whole text with each line break as two characters.
class ReportDocument {
  public:
    void Clear();
    void SetBold(bool bold) { m_current.bold = bold; }
    void SetSize(int points) { m_current.size = points; }
    void SetTabLayout(const TabLayout& layout) { m_tabs = layout; }
    void AppendLine(const QString& text);
    int LineCount() const { return static_cast<int>(m_lines.size()); }
    QString LineText(int line) const;
    // The new text takes the format of the line's first character and keeps its tabs.
    void ReplaceLineText(int line, const QString& text);
    // Position of the first occurrence, or -1.
    int Find(const QString& text) const;
    void MarkBold(int position, int length);

    const std::vector<ReportLine>& lines() const { return m_lines; }
    const CharFormat& currentFormat() const { return m_current; }
    const TabLayout& currentTabs() const { return m_tabs; }
    // Position of the first character of a line.
    int LineStart(int line) const;
    // The whole text with CR LF between lines.
    QString PlainText() const;

  private:
    std::vector<ReportLine> m_lines;
    CharFormat m_current;
    TabLayout m_tabs;
};

} // namespace kovaq
