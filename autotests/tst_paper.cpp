// The documents on paper, read back from their PDFs as a reader would read them.
#include "app/translations.h"
#include "catalogue/runecatalogue.h"
#include "platform/paper.h"
#include "quiz/answerreview.h"
#include "quiz/quizsession.h"
#include "quizscreens/quizpaper.h"
#include "quizscreens/quizresultsection.h"
#include "scriptedplatform.h"
#include "study/studypaper.h"
#include "study/studywalk.h"

#include <QLocale>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

namespace {

// Text as it flows, whatever its lines: one space between words, and a line broken after a hyphen
// read as the word it was (on both sides of a comparison: "Troll- oder" is not a broken word).
QString flowing(const QString &text)
{
    static const QRegularExpression brokenAtHyphen(QStringLiteral("(\\w-) "));
    return text.simplified().replace(brokenAtHyphen, QStringLiteral("\\1"));
}

// The pages of a PDF as pdftotext reads them, whitespace made single spaces unless `layout`.
QStringList pagesOf(const QByteArray &pdf, bool layout = false)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("read.pdf"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(pdf) != pdf.size())
        return {};
    file.close();
    QProcess reader;
    reader.start(
        QStringLiteral("pdftotext"),
        {layout ? QStringLiteral("-layout") : QStringLiteral("-raw"), path, QStringLiteral("-")});
    reader.waitForFinished();
    QStringList pages = QString::fromUtf8(reader.readAllStandardOutput()).split(QLatin1Char('\f'));
    pages.removeLast(); // after the last page's form feed
    if (!layout) {
        for (QString &page : pages)
            page = flowing(page);
    }
    return pages;
}

QString pageSizeOf(const QByteArray &pdf)
{
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("info.pdf")));
    if (!file.open(QIODevice::WriteOnly) || file.write(pdf) != pdf.size())
        return {};
    file.close();
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {file.fileName()});
    info.waitForFinished();
    static const QRegularExpression size(QStringLiteral("Page size:.*\\((\\w+)\\)"));
    return size.match(QString::fromUtf8(info.readAllStandardOutput())).captured(1);
}

// The one page that holds every text, or -1 when none does.
int pageWithAll(const QStringList &pages, const QStringList &texts)
{
    for (int page = 0; page < pages.size(); ++page) {
        if (std::all_of(texts.begin(), texts.end(),
                        [&](const QString &text) { return pages[page].contains(flowing(text)); }))
            return page;
    }
    return -1;
}

const QLocale germany(QLocale::German, QLocale::Germany);
const QLocale unitedStates(QLocale::English, QLocale::UnitedStates);

} // namespace

class PaperTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void studySheet_data();
    void studySheet();
    void flashCardsMeetTheirBacks();
    void testPaperKeyAnswersItsQuestions_data();
    void testPaperKeyAnswersItsQuestions();
    void resultTellsEveryMarkInWords();
    void resultSectionPrintsAndSaves();
};

void PaperTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty() ||
        QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
        QSKIP("pdftotext and pdfinfo (Debian's poppler-utils) are needed to read the PDFs back");
}

void PaperTest::studySheet_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<StudySettings>("ticks");
    QTest::addColumn<bool>("compact");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QString>("paperSize");
    QTest::addColumn<int>("pages"); // 0: as many as it takes

    StudySettings secondUpright;
    secondUpright.stoneGroup = {false, true, false};
    secondUpright.stoneMeaning = {true, false, false};
    secondUpright.stoneObject = {true, false};
    const StudySettings all = StudySettings::allTicked();
    const QString english = QStringLiteral("Orlendra Study Sheet");
    QTest::newRow("full, A4") << QString() << germany << all << false << english << "A4" << 0;
    QTest::newRow("second aett, upright, keywords")
        << QString() << unitedStates << secondUpright << false << english << "letter" << 0;
    QTest::newRow("compact, A4") << QString() << germany << all << true << english << "A4" << 2;
    QTest::newRow("compact, Letter")
        << QString() << unitedStates << all << true << english << "letter" << 2;
    QTest::newRow("German") << QStringLiteral("de") << germany << all << false
                            << QStringLiteral("Orlendra-Lernblatt") << "A4" << 0;
}

void PaperTest::studySheet()
{
    QFETCH(QString, language);
    QFETCH(QLocale, locale);
    QFETCH(StudySettings, ticks);
    QFETCH(bool, compact);
    QFETCH(QString, heading);
    QFETCH(QString, paperSize);
    QFETCH(int, pages);
    const QList<QTranslator *> before = qApp->findChildren<QTranslator *>();
    Translations::install(language);
    const RuneCatalogue catalogue = buildRuneCatalogue(language);
    const StudySheet sheet(catalogue, ticks,
                           compact ? StudySheet::Style::Compact : StudySheet::Style::Full);
    const QByteArray pdf = Paper::pdf(sheet, Paper::pageLayout(locale));
    for (QTranslator *translator : qApp->findChildren<QTranslator *>()) {
        if (!before.contains(translator))
            delete translator;
    }
    QCOMPARE(pageSizeOf(pdf), paperSize);
    const QStringList read = pagesOf(pdf);
    if (pages)
        QCOMPARE(read.size(), pages);
    QVERIFY2(read.value(0).startsWith(heading) || compact, qPrintable(read.value(0).left(80)));
    const std::array<const std::array<QString, StoneCount + 1> *, 3> meanings{
        &catalogue.uprightMeanings, &catalogue.reversedMeanings, &catalogue.merkstaveMeanings};
    for (int stone = 0; stone < StoneCount; ++stone) {
        // A stone's texts, each whole, on one page; what is not ticked nowhere.
        QStringList texts{catalogue.stoneNames[stone]};
        if (compact || ticks.stoneObject[0])
            texts << catalogue.keywordsOf(stone);
        QStringList left;
        const QString otherNames = catalogue.alternativeNamesOf(stone).join(QStringLiteral(", "));
        (!compact && ticks.stoneObject[1] ? texts : left) << otherNames;
        for (int kind = 0; kind < 3; ++kind)
            (!compact && ticks.stoneMeaning[kind] ? texts : left) << (*meanings[kind])[stone];
        const bool shown = ticks.stoneGroup[aettOf(stone)];
        QVERIFY2((pageWithAll(read, texts) >= 0) == shown,
                 qPrintable(texts.join(QLatin1Char('|'))));
        for (const QString &text : std::as_const(left))
            QVERIFY2(pageWithAll(read, {text}) < 0 || texts.contains(text), qPrintable(text));
    }
}

void PaperTest::flashCardsMeetTheirBacks()
{
    const RuneCatalogue &catalogue = loadRuneCatalogue();
    const FlashCards cards(catalogue, studyOrderFor({true, true, true}));
    const QStringList pages = pagesOf(Paper::pdf(cards, Paper::pageLayout(germany)), true);
    // Nine cards a sheet, each sheet a page of fronts and a page of backs.
    QCOMPARE(pages.size(), 6);
    QVERIFY(pages[0].trimmed().isEmpty());
    // Turned over its long edge, the sheet shows the first row's backs right to left.
    const QString firstRow = pages[1].trimmed().section(QLatin1Char('\n'), 0, 0).simplified();
    QCOMPARE(firstRow,
             QStringLiteral("%1 %2 %3")
                 .arg(catalogue.stoneNames[2], catalogue.stoneNames[1], catalogue.stoneNames[0]));
    const QString lastSheet = pages[5].simplified();
    for (int stone = 18; stone < StoneCount; ++stone) {
        QVERIFY(lastSheet.contains(catalogue.stoneNames[stone]));
        for (const QString &keyword : catalogue.keywordsOf(stone))
            QVERIFY(lastSheet.contains(keyword));
    }
}

void PaperTest::testPaperKeyAnswersItsQuestions_data()
{
    QTest::addColumn<QuizLevel>("level");
    QTest::newRow("Beginner") << QuizLevel::Beginner;
    QTest::newRow("Advanced") << QuizLevel::Advanced;
}

void PaperTest::testPaperKeyAnswersItsQuestions()
{
    QFETCH(QuizLevel, level);
    const RuneCatalogue &catalogue = loadRuneCatalogue();
    RandomEngine engine(7);
    const TestPaper paper(catalogue, QuizSubject::Keywords, {level, {}}, engine);
    const QStringList pages = pagesOf(Paper::pdf(paper, Paper::pageLayout(germany)));
    const QString key = pages.last();
    QVERIFY(key.startsWith(QStringLiteral("Answer Key")));
    QVERIFY(!key.contains(QChar(0x2610)));
    const QString questions = pages.mid(0, pages.size() - 1).join(QLatin1Char(' '));
    QList<int> asked;
    for (int number = 1; number <= QuestionCount; ++number) {
        // "3. Ansuz: 2, 5, 6, 8" in the key; "3. Ansuz ☐ 1 ... ☐ 2 ..." on the test.
        const QRegularExpression keyLine(
            QStringLiteral("(?:^| )%1\\. (\\w+): ([\\d, ]+?)(?= \\d+\\.|$)").arg(number));
        const QRegularExpressionMatch line = keyLine.match(key);
        QVERIFY2(line.hasMatch(), qPrintable(QString::number(number)));
        const int stone = int(
            std::find(catalogue.stoneNames.begin(), catalogue.stoneNames.end(), line.captured(1)) -
            catalogue.stoneNames.begin());
        asked << stone;
        const qsizetype start =
            questions.indexOf(QStringLiteral("%1. %2 ").arg(number).arg(line.captured(1)));
        QVERIFY(start >= 0);
        const QStringList right = line.captured(2).split(QStringLiteral(", "));
        QCOMPARE(right.size(), level == QuizLevel::Beginner ? 1 : 4);
        for (const QString &option : right) {
            const QRegularExpression box(
                QStringLiteral("\u2610 %1 (.+?)(?= \u2610| \\d+\\. |$)").arg(option));
            QVERIFY(catalogue.keywordsOf(stone).contains(box.match(questions, start).captured(1)));
        }
    }
    std::sort(asked.begin(), asked.end());
    QVERIFY(std::adjacent_find(asked.begin(), asked.end()) == asked.end());
    QCOMPARE(asked.size(), StoneCount);
}

void PaperTest::resultTellsEveryMarkInWords()
{
    // A test scored by hand: question 1 right, question 2 a wrong tick where the right one was.
    AnswerSheet sheet;
    for (int question = 0; question < QuestionCount; ++question) {
        AnsweredQuestion &answer = sheet.answers[question];
        answer.stone = StoneIndex(question);
        answer.options = {QStringLiteral("one %1").arg(question),
                          QStringLiteral("two %1").arg(question)};
        answer.correctAnswers = {answer.options[0]};
        answer.ticked = {question != 1, question == 1};
        answer.score = question != 1;
    }
    const AnswerReview::Model review(loadRuneCatalogue(), sheet);
    const QDateTime taken(QDate(2026, 11, 2), QTime(12, 0));
    const ResultPaper paper(review, AnswerReview::title(sheet), taken);
    const QString read =
        pagesOf(Paper::pdf(paper, Paper::pageLayout(germany))).join(QLatin1Char(' '));
    for (const QString &said :
         {QStringLiteral("Stone Keywords, Beginner: 23 Correct Out Of 24"),
          QLocale().toString(taken, QLocale::LongFormat),
          QStringLiteral("\u2714 Right and ticked: one 0 \u00B7 two 0"),
          QStringLiteral("\u279C Right and missed: one 1 \u2718 Wrong and ticked: two 1"),
          QStringLiteral("Question 24: Othala")})
        QVERIFY2(read.contains(said), qPrintable(said + QStringLiteral(" in ") + read.left(300)));
}

void PaperTest::resultSectionPrintsAndSaves()
{
    ScriptedPlatform platform;
    QuizSession session(platform.random());
    session.startTest(QuizSubject::Keywords, QuizLevel::Beginner);
    while (!session.lastFinished())
        session.pressNext({0});
    QuizResultSection section(platform, session);
    section.showLastResult();
    QTemporaryDir folder;
    platform.saveNames << folder.filePath(QStringLiteral("result"));
    section.findChild<QPushButton *>(QStringLiteral("cmdResultPdf"))->click();
    section.findChild<QPushButton *>(QStringLiteral("cmdPrintResult"))->click();
    QFile saved(folder.filePath(QStringLiteral("result.pdf")));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QString title = AnswerReview::title(*session.lastFinished());
    for (const QByteArray &pdf : {saved.readAll(), platform.printed.value(0)})
        QVERIFY(pagesOf(pdf).value(0).contains(title));
    QVERIFY(platform.messages.isEmpty());
}

QTEST_MAIN(PaperTest)
#include "tst_paper.moc"
