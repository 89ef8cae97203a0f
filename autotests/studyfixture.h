#pragma once

#include "app/orlendraapp.h"
#include "quiz/quizsession.h"
#include "scriptedplatform.h"
#include "study/studywalk.h"
#include "study/studywindow.h"

#include <QPalette>
#include <QTemporaryDir>

#include <memory>

// A study window over a scripted platform, with a program folder of its own that is removed
// afterwards.
struct StudyFixture {
    StudyFixture();

    // Builds the window, runs its load steps and shows it, as start-up does.
    StudyWindow &open();

    QTemporaryDir folder;
    ScriptedPlatform platform;
    StudyWalk walk;
    QuizSession session{platform.random()};
    std::unique_ptr<StudyWindow> window;
};

// Chooses a test in the study window's set-up with the mouse, as a user would: the subject, for
// the meanings test the stone types as "URM" letters (the others cleared), and the level. Starting
// it then takes only the "Next" of the level page, which startTest presses too.
void chooseTest(StudyWindow &study, QuizSubject subject, QuizLevel level,
                const QString &types = {});
void startTest(StudyWindow &study, QuizSubject subject, QuizLevel level, const QString &types = {});

// Answers the Beginner question on screen by its digit key and Return, right or wrong.
void answerByKeys(const QuizSession &session, bool right);

// Checks that `text` is the result of `sheet`: its stones in the order asked, each with its score,
// and `total` as its last line. The result's layout is checked where the quiz rules are.
void checkResultOf(const QString &text, const AnswerSheet &sheet, const QString &total);

// The colours of a dark desktop theme (GNOME's Adwaita dark), for windows made after it is set
// as the application's palette.
QPalette darkDesktopPalette();

// A picture of `window` as `name`.png in the folder ORLENDRA_SNAPSHOTS names, if it names one.
void snapshot(QWidget *window, const QString &name);

// Whether the room a window shows of `widget` holds all of its text, and that text.
bool textFits(const QWidget *widget);
QString shownText(const QWidget *widget);

// What a screen reader says of the focus: the panels around it, its name and description.
struct Heard {
    QStringList ancestors;
    QString name;
    QString description;
};
Heard heardAtFocus();

// A whole run of the program over a scripted desktop, with a program folder of its own, and its
// history there too unless it is given another folder for it.
struct ProgramRun {
    explicit ProgramRun(const QString &dataPath = {})
    {
        platform.folder = folder.path();
        platform.dataPath = dataPath.isEmpty() ? folder.path() : dataPath;
    }

    QTemporaryDir folder;
    ScriptedPlatform platform;
    OrlendraApp app{platform};
};

// A Beginner test in a run of the program, set up with the mouse and answered with the digit
// keys and Return; the questions about `missed` are answered wrong.
void takeByKeyboard(ProgramRun &run, QuizSubject subject, StoneIndex missed);
