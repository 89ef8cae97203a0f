// Walks the real program over a scripted desktop and saves a picture of each section, of both
// tests, of the result and of the About box, and a keywords test on a dark desktop: the pictures
// of the README come from here.
//
//   xvfb-run -a build/autotests/screenshottour docs
#include "app/aboutbox.h"
#include "app/framewindow.h"
#include "history/historystore.h"
#include "progress/progresswindow.h"
#include "quiz/quizscoring.h"
#include "quizscreens/keywordsquizpage.h"
#include "quizscreens/meaningsquizpage.h"
#include "quizscreens/practicewindow.h"
#include "quizscreens/quizpage.h"
#include "studyfixture.h"
#include "widgets/wrappingcheckbox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QPushButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

namespace {

QString g_folder;

void save(QWidget *window, const QString &name)
{
    // Long enough for a window that fills itself in after its first paint (the review).
    QTest::qWait(500);
    const QString path = QDir(g_folder).filePath(name + QStringLiteral(".png"));
    if (!window->grab().save(path))
        qFatal("Could not save %s", qPrintable(path));
    qInfo("%s", qPrintable(path));
}

void click(QWidget *window, const char *name)
{
    auto *button = window->findChild<QAbstractButton *>(QString::fromLatin1(name));
    if (!button)
        qFatal("No control %s", name);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
}

// Ticks the right boxes of the question on screen, but one wrong box in every fifth question, so
// that the result and its review show a mistake or two.
void answer(const std::array<QAbstractButton *, 8> &boxes, const QuizSession &session, int question)
{
    const int count = QuizScoring::optionCount(session.level());
    const int needed = QuizScoring::requiredTicks(session.level());
    QList<int> right, wrong;
    for (int i = 0; i < count; ++i)
        (session.question().correctAnswers.contains(boxes[i]->text()) ? right : wrong) << i;
    if (question % 5 == 0 && !right.isEmpty())
        right.removeLast();
    const QList<int> ticks = right.first(qMin(int(right.size()), needed)) +
                             wrong.first(needed - qMin(int(right.size()), needed));
    for (int i : ticks)
        QTest::mouseClick(boxes[i], Qt::LeftButton, {}, QPoint(8, boxes[i]->height() / 2));
}

// A fortnight of practice before today's test, so that the Progress window has lines to draw: a
// few stones are missed more often than the others, and every test a little less.
void recordPastTests(HistoryStore &history)
{
    RandomEngine engine(7);
    QuizSession session(engine);
    session.setStoneTypes(StoneType::Upright | StoneType::Reversed);
    const QList<StoneIndex> hard{12, 15, 18, 21};
    const QDateTime start = QDateTime::currentDateTimeUtc().addDays(-14);
    for (int day = 0; day < 12; ++day) {
        const QuizLevel level = day % 3 == 2 ? QuizLevel::Advanced : QuizLevel::Beginner;
        session.startTest(day % 2 ? QuizSubject::Meanings : QuizSubject::Keywords, level);
        session.pressNext({});
        for (int question = 1;; ++question) {
            const AnsweredQuestion &asked = session.question();
            const bool miss = hard.contains(asked.stone) ? day < 3 * hard.indexOf(asked.stone) + 3
                                                         : (question + day) % (5 + day) == 0;
            QList<int> wanted, others;
            for (int i = 0; i < asked.options.size(); ++i)
                (asked.correctAnswers.contains(asked.options[i]) != miss ? wanted : others) << i;
            if (session.pressNext((wanted + others).first(QuizScoring::requiredTicks(level)))
                    .kind == QuizSession::NextStep::Kind::Finished)
                break;
        }
        history.record(*session.lastFinished(), start.addDays(day).addSecs(3600 * (9 + day % 5)));
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    OrlendraApp::prepareApplication();
    QStandardPaths::setTestModeEnabled(true);
    g_folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");

    ProgramRun run;
    // The past tests below lead up to today.
    run.platform.clock = QDateTime::currentDateTime();
    if (!run.app.start())
        return 1;
    StudyWindow *study = run.app.studyWindow();
    save(study, QStringLiteral("section-settings"));
    click(study, "cmdSubjects_1");
    click(study, "cmdNext");
    save(study, QStringLiteral("section-memorize"));
    click(study, "cmdSubjects_3");
    save(study, QStringLiteral("section-goals"));
    chooseTest(*study, QuizSubject::Keywords, QuizLevel::Advanced);
    save(study, QStringLiteral("section-test-set-up"));
    click(study, "cmdTestNext_2");

    KeywordsQuizPage *keywords = study->keywordsTest();
    std::array<QAbstractButton *, 8> keywordBoxes{};
    for (int i = 0; i < 8; ++i)
        keywordBoxes[i] = keywords->optionBox(i);
    for (int question = 1; question <= QuestionCount; ++question) {
        answer(keywordBoxes, run.app.quizSession(), question);
        if (question == 3)
            save(study, QStringLiteral("test-keywords"));
        QTest::mouseClick(keywords->nextButton(), Qt::LeftButton);
    }
    save(study, QStringLiteral("test-result"));
    click(study, "cmdReview");
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String("frmReview") && window->isVisible()) {
            save(window, QStringLiteral("review"));
            window->close();
        }
    }

    recordPastTests(run.app.history());
    ProgressWindow *progress = run.app.showProgressWindow();
    save(progress, QStringLiteral("progress"));
    progress->findChild<QTabWidget *>()->setCurrentWidget(progress->scheduleTable());
    save(progress, QStringLiteral("progress-schedule"));
    progress->close();

    // A round of what the boxes have due after those tests, at the level set up last.
    run.app.showDueToday();
    click(study, "cmdPractiseDue");
    PracticeWindow *practice = run.app.practiceWindow();
    bool meaningsShown = false;
    for (int question = 1; practice->runs(); ++question) {
        QuizPage *page = practice->currentPage();
        std::array<QAbstractButton *, 8> boxes{};
        for (int i = 0; i < 8; ++i)
            boxes[i] = page->optionBox(i);
        answer(boxes, practice->session(), question);
        if (!meaningsShown && page->objectName() == QLatin1String("frmMeaningTest")) {
            meaningsShown = true;
            save(practice, QStringLiteral("practice"));
        }
        QTest::mouseClick(page->nextButton(), Qt::LeftButton);
    }
    save(practice, QStringLiteral("practice-result"));
    practice->close();

    startTest(*study, QuizSubject::Meanings, QuizLevel::Beginner, QStringLiteral("UR"));
    FrameWindow *frame = run.app.frameWindow();
    MeaningsQuizPage *meanings = frame->meaningTest();
    std::array<QAbstractButton *, 8> meaningBoxes{};
    for (int i = 0; i < 8; ++i)
        meaningBoxes[i] = meanings->optionBox(i);
    answer(meaningBoxes, run.app.quizSession(), 1);
    save(frame, QStringLiteral("test-meanings"));

    AboutBox *about = run.app.showAboutBox(frame);
    save(about, QStringLiteral("about"));
    about->close();

    // On a dark desktop, in a study window made after the desktop turned dark.
    QApplication::setPalette(darkDesktopPalette());
    click(frame, "cmdStart");
    study = run.app.studyWindow();
    startTest(*study, QuizSubject::Keywords, QuizLevel::Beginner);
    save(study, QStringLiteral("dark-test-keywords"));
    return 0;
}
