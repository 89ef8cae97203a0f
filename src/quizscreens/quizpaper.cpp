#include "quizpaper.h"

#include "catalogue/stonepictures.h"
#include "quiz/answerreview.h"
#include "quiz/quizsession.h"

#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>

namespace {

using AnswerReview::Mark;

double pictureHeight(double width)
{
    return width * StonePictures::NaturalSize.height() / StonePictures::NaturalSize.width();
}

// A question with its stone's picture at the left and its texts beside it, never cut in two.
void placeQuestion(Paper::Flow &flow, QPagedPaintDevice &device, QPainter &painter,
                   StoneIndex stone, const QList<Paper::Text> &texts)
{
    const double pictureWidth = Paper::mm(device, 12);
    const double textLeft = pictureWidth + Paper::mm(device, 4);
    const double height = std::max(pictureHeight(pictureWidth),
                                   Paper::height(device, texts, flow.width() - textLeft));
    const double top = flow.place(height, Paper::mm(device, 4));
    painter.drawImage(QRectF(0, top, pictureWidth, pictureHeight(pictureWidth)),
                      StonePictures::printPicture(pictureNumberOf(stone)));
    Paper::draw(painter, texts, textLeft, top, flow.width() - textLeft);
}

void placeTexts(Paper::Flow &flow, QPagedPaintDevice &device, QPainter &painter,
                const QList<Paper::Text> &texts, double gap = 0)
{
    Paper::draw(painter, texts, 0, flow.place(Paper::height(device, texts, flow.width()), gap),
                flow.width());
}

} // namespace

TestPaper::TestPaper(const RuneCatalogue &catalogue, QuizSubject subject, const QuizSetup &setup,
                     RandomEngine &engine)
    : m_catalogue(catalogue)
{
    // The questions of a test run from its start to its end by the test's own rules, each
    // answered with the first boxes so that the next is built.
    QuizSession session(engine);
    session.setStoneTypes(setup.stoneTypes);
    session.startTest(subject, setup.level);
    const QList<int> ticks =
        setup.level == QuizLevel::Beginner ? QList<int>{0} : QList<int>{0, 1, 2, 3};
    m_sheet.subject = subject;
    m_sheet.level = setup.level;
    m_sheet.stoneTypes = setup.stoneTypes;
    for (int question = 0; question < QuestionCount; ++question) {
        session.pressNext(question == 0 ? QList<int>{} : ticks);
        m_sheet.answers[question] = session.question();
    }
}

QString TestPaper::title() const
{
    //: %1 is the subject, such as "Stone Keywords", %2 the level
    return tr("Orlendra Test: %1, %2")
        .arg(subjectTitle(m_sheet.subject), levelTitle(m_sheet.level));
}

void TestPaper::paint(QPagedPaintDevice &device, QPainter &painter) const
{
    Paper::Flow flow(device);
    const bool beginner = m_sheet.level == QuizLevel::Beginner;
    placeTexts(flow, device, painter,
               {{Paper::font(18, true), title()},
                {Paper::font(11), tr("Name: ____________________   Date: ______________")},
                {Paper::font(10), beginner ? tr("Tick the one right answer of each question.")
                                           : tr("Tick the four right answers of each question.")}});
    for (int number = 1; number <= QuestionCount; ++number) {
        const AnsweredQuestion &question = m_sheet.answers[number - 1];
        QList<Paper::Text> texts{
            //: A question of a test on paper: %1 is its number, %2 the stone's name
            {Paper::font(11, true),
             tr("%1. %2").arg(number).arg(m_catalogue.stoneNames[question.stone])}};
        for (int option = 0; option < question.options.size(); ++option)
            texts.append(
                {Paper::font(9.5),
                 QStringLiteral("\u2610 %1  %2").arg(option + 1).arg(question.options[option]),
                 Qt::black, Paper::mm(device, 2)});
        placeQuestion(flow, device, painter, question.stone, texts);
    }
    // The key on a page of its own, to be kept back from the learner.
    flow.newPage();
    placeTexts(flow, device, painter,
               {{Paper::font(16, true), tr("Answer Key")}, {Paper::font(10), title()}});
    for (int number = 1; number <= QuestionCount; ++number) {
        const AnsweredQuestion &question = m_sheet.answers[number - 1];
        QStringList right;
        for (int option = 0; option < question.options.size(); ++option) {
            if (question.correctAnswers.contains(question.options[option]))
                right << QString::number(option + 1);
        }
        placeTexts(
            flow, device, painter,
            {{Paper::font(10),
              //: A line of the answer key: %1 the question's number, %2 the stone, %3 the
              //: numbers of the right options
              tr("%1. %2: %3")
                  .arg(number)
                  .arg(m_catalogue.stoneNames[question.stone], right.join(QStringLiteral(", ")))}},
            Paper::mm(device, 1));
    }
}

ResultPaper::ResultPaper(const AnswerReview::Model &review, const QString &heading,
                         const QDateTime &taken)
    : m_review(review)
    , m_heading(heading)
    , m_taken(taken)
{}

QString ResultPaper::title() const
{
    return tr("Orlendra Result");
}

namespace {

// A symbol and the mark's name, so the mark reads without its colour.
struct MarkLook {
    QString symbol;
    QColor colour;
};

MarkLook markLook(Mark mark)
{
    switch (mark) {
    case Mark::RightTicked:
        return {QStringLiteral("\u2714"), QColor(0, 128, 0)};
    case Mark::RightMissed:
        return {QStringLiteral("\u279C"), QColor(0, 0, 192)};
    case Mark::WrongTicked:
        return {QStringLiteral("\u2718"), QColor(192, 0, 0)};
    case Mark::WrongUnticked:
        break;
    }
    return {QStringLiteral("\u00B7"), Qt::black};
}

} // namespace

void ResultPaper::paint(QPagedPaintDevice &device, QPainter &painter) const
{
    Paper::Flow flow(device);
    QStringList legend;
    for (const Mark mark : {Mark::RightTicked, Mark::RightMissed, Mark::WrongTicked})
        legend << markLook(mark).symbol + QLatin1Char(' ') + AnswerReview::markName(mark);
    placeTexts(
        flow, device, painter,
        {{Paper::font(18, true), title()},
         {Paper::font(12, true), m_heading},
         //: %1 is the date and time the test was finished
         {Paper::font(10), tr("Taken: %1").arg(QLocale().toString(m_taken, QLocale::LongFormat))},
         {Paper::font(9), legend.join(QStringLiteral("    "))}});
    const QList<AnsweredQuestion> &answers = m_review.answers();
    for (int row = 0; row < answers.size(); ++row) {
        const AnsweredQuestion &answer = answers[row];
        QList<Paper::Text> texts{
            {Paper::font(11, true), m_review.data(m_review.index(row)).toString()}};
        for (int option = 0; option < answer.options.size(); ++option) {
            const Mark mark = AnswerReview::mark(answer, option);
            const MarkLook look = markLook(mark);
            const QString said =
                mark == Mark::WrongUnticked
                    ? answer.options[option]
                    : AnswerReview::markName(mark) + QStringLiteral(": ") + answer.options[option];
            texts.append({Paper::font(9.5, mark != Mark::WrongUnticked),
                          look.symbol + QLatin1Char(' ') + said, look.colour,
                          Paper::mm(device, 2)});
        }
        placeQuestion(flow, device, painter, answer.stone, texts);
    }
}
