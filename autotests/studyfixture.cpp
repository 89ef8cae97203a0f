#include "studyfixture.h"

#include "widgets/wrappingcheckbox.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QStyleOptionButton>
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

void snapshot(QWidget *window, const QString &name)
{
    if (const QString folder = qEnvironmentVariable("ORLENDRA_SNAPSHOTS"); !folder.isEmpty())
        window->grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

// A text fits when the room its window shows of its control is what the text asks, a pixel of
// rounding aside. That room is the control clipped by every panel around it, except that what
// scrolls counts as showing all it holds. A label that wraps must be as tall as its text at its
// width, one that does not as wide as its size hint; a button's text, without its "&", must fit
// the room its style leaves for text (inside the bevel, or beside the tick), and a wrapping tick
// box must show all of its paragraph; a group box must be as wide as its title and contents ask.
bool textFits(const QWidget *widget)
{
    QRect shown = widget->rect();
    QPoint offset;
    for (const QWidget *inner = widget; !inner->isWindow(); inner = inner->parentWidget()) {
        const QWidget *outer = inner->parentWidget();
        const auto *scroller = qobject_cast<const QAbstractScrollArea *>(outer->parentWidget());
        if (scroller && scroller->viewport() == outer)
            break;
        offset += inner->pos();
        shown &= outer->rect().translated(-offset);
    }
    if (const auto *label = qobject_cast<const QLabel *>(widget)) {
        if (label->text().isEmpty() || !label->pixmap().isNull())
            return true;
        return label->wordWrap() ? label->heightForWidth(label->width()) <= shown.height() + 1
                                 : label->sizeHint().width() <= shown.width() + 1;
    }
    if (const auto *box = qobject_cast<const WrappingCheckBox *>(widget))
        return box->showsWholeText();
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        const auto room = qobject_cast<const QCheckBox *>(button) ? QStyle::SE_CheckBoxContents
                          : qobject_cast<const QRadioButton *>(button)
                              ? QStyle::SE_RadioButtonContents
                              : QStyle::SE_PushButtonContents;
        const QString text = QString(button->text()).remove(QLatin1Char('&'));
        return button->fontMetrics().horizontalAdvance(text) <=
               (button->style()->subElementRect(room, &option, button) & shown).width() + 1;
    }
    if (const auto *group = qobject_cast<const QGroupBox *>(widget))
        return group->minimumSizeHint().width() <= shown.width() + 1;
    return true;
}

QString shownText(const QWidget *widget)
{
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->text();
    if (const auto *group = qobject_cast<const QGroupBox *>(widget))
        return group->title();
    return {};
}
