#include "quizpagedriver.h"

#include "catalogue/runecatalogue.h"
#include "platform/platform.h"
#include "quizrules.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include <utility>

QuizPageDriver::QuizPageDriver(QuizSubject subject, Builder builder, QuizRecords &records,
                               Platform &platform, QuizPageView view, QWidget *page)
    : QObject(page)
    , m_subject(subject)
    , m_builder(std::move(builder))
    , m_records(records)
    , m_platform(platform)
    , m_view(std::move(view))
    , m_page(page)
{
    // Enter presses "Next" once the focus stands on it, as it does after the last needed tick.
    m_view.next->setAutoDefault(true);
    connect(m_view.next, &QPushButton::clicked, this, &QuizPageDriver::next);
    for (QAbstractButton *box : m_view.options)
        connect(box, &QAbstractButton::clicked, this, &QuizPageDriver::optionClicked);

    for (int i = 0; i < int(m_keys.size()); ++i) {
        QAbstractButton *box = m_view.options[i];
        // Beside the box rather than in its caption, which scoring compares and a screen reader
        // speaks; a description tells the key instead. It keeps clear of a frame drawn close
        // around the box.
        auto *key = new QLabel(QString::number(i + 1), box->parentWidget());
        key->setObjectName(QStringLiteral("lblKey_%1").arg(i));
        key->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        key->setPalette(box->palette());
        key->setGeometry(box->x() - 24, box->y(), 14, box->height());
        key->setVisible(!box->isHidden());
        box->setAccessibleDescription(QStringLiteral("Key %1").arg(i + 1));
        m_keys[i] = key;
    }
    page->installEventFilter(this);
}

bool QuizPageDriver::eventFilter(QObject *watched, QEvent *event)
{
    // Key presses that nothing on the page took reach the page itself.
    if (watched != m_page || event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto *press = static_cast<QKeyEvent *>(event);
    const int index = press->key() - Qt::Key_1;
    if ((press->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier || index < 0 ||
        index >= QuizRules::optionCount(m_records.setup.level) ||
        m_records.state.questionNo(m_subject) == 0)
        return QObject::eventFilter(watched, event);
    // As a click: the box takes the focus and toggles, and the focus rule may move on to Next.
    QAbstractButton *box = m_view.options[index];
    box->setFocus(Qt::ShortcutFocusReason);
    box->click();
    return true;
}

void QuizPageDriver::optionClicked(bool ticked)
{
    if (ticked)
        ++m_tickCount;
    if (m_tickCount == QuizRules::requiredTicks(m_records.setup.level))
        m_view.next->setFocus(Qt::OtherFocusReason);
}

void QuizPageDriver::next()
{
    m_tickCount = 0;
    // Counted from the boxes rather than from clicks, so a tick that a screen reader's toggle
    // made counts as well.
    QStringList ticked;
    if (m_records.state.questionNo(m_subject) != 0) {
        for (int i = 0; i < QuizRules::optionCount(m_records.setup.level); ++i) {
            if (m_view.options[i]->isChecked())
                ticked << m_view.options[i]->text();
        }
    }
    const QuizRules::NextStep step =
        QuizRules::pressNext(m_records, m_subject, ticked, loadRuneCatalogue());
    switch (step.kind) {
    case QuizRules::NextStep::Kind::ShowQuestion:
        showQuestion();
        break;
    case QuizRules::NextStep::Kind::Refused:
        m_platform.message(m_page, step.text, Platform::Icon::Critical);
        break;
    case QuizRules::NextStep::Kind::Finished:
        emit finished(step.text);
        break;
    }
}

void QuizPageDriver::showQuestion()
{
    QuizState &state = m_records.state;
    const int number = state.questionNo(m_subject);
    const StoneIndex stone = state.questionOrder[number - 1];
    Question question = m_builder(m_records.setup, stone, m_platform.random());
    m_view.showQuestion(number, stone, m_records.setup.level, question);
    for (int i = 0; i < int(m_keys.size()); ++i)
        m_keys[i]->setVisible(!m_view.options[i]->isHidden());
    state.correctAnswers = std::move(question.correctAnswers);
    state.options = std::move(question.options);
    // A keyboard user answers the new question from its first box.
    if (m_view.next->hasFocus())
        m_view.options[0]->setFocus(Qt::OtherFocusReason);
}
