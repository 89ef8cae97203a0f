// How long the meanings test's hand-overs take, from the press of "Next" to the other window
// painted: the set-up's last "Next" to the frame with question 1, and question 24's "Next" to a
// freshly loaded study window with the result. Beside each, a bare window of the same size shown
// and painted, the least any window costs. Runs offscreen or on a display.
#include "app/framewindow.h"
#include "widgets/wrappingcheckbox.h"
#include "studyfixture.h"
#include "quizscreens/meaningsquizpage.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// Tells when a window named `name` has been painted: once processEvents() returns after a paint
// event reached it, the whole window has been drawn.
class PaintWatch : public QObject
{
public:
    PaintWatch() { qApp->installEventFilter(this); }

    // Milliseconds from the start of `action` to `name` painted.
    double time(const QString &name, const std::function<void()> &action)
    {
        m_name = name;
        m_painted = false;
        QElapsedTimer timer;
        timer.start();
        action();
        while (!m_painted)
            QCoreApplication::processEvents();
        const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
        // What the user no longer sees goes afterwards, outside the time.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return ms;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget *>(watched)->window()->objectName() == m_name)
            m_painted = true;
        return false;
    }

private:
    QString m_name;
    bool m_painted = false;
};

void click(QWidget *window, const QString &name)
{
    window->findChild<QAbstractButton *>(name)->click();
}

double bareWindow(PaintWatch &watch, QSize size)
{
    QLabel *window = nullptr;
    const double ms = watch.time(QStringLiteral("bare"), [&] {
        window = new QLabel(QStringLiteral("Hello, world"));
        window->setObjectName(QStringLiteral("bare"));
        window->resize(size);
        window->show();
    });
    delete window;
    return ms;
}

struct Figures {
    std::vector<double> values;
    void print(const char *what) const
    {
        std::vector<double> sorted = values;
        std::sort(sorted.begin(), sorted.end());
        std::printf("%-34s %8.2f %8.2f %8.2f\n", what, sorted[sorted.size() / 2], sorted.front(),
                    sorted.back());
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    const int runs = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 25;
    PaintWatch watch;
    ProgramRun run;
    run.app.start();
    QuizSession &session = run.app.quizSession();

    Figures toFrame, bareFrame, toStudy, bareStudy;
    QSize frameSize, studySize;
    // The first round, with cold caches, is not counted.
    for (int round = 0; round <= runs; ++round) {
        StudyWindow *study = run.app.studyWindow();
        studySize = study->size();
        for (const char *name :
             {"cmdSubjects_2", "optTestSubjects_0", "cmdTestNext_0", "chkTestType_0",
              "chkTestType_1", "chkTestType_2", "cmdTestNext_1", "optTestLevel_1"})
            click(study, QLatin1String(name));
        const double there = watch.time(QStringLiteral("MDI"),
                                        [&] { click(study, QStringLiteral("cmdTestNext_2")); });

        FrameWindow *frame = run.app.frameWindow();
        frameSize = frame->size();
        MeaningsQuizPage *test = frame->meaningTest();
        for (int question = 1; question <= QuestionCount; ++question) {
            for (int i = 0; i < 4; ++i)
                test->optionBox(i)->click();
            if (question < QuestionCount)
                test->nextButton()->click();
        }
        const double back =
            watch.time(QStringLiteral("frmMain"), [&] { test->nextButton()->click(); });
        if (session.questionNo() != QuestionCount || !run.app.studyWindow() ||
            run.app.frameWindow()) {
            std::fprintf(stderr, "The test did not come back to the study window\n");
            return 1;
        }
        if (round == 0)
            continue;
        toFrame.values.push_back(there);
        toStudy.values.push_back(back);
        bareFrame.values.push_back(bareWindow(watch, frameSize));
        bareStudy.values.push_back(bareWindow(watch, studySize));
    }

    std::printf("%d runs, milliseconds                  median      min      max\n", runs);
    bareFrame.print(qPrintable(
        QStringLiteral("bare window %1 x %2").arg(frameSize.width()).arg(frameSize.height())));
    toFrame.print("set-up Next to frame, question 1");
    bareStudy.print(qPrintable(
        QStringLiteral("bare window %1 x %2").arg(studySize.width()).arg(studySize.height())));
    toStudy.print("question 24 Next to study window");
    return 0;
}
