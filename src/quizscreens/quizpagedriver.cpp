#include "quizpagedriver.h"

#include "platform/platform.h"
#include "quiz/quizscoring.h"
#include "quiz/quizsession.h"
#include "quiz/quizspeech.h"
#include "quizpage.h"
#include "widgets/focusnews.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPushButton>
#include <QShortcut>

QuizPageDriver *QuizPageDriver::drive(QuizSubject subject, QuizSession &session, Platform &platform,
                                      QuizPage *page)
{
    return new QuizPageDriver(subject, session, platform, page,
                              subject == QuizSubject::Keywords ? Qt::WidgetWithChildrenShortcut
                                                               : Qt::WindowShortcut);
}

QuizPageDriver::QuizPageDriver(QuizSubject subject, QuizSession &session, Platform &platform,
                               QuizPage *page, Qt::ShortcutContext digitScope)
    : QObject(page)
    , m_subject(subject)
    , m_session(session)
    , m_platform(platform)
    , m_page(page)
{
    // Enter presses "Next" once the focus stands on it, as it does after the last needed tick.
    page->nextButton()->setAutoDefault(true);
    connect(page->nextButton(), &QPushButton::clicked, this, &QuizPageDriver::next);
    for (int i = 0; i < QuizPage::OptionCount; ++i) {
        connect(page->optionBox(i), &QAbstractButton::clicked, this,
                [this, i](bool ticked) { optionClicked(i, ticked); });
        auto *digit =
            new QShortcut(QKeySequence(Qt::Key_1 + i), page, nullptr, nullptr, digitScope);
        connect(digit, &QShortcut::activated, this, [this, i] { digitPressed(i); });
    }
}

void QuizPageDriver::digitPressed(int index)
{
    if (!m_session.runs(m_subject) || m_session.questionNo() == 0 ||
        index >= QuizScoring::optionCount(m_session.level()))
        return;
    // As a click: the box takes the focus and toggles, and the focus rule may move on to Next.
    QAbstractButton *box = m_page->optionBox(index);
    box->setFocus(Qt::ShortcutFocusReason);
    box->click();
}

void QuizPageDriver::optionClicked(int index, bool ticked)
{
    // Counted from the boxes rather than from clicks, so that a box ticked twice, an untick or a
    // refused "Next" leaves the rule as the boxes stand.
    const bool answered =
        ticked && m_page->tickedBoxes().size() == QuizScoring::requiredTicks(m_session.level());
    // A digit key ticks a box the user may not have heard: "Next" says which one it was.
    QPushButton *next = m_page->nextButton();
    //: Heard once a digit key ticked a box: %1 is the key, %2 the box's text
    next->setAccessibleDescription(answered ? tr("Key %1 ticked: %2.")
                                                  .arg(index + 1)
                                                  .arg(m_page->optionBox(index)->accessibleName())
                                            : QString());
    if (answered)
        next->setFocus(Qt::OtherFocusReason);
}

void QuizPageDriver::next()
{
    if (!m_session.runs(m_subject))
        return;
    // Read from the boxes rather than counted from clicks, so a tick that a screen reader's
    // toggle made counts as well.
    const QuizSession::NextStep step = m_session.pressNext(m_page->tickedBoxes());
    switch (step.kind) {
    case QuizSession::NextStep::Kind::ShowQuestion:
        if (m_session.subject() == m_subject)
            showQuestion();
        else
            emit handedOver();
        break;
    case QuizSession::NextStep::Kind::Refused:
        m_platform.message(
            m_page, step.refusal, Platform::Icon::Critical, Platform::Buttons::Ok,
            Platform::Answer::Ok,
            QuizSpeech::tickCountDetail(m_session.level(), int(m_page->tickedBoxes().size())));
        break;
    case QuizSession::NextStep::Kind::Finished:
        emit finished();
        break;
    }
}

void QuizPageDriver::showQuestion()
{
    m_page->showQuestion(m_session.questionNo(), m_session.question(), m_session.level());
    m_page->nextButton()->setAccessibleDescription({});
    // The first box tells a screen reader the question as the focus arrives there.
    QWidget *focus = QApplication::focusWidget();
    if (focus && m_page->isAncestorOf(focus))
        focusWithNews(m_page->optionBox(0));
}
