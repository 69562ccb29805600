// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "Look.h"

#include "FieldMetrics.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QScopeGuard>
#include <QScreen>
#include <QSet>

#include <algorithm>
#include <cmath>

namespace kovaq {

namespace look {

QFont windowFont() {
    return WindowFont();
}

QFont boldFont(int pixels) {
    QFont f = windowFont();
    f.setPixelSize(pixels);
    f.setBold(true);
    return f;
}

QFont sansSerifFont(int pixels, bool bold) {
    QFont f;
    f.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                   QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

QColor colour(const Rgb& rgb) {
    return QColor(rgb.r, rgb.g, rgb.b);
}

QColor disabledTextColour() {
    return QColor(128, 128, 128);
}

namespace {

// The light desktop Ko-Vaq's colours were chosen on. Made here: the style's own palette
// follows the desktop's, dark ones included.
const QPalette& lightPalette() {
    static const QPalette light(QColor(239, 239, 239));
    return light;
}

double luminance(const QColor& c) {
    auto channel = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

constexpr double kAA = 4.5;

// The text roles of an enabled widget.
void setText(QPalette& p, const QColor& c) {
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive})
        for (QPalette::ColorRole r : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            p.setColor(g, r, c);
}

} // namespace

bool darkDesktop() {
    const QPalette p = QApplication::palette();
    return p.color(QPalette::Window).lightness() < p.color(QPalette::WindowText).lightness();
}

double contrast(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readable(const QColor& wanted, const QColor& against) {
    if (!darkDesktop() || contrast(wanted, against) >= kAA)
        return wanted;
    // Black text on a dark background is the desktop's own text.
    const QColor own = QApplication::palette().color(QPalette::WindowText);
    if (wanted == colour(NormalTextColour) && contrast(own, against) >= kAA)
        return own;
    // Same hue and saturation, lighter or darker: a red stays a red.
    const bool lighter = luminance(against) < 0.18;
    float h = 0, s = 0, l = 0, a = 0;
    wanted.getHslF(&h, &s, &l, &a);
    QColor c = wanted;
    for (int step = 0; step < 100 && contrast(c, against) < kAA; ++step) {
        l = std::clamp(l + (lighter ? 0.01f : -0.01f), 0.0f, 1.0f);
        c = QColor::fromHslF(h, s, l, a);
    }
    return c.toRgb();
}

QColor backgroundOf(const QWidget* widget) {
    for (const QWidget* w = widget; w; w = w->parentWidget())
        if (w->autoFillBackground() || w->isWindow())
            return w->palette().color(w->backgroundRole());
    return QApplication::palette().color(QPalette::Window);
}

namespace {

void setFieldColours(QWidget* field, const QColor& c) {
    QPalette p = field->palette();
    p.setColor(QPalette::Base, c);
    p.setColor(QPalette::Button, c);
    setText(p, colour(NormalTextColour));
    // A greyed default in the field: as a light desktop greys it, and as readable on a dark one.
    p.setColor(QPalette::PlaceholderText,
               darkDesktop() ? readable(QColor(96, 96, 96), c)
                             : QApplication::palette().color(QPalette::PlaceholderText));
    field->setPalette(p);
}

void setGroupColours(QGroupBox* group) {
    QPalette p = group->palette();
    p.setColor(QPalette::Window, colour(GroupColour));
    // Silver carries black text, its title and check boxes included, whatever the desktop's
    // colours; on a dark desktop the rest of the group (check boxes, scroll bars) is drawn
    // as on a light one too, so nothing light is drawn on light.
    setText(p, colour(NormalTextColour));
    p.setColor(QPalette::Base, lightPalette().color(QPalette::Active, QPalette::Base));
    if (darkDesktop())
        for (QPalette::ColorRole r :
             {QPalette::Button, QPalette::Light, QPalette::Midlight, QPalette::Mid, QPalette::Dark,
              QPalette::Shadow, QPalette::AlternateBase, QPalette::PlaceholderText})
            for (QPalette::ColorGroup g :
                 {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
                p.setColor(g, r, lightPalette().color(g, r));
    // Greyed captions in the classic look: dark grey with a white edge, readable on silver.
    p.setColor(QPalette::Disabled, QPalette::WindowText, disabledTextColour());
    p.setColor(QPalette::Disabled, QPalette::Text, disabledTextColour());
    p.setColor(QPalette::Disabled, QPalette::Light, Qt::white);
    group->setPalette(p);
}

void setLabelColour(QWidget* label, const QColor& wanted) {
    // Only the colours of an enabled label: a greyed one stays grey, red or not.
    const QColor c = readable(wanted, backgroundOf(label));
    QPalette p = label->palette();
    if (p.color(QPalette::Active, QPalette::WindowText) == c &&
        p.color(QPalette::Inactive, QPalette::WindowText) == c)
        return;
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(g, QPalette::WindowText, c);
        p.setColor(g, QPalette::Text, c);
    }
    label->setPalette(p);
}

// Ko-Vaq's colours follow the desktop's when it turns dark or light while the program runs:
// a widget whose colours Ko-Vaq set takes them again as it takes the desktop's new ones.
// What each widget wants is kept here rather than in dynamic properties: a keystroke sets
// the colours of many labels, and a property is looked up by its name each time.
class FollowDesktop : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        // Its own new colours change it once more: that change is left alone.
        if (event->type() != QEvent::PaletteChange || m_busy.contains(watched))
            return false;
        m_busy.insert(watched);
        const auto done = qScopeGuard([this, watched] { m_busy.remove(watched); });
        auto* w = static_cast<QWidget*>(watched);
        if (auto* group = qobject_cast<QGroupBox*>(w))
            setGroupColours(group);
        else if (const auto wanted = m_wanted.constFind(w); wanted != m_wanted.constEnd())
            setLabelColour(w, *wanted);
        else
            setFieldColours(w, w->palette().color(QPalette::Active, QPalette::Base));
        return false;
    }
    bool follows(const QObject* widget) const { return m_followed.contains(widget); }
    void follow(QWidget* widget) {
        if (m_followed.contains(widget))
            return;
        m_followed.insert(widget);
        widget->installEventFilter(this);
        connect(widget, &QObject::destroyed, this, [this](QObject* gone) {
            m_followed.remove(gone);
            m_wanted.remove(gone);
        });
    }
    // Whether the colour was new for the widget.
    bool want(QWidget* widget, const QColor& colour) {
        const auto it = m_wanted.find(widget);
        if (it != m_wanted.end() && *it == colour)
            return false;
        m_wanted.insert(widget, colour);
        return true;
    }

  private:
    QSet<const QObject*> m_followed;
    QHash<const QObject*, QColor> m_wanted;
    QSet<QObject*> m_busy;
};

FollowDesktop& follower() {
    static QPointer<FollowDesktop> follower;
    if (!follower)
        follower = new FollowDesktop(qApp);
    return *follower;
}

} // namespace

void setFieldBackground(QWidget* field, bool missing) {
    const QColor c = colour(missing ? MissingFieldColour : NormalFieldColour);
    if (field->palette().color(QPalette::Active, QPalette::Base) == c && follower().follows(field))
        return;
    setFieldColours(field, c);
    follower().follow(field);
}

void setTextColour(QWidget* label, const QColor& wanted) {
    FollowDesktop& f = follower();
    // The same colour again on a label that follows the desktop already has it.
    if (!f.want(label, wanted) && f.follows(label))
        return;
    setLabelColour(label, wanted);
    f.follow(label);
}

ApplicationFontWhileBuilding::ApplicationFontWhileBuilding(const QFont& font)
    : m_saved(QApplication::font()) {
    QApplication::setFont(font);
}

ApplicationFontWhileBuilding::~ApplicationFontWhileBuilding() {
    QApplication::setFont(m_saved);
}

void makeGroup(QGroupBox* group) {
    group->setAutoFillBackground(true);
    setGroupColours(group);
    group->setFont(windowFont());
    follower().follow(group);
}

QLabel* label(QWidget* parent, const QString& text, int x, int y, int w, int h) {
    auto* l = new QLabel(text, parent);
    l->setFont(parent->font());
    if (w < 0)
        w = QFontMetrics(l->font()).horizontalAdvance(text) + 2;
    l->setGeometry(x, y, w, h);
    return l;
}

} // namespace look

QPoint PlaceBeside(const QRect& main, const QSize& size, const QRect& area, bool preferLeft) {
    const int right = main.right() + 9;
    const int left = main.left() - 9 - size.width() + 1;
    const bool rightFits = right + size.width() - 1 <= area.right();
    const bool leftFits = left >= area.left();
    QPoint at(right, main.top());
    if ((preferLeft && leftFits) || !rightFits)
        at.setX(std::max(area.left(), left));
    at.setY(
        std::clamp(at.y(), area.top(), std::max(area.top(), area.bottom() - size.height() + 1)));
    return at;
}

void MoveBesideMain(QWidget* window, const QWidget* main, bool preferLeft) {
    const QScreen* screen = main ? main->screen() : window->screen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1 << 15, 1 << 15);
    const QRect mainFrame = main ? main->frameGeometry() : window->frameGeometry();
    window->move(PlaceBeside(mainFrame, window->frameGeometry().size(), area, preferLeft));
}

} // namespace kovaq
