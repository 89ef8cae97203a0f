#include "studywindow.h"

#include "brand/branding.h"
#include "goalssection.h"
#include "memorizesection.h"
#include "paperdialogs.h"
#include "quizscreens/keywordsquizpage.h"
#include "quizscreens/quizpagedriver.h"
#include "quizscreens/quizresultsection.h"
#include "quizscreens/quizsetupwizard.h"
#include "settingssection.h"
#include "widgets/commandbutton.h"
#include "widgets/focusnews.h"
#include "widgets/linklabel.h"

#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <array>
#include <utility>

StudyWindow::StudyWindow(Platform &platform, StudyWalk &walk, QuizSession &quizSession,
                         QWidget *parent)
    : QMainWindow(parent)
    , m_platform(platform)
    , m_quizSession(quizSession)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(Branding::windowTitle);
    setAccessibleName(tr("Orlendra study window"));
    setAttribute(Qt::WA_DeleteOnClose);
    Branding::makeFixedWindow(this);
    setFont(Branding::programFont());
    m_controller = new StudyController(
        platform, walk,
        [this](const QString &text, Platform::Icon icon, Platform::Buttons buttons,
               Platform::Answer answer) {
            return m_platform.message(this, text, icon, buttons, answer);
        },
        this);

    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("studyClient"));
    client->setMinimumWidth(Branding::atFontSize(this, QSize(687, 0)).width());
    setCentralWidget(client);
    auto *column = new QVBoxLayout(client);
    column->setContentsMargins(0, 2, 0, 0);
    column->setSpacing(0);
    const auto openPage = [this](WebPages::Page page) { emit webPageRequested(page); };
    LinkLabel *forum = Branding::addForumLink(client, openPage);
    forum->setContentsMargins(28, 0, 28, 9);
    column->addWidget(forum);
    buildSections(client);

    auto *banner = new QFrame(client);
    banner->setObjectName(QStringLiteral("fraFullBrand"));
    banner->setAccessibleName(tr("Offers"));
    // As drawn, its lowest strip beyond the window's edge: two lines of an offer show.
    banner->setMinimumHeight(Branding::atFontSize(this, QSize(0, 43)).height());
    auto *offerPlace = new QVBoxLayout(banner);
    offerPlace->setContentsMargins(8, 11, 8, 0);
    const Branding::BrandLabels offers = Branding::addBrandLabels(banner, openPage);
    m_cobrand = offers.cobrand;
    m_fullBrand = offers.fullBrand;
    offerPlace->addWidget(m_cobrand);
    offerPlace->addWidget(m_fullBrand);
    offerPlace->addStretch(1);
    column->addSpacing(2);
    column->addWidget(banner);
    buildMenus();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void StudyWindow::buildSections(QWidget *client)
{
    auto *row = new QHBoxLayout;
    row->setSpacing(0);
    const std::array<QString, 4> captions{tr("Settings"), tr("Memorize Stones"), tr("Test Set Up"),
                                          tr("Goals")};
    QList<QAbstractButton *> buttons;
    for (int i = 0; i < 4; ++i) {
        auto *button = new QPushButton(captions[i], client);
        button->setObjectName(QStringLiteral("cmdSubjects_%1").arg(i));
        button->setAccessibleName(captions[i]);
        button->setMinimumSize(Branding::atFontSize(this, QSize(171, 27)));
        row->addWidget(button, 1);
        connect(button, &QPushButton::clicked, this, [this, i, button] {
            showSection(static_cast<Section>(i));
            if (button->hasFocus())
                focusWithNews(button);
        });
        buttons.append(button);
    }
    m_panels = new SectionStack(client);
    m_panels->setObjectName(QStringLiteral("sectionPanels"));
    // Every section shares this room, which does not change as sections are built; one whose
    // texts need more scrolls.
    m_panels->setFixedSize(Branding::atFontSize(this, QSize(686, 350)));
    auto *column = static_cast<QBoxLayout *>(client->layout());
    column->addLayout(row);
    column->addSpacing(5);
    column->addWidget(m_panels, 0, Qt::AlignLeft);
    m_panels->setFrameShape(QFrame::StyledPanel);
    m_panels->setButtons(buttons);
    m_settings = new SettingsSection(*m_controller, m_panels);
    m_panels->addSections(
        m_settings,
        {[this] { return m_memorize = new MemorizeSection(m_platform, *m_controller, m_panels); },
         [this] {
             m_testSetUp = new QuizSetupWizard(m_quizSession, m_platform, m_panels);
             connect(m_testSetUp, &QuizSetupWizard::keywordsTestRequested, this,
                     &StudyWindow::startKeywordsTest);
             connect(m_testSetUp, &QuizSetupWizard::meaningsTestRequested, this,
                     &StudyWindow::meaningsTestRequested);
             return m_testSetUp;
         },
         [this] { return m_goals = new GoalsSection(m_platform, *m_controller, m_panels); },
         [this] {
             m_keywordsTest = new KeywordsQuizPage(m_panels);
             m_keywordsDriver = QuizPageDriver::drive(QuizSubject::Keywords, m_quizSession,
                                                      m_platform, m_keywordsTest);
             connect(m_keywordsDriver, &QuizPageDriver::finished, this,
                     &StudyWindow::showTestResult);
             return m_keywordsTest;
         },
         [this] {
             m_testResult = new QuizResultSection(m_platform, m_quizSession, m_panels);
             connect(m_testResult, &QuizResultSection::progressRequested, this,
                     &StudyWindow::progressRequested);
             return m_testResult;
         }});

    connect(m_controller, &StudyController::sectionWanted, this, [this](Section section) {
        if (section == Section::TestSetUp)
            testSetUp()->showPage(QuizSetupWizard::Subjects);
        bringToFront(section);
    });
    // A section not built yet shows the walk's stone when it is. The front section is told after
    // the stone is shown: the Memorize section's description names it.
    connect(m_controller, &StudyController::stoneShown, this, [this](StoneIndex stone) {
        if (m_memorize)
            m_memorize->showStone(stone);
        m_panels->tellFront();
    });
}

void StudyWindow::buildMenus()
{
    QMenu *file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction *progress = file->addAction(tr("&Progress..."));
    progress->setObjectName(QStringLiteral("mnuProgress"));
    progress->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    connect(progress, &QAction::triggered, this, &StudyWindow::progressRequested);
    QAction *check = file->addAction(tr("Check &History..."));
    check->setObjectName(QStringLiteral("mnuCheckHistory"));
    connect(check, &QAction::triggered, this, &StudyWindow::checkHistoryRequested);
    QAction *sync = file->addAction(tr("S&ync Folder..."));
    sync->setObjectName(QStringLiteral("mnuSyncFolder"));
    connect(sync, &QAction::triggered, this, &StudyWindow::syncFolderRequested);
    file->addSeparator();
    addPaperEntries(file, m_platform, [this] { return m_settings->ticks(); }, m_quizSession, this);
    file->addSeparator();
    QAction *exit = file->addAction(tr("E&xit"));
    exit->setObjectName(QStringLiteral("mnuExit"));
    connect(exit, &QAction::triggered, this, &QWidget::close);
    const Branding::WebMenu web = Branding::addWebMenus(
        menuBar(), [this](WebPages::Page page) { emit webPageRequested(page); });
    connect(web.about, &QAction::triggered, this, &StudyWindow::aboutRequested);
    buildDueToday();
}

void StudyWindow::load()
{
    m_panels->holdFront();
    m_controller->load();
    m_panels->releaseFront();
}

void StudyWindow::showSection(Section section)
{
    m_controller->openSection(section);
}

void StudyWindow::bringToFront(Section section)
{
    m_panels->bringToFront(static_cast<int>(section));
}

StudyWindow::Section StudyWindow::frontSection() const
{
    return static_cast<Section>(m_panels->front());
}

void StudyWindow::pickBanner(BannerPick pick)
{
    if (pick != BannerPick::AsBuilt)
        Branding::bringToFront(pick == BannerPick::Cobrand ? m_cobrand : m_fullBrand);
}

void StudyWindow::startKeywordsTest()
{
    keywordsTest();
    m_keywordsDriver->next();
    bringToFront(Section::TestKeywords);
    // The first box tells the question; the page alone would hand the focus to whichever
    // control had it in an earlier test.
    m_keywordsTest->optionBox(0)->setFocus(Qt::OtherFocusReason);
}

void StudyWindow::showTestResult()
{
    testResult()->showLastResult();
    bringToFront(Section::TestResult);
    // Keys the user typed for the last question must not land in the result, which is saved as
    // it stands, nor press a link; a button that Enter does not press takes them, and tells the
    // total as it does.
    focusWithNews(m_testResult->saveButton());
}

// A line of its own under the offers, where a screen reader finds it as it finds the rest of the
// window, which it does not beside the menus. Made last, it comes last in the Tab order: after the
// offers, and before the forum link going back.
void StudyWindow::buildDueToday()
{
    auto *due = new QWidget(centralWidget());
    due->setObjectName(QStringLiteral("fraDueToday"));
    m_dueToday = new QLabel(due);
    m_dueToday->setObjectName(QStringLiteral("lblDueToday"));
    m_dueToday->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_dueToday->setWordWrap(true);
    m_practiseDue =
        commandButton(tr("&Practise Due Stones"), QStringLiteral("cmdPractiseDue"), due);
    // Off until the history has been read, just after the window is first drawn.
    m_practiseDue->setEnabled(false);
    auto *row = new QHBoxLayout(due);
    row->setContentsMargins(8, 2, 4, 2);
    row->addWidget(m_dueToday, 1);
    row->addWidget(m_practiseDue);
    centralWidget()->layout()->addWidget(due);
    connect(m_practiseDue, &QPushButton::clicked, this, &StudyWindow::practiceRequested);
}

void StudyWindow::showDueToday(int keywords, int meanings, std::optional<QDate> next)
{
    const QString day = next ? QLocale().toString(*next, QLocale::LongFormat) : QString();
    // Whole sentences, each for a translator to word as the counts need; with both counts, each
    // stands after its word so that neither decides the other's plural.
    QString text;
    if (keywords > 0 && meanings > 0)
        text = tr("Due today: %1 (keywords: %2, meanings: %3)")
                   .arg(keywords + meanings)
                   .arg(keywords)
                   .arg(meanings);
    else if (keywords > 0)
        text = keywords == 1 ? tr("Due today: 1 (a keyword)")
                             : tr("Due today: %n (keywords)", nullptr, keywords);
    else if (meanings > 0)
        text = meanings == 1 ? tr("Due today: 1 (a meaning)")
                             : tr("Due today: %n (meanings)", nullptr, meanings);
    else
        text = next ? tr("Due today: 0. Next due on %1").arg(day) : tr("Due today: 0");
    // Read out by a screen reader, which does not reach the button while it is off.
    const QString nextDue = next ? tr("Next due on %1").arg(day) : QString();
    m_dueToday->setText(text);
    m_dueToday->setAccessibleName(text);
    const bool any = keywords + meanings > 0;
    m_practiseDue->setEnabled(any);
    m_practiseDue->setToolTip(any ? tr("Asks what is due today, the longest waiting first")
                                  : nextDue);
    // Tab to the button tells the count the label shows.
    m_practiseDue->setAccessibleDescription(any ? text : nextDue);
}

void StudyWindow::showHistoryUpgrading()
{
    const QString text = tr("The history of your tests is being brought up to date...");
    m_dueToday->setText(text);
    m_dueToday->setAccessibleName(text);
    m_practiseDue->setEnabled(false);
    m_practiseDue->setAccessibleDescription(text);
}

bool StudyWindow::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::Paint:
        // The count reads the history: left until the window is on screen, it never holds up
        // the start.
        if (!std::exchange(m_painted, true))
            QTimer::singleShot(0, this, &StudyWindow::dueTodayWanted);
        break;
    case QEvent::Show:
    case QEvent::WindowActivate:
        if (m_painted)
            emit dueTodayWanted();
        break;
    default:
        break;
    }
    return QMainWindow::event(event);
}

void StudyWindow::closeEvent(QCloseEvent *event)
{
    emit closing();
    QMainWindow::closeEvent(event);
}
