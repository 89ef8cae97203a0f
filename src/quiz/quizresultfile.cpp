#include "quizresultfile.h"

#include "catalogue/runecatalogue.h"
#include "platform/filesaving.h"
#include "quizscoring.h"

#include <QCoreApplication>
#include <QStringEncoder>

namespace QuizResultFile {

QString text(const RuneCatalogue &catalogue, const AnswerSheet &sheet)
{
    const QString lineEnd = QStringLiteral("\r\n");
    QString text;
    for (int i = 0; i < QuestionCount; ++i) {
        const AnsweredQuestion &answer = sheet.answers[i];
        text += QStringLiteral("%1.").arg(i + 1, 2, 10, QLatin1Char('0'));
        text += QString(10, QLatin1Char(' '));
        text += catalogue.stoneNames[answer.stone].leftJustified(30);
        text += QuizScoring::scoreLine(sheet.level, answer.score) + lineEnd;
    }
    text += QString(99, QLatin1Char('-')) + lineEnd;
    // The result's own word for the meanings test; two spaces, as results have always had.
    text +=
        (sheet.subject == QuizSubject::Keywords
             ? QCoreApplication::translate("QuizResultFile", "%1 Correct Out Of  %2 Keywords")
             : QCoreApplication::translate("QuizResultFile", "%1 Correct Out Of  %2 Descriptions"))
            .arg(sheet.total())
            .arg(sheet.most());
    return text;
}

QString withTextSuffix(const QString &fileName)
{
    return FileSaving::nameToSave(fileName, QStringLiteral("txt"));
}

FileSaving::Failure save(const QString &path, const QString &resultText)
{
    QStringEncoder encode(QStringEncoder::System);
    const QByteArray content = QByteArray(encode(resultText)) + "\r\n";
    return FileSaving::replace(path, content);
}

} // namespace QuizResultFile
