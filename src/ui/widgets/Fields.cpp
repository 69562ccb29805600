// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "Fields.h"
#include "QtText.h"

#include "EntryRules.h"
#include "Prompts.h"
#include "Recipe.h"

#include <QAbstractTextDocumentLayout>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QScopedValueRollback>
#include <QStringListModel>
#include <QTextBlock>
#include <QTextLayout>

namespace kovaq {

NumberField::NumberField(Prompts& prompts, QWidget* parent)
    : QLineEdit(parent), m_prompts(prompts) {
    setValidator(new DecimalCommaValidator([this] { return m_personTyping; }, false, this));
}

void NumberField::keyPressEvent(QKeyEvent* event) {
    const QScopedValueRollback typing(m_personTyping, true);
    const int key = event->key();
    if (m_arrows && (key == Qt::Key_Up || key == Qt::Key_Down))
        Q_EMIT arrowPressed(key == Qt::Key_Up);
    // Keys that type no character pass untouched; Tab belongs to the window.
    const bool noCharacter = key == Qt::Key_Delete || key == Qt::Key_Tab ||
                             key == Qt::Key_Backtab || event->text().isEmpty();
    // A comma is the decimal point where most hobbyists live (and on their keypads): it is
    // typed as the point, never dropped to make 2,5 % into 25 %.
    if (event->text() == QLatin1String(",")) {
        QKeyEvent point(event->type(), Qt::Key_Period, event->modifiers(), QStringLiteral("."),
                        event->isAutoRepeat(), static_cast<ushort>(event->count()));
        QLineEdit::keyPressEvent(&point);
        event->setAccepted(point.isAccepted());
        return;
    }
    if (!noCharacter && !NumberKeyAllowed(event->text().at(0).unicode())) {
        m_prompts.beep();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void NumberField::contextMenuEvent(QContextMenuEvent* event) {
    // Qt's own menu would paste after this returns: run here, its Paste is the person's.
    QMenu* menu = createStandardContextMenu();
    const QScopedValueRollback typing(m_personTyping, true);
    menu->exec(event->globalPos());
    delete menu;
}

void NumberField::mouseReleaseEvent(QMouseEvent* event) {
    const QScopedValueRollback typing(m_personTyping, true);
    QLineEdit::mouseReleaseEvent(event);
}

void NumberField::dropEvent(QDropEvent* event) {
    const QScopedValueRollback typing(m_personTyping, true);
    QLineEdit::dropEvent(event);
}

void NumberField::inputMethodEvent(QInputMethodEvent* event) {
    const QScopedValueRollback typing(m_personTyping, true);
    QLineEdit::inputMethodEvent(event);
}

DecimalCommaValidator::DecimalCommaValidator(std::function<bool()> active, bool onePoint,
                                             QObject* parent)
    : QValidator(parent), m_active(std::move(active)), m_onePoint(onePoint) {}

QValidator::State DecimalCommaValidator::validate(QString& input, int& pos) const {
    if (m_active && !m_active())
        return Acceptable;
    input.replace(QLatin1Char(','), QLatin1Char('.'));
    if (m_onePoint) {
        // A spreadsheet's cell comes with a line break, "1 234,5" with its blank: a cell
        // holds the number alone.
        for (qsizetype i = input.size() - 1; i >= 0; --i)
            if (input.at(i).isSpace()) {
                input.remove(i, 1);
                if (i < pos)
                    --pos;
            }
        for (const QChar ch : std::as_const(input))
            if ((ch < QLatin1Char('0') || ch > QLatin1Char('9')) && ch != QLatin1Char('.'))
                return Invalid;
        if (input.count(QLatin1Char('.')) > 1)
            return Invalid;
    }
    return Acceptable;
}

namespace {

// Qt's own combo box names itself after its current text on Linux and leaves the name to a
// label relation, so a screen reader says "PG combo box". This one says its own name
// ("Mix PG-VG") and gives the chosen ratio as its value.
class RatioChoiceAccessible : public QAccessibleWidget {
  public:
    explicit RatioChoiceAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::ComboBox) {}
    QString text(QAccessible::Text t) const override {
        const auto* choice = static_cast<const QComboBox*>(widget());
        if (t == QAccessible::Name)
            return choice->accessibleName();
        if (t == QAccessible::Value)
            return choice->currentText().trimmed();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* ratioChoiceAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String("kovaq::RatioChoice") && object && object->isWidgetType())
        return new RatioChoiceAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

} // namespace

RatioChoice::RatioChoice(int entries, QWidget* parent) : QComboBox(parent) {
    static const bool accessibleInstalled =
        (QAccessible::installFactory(&ratioChoiceAccessible), true);
    Q_UNUSED(accessibleInstalled);
    setEditable(false);
    setMaxVisibleItems(12);
    // The ten choices of a window show one of two fixed lists: they share them.
    static QPointer<QStringListModel> lists[2];
    QPointer<QStringListModel>& list = lists[entries == RatioListSize ? 1 : 0];
    if (!list) {
        QStringList texts;
        for (int i = 0; i < entries; ++i)
            texts << ToQString(RatioListText(i));
        list = new QStringListModel(texts, qApp);
    }
    setModel(list);
    setCurrentIndex(-1);
}

NotesEdit::NotesEdit(QWidget* parent) : QPlainTextEdit(parent) {
    setTabChangesFocus(false);
    setFocusPolicy(Qt::ClickFocus);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setNotesTabStops();
}

void NotesEdit::setNotesTabStops() {
    QTextOption option = document()->defaultTextOption();
    QList<QTextOption::Tab> tabs;
    // The font's size in whole points: 11-pixel characters are 8 points at 96 dots per
    // inch, so the stops fall every 16 points (21.33 pixels), not every 22 pixels.
    const int points = font().pointSizeF() > 0 ? qRound(font().pointSizeF())
                                               : qRound(font().pixelSize() * 72.0 / 96.0);
    for (int i = 1; i <= 14; ++i)
        tabs.append(
            QTextOption::Tab(2.0 * i * points * logicalDpiX() / 72.0, QTextOption::LeftTab));
    option.setTabs(tabs);
    document()->setDefaultTextOption(option);
}

bool NotesEdit::canInsertFromMimeData(const QMimeData* source) const {
    return source && source->hasText();
}

void NotesEdit::insertFromMimeData(const QMimeData* source) {
    if (!source || !source->hasText())
        return;
    // The box is plain text: what is pasted brings no formatting of its own.
    insertPlainText(source->text());
}

QStringList NotesEdit::displayedLines() const {
    // Qt lays out only the paragraphs it has drawn: every paragraph is laid out at the box's
    // width first, so what is saved and printed never depends on scrolling.
    auto* layout = qobject_cast<QPlainTextDocumentLayout*>(document()->documentLayout());
    QStringList lines;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        if (layout)
            layout->ensureBlockLayout(block);
        const QString text = block.text();
        const QTextLayout* layout = block.layout();
        if (!layout || layout->lineCount() <= 1) {
            lines << text;
            continue;
        }
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            QString part = text.mid(line.textStart(), line.textLength());
            // A wrapped line ends at the blank the box broke it at.
            if (i + 1 < layout->lineCount() && part.endsWith(QLatin1Char(' ')))
                part.chop(1);
            lines << part;
        }
    }
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QMenu* NotesEdit::createNotesMenu(QWidget* parent) {
    auto* menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("NotesMenu"));
    const bool selection = textCursor().hasSelection();
    const QMimeData* clip = QGuiApplication::clipboard()->mimeData();
    QAction* cut = menu->addAction(tr("Cut"), this, &QPlainTextEdit::cut);
    cut->setShortcut(QKeySequence(QStringLiteral("Ctrl+X")));
    cut->setEnabled(selection);
    QAction* copyAction = menu->addAction(tr("Copy"), this, &QPlainTextEdit::copy);
    copyAction->setShortcut(QKeySequence(QStringLiteral("Ctrl+C")));
    copyAction->setEnabled(selection);
    // The box is plain text: what is pasted brings no formatting of its own.
    QAction* paste = menu->addAction(tr("Paste"), this, &QPlainTextEdit::paste);
    paste->setShortcut(QKeySequence(QStringLiteral("Ctrl+V")));
    paste->setEnabled(clip && clip->hasText());
    QAction* del =
        menu->addAction(tr("Delete"), this, [this] { textCursor().removeSelectedText(); });
    del->setEnabled(selection);
    return menu;
}

void NotesEdit::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createNotesMenu(this);
    menu->exec(event->globalPos());
    delete menu;
}

void NotesEdit::mouseReleaseEvent(QMouseEvent* event) {
    QPlainTextEdit::mouseReleaseEvent(event);
    Q_EMIT mouseReleased();
}

} // namespace kovaq
