#pragma once

#include "platform/random.h"
#include "quizrecords.h"

#include <QObject>

#include <array>
#include <functional>

class Platform;
class QAbstractButton;
class QLabel;
class QPushButton;
class QWidget;

// What the driver needs of a test page: its "Next" button, its eight option boxes (checkable,
// text() being the caption the question gave them) and a way to show a question, the level's
// boxes unticked and captioned in order, the others hidden.
struct QuizPageView {
    using ShowQuestion =
        std::function<void(int number, StoneIndex stone, qint16 level, const Question &question)>;

    QPushButton *next = nullptr;
    std::array<QAbstractButton *, 8> options{};
    ShowQuestion showQuestion;
};

// The view of a page that offers nextButton(), optionBox(i) and showQuestion(number, stone,
// level, question), as both test pages do.
template <typename Page> QuizPageView testPageView(Page *page)
{
    QuizPageView view;
    view.next = page->nextButton();
    for (int i = 0; i < int(view.options.size()); ++i)
        view.options[i] = page->optionBox(i);
    view.showQuestion = [page](int number, StoneIndex stone, qint16 level,
                               const Question &question) {
        page->showQuestion(number, stone, level, question);
    };
    return view;
}

// Runs a rune test on a page, with "Next" as its only driver: counting ticks, checking them,
// scoring, building and showing each question and handing over the result are the same for both
// tests. Each test page gets one driver (the keywords page makes its own; the frame makes the
// meanings window's), with its subject, its builder and testPageView(page); `finished` is passed
// on. A test starts with QuizRules::startTest and then next() from code.
// Anywhere on the page the digit keys 1 to 5 (Beginner) or 1 to 8 (Advanced) click the option
// box of that number, which shows its number beside it.
class QuizPageDriver : public QObject
{
    Q_OBJECT

public:
    using Builder =
        std::function<Question(const QuizSetup &setup, StoneIndex stone, RandomEngine &engine)>;

    QuizPageDriver(QuizSubject subject, Builder builder, QuizRecords &records, Platform &platform,
                   QuizPageView view, QWidget *page);
    Q_DISABLE_COPY_MOVE(QuizPageDriver)

    // The press of "Next".
    void next();

signals:
    // The last question is scored; the records' scores are back at 0.
    void finished(const QString &resultText);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void optionClicked(bool ticked);
    void showQuestion();

    const QuizSubject m_subject;
    const Builder m_builder;
    QuizRecords &m_records;
    Platform &m_platform;
    const QuizPageView m_view;
    QWidget *m_page = nullptr;
    // The number of each box, shown and hidden with it.
    std::array<QLabel *, 8> m_keys{};
    // Clicks that ticked a box since "Next" was last pressed; only moves the focus.
    int m_tickCount = 0;
};
