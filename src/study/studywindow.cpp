#include "studywindow.h"

#include "brand/branding.h"
#include "goalssection.h"
#include "memorizesection.h"
#include "platform/twips.h"
#include "quizscreens/keywordsquizpage.h"
#include "quizscreens/quizpagedriver.h"
#include "quizscreens/quizresultsection.h"
#include "quizscreens/quizsetupwizard.h"
#include "settingssection.h"
#include "widgets/commandbutton.h"
#include "widgets/focusnews.h"
#include "widgets/linklabel.h"
#include "widgets/roomfortext.h"

#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <array>
#include <utility>

namespace {

// The banner's lowest strip lies beyond the client area, as the window was drawn. An offer that
// needs more lines than show above that edge, as a translation may, gets them: the banner and the
// window grow by as much.
void makeRoomForOffers(QWidget *client, QWidget *banner, const std::array<QLabel *, 2> &offers)
{
    const int shown = client->height() - banner->y() - offers[0]->y();
    int wanted = shown;
    for (const QLabel *offer : offers)
        wanted = std::max(wanted, offer->heightForWidth(offer->width()));
    if (wanted == shown)
        return;
    for (QLabel *offer : offers)
        offer->resize(offer->width(), offer->height() + wanted - shown);
    banner->resize(banner->width(), banner->height() + wanted - shown);
    client->setFixedHeight(client->height() + wanted - shown);
}

} // namespace

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
    client->setFixedSize(twips(10305), twips(6765));
    setCentralWidget(client);
    const auto openPage = [this](WebPages::Page page) { emit webPageRequested(page); };
    Branding::addForumLink(client, twipsRect(420, 30, 9465, 195), openPage);
    buildSections(client);

    auto *banner = new QFrame(client);
    banner->setObjectName(QStringLiteral("fraFullBrand"));
    banner->setAccessibleName(tr("Offers"));
    // Its lowest strip lies beyond the client area and is cut off, as the window was drawn.
    banner->setGeometry(twipsRect(0, 6120, 10305, 855));
    const Branding::BrandLabels offers =
        Branding::addBrandLabels(banner, twipsRect(120, 165, 10065, 615), openPage);
    m_cobrand = offers.cobrand;
    m_fullBrand = offers.fullBrand;
    makeRoomForOffers(client, banner, {m_cobrand, m_fullBrand});
    makeRoomForTexts(client);
    buildMenus();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void StudyWindow::buildSections(QWidget *client)
{
    const std::array<QString, 4> captions{tr("Settings"), tr("Memorize Stones"), tr("Test Set Up"),
                                          tr("Goals")};
    QList<QAbstractButton *> buttons;
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
        buttons.append(button);
    }
    m_panels = new SectionStack(client);
    m_panels->setObjectName(QStringLiteral("sectionPanels"));
    m_panels->setGeometry(twipsRect(0, 840, 10295, 5250));
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

// Beside the menus, where the client area, drawn to its design, has no room left; there it shows
// whichever section is in front. Made last, it comes last in the Tab order: after the offers,
// and before the forum link going back.
void StudyWindow::buildDueToday()
{
    auto *due = new QWidget(menuBar());
    due->setObjectName(QStringLiteral("fraDueToday"));
    m_dueToday = new QLabel(due);
    m_dueToday->setObjectName(QStringLiteral("lblDueToday"));
    m_practiseDue =
        commandButton(tr("&Practise Due Stones"), QStringLiteral("cmdPractiseDue"), due);
    // Off until the history has been read, just after the window is first drawn.
    m_practiseDue->setEnabled(false);
    auto *row = new QHBoxLayout(due);
    row->setContentsMargins(0, 0, twips(60), 0);
    row->addWidget(m_dueToday);
    row->addWidget(m_practiseDue);
    menuBar()->setCornerWidget(due, Qt::TopRightCorner);
    connect(m_practiseDue, &QPushButton::clicked, this, &StudyWindow::practiceRequested);
}

void StudyWindow::showDueToday(int keywords, int meanings, std::optional<QDate> next)
{
    QString text = tr("Due today: %1").arg(keywords + meanings);
    if (keywords > 0 && meanings > 0)
        text += tr(" (%1 keywords, %2 meanings)").arg(keywords).arg(meanings);
    else if (keywords > 0)
        text += keywords == 1 ? tr(" (a keyword)") : tr(" (keywords)");
    else if (meanings > 0)
        text += meanings == 1 ? tr(" (a meaning)") : tr(" (meanings)");
    // Read out by a screen reader, which does not reach the button while it is off.
    const QString nextDue =
        next ? tr("Next due on %1").arg(QLocale().toString(*next, tr("d MMMM yyyy"))) : QString();
    if (keywords + meanings == 0 && next)
        text += QStringLiteral(". ") + nextDue;
    m_dueToday->setText(text);
    m_dueToday->setAccessibleName(text);
    const bool any = keywords + meanings > 0;
    m_practiseDue->setEnabled(any);
    m_practiseDue->setToolTip(any ? tr("Asks what is due today, the longest waiting first")
                                  : nextDue);
    m_practiseDue->setAccessibleDescription(any ? QString() : nextDue);
    // The menu bar places its corner once, at the width it had then: a longer text needs the
    // place again.
    menuBar()->setCornerWidget(m_dueToday->parentWidget(), Qt::TopRightCorner);
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
