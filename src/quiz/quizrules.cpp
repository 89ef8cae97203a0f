#include "quizrules.h"

#include "catalogue/runecatalogue.h"
#include "platform/filesaving.h"

#include <QFileInfo>
#include <QStringEncoder>

#include <numeric>
#include <utility>

namespace QuizRules {

int optionCount(qint16 level)
{
    return level == QuizSetup::Advanced ? 8 : 5;
}

int requiredTicks(qint16 level)
{
    return level == QuizSetup::Advanced ? 4 : 1;
}

QString instruction(qint16 level)
{
    return level == QuizSetup::Advanced ? QStringLiteral("You must choose 4 options")
                                        : QStringLiteral("You must choose only 1 option");
}

QString tickCountMessage(qint16 level, int tickedCount)
{
    if (level == QuizSetup::Advanced)
        return tickedCount == 4 ? QString() : QStringLiteral("You can select 4 options");
    if (tickedCount > 1)
        return QStringLiteral("You can select 1 option");
    if (tickedCount == 0)
        return QStringLiteral("You must select 1 option");
    return {};
}

QString tickCountDetail(qint16 level, int tickedCount)
{
    return QStringLiteral("%1 ticked, %2 needed.")
        .arg(tickedCount ? QString::number(tickedCount) : QStringLiteral("None"))
        .arg(requiredTicks(level));
}

QString questionNews(int number, const QString &stoneName, qint16 level)
{
    return QStringLiteral("Question %1, %2. ").arg(number).arg(stoneName) + instruction(level) +
           QLatin1Char('.');
}

qint16 score(const QStringList &tickedCaptions, const QStringList &correctAnswers)
{
    qint16 points = 0;
    for (const QString &caption : tickedCaptions)
        points = static_cast<qint16>(points + correctAnswers.count(caption));
    return points;
}

QString scoreLine(qint16 level, int score)
{
    return QString::number(score) + (level == QuizSetup::Advanced
                                         ? QStringLiteral(" Correct Out of 4")
                                         : QStringLiteral(" Correct Out of 1"));
}

QString resultText(const RuneCatalogue &catalogue, const AnswerSheet &sheet)
{
    const QString lineEnd = QStringLiteral("\r\n");
    QString text;
    int total = 0;
    for (int i = 0; i < QuestionCount; ++i) {
        const AnsweredQuestion &answer = sheet.answers[i];
        text += QStringLiteral("%1.").arg(i + 1, 2, 10, QLatin1Char('0'));
        text += QString(10, QLatin1Char(' '));
        text += catalogue.stoneNames[answer.stone].leftJustified(30);
        text += scoreLine(sheet.level, answer.score) + lineEnd;
        total += answer.score;
    }
    text += QString(99, QLatin1Char('-')) + lineEnd;
    text += QString::number(total) + QStringLiteral(" Correct Out Of ");
    const bool advanced = sheet.level == QuizSetup::Advanced;
    if (sheet.subject == QuizSubject::Keywords)
        text += advanced ? QStringLiteral(" 96 Keywords") : QStringLiteral(" 24 Keywords");
    else
        text += advanced ? QStringLiteral(" 96 Descriptions") : QStringLiteral(" 24 Descriptions");
    return text;
}

QString withTextSuffix(const QString &fileName)
{
    return FileSaving::nameToSave(fileName, QStringLiteral("txt"));
}

FileSaving::Failure saveResult(const QString &path, const QString &resultText)
{
    QStringEncoder encode(QStringEncoder::System);
    const QByteArray content = QByteArray(encode(resultText)) + "\r\n";
    return FileSaving::replace(path, content);
}

} // namespace QuizRules

Question layOutQuestion(const QStringList &correctAnswers, int optionCount,
                        const QStringList &excluded, const std::function<QString()> &drawDistractor,
                        RandomEngine &engine)
{
    // The first draws of a Fisher-Yates shuffle of the positions: every ordered choice, and with
    // it every set of positions, is equally likely.
    QList<int> positions(optionCount);
    std::iota(positions.begin(), positions.end(), 0);
    Question question{correctAnswers, QStringList(optionCount), {}};
    for (int i = 0; i < correctAnswers.size(); ++i) {
        std::swap(positions[i], positions[i + randomBelow(engine, optionCount - i)]);
        question.options[positions[i]] = correctAnswers[i];
    }
    for (qsizetype i = correctAnswers.size(); i < optionCount; ++i) {
        QString text;
        do
            text = drawDistractor();
        while (excluded.contains(text) || question.options.contains(text));
        question.options[positions[i]] = text;
    }
    return question;
}
