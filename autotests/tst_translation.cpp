#include "app/aboutbox.h"
#include "app/translations.h"
#include "brand/branding.h"
#include "catalogue/runecatalogue.h"
#include "platform/qtplatform.h"
#include "platform/webpages.h"
#include "progress/progresswindow.h"
#include "quiz/quizscoring.h"
#include "quizscreens/keywordsquizpage.h"
#include "quizscreens/meaningsquizpage.h"
#include "quizscreens/quizresultsection.h"
#include "quizscreens/quizsetupwizard.h"
#include "quizscreens/reviewwindow.h"
#include "study/goalfile.h"
#include "study/settingssection.h"
#include "studyfixture.h"
#include "widgets/guardedtextbox.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include <algorithm>
#include <sys/stat.h>

namespace {

// Every letter accented and every word some 40% longer, as a translation into a longer language
// would make them; what code fills in or reads back (arguments, HTML, entities) stays as it was,
// and so does a mnemonic's "&".
QString pseudoTranslated(const QString &source)
{
    static const QRegularExpression pieces(
        QStringLiteral("(%L?\\d|%n|</?[A-Za-z][^>]*>|&[A-Za-z]+;|&#\\d+;)|([A-Za-z]+)"));
    static const QString plain =
        QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
    static const QString accented =
        QStringLiteral("áƀçđéƒĝĥíĵķĺɱñóƥʠŕšţúṽŵẋýžÁƁÇĐÉƑĜĤÍĴĶĹṀÑÓƤǪŔŠŢÚṼŴẊÝŽ");
    QString text;
    qsizetype from = 0;
    for (const QRegularExpressionMatch &match : pieces.globalMatch(source)) {
        text += source.mid(from, match.capturedStart() - from) + match.captured(1);
        from = match.capturedEnd();
        const QString word = match.captured(2);
        for (const QChar letter : word)
            text += accented[plain.indexOf(letter)];
        text += QString((word.size() * 2 + 4) / 5, QLatin1Char('~'));
    }
    return text + source.mid(from);
}

// Translates every text it is asked for, and notes each of the program's that the German
// catalogue has no translation of: a German learner would meet it in English. Qt's own texts
// (its classes' contexts: "QWizard", "QPlatformTheme") come with Qt's translations.
class PseudoTranslator final : public QTranslator
{
public:
    PseudoTranslator() { (void)m_german.load(QStringLiteral(":/i18n/orlendra_de.qm")); }
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *sourceText, const char *disambiguation,
                      int n) const override
    {
        if (!sourceText || !*sourceText)
            return {};
        const bool qts = context && context[0] == 'Q' && QChar::isUpper(char16_t(context[1]));
        if (!qts && m_german.translate(context, sourceText, disambiguation, n).isEmpty())
            m_english << QStringLiteral("%1: \"%2\"")
                             .arg(QLatin1String(context), QString::fromUtf8(sourceText));
        return pseudoTranslated(QString::fromUtf8(sourceText));
    }
    bool loaded() const { return !m_german.isEmpty(); }

    QTranslator m_german;
    mutable QStringList m_english;
};

// Where the text stands: the window, then the nearest object with a name (a menu for its own
// entry), then the class of an unnamed control.
QString placeOf(const QObject *object, const QWidget *window)
{
    const auto *menu = qobject_cast<const QMenu *>(object->parent());
    if (menu && menu->menuAction() == object)
        object = menu;
    QString place = object->objectName();
    if (place.isEmpty()) {
        const QObject *named = object->parent();
        while (named && named != window && named->objectName().isEmpty())
            named = named->parent();
        place = (named && named != window ? named->objectName() + QLatin1Char('/') : QString()) +
                QLatin1String(object->metaObject()->className());
    }
    return window->objectName() + QLatin1Char('/') + place;
}

// Of other pieces of data, longest first, each where it stands as a whole.
QRegularExpression dataPattern(QStringList pieces)
{
    pieces.removeAll(QString());
    pieces.removeDuplicates();
    std::sort(pieces.begin(), pieces.end(),
              [](const QString &a, const QString &b) { return a.size() > b.size(); });
    for (QString &piece : pieces)
        piece = QRegularExpression::escape(piece);
    return QRegularExpression(QStringLiteral("(?<![\\p{L}\\p{N}])(?:%1)(?![\\p{L}\\p{N}])")
                                  .arg(pieces.join(QLatin1Char('|'))));
}

} // namespace

// A walk through every window and message under a translation that changes every text and makes
// it longer, with the stones' German texts, which run longer too. Every text must fit, every
// window must fit on the screen and show translations only: translated, a text has no plain
// letter left, so whatever is in plain letters once the catalogue's texts, the program's name,
// addresses and file names are taken out was never translated. How German fits is the layout
// walk's. Set ORLENDRA_SNAPSHOTS to a folder to keep a picture of every window.
class TranslationTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void walk();
    void standardButtons();

private:
    // The steps of the walk, in order: each leaves the program where the next one begins.
    void settings();
    void memorizeStones();
    void testSetUp();
    void goals();
    void keywordsTest();
    void result();
    void review();
    void meaningsTest();
    void progress();
    void about();
    void settingsMessages();
    void testMessages();
    void goalMessages();
    void startMessages();

    StudyWindow *study() const { return m_run->app.studyWindow(); }
    void click(const QString &name) const;
    void checkWindow(QWidget *window, const QString &picture);
    void checkText(const QString &where, const QString &text, const QStringList &data = {});
    // The last message shown and what a screen reader heard with it, then forgets the messages.
    void checkMessage(ScriptedPlatform &platform, const QString &name,
                      const QStringList &data = {});
    void answerAll(QuizPage *page, QuizLevel level);

    PseudoTranslator m_pseudo;
    QRegularExpression m_data;
    std::unique_ptr<ProgramRun> m_run;
    QStringList m_faults;
};

void TranslationTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    OrlendraApp::prepareApplication();
    // The stones' German texts, which run longer.
    setRuneCatalogueLanguage(QStringLiteral("de"));
}

void TranslationTest::walk()
{
    QCoreApplication::installTranslator(&m_pseudo);
    const auto restore = qScopeGuard([this] {
        m_run.reset();
        QCoreApplication::removeTranslator(&m_pseudo);
    });
    m_run = std::make_unique<ProgramRun>();
    // Goal files and their folder are named in messages and in what a screen reader hears of a
    // goal.
    QStringList data{
        QStringLiteral("Orlendra"),     Branding::windowTitle,
        WebPages::siteName(),           GoalFile::fileName(1),
        GoalFile::fileName(2),          QStringLiteral("UTF-8"),
        QStringLiteral("Windows-1252"), QDir::toNativeSeparators(m_run->folder.path())};
    const RuneCatalogue &catalogue = loadRuneCatalogue();
    for (const auto *table : {&catalogue.stoneNames, &catalogue.uprightMeanings,
                              &catalogue.reversedMeanings, &catalogue.merkstaveMeanings})
        data += QStringList(table->begin(), table->end());
    data += QStringList(catalogue.stoneKeywords.begin(), catalogue.stoneKeywords.end());
    data += QStringList(catalogue.alternativeNames.begin(), catalogue.alternativeNames.end());
    m_data = dataPattern(data);
    QVERIFY(m_data.isValid());
    QVERIFY(m_run->app.start());
    QVERIFY(QTest::qWaitForWindowActive(study()));
    for (const auto step :
         {&TranslationTest::settings, &TranslationTest::memorizeStones, &TranslationTest::testSetUp,
          &TranslationTest::goals, &TranslationTest::keywordsTest, &TranslationTest::result,
          &TranslationTest::review, &TranslationTest::meaningsTest, &TranslationTest::progress,
          &TranslationTest::about, &TranslationTest::settingsMessages,
          &TranslationTest::testMessages, &TranslationTest::goalMessages,
          &TranslationTest::startMessages}) {
        (this->*step)();
        if (QTest::currentTestFailed())
            break;
    }
    QVERIFY(m_pseudo.loaded());
    for (const QString &text : std::as_const(m_pseudo.m_english))
        m_faults << QStringLiteral("Shown in English on a German desktop: ") + text;
    m_faults.removeDuplicates();
    QVERIFY2(m_faults.isEmpty(), qPrintable(m_faults.join(QLatin1Char('\n'))));
}

void TranslationTest::click(const QString &name) const
{
    for (const QWidget *window : QApplication::topLevelWidgets()) {
        auto *button = window->findChild<QAbstractButton *>(name);
        if (button && button->isVisible()) {
            QTest::mouseClick(button, Qt::LeftButton);
            return;
        }
    }
    QFAIL(qPrintable(QStringLiteral("No button %1 shown").arg(name)));
}

void TranslationTest::checkText(const QString &where, const QString &text, const QStringList &data)
{
    static const QRegularExpression markup(QStringLiteral("</?[A-Za-z][^>]*>|&[A-Za-z]+;"));
    static const QRegularExpression plainLetter(QStringLiteral("[A-Za-z]"));
    QString left = QString(text).remove(markup);
    if (!data.isEmpty())
        left.remove(dataPattern(data));
    left.remove(m_data);
    if (left.contains(plainLetter))
        m_faults << QStringLiteral("%1 is not translated: \"%2\"").arg(where, text);
}

void TranslationTest::checkWindow(QWidget *window, const QString &picture)
{
    QCoreApplication::sendPostedEvents();
    const QString root = window->objectName();
    if (const QRect screen = window->screen()->availableGeometry();
        !screen.contains(window->frameGeometry()))
        m_faults << QStringLiteral("%1 does not fit on the screen: %2 x %3 at %4, %5")
                        .arg(root)
                        .arg(window->frameGeometry().width())
                        .arg(window->frameGeometry().height())
                        .arg(window->frameGeometry().x())
                        .arg(window->frameGeometry().y());
    checkText(root + QStringLiteral(" windowTitle"), window->windowTitle());
    checkText(root + QStringLiteral(" accessibleName"), window->accessibleName());
    for (const QWidget *widget : window->findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(window) || widget->objectName().startsWith(QLatin1String("qt_")))
            continue;
        const QString where = placeOf(widget, window);
        checkText(where + QStringLiteral(" text"), shownText(widget));
        checkText(where + QStringLiteral(" accessibleName"), widget->accessibleName());
        checkText(where + QStringLiteral(" accessibleDescription"),
                  widget->accessibleDescription());
        checkText(where + QStringLiteral(" toolTip"), widget->toolTip());
        if (!textFits(widget))
            m_faults << QStringLiteral("%1 is too small for \"%2\"").arg(where, shownText(widget));
    }
    for (const QAction *action : window->findChildren<QAction *>()) {
        if (action->isVisible() && !action->isSeparator())
            checkText(placeOf(action, window) + QStringLiteral(" text"), action->text());
    }
    snapshot(window, picture);
}

void TranslationTest::checkMessage(ScriptedPlatform &platform, const QString &name,
                                   const QStringList &data)
{
    if (platform.messages.isEmpty()) {
        m_faults << QStringLiteral("message %1 was not shown").arg(name);
        return;
    }
    const ScriptedPlatform::Message message = platform.messages.takeLast();
    platform.messages.clear();
    checkText(QStringLiteral("message ") + name, message.text, data);
    checkText(QStringLiteral("message %1 spokenDetail").arg(name), message.spokenDetail, data);
}

void TranslationTest::answerAll(QuizPage *page, QuizLevel level)
{
    for (int question = 0; question < QuestionCount; ++question) {
        for (int box = 0; box < QuizScoring::requiredTicks(level); ++box)
            page->optionBox(box)->click();
        page->nextButton()->click();
    }
}

void TranslationTest::settings()
{
    study()->showSection(StudyWindow::Section::Settings);
    checkWindow(study(), QStringLiteral("settings"));
    // The longer texts take more room than the section has; a control the focus reaches below
    // comes into view.
    const QWidget *section = study()->settingsSection();
    auto *save = study()->findChild<QPushButton *>(QStringLiteral("cmdSaveSettings"));
    QVERIFY(!section->rect().contains(QRect(save->mapTo(section, QPoint()), save->size())));
    save->setFocus();
    QVERIFY(section->rect().contains(QRect(save->mapTo(section, QPoint()), save->size())));
}

void TranslationTest::memorizeStones()
{
    study()->showSection(StudyWindow::Section::MemorizeStones);
    study()->controller()->nextStone();
    checkWindow(study(), QStringLiteral("memorize-stones"));
    for (int stone = 1; stone < StoneCount; ++stone)
        click(QStringLiteral("cmdNext"));
    checkMessage(m_run->platform, QStringLiteral("readyForTest"));
}

void TranslationTest::testSetUp()
{
    study()->showSection(StudyWindow::Section::TestSetUp);
    for (const auto page :
         {QuizSetupWizard::Subjects, QuizSetupWizard::StoneTypes, QuizSetupWizard::Level}) {
        study()->testSetUp()->showPage(page);
        checkWindow(study(), QStringLiteral("test-set-up-%1").arg(page));
    }
}

void TranslationTest::goals()
{
    study()->showSection(StudyWindow::Section::Goals);
    click(QStringLiteral("chkGoal1"));
    checkWindow(study(), QStringLiteral("goals"));
}

void TranslationTest::keywordsTest()
{
    startTest(*study(), QuizSubject::Keywords, QuizLevel::Advanced);
    checkWindow(study(), QStringLiteral("keywords-test"));
    answerAll(study()->keywordsTest(), QuizLevel::Advanced);
}

void TranslationTest::result()
{
    QCOMPARE(study()->frontSection(), StudyWindow::Section::TestResult);
    checkWindow(study(), QStringLiteral("result"));
}

void TranslationTest::review()
{
    click(QStringLiteral("cmdReview"));
    auto *review = study()->findChild<ReviewWindow *>();
    QVERIFY(review && QTest::qWaitForWindowExposed(review));
    checkWindow(review, QStringLiteral("review"));
    review->close();
}

void TranslationTest::meaningsTest()
{
    startTest(*study(), QuizSubject::Meanings, QuizLevel::Beginner, QStringLiteral("URM"));
    FrameWindow *frame = m_run->app.frameWindow();
    QVERIFY(frame && QTest::qWaitForWindowExposed(frame));
    checkWindow(frame, QStringLiteral("meanings-test"));
    frame->meaningTest()->nextButton()->click();
    checkMessage(m_run->platform, QStringLiteral("nextRefused"));
    answerAll(frame->meaningTest(), QuizLevel::Beginner);
    QTRY_VERIFY(study() && study()->isVisible());
}

void TranslationTest::progress()
{
    ProgressWindow *progress = m_run->app.showProgressWindow();
    QVERIFY(QTest::qWaitForWindowExposed(progress));
    checkWindow(progress, QStringLiteral("progress"));
    m_run->platform.answers << Platform::Answer::No;
    click(QStringLiteral("cmdForget"));
    checkMessage(m_run->platform, QStringLiteral("forgetHistory"));
    progress->close();
}

void TranslationTest::about()
{
    AboutBox *about = m_run->app.showAboutBox(study());
    QVERIFY(QTest::qWaitForWindowExposed(about));
    checkWindow(about, QStringLiteral("about"));
    about->close();
}

void TranslationTest::settingsMessages()
{
    study()->showSection(StudyWindow::Section::Settings);
    SettingsSection *settings = study()->settingsSection();
    StudySettings ticks;
    settings->setTicks(ticks);
    click(QStringLiteral("cmdSaveSettings"));
    checkMessage(m_run->platform, QStringLiteral("noStoneGroup"));
    ticks.stoneGroup[0] = true;
    settings->setTicks(ticks);
    click(QStringLiteral("cmdSaveSettings"));
    checkMessage(m_run->platform, QStringLiteral("noStoneMeaning"));

    const QString unwritable = QStringLiteral("/dev/null");
    IniSettingsStore store(unwritable);
    store.write(StudySettingsRules::section, QStringLiteral("StoneGroup0"), QStringLiteral("1"));
    m_run->platform.store.failure = store.sync();
    settings->setTicks(StudySettings::allTicked());
    click(QStringLiteral("cmdSaveSettings"));
    checkMessage(m_run->platform, QStringLiteral("settingsNotStored"), {unwritable});
    m_run->platform.store.failure.clear();

    m_run->platform.browser = false;
    study()->findChild<QAction *>(QStringLiteral("mnuOnline"))->trigger();
    checkMessage(m_run->platform, QStringLiteral("noBrowser"),
                 {WebPages::address(WebPages::pageKey(WebPages::Page::HelpWebPage)).toString()});
}

void TranslationTest::testMessages()
{
    // The study window back from the meanings test is a new one, its set-up without a choice.
    study()->showSection(StudyWindow::Section::TestSetUp);
    click(QStringLiteral("cmdTestNext_0"));
    checkMessage(m_run->platform, QStringLiteral("noSubject"));
    click(QStringLiteral("optTestSubjects_0"));
    click(QStringLiteral("cmdTestNext_0"));
    for (int i = 0; i < 3; ++i)
        study()->findChild<QCheckBox *>(QStringLiteral("chkTestType_%1").arg(i))->setChecked(false);
    click(QStringLiteral("cmdTestNext_1"));
    checkMessage(m_run->platform, QStringLiteral("noStoneType"));
    click(QStringLiteral("chkTestType_0"));
    click(QStringLiteral("cmdTestNext_1"));
    click(QStringLiteral("cmdTestNext_2"));
    checkMessage(m_run->platform, QStringLiteral("noLevel"));

    study()->showTestResult();
    const QDir folder(m_run->folder.path());
    const QString broken = folder.filePath(QStringLiteral("line\nbreak.txt"));
    const QString pipe = folder.filePath(QStringLiteral("result.pipe"));
    QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    m_run->platform.saveNames << broken << pipe;
    click(QStringLiteral("Command5"));
    checkMessage(m_run->platform, QStringLiteral("resultNameBroken"),
                 {QDir::toNativeSeparators(broken)});
    click(QStringLiteral("Command5"));
    checkMessage(m_run->platform, QStringLiteral("resultNotSaved"),
                 {QDir::toNativeSeparators(pipe)});
    checkText(QStringLiteral("save filter"), m_run->platform.saveFilters.value(0),
              {QStringLiteral("*.txt")});
}

void TranslationTest::goalMessages()
{
    study()->showSection(StudyWindow::Section::Goals);
    const QDir folder(m_run->folder.path());
    QFile goal(folder.filePath(GoalFile::fileName(1)));
    auto *box = study()->findChild<GuardedTextBox *>(QStringLiteral("txtGoal1"));
    study()->findChild<QCheckBox *>(QStringLiteral("chkGoal1"))->setChecked(true);

    // Changed by another program since it was read.
    QVERIFY(goal.open(QIODevice::WriteOnly) && goal.write("Changed meanwhile\r\n") > 0);
    goal.close();
    click(QStringLiteral("cmdGoal1"));
    checkMessage(m_run->platform, QStringLiteral("goalChanged"));

    // A character the file's encoding cannot hold; saved in UTF-8 instead.
    QVERIFY(goal.open(QIODevice::WriteOnly) && goal.write("Caf\xe9\r\n") > 0);
    goal.close();
    study()->load();
    study()->showSection(StudyWindow::Section::Goals);
    box->setText(box->text() + QStringLiteral(" \u03a9"));
    click(QStringLiteral("cmdGoal1"));
    checkMessage(m_run->platform, QStringLiteral("goalEncoding"));

    box->setText(QString(GoalFile::longestEditableLine + 1, QLatin1Char('x')));
    click(QStringLiteral("cmdGoal1"));
    checkMessage(m_run->platform, QStringLiteral("goalNotSaved"));

    // Unreadable: a folder where the file belongs.
    QVERIFY(QFile::remove(folder.filePath(GoalFile::fileName(2))) &&
            folder.mkdir(GoalFile::fileName(2)));
    study()->load();
    study()->showSection(StudyWindow::Section::Goals);
    click(QStringLiteral("chkGoal2"));
    checkMessage(m_run->platform, QStringLiteral("goalLocked"));
    checkWindow(study(), QStringLiteral("goals-told"));
}

void TranslationTest::startMessages()
{
    m_run.reset();
    ProgramRun running;
    running.platform.otherInstance = true;
    QVERIFY(!running.app.start());
    checkMessage(running.platform, QStringLiteral("alreadyRunning"));

    ProgramRun elsewhere;
    elsewhere.platform.otherInstance = true;
    const Platform::LockOwner owner{QStringLiteral("/home/reader/orlendra.lock"),
                                    QStringLiteral("otherhost"),
                                    QDateTime(QDate(2026, 12, 7), QTime(9, 30))};
    elsewhere.platform.lockOwner = owner;
    QVERIFY(!elsewhere.app.start());
    checkMessage(
        elsewhere.platform, QStringLiteral("lockedElsewhere"),
        {owner.lockFile, owner.host, QLocale().toString(owner.taken, QLocale::ShortFormat)});
}

// Qt's own buttons speak the desktop's language too, from Qt's translations.
void TranslationTest::standardButtons()
{
    const QList<QTranslator *> before = qApp->findChildren<QTranslator *>();
    Translations::install(QStringLiteral("de"));
    QTemporaryDir folder;
    QtPlatform platform(folder.filePath(QStringLiteral("orlendra.lock")));
    QStringList shown;
    QTimer::singleShot(0, this, [&shown] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        for (const QAbstractButton *button : box->buttons())
            shown << button->text();
        box->button(QMessageBox::No)->click();
    });
    platform.message(nullptr, QStringLiteral("?"), Platform::Icon::Warning,
                     Platform::Buttons::YesNo, Platform::Answer::No, {});
    for (QTranslator *translator : qApp->findChildren<QTranslator *>()) {
        if (!before.contains(translator))
            delete translator;
    }
    shown.sort();
    QCOMPARE(shown, (QStringList{QStringLiteral("&Ja"), QStringLiteral("&Nein")}));
}

QTEST_MAIN(TranslationTest)
#include "tst_translation.moc"
