// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "MainWindow.h"

#include "Backdrop.h"
#include "ControlNames.h"
#include "Fields.h"
#include "Icons.h"
#include "Labels.h"
#include "Look.h"
#include "Panels.h"
#include "Prompts.h"
#include "QtText.h"
#include "Version.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDropEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QToolTip>
#include <QUrl>

namespace kovaq {
namespace {

// Where everything stands: the fixed places, then those of the two arrangements. Sizes
// of the window are outer sizes; the frame and title bar take kFrame of them.
constexpr QSize kFrame(10, 34);
struct Place {
    QRect portrait;
    QRect landscape;
    QRect at(bool p) const { return p ? portrait : landscape; }
};
namespace place {
constexpr QRect title(36, 0, 96, 33);
constexpr QRect tagLine(150, 15, 259, 16);
constexpr QRect ingredients(16, 42, 245, 271);
constexpr QRect spec(16, 327, 245, 219);
constexpr QRect volumes(280, 42, 161, 234);
constexpr QRect costs(280, 292, 161, 253);
constexpr Place window{{0, 0, 468, 770}, {0, 0, 731, 594}};
constexpr Place background{{-3, -4, 484, 785}, {-3, -4, 748, 785}};
constexpr Place helpIcon{{430, 8, 20, 20}, {694, 8, 20, 20}};
constexpr Place website{{250, 714, 194, 14}, {488, 514, 194, 14}};
constexpr Place email{{24, 714, 98, 14}, {532, 530, 98, 14}};
constexpr Place open{{289, 565, 63, 24}, {508, 362, 63, 24}};
constexpr Place save{{289, 599, 63, 24}, {508, 396, 63, 24}};
constexpr Place print{{289, 633, 63, 24}, {508, 430, 63, 24}};
constexpr Place newMix{{373, 565, 63, 24}, {592, 362, 63, 24}};
constexpr Place layout{{373, 599, 63, 24}, {592, 396, 63, 24}};
constexpr Place close{{373, 633, 63, 24}, {592, 430, 63, 24}};
constexpr Place notesGroup{{17, 563, 244, 141}, {461, 42, 244, 300}};
constexpr Place notes{{3, 15, 238, 122}, {3, 15, 238, 281}};
constexpr Place status{{284, 669, 157, 33}, {503, 466, 157, 33}};
constexpr int iconPitch = 26; // the header's icons, right to left
} // namespace place

} // namespace

MainWindow::MainWindow(MixDocument& document, Prompts& prompts, QWidget* parent)
    : QWidget(parent), m_prompts(prompts), m_doc(&document) {
    const look::ApplicationFontWhileBuilding builtInWindowFont(look::windowFont());
    setObjectName(QStringLiteral("TForm1"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFont(look::windowFont());
    setWindowTitle(m_doc->mixName());
    buildHeader();
    m_ingredients = new IngredientPanel(m_prompts, this);
    m_ingredients->setGeometry(place::ingredients);
    m_spec = new SpecPanel(m_prompts, this);
    m_spec->setGeometry(place::spec);
    m_volumes = new ResultsPanel(ResultsPanel::Kind::Volumes, this);
    m_volumes->setGeometry(place::volumes);
    m_costs = new ResultsPanel(ResultsPanel::Kind::Costs, this);
    m_costs->setGeometry(place::costs);
    m_status = new StatusPanel(this);
    auto* notesGroup = new QGroupBox(tr("  Notes  "), this);
    notesGroup->setObjectName(QStringLiteral("NotesGroup"));
    look::makeGroup(notesGroup);
    m_notesGroup = notesGroup;
    m_notes = new NotesEdit(notesGroup);
    m_notes->setObjectName(QStringLiteral("Notes"));
    m_notes->setAccessibleName(tr("Notes"));
    look::setFieldBackground(m_notes, false);
    m_notes->setNotesTabStops();
    for (std::size_t i = 0; i < TextFieldCount; ++i) {
        const TextField f = textFieldAt(i);
        m_fields[i] = m_ingredients->field(f) ? m_ingredients->field(f) : m_spec->field(f);
    }
    m_ratioChoices[index(RatioField::BaseNicPGVG)] = m_ingredients->baseRatio();
    for (std::size_t i = 1; i < RatioFieldCount; ++i)
        m_ratioChoices[i] = m_spec->ratio(ratioFieldAt(i));
    static_cast<NumberField*>(field(TextField::MixQty))->setArrowSteps(true);
    hiPrecisionBox()->setChecked(m_doc->recipe().HiPrecision);
    buildButtonsAndLinks();
    buildHint();
    bindDocument();
    bindWidgets();
    setTabOrder();

    // Status before the first calculation.
    const MixResult& r = m_doc->result();
    m_status->setTexts(QCoreApplication::translate(StatusContext, r.CostStatusText.c_str()),
                       look::colour(WarningColour),
                       QCoreApplication::translate(StatusContext, r.VolStatusText.c_str()),
                       look::colour(WarningColour));
    updateAccessibleNames();
    qApp->installEventFilter(this);
    arrangeLandscape();
}

MainWindow::~MainWindow() {
    qApp->removeEventFilter(this);
    m_doc->setNotesSource({}); // the notes' widget goes with the window
    delete m_entryHint;
}

void MainWindow::buildHeader() {
    m_background = new Backdrop(this);
    m_background->setObjectName(QStringLiteral("Background"));
    m_background->lower();

    const QColor titleColour = look::colour(NormalFieldColour);
    m_title = new QLabel(QStringLiteral("Ko-Vaq"), this);
    m_title->setObjectName(QStringLiteral("Title"));
    QFont titleFont;
    titleFont.setFamilies({QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"),
                           QStringLiteral("Comic Sans")});
    titleFont.setPixelSize(27);
    titleFont.setBold(true);
    m_title->setFont(titleFont);
    m_title->setGeometry(place::title);
    //: The tooltip of the program's name: its version, as "V 1.0.1".
    m_title->setToolTip(tr("V %1").arg(ToQString(Version)));
    look::setTextColour(m_title, titleColour);

    m_tagLine = new QLabel(tr("The free DIY e-juice mixing calculator"), this);
    m_tagLine->setFont(look::sansSerifFont(13, true));
    m_tagLine->setGeometry(place::tagLine);
    look::setTextColour(m_tagLine, titleColour);

    m_helpIcon = new HelpIcon(this);
    m_helpIcon->setObjectName(QStringLiteral("HelpIcon"));
    connect(m_helpIcon, &HelpIcon::clicked, this, &MainWindow::helpRequested);
    m_scalesIcon = new ScalesIcon(this);
    m_scalesIcon->setObjectName(QStringLiteral("ScalesIcon"));
    connect(m_scalesIcon, &ScalesIcon::clicked, this, &MainWindow::weightsRequested);
    m_recipesIcon = new BookIcon(this);
    m_recipesIcon->setObjectName(QStringLiteral("RecipesIcon"));
    connect(m_recipesIcon, &BookIcon::clicked, this, &MainWindow::recipesRequested);
    m_menuIcon = new MenuIcon(this);
    m_menuIcon->setObjectName(QStringLiteral("MenuIcon"));
    buildCommands();
    connect(m_menuIcon, &MenuIcon::clicked, this, [this] {
        m_windowMenu->popup(m_menuIcon->mapToGlobal(QPoint(0, m_menuIcon->height())));
    });
    // A recipe file dropped anywhere on the window opens; the fields take dropped text.
    setAcceptDrops(true);
}

QString DroppedRecipe(const QMimeData* mime) {
    if (!mime || !mime->hasUrls() || mime->urls().size() != 1)
        return {};
    const QUrl url = mime->urls().front();
    if (!url.isLocalFile())
        return {};
    const QString path = url.toLocalFile();
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("mix") || suffix == QLatin1String("json") ? path : QString();
}

void MainWindow::buildCommands() {
    // Each command once, with its keys: they work anywhere in the program, as the icons'
    // hints say, and the window's menu shows the same actions with their keys.
    struct Command {
        const char* text;
        QKeySequence keys;
        void (MainWindow::*signal)();
    };
    const Command commands[] = {
        {QT_TR_NOOP("Open..."), QKeySequence(Qt::CTRL | Qt::Key_O), &MainWindow::openRequested},
        {QT_TR_NOOP("Save..."), QKeySequence(Qt::CTRL | Qt::Key_S), &MainWindow::saveRequested},
        {QT_TR_NOOP("New Mix..."), QKeySequence(Qt::CTRL | Qt::Key_N),
         &MainWindow::newMixRequested},
        {QT_TR_NOOP("Print..."), QKeySequence(Qt::CTRL | Qt::Key_P), &MainWindow::printRequested},
        {nullptr, {}, nullptr},
        {QT_TR_NOOP("Copy Recipe"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
         &MainWindow::copyRecipeRequested},
        {QT_TR_NOOP("Paste Recipe..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V),
         &MainWindow::pasteRecipeRequested},
        {QT_TR_NOOP("Export JSON..."), {}, &MainWindow::exportJsonRequested},
        {QT_TR_NOOP("Import JSON..."), {}, &MainWindow::importJsonRequested},
        {nullptr, {}, nullptr},
        {QT_TR_NOOP("Recipes"), QKeySequence(Qt::CTRL | Qt::Key_R), &MainWindow::recipesRequested},
        {QT_TR_NOOP("Stash"), QKeySequence(Qt::CTRL | Qt::Key_T), &MainWindow::stashRequested},
        {QT_TR_NOOP("Mix It..."), QKeySequence(Qt::CTRL | Qt::Key_B), &MainWindow::mixItRequested},
        {QT_TR_NOOP("Mix By Weight"), QKeySequence(Qt::CTRL | Qt::Key_G),
         &MainWindow::weightsRequested},
        {QT_TR_NOOP("Shots and Fixes"), QKeySequence(Qt::CTRL | Qt::Key_K),
         &MainWindow::shotsRequested},
    };
    for (const Command& c : commands) {
        if (!c.text) {
            m_commands.push_back(nullptr); // a separator in the menu
            continue;
        }
        auto* action = new QAction(tr(c.text), this);
        action->setShortcut(c.keys);
        // The document's keys belong to this window: a tool window's Ctrl+P prints its own.
        const bool document =
            c.signal == &MainWindow::openRequested || c.signal == &MainWindow::saveRequested ||
            c.signal == &MainWindow::newMixRequested || c.signal == &MainWindow::printRequested;
        action->setShortcutContext(document ? Qt::WindowShortcut : Qt::ApplicationShortcut);
        connect(action, &QAction::triggered, this, c.signal);
        addAction(action);
        m_commands.push_back(action);
    }
    // One menu, opened by the header's button and by a right-click anywhere on the window.
    m_windowMenu = new QMenu(this);
    m_windowMenu->setObjectName(QStringLiteral("WindowMenu"));
    for (QAction* action : m_commands) {
        if (action)
            m_windowMenu->addAction(action);
        else
            m_windowMenu->addSeparator();
    }
    m_windowMenu->addSeparator();
    m_languageMenu = m_windowMenu->addMenu(tr("Language"));
    m_languageMenu->setObjectName(QStringLiteral("LanguageMenu"));
}

void MainWindow::setLanguageChoices(const std::vector<std::pair<QString, QString>>& choices,
                                    const QString& chosen) {
    m_languageMenu->clear();
    qDeleteAll(m_languageMenu->findChildren<QActionGroup*>(Qt::FindDirectChildrenOnly));
    auto* group = new QActionGroup(m_languageMenu);
    for (const auto& [code, name] : choices) {
        QAction* action = m_languageMenu->addAction(name);
        action->setCheckable(true);
        action->setChecked(code == chosen);
        action->setData(code);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, code] { Q_EMIT languageChosen(code); });
    }
}

void MainWindow::contextMenuEvent(QContextMenuEvent* event) {
    m_windowMenu->exec(event->globalPos());
}

void MainWindow::buildButtonsAndLinks() {
    auto button = [this](const QString& text, const char* name) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        return b;
    };
    m_openButton = button(tr("Open..."), "OpenButton");
    m_saveButton = button(tr("Save..."), "SaveButton");
    m_printButton = button(tr("Print..."), "PrintButton");
    m_newMixButton = button(tr("New Mix..."), "NewMixButton");
    //: The button that turns the window between portrait and landscape.
    m_layoutButton = button(tr("Layout"), "LayoutButton");
    m_closeButton = button(tr("Close"), "CloseButton");
    m_closeButton->setFont(look::boldFont());
    connect(m_openButton, &QPushButton::clicked, this, &MainWindow::openRequested);
    connect(m_saveButton, &QPushButton::clicked, this, &MainWindow::saveRequested);
    connect(m_printButton, &QPushButton::clicked, this, &MainWindow::printRequested);
    connect(m_newMixButton, &QPushButton::clicked, this, &MainWindow::newMixRequested);
    connect(m_layoutButton, &QPushButton::clicked, this, &MainWindow::toggleLayout);
    connect(m_closeButton, &QPushButton::clicked, this, &QWidget::close);

    m_website = new ClickLabel(tr("Please visit me at %1").arg(WebsiteDomain), this);
    m_website->setObjectName(QStringLiteral("WebsiteLink"));
    m_website->setToolTip(tr("Visit My Website"));
    m_email = new ClickLabel(tr("Email me for help"), this);
    m_email->setObjectName(QStringLiteral("EmailLink"));
    m_email->setToolTip(tr("email me"));
    for (ClickLabel* link : {m_website, m_email}) {
        link->setCursor(Qt::PointingHandCursor);
        look::setTextColour(link, look::colour(NormalFieldColour));
        QFont f = look::windowFont();
        f.setUnderline(true);
        link->setFont(f);
    }
    connect(m_website, &ClickLabel::clicked, this,
            [this] { m_prompts.openUrl(QUrl(WebsiteAddress)); });
    connect(m_email, &ClickLabel::clicked, this, [this] {
        m_prompts.openUrl(QUrl(QStringLiteral("mailto: ") + SupportEmail + QStringLiteral(" ")));
    });
}

void MainWindow::buildHint() {
    // One hint window for every field, in the system's tool-tip colours. Like a tool tip it
    // never takes a click or the focus: a click on what lies under it goes there.
    m_entryHint = new HintLabel;
    m_entryHint->setObjectName(QStringLiteral("EntryHint"));
    m_entryHint->setPalette(QToolTip::palette());
    m_entryHint->setFont(look::windowFont());
    m_entryHint->setMargin(3);
    m_entryHint->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_entryHint->setWordWrap(false);
    m_entryHint->hide();
    m_hintTimer.setSingleShot(true);
    m_hintTimer.setInterval(3000);
    connect(&m_hintTimer, &QTimer::timeout, this, [this] { m_entryHint->hide(); });
}

QCheckBox* MainWindow::hiPrecisionBox() const {
    return m_volumes->option();
}
QCheckBox* MainWindow::ignoreCostBox() const {
    return m_costs->option();
}

QWidget* MainWindow::helpIcon() const {
    return m_helpIcon;
}
QWidget* MainWindow::scalesIcon() const {
    return m_scalesIcon;
}
QWidget* MainWindow::recipesIcon() const {
    return m_recipesIcon;
}
QWidget* MainWindow::menuIcon() const {
    return m_menuIcon;
}
QWidget* MainWindow::websiteLink() const {
    return m_website;
}
QWidget* MainWindow::emailLink() const {
    return m_email;
}

void MainWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!m_shownOnce) {
        m_shownOnce = true;
        QTimer::singleShot(0, this, &MainWindow::firstShown);
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (m_closeGuard && !m_closeGuard()) {
        event->ignore();
        return;
    }
    m_entryHint->hide();
    Q_EMIT closing();
    event->accept();
}

void MainWindow::applyArrangement(bool portrait) {
    const QSize outer = place::window.at(portrait).size();
    setFixedSize(outer - kFrame);
    m_background->setGeometry(place::background.at(portrait));
    m_helpIcon->move(place::helpIcon.at(portrait).topLeft());
    m_scalesIcon->move(m_helpIcon->pos() - QPoint(place::iconPitch, 0));
    m_recipesIcon->move(m_scalesIcon->pos() - QPoint(place::iconPitch, 0));
    m_menuIcon->move(m_recipesIcon->pos() - QPoint(place::iconPitch, 0));
    m_website->setGeometry(place::website.at(portrait));
    m_email->setGeometry(place::email.at(portrait));
    const std::pair<QPushButton*, Place> buttons[] = {
        {m_openButton, place::open},     {m_saveButton, place::save},
        {m_printButton, place::print},   {m_newMixButton, place::newMix},
        {m_layoutButton, place::layout}, {m_closeButton, place::close},
    };
    for (const auto& [b, p] : buttons)
        b->setGeometry(p.at(portrait));
    m_notesGroup->setGeometry(place::notesGroup.at(portrait));
    m_notes->setGeometry(place::notes.at(portrait));
    m_status->setGeometry(place::status.at(portrait));
    m_background->lower();
    centreOnScreen();
}

void MainWindow::arrangePortrait() {
    applyArrangement(true);
}
void MainWindow::arrangeLandscape() {
    applyArrangement(false);
}

void MainWindow::centreOnScreen() {
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!s)
        return;
    const QRect area = s->availableGeometry();
    const QSize outer = size() + kFrame;
    move(area.x() + (area.width() - outer.width()) / 2,
         area.y() + (area.height() - outer.height()) / 2);
}

void MainWindow::toggleLayout() {
    // No painting while it moves, so that no half-arranged window is ever seen; unlike
    // hiding it, this keeps the window active and the focus where it was.
    setUpdatesEnabled(false);
    if (m_layout == QStringLiteral("Portrait")) {
        m_layout = QStringLiteral("Landscape");
        arrangeLandscape();
    } else {
        m_layout = QStringLiteral("Portrait");
        arrangePortrait();
    }
    setUpdatesEnabled(true);
    if (m_lastActive) {
        m_lastActive->setFocus();
        if (m_lastActive == m_notes) {
            QTextCursor c = m_notes->textCursor();
            c.setPosition(std::min(m_notesCaret, m_notes->document()->characterCount() - 1));
            m_notes->setTextCursor(c);
        }
    }
}

bool MainWindow::ownsKeysOf(const QWidget* w) const {
    if (!w)
        return false;
    const QWidget* top = w->window();
    if (top == this)
        return true;
    // The list of an open drop-down is a window of its own, owned by its combo box.
    if (top->windowType() == Qt::Popup)
        for (const QWidget* p = top->parentWidget(); p; p = p->parentWidget())
            if (p == this)
                return true;
    return false;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint && watched == m_background && !m_paintedOnce) {
        m_paintedOnce = true; // the background is the first thing painted, and all of it
        QTimer::singleShot(0, this, &MainWindow::firstPainted);
    } else if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        auto* w = qobject_cast<QWidget*>(watched);
        // The window sees every key first: F1 opens the help whatever has the focus, an
        // open drop-down included.
        if (key->key() == Qt::Key_F1 && ownsKeysOf(w) && !key->isAutoRepeat()) {
            Q_EMIT helpRequested();
            return true;
        }
    } else if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove ||
               event->type() == QEvent::Drop) {
        auto* w = qobject_cast<QWidget*>(watched);
        auto* drop = static_cast<QDropEvent*>(event);
        if (w && w->window() == this && drop->mimeData()->hasUrls()) {
            // Files, wherever they land: a recipe opens, anything else is refused (the
            // desktop shows its no-drop cursor); a field never takes a file's name as text.
            const QString path = DroppedRecipe(drop->mimeData());
            if (path.isEmpty()) {
                drop->ignore();
                return true;
            }
            drop->acceptProposedAction();
            if (event->type() == QEvent::Drop)
                Q_EMIT fileDropped(path);
            return true;
        }
    } else if (event->type() == QEvent::MouseButtonRelease) {
        auto* w = qobject_cast<QWidget*>(watched);
        if (w && w->window() == this) {
            const bool input = qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) ||
                               w == m_notes->viewport() || w == this || w == m_background;
            if (input && QApplication::focusWidget())
                m_lastActive = QApplication::focusWidget();
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace kovaq
