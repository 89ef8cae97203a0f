#include "studywindow.h"

#include "brand/branding.h"
#include "goalfile.h"
#include "goalssection.h"
#include "memorizesection.h"
#include "platform/platform.h"
#include "platform/twips.h"
#include "quizscreens/keywordsquizpage.h"
#include "quizscreens/quizresultsection.h"
#include "quizscreens/quizsetupwizard.h"
#include "settingssection.h"
#include "studysettings.h"
#include "studywalk.h"
#include "widgets/focusnews.h"
#include "widgets/linklabel.h"

#include <QCloseEvent>
#include <QDir>
#include <QFrame>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QStackedWidget>

#include <utility>

namespace {

constexpr QSize clientSize{twips(10305), twips(6765)};

} // namespace

StudyWindow::StudyWindow(Platform &platform, StudyWalk &walk, QuizSession &quizSession,
                         QWidget *parent)
    : QMainWindow(parent)
    , m_platform(platform)
    , m_walk(walk)
    , m_quizSession(quizSession)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(Branding::windowTitle);
    setAccessibleName(QStringLiteral("Orlendra study window"));
    setAttribute(Qt::WA_DeleteOnClose);
    Branding::makeFixedWindow(this);
    setFont(Branding::programFont());

    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("studyClient"));
    client->setFixedSize(clientSize);
    setCentralWidget(client);

    auto *forum = new LinkLabel(Branding::forumText(), client);
    forum->setObjectName(QStringLiteral("Label14"));
    forum->setGeometry(twipsRect(420, 30, 9465, 195));
    forum->setAlignment(Qt::AlignCenter);
    Branding::setLinkColour(forum, QColor(0, 0, 160));
    connect(forum, &LinkLabel::clicked, this,
            [this] { emit webPageRequested(WebPages::Page::HomePage); });

    const std::array<QString, 4> captions{QStringLiteral("Settings"),
                                          QStringLiteral("Memorize Stones"),
                                          QStringLiteral("Test Set Up"), QStringLiteral("Goals")};
    for (int i = 0; i < 4; ++i) {
        auto *button = new QPushButton(captions[i], client);
        button->setObjectName(QStringLiteral("cmdSubjects_%1").arg(i));
        button->setAccessibleName(captions[i]);
        button->setGeometry(twipsRect(2580 * i, 360, 2575, 400));
        connect(button, &QPushButton::clicked, this, [this, i, button] {
            showSection(static_cast<Section>(i));
            if (button->hasFocus())
                focusWithNews(button);
        });
        m_sectionButtons[i] = button;
    }

    m_panels = new QStackedWidget(client);
    m_panels->setObjectName(QStringLiteral("sectionPanels"));
    m_panels->setGeometry(twipsRect(0, 840, 10295, 5250));
    m_panels->setFrameShape(QFrame::StyledPanel);
    m_settings = new SettingsSection(m_panels);
    // The section shown first lays itself out as it is added; at its own size, not at a new
    // widget's default one, or every text of it is measured twice.
    m_settings->setGeometry(m_panels->contentsRect());
    m_panels->addWidget(m_settings);
    // The others are built the first time they come to the front (panel()); until then an empty
    // widget keeps each one's place in the stack.
    for (int section = 1; section < 6; ++section)
        m_panels->addWidget(new QWidget);

    connect(m_panels, &QStackedWidget::currentChanged, this, &StudyWindow::tellFrontSection);
    buildBanner(client);
    buildMenus();
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_settings, &SettingsSection::memorizeRequested, this, [this] { memorize(); });
    connect(m_settings, &SettingsSection::saveRequested, this, [this] { saveStudySettings(); });
}

QWidget *StudyWindow::panel(Section section)
{
    switch (section) {
    case Section::Settings:
        return m_settings;
    case Section::MemorizeStones:
        return memorizeSection();
    case Section::TestSetUp:
        return testSetUp();
    case Section::Goals:
        return goalsSection();
    case Section::TestKeywords:
        return keywordsTest();
    case Section::TestResult:
        return testResult();
    }
    return m_settings;
}

MemorizeSection *StudyWindow::memorizeSection()
{
    if (!m_memorize) {
        m_memorize = new MemorizeSection(m_platform, m_panels);
        connect(m_memorize, &MemorizeSection::nextRequested, this, &StudyWindow::nextStone);
        connect(m_memorize, &MemorizeSection::backRequested, this, &StudyWindow::previousStone);
        // As the walk starts: at its first stone, with only "Next" to go on.
        m_memorize->setBackNextEnabled(false, true);
        if (!m_walk.isEmpty())
            m_memorize->showStone(m_walk.currentStone());
        putInPlace(Section::MemorizeStones, m_memorize);
    }
    return m_memorize;
}

GoalsSection *StudyWindow::goalsSection()
{
    if (!m_goals) {
        m_goals = new GoalsSection(m_platform, m_panels);
        connect(m_goals, &GoalsSection::saveRequested, this, &StudyWindow::saveGoal);
        // Ticking a goal means to edit it; say straight away why this one cannot be.
        connect(m_goals, &GoalsSection::lockedGoalTicked, this, [this](const QString &lockReason) {
            m_platform.message(this, lockReason, Platform::Icon::Information);
        });
        for (int goal = 1; goal <= 2; ++goal) {
            const GoalDocument &document = m_goalDocuments[goal - 1];
            m_goals->showGoal(goal, document.loadedText(), document.lockReason());
        }
        putInPlace(Section::Goals, m_goals);
    }
    return m_goals;
}

QuizSetupWizard *StudyWindow::testSetUp()
{
    if (!m_testSetUp) {
        m_testSetUp = new QuizSetupWizard(m_quizSession, m_platform, m_panels);
        connect(m_testSetUp, &QuizSetupWizard::keywordsTestRequested, this, [this] {
            keywordsTest()->start();
            bringToFront(Section::TestKeywords);
            // The first box tells the question; the page alone would hand the focus to whichever
            // control had it in an earlier test.
            m_keywordsTest->optionBox(0)->setFocus(Qt::OtherFocusReason);
        });
        connect(m_testSetUp, &QuizSetupWizard::meaningsTestRequested, this,
                &StudyWindow::meaningsTestRequested);
        putInPlace(Section::TestSetUp, m_testSetUp);
    }
    return m_testSetUp;
}

KeywordsQuizPage *StudyWindow::keywordsTest()
{
    if (!m_keywordsTest) {
        m_keywordsTest = new KeywordsQuizPage(m_quizSession, m_platform, m_panels);
        connect(m_keywordsTest, &KeywordsQuizPage::finished, this, &StudyWindow::showTestResult);
        putInPlace(Section::TestKeywords, m_keywordsTest);
    }
    return m_keywordsTest;
}

QuizResultSection *StudyWindow::testResult()
{
    if (!m_testResult) {
        m_testResult = new QuizResultSection(m_platform, m_quizSession, m_panels);
        connect(m_testResult, &QuizResultSection::progressRequested, this,
                &StudyWindow::progressRequested);
        putInPlace(Section::TestResult, m_testResult);
    }
    return m_testResult;
}

void StudyWindow::putInPlace(Section section, QWidget *panel)
{
    QWidget *placeholder = m_panels->widget(static_cast<int>(section));
    panel->setGeometry(m_panels->contentsRect());
    m_panels->insertWidget(static_cast<int>(section), panel);
    m_panels->removeWidget(placeholder);
    delete placeholder;
    // Made last, its controls came last in the window's Tab order, after the offers below the
    // panels; they belong right after the section buttons, in their own order.
    QList<QWidget *> controls;
    for (QWidget *next = panel->nextInFocusChain(); panel->isAncestorOf(next);
         next = next->nextInFocusChain())
        controls.append(next);
    QWidget *previous = m_sectionButtons.back();
    for (QWidget *control : std::as_const(controls)) {
        if (control->focusPolicy() == Qt::NoFocus)
            continue;
        setTabOrder(previous, control);
        previous = control;
    }
}

void StudyWindow::buildMenus()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction *progress = file->addAction(QStringLiteral("&Progress..."));
    progress->setObjectName(QStringLiteral("mnuProgress"));
    progress->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    connect(progress, &QAction::triggered, this, &StudyWindow::progressRequested);
    QAction *check = file->addAction(tr("Check &History..."));
    check->setObjectName(QStringLiteral("mnuCheckHistory"));
    connect(check, &QAction::triggered, this, &StudyWindow::checkHistoryRequested);
    file->addSeparator();
    QAction *exit = file->addAction(QStringLiteral("E&xit"));
    exit->setObjectName(QStringLiteral("mnuExit"));
    connect(exit, &QAction::triggered, this, &QWidget::close);
    const Branding::WebMenu web = Branding::addWebMenus(menuBar(), openPage());
    connect(web.about, &QAction::triggered, this, &StudyWindow::aboutRequested);
}

std::function<void(WebPages::Page)> StudyWindow::openPage()
{
    return [this](WebPages::Page page) { emit webPageRequested(page); };
}

void StudyWindow::buildBanner(QWidget *client)
{
    auto *banner = new QFrame(client);
    banner->setObjectName(QStringLiteral("fraFullBrand"));
    banner->setAccessibleName(QStringLiteral("Offers"));
    // Its lowest strip lies beyond the client area and is cut off, as the window was drawn.
    banner->setGeometry(twipsRect(0, 6120, 10305, 855));
    const Branding::BrandLabels labels =
        Branding::addBrandLabels(banner, twipsRect(120, 165, 10065, 615), openPage());
    m_cobrand = labels.cobrand;
    m_fullBrand = labels.fullBrand;
}

void StudyWindow::load()
{
    m_loadingFront = frontSection();
    loadGoals();
    loadStudySettings();
    memorize(true);
    bringToFront(Section::Settings);
    const Section front = *std::exchange(m_loadingFront, std::nullopt);
    m_panels->setCurrentWidget(panel(front));
}

void StudyWindow::showSection(Section section)
{
    switch (section) {
    case Section::MemorizeStones:
        // The stone on display stays; only the walk starts over from its first stone.
        m_walk.studyPosition = 0;
        // A section not built yet starts that way.
        if (m_memorize)
            m_memorize->setBackNextEnabled(false, true);
        bringToFront(Section::MemorizeStones);
        break;
    case Section::TestSetUp:
        testSetUp()->showPage(QuizSetupWizard::Subjects);
        bringToFront(Section::TestSetUp);
        break;
    case Section::Settings:
    case Section::Goals:
    case Section::TestKeywords:
    case Section::TestResult:
        bringToFront(section);
        break;
    }
}

void StudyWindow::bringToFront(Section section)
{
    if (m_loadingFront)
        m_loadingFront = section;
    else
        m_panels->setCurrentWidget(panel(section));
}

void StudyWindow::tellFrontSection()
{
    QWidget *front = m_panels->currentWidget();
    m_panels->setAccessibleName(front->accessibleName());
    // A section's own description names what it shows first: the stone, the set-up's question.
    const QString heading = front->accessibleDescription();
    for (QPushButton *button : m_sectionButtons) {
        button->setAccessibleDescription(
            button->accessibleName() != front->accessibleName() ? QString()
            : heading.isEmpty()                                 ? QStringLiteral("Shown below.")
                                : QStringLiteral("Shown below: %1").arg(heading));
    }
}

StudyWindow::Section StudyWindow::frontSection() const
{
    return m_loadingFront ? *m_loadingFront : static_cast<Section>(m_panels->currentIndex());
}

void StudyWindow::loadGoals()
{
    const QDir folder(m_platform.programFolder());
    if (const QString trouble = m_platform.takeGoalFolderTrouble(); !trouble.isEmpty())
        m_platform.message(this, trouble, Platform::Icon::Information);
    for (int goal = 1; goal <= 2; ++goal)
        GoalFile::createIfMissing(folder.filePath(GoalFile::fileName(goal)), goal);
    for (int goal = 1; goal <= 2; ++goal) {
        GoalDocument &document = m_goalDocuments[goal - 1];
        const QString text = document.load(goal, folder.filePath(GoalFile::fileName(goal)));
        if (m_goals)
            m_goals->showGoal(goal, text, document.lockReason());
    }
}

void StudyWindow::saveGoal(int goal)
{
    const auto ask = [this](const QString &question, bool yesByDefault) {
        return m_platform.message(this, question, Platform::Icon::Information,
                                  Platform::Buttons::YesNo,
                                  yesByDefault ? Platform::Answer::Yes : Platform::Answer::No) ==
               Platform::Answer::Yes;
    };
    const GoalDocument::Told told = m_goalDocuments[goal - 1].save(m_goals->goalText(goal), ask);
    if (!told.text.isEmpty())
        m_platform.message(this, told.text,
                           told.failed ? Platform::Icon::Critical : Platform::Icon::Information);
    if (told.saved)
        m_goals->confirmSaved(goal);
}

void StudyWindow::loadStudySettings()
{
    m_settings->setTicks(StudySettingsRules::load(m_platform.settings()));
}

bool StudyWindow::saveStudySettings(bool atStart)
{
    const StudySettings ticks = m_settings->ticks();
    const auto verdict = StudySettingsRules::check(ticks);
    if (verdict != StudySettingsRules::Verdict::Accepted) {
        m_platform.message(this, StudySettingsRules::refusalMessage(verdict),
                           Platform::Icon::Critical);
        return false;
    }
    const QString error = StudySettingsRules::store(m_platform.settings(), ticks);
    if (!error.isEmpty()) {
        // The choices still count for this session; only remembering them failed.
        if (atStart)
            emit settingsNotStoredAtStart(error);
        else
            m_platform.message(this, StudySettingsRules::notStoredMessage(error),
                               Platform::Icon::Critical);
    } else if (const QString notice = m_platform.settings().takeNotice(); !notice.isEmpty()) {
        m_platform.message(this, notice, Platform::Icon::Information);
    }
    return true;
}

void StudyWindow::memorize(bool atStart)
{
    if (!saveStudySettings(atStart))
        return;
    showSection(Section::MemorizeStones);
    memorizeStone();
    showStudyStone();
}

void StudyWindow::memorizeStone()
{
    m_walk.studyOrder = studyOrderFor(m_settings->ticks().stoneGroup);
}

void StudyWindow::showStudyStone()
{
    // A section not built yet shows the walk's stone when it is.
    if (!m_walk.isEmpty() && m_memorize)
        m_memorize->showStone(m_walk.currentStone());
    tellFrontSection();
}

void StudyWindow::nextStone()
{
    const WalkStep step = stepNext(m_walk);
    if (step.showStone)
        showStudyStone();
    m_memorize->setBackNextEnabled(step.backEnabled, step.nextEnabled);
    if (step.offerTest) {
        const auto answer = m_platform.message(
            this, QStringLiteral("You Are Ready To Give Test\rAre You Sure You Want To Give Test"),
            Platform::Icon::Information, Platform::Buttons::YesNo, Platform::Answer::Yes);
        if (answer == Platform::Answer::Yes)
            showSection(Section::TestSetUp);
    }
}

void StudyWindow::previousStone()
{
    const WalkStep step = stepBack(m_walk);
    if (step.showStone)
        showStudyStone();
    m_memorize->setBackNextEnabled(step.backEnabled, step.nextEnabled);
}

void StudyWindow::studyStones(const QList<StoneIndex> &stones)
{
    if (stones.isEmpty())
        return;
    m_walk.studyOrder = stones;
    m_walk.studyPosition = 0;
    bringToFront(Section::MemorizeStones);
    memorizeSection()->setBackNextEnabled(false, true);
    showStudyStone();
}

void StudyWindow::pickBanner(BannerPick pick)
{
    switch (pick) {
    case BannerPick::Cobrand:
        Branding::bringToFront(m_cobrand);
        break;
    case BannerPick::FullBrand:
        Branding::bringToFront(m_fullBrand);
        break;
    case BannerPick::AsBuilt:
        break;
    }
}

void StudyWindow::showTestResult(const QString &resultText)
{
    testResult()->setResultText(resultText);
    bringToFront(Section::TestResult);
    // Keys the user typed for the last question must not land in the result, which is saved as
    // it stands, nor press a link; a button that Enter does not press takes them, and tells the
    // total as it does.
    focusWithNews(m_testResult->saveButton());
}

void StudyWindow::closeEvent(QCloseEvent *event)
{
    emit closing();
    QMainWindow::closeEvent(event);
}
