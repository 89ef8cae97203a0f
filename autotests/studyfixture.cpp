#include "studyfixture.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QTest>

StudyFixture::StudyFixture()
{
    platform.folder = folder.path();
}

StudyWindow &StudyFixture::open()
{
    window = std::make_unique<StudyWindow>(platform, walk, session);
    // The fixture owns the window; closing it must not delete it under the fixture's feet.
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    window->load();
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        qWarning("The study window was not exposed");
    return *window;
}

namespace {

QAbstractButton *button(StudyWindow &study, const QString &name)
{
    auto *found = study.findChild<QAbstractButton *>(name);
    if (!found)
        qFatal("No control %s", qPrintable(name));
    return found;
}

} // namespace

void chooseTest(StudyWindow &study, QuizSubject subject, QuizLevel level, const QString &types)
{
    const auto click = [&study](const QString &name) {
        QTest::mouseClick(button(study, name), Qt::LeftButton);
    };
    const bool meanings = subject == QuizSubject::Meanings;
    click(QStringLiteral("cmdSubjects_2"));
    click(QStringLiteral("optTestSubjects_%1").arg(meanings ? 0 : 1));
    click(QStringLiteral("cmdTestNext_0"));
    if (meanings) {
        // A tick kept from an earlier test stays unless it is not wanted now.
        for (int i = 0; i < 3; ++i) {
            const QString name = QStringLiteral("chkTestType_%1").arg(i);
            if (button(study, name)->isChecked() != types.contains(QStringLiteral("URM")[i]))
                click(name);
        }
        click(QStringLiteral("cmdTestNext_1"));
    }
    click(QStringLiteral("optTestLevel_%1").arg(int(level)));
}

void startTest(StudyWindow &study, QuizSubject subject, QuizLevel level, const QString &types)
{
    chooseTest(study, subject, level, types);
    QTest::mouseClick(button(study, QStringLiteral("cmdTestNext_2")), Qt::LeftButton);
}

void answerByKeys(const QuizSession &session, bool right)
{
    const AnsweredQuestion &question = session.question();
    int box = 0;
    while (question.correctAnswers.contains(question.options[box]) != right)
        ++box;
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(Qt::Key_1 + box));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
}

void takeByKeyboard(ProgramRun &run, QuizSubject subject, StoneIndex missed)
{
    startTest(*run.app.studyWindow(), subject, QuizLevel::Beginner, QStringLiteral("URM"));
    QWidget *window = subject == QuizSubject::Meanings
                          ? static_cast<QWidget *>(run.app.frameWindow())
                          : run.app.studyWindow();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window))
        return;
    QuizSession &session = run.app.quizSession();
    for (int pressed = 0; session.runs(subject) && pressed < 2 * QuestionCount; ++pressed)
        answerByKeys(session, session.question().stone != missed);
}

void checkResultOf(const QString &text, const AnswerSheet &sheet, const QString &total)
{
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), QuestionCount + 2);
    QCOMPARE(lines.last(), total);
    for (int i = 0; i < QuestionCount; ++i) {
        const AnsweredQuestion &answer = sheet.answers[i];
        QCOMPARE(lines[i].split(QLatin1Char(' '), Qt::SkipEmptyParts).mid(0, 3),
                 (QStringList{QStringLiteral("%1.").arg(i + 1, 2, 10, QLatin1Char('0')),
                              loadRuneCatalogue().stoneNames[answer.stone],
                              QString::number(answer.score)}));
    }
}

QPalette darkDesktopPalette()
{
    QPalette palette(QColor(53, 53, 53), QColor(53, 53, 53));
    palette.setColor(QPalette::Base, QColor(45, 45, 45));
    palette.setColor(QPalette::Link, QColor(53, 132, 228));
    return palette;
}

Heard heardAtFocus()
{
    Heard heard;
    QAccessibleInterface *focus =
        QAccessible::queryAccessibleInterface(QApplication::focusWidget());
    heard.name = focus->text(QAccessible::Name);
    heard.description = focus->text(QAccessible::Description);
    for (QAccessibleInterface *up = focus->parent(); up; up = up->parent()) {
        if (const QString name = up->text(QAccessible::Name); !name.isEmpty())
            heard.ancestors.prepend(name);
    }
    return heard;
}
