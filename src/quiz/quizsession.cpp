#include "quizsession.h"

#include "keywordquestion.h"
#include "meaningquestion.h"
#include "quizrules.h"

#include <numeric>
#include <utility>

QuizSession::QuizSession(RandomEngine &engine)
    : m_engine(engine)
{}

void QuizSession::startTest(QuizSubject subject, qint16 level)
{
    m_sheet = AnswerSheet{subject, level, {}, {}};
    if (subject == QuizSubject::Meanings)
        m_sheet.stoneTypes = m_stoneTypes;
    shuffleQuestionOrder();
    m_questionNo = 0;
    m_running = true;
}

void QuizSession::shuffleQuestionOrder()
{
    std::array<StoneIndex, QuestionCount> order{};
    std::iota(order.begin(), order.end(), StoneIndex{0});
    // Fisher-Yates from the back: each position takes one of the stones not yet placed.
    for (int i = QuestionCount - 1; i > 0; --i)
        std::swap(order[i], order[randomBelow(m_engine, i + 1)]);
    for (int i = 0; i < QuestionCount; ++i)
        m_sheet.answers[i].stone = order[i];
}

QuizSession::NextStep QuizSession::pressNext(const QList<int> &tickedBoxes)
{
    // Nothing runs: nothing to press.
    if (!m_running)
        return {NextStep::Kind::Refused, {}};
    if (m_questionNo == 0) {
        m_questionNo = 1;
        buildQuestion();
        return {};
    }
    const qint16 level = m_sheet.level;
    QList<bool> ticked(QuizRules::optionCount(level), false);
    for (int box : tickedBoxes) {
        if (box >= 0 && box < ticked.size())
            ticked[box] = true;
    }
    const QString refusal = QuizRules::tickCountMessage(level, int(ticked.count(true)));
    if (!refusal.isEmpty())
        return {NextStep::Kind::Refused, refusal};

    AnsweredQuestion &answer = m_sheet.answers[m_questionNo - 1];
    QStringList tickedTexts;
    for (int i = 0; i < ticked.size(); ++i) {
        if (ticked[i])
            tickedTexts << answer.options[i];
    }
    answer.ticked = std::move(ticked);
    answer.score = QuizRules::score(tickedTexts, answer.correctAnswers);
    if (m_questionNo < QuestionCount) {
        ++m_questionNo;
        buildQuestion();
        return {};
    }
    NextStep finished{NextStep::Kind::Finished,
                      QuizRules::resultText(loadRuneCatalogue(), m_sheet)};
    m_running = false;
    m_lastFinished = m_sheet;
    m_sheet.answers = {};
    if (m_finishedListener)
        m_finishedListener(*m_lastFinished);
    return finished;
}

void QuizSession::buildQuestion()
{
    const RuneCatalogue &catalogue = loadRuneCatalogue();
    AnsweredQuestion &answer = m_sheet.answers[m_questionNo - 1];
    Question built =
        m_sheet.subject == QuizSubject::Keywords
            ? buildKeywordQuestion(catalogue, answer.stone, m_sheet.level, m_engine)
            : buildMeaningQuestion(catalogue, answer.stone,
                                   QuizSetup{m_sheet.level, m_sheet.stoneTypes}, m_engine);
    answer.meaningKinds = std::move(built.meaningKinds);
    answer.options = std::move(built.options);
    answer.correctAnswers = std::move(built.correctAnswers);
}
