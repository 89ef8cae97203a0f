// How long the full study sheet takes to become a PDF: all 24 stones with every meaning, on A4.
// Given a folder, it also writes one PDF of each document there, the pages the README shows.
#include "catalogue/runecatalogue.h"
#include "platform/paper.h"
#include "quiz/answerreview.h"
#include "quiz/quizsession.h"
#include "quizscreens/quizpaper.h"
#include "study/studypaper.h"
#include "study/studywalk.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QLocale>

#include <cstdio>

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const RuneCatalogue &catalogue = loadRuneCatalogue();
    const QPageLayout a4 = Paper::pageLayout(QLocale(QLocale::German, QLocale::Germany));
    const StudySheet full(catalogue, StudySettings::allTicked(), StudySheet::Style::Full);
    QByteArray pdf;
    // The first run decodes the pictures and loads the fonts, as a first save in a run would.
    for (int run = 1; run <= 5; ++run) {
        QElapsedTimer timer;
        timer.start();
        pdf = Paper::pdf(full, a4);
        std::printf("full study sheet, run %d: %lld ms, %lld bytes\n", run, timer.elapsed(),
                    static_cast<long long>(pdf.size()));
    }
    if (argc < 2)
        return 0;

    const QDir folder(QString::fromLocal8Bit(argv[1]));
    RandomEngine engine(11);
    QuizSession session(engine);
    session.startTest(QuizSubject::Keywords, QuizLevel::Beginner);
    // Mostly right, now and then the box below the right one.
    for (int press = 0; !session.lastFinished(); ++press) {
        int right = 0;
        if (session.questionNo() > 0) {
            const AnsweredQuestion &question = session.question();
            right = int(question.options.indexOf(question.correctAnswers.value(0)));
            if (press % 5 == 0)
                right = (right + 1) % int(question.options.size());
        }
        session.pressNext({right});
    }
    const AnswerReview::Model review(catalogue, *session.lastFinished());
    const ResultPaper result(review, AnswerReview::title(*session.lastFinished()),
                             QDateTime(QDate(2026, 12, 8), QTime(10, 30)));
    const StudySheet compact(catalogue, StudySettings::allTicked(), StudySheet::Style::Compact);
    const FlashCards cards(catalogue, studyOrderFor({true, true, true}));
    const TestPaper test(catalogue, QuizSubject::Keywords, {QuizLevel::Advanced, {}}, engine);
    const std::pair<const char *, const PaperDocument *> documents[] = {{"studysheet", &full},
                                                                        {"compactsheet", &compact},
                                                                        {"flashcards", &cards},
                                                                        {"testpaper", &test},
                                                                        {"result", &result}};
    for (const auto &[name, document] : documents) {
        QFile file(folder.filePath(QString::fromLatin1(name) + QStringLiteral(".pdf")));
        if (!file.open(QIODevice::WriteOnly) || file.write(Paper::pdf(*document, a4)) < 0)
            return 1;
    }
    return 0;
}
