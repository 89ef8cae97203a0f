#include "quizresultsection.h"

#include "catalogue/runecatalogue.h"
#include "platform/detail.h"
#include "platform/platform.h"
#include "quiz/answerreview.h"
#include "quiz/quizresultfile.h"
#include "quiz/quizsession.h"
#include "quizpaper.h"
#include "reviewwindow.h"
#include "widgets/commandbutton.h"
#include "widgets/guardedtextbox.h"
#include "widgets/paperoutput.h"

#include <QDir>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

QuizResultSection::QuizResultSection(Platform &platform, const QuizSession &session,
                                     QWidget *parent)
    : QWidget(parent)
    , m_platform(platform)
    , m_session(session)
{
    setObjectName(QStringLiteral("picTestResult"));
    setAccessibleName(tr("Test result"));
    auto *title = new QLabel(tr("Orlendra Result"), this);
    title->setObjectName(QStringLiteral("lblResultTitle"));
    m_result = new GuardedTextBox(platform, this);
    m_result->setObjectName(QStringLiteral("txtResult"));
    m_result->setAccessibleName(title->text());
    // The result's columns fit the box; a longer line, such as a translation may have, wraps
    // rather than scroll sideways. The face is chosen when first shown.
    m_result->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    title->setBuddy(m_result);
    m_save = commandButton(tr("Save Current Result"), QStringLiteral("Command5"), this);
    m_review = commandButton(tr("Review Answers"), QStringLiteral("cmdReview"), this);
    auto *progress = commandButton(tr("Progress"), QStringLiteral("cmdProgress"), this);
    setTabOrder(progress, m_review);
    setTabOrder(m_review, m_save);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(m_result, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(progress);
    buttons->addWidget(m_review);
    buttons->addWidget(m_save);
    m_print = commandButton(tr("P&rint..."), QStringLiteral("cmdPrintResult"), this);
    m_pdf = commandButton(tr("Save as P&DF..."), QStringLiteral("cmdResultPdf"), this);
    // A row of their own below: beside the others they would leave no room for the captions.
    auto *paper = new QHBoxLayout;
    paper->addStretch(1);
    paper->addWidget(m_print);
    paper->addWidget(m_pdf);
    connect(m_print, &QPushButton::clicked, this, [this] { putOnPaper(false); });
    connect(m_pdf, &QPushButton::clicked, this, [this] { putOnPaper(true); });
    layout->addLayout(buttons);
    layout->addLayout(paper);
    updateReviewButton();

    connect(m_save, &QPushButton::clicked, this, &QuizResultSection::saveResult);
    connect(m_review, &QPushButton::clicked, this, &QuizResultSection::reviewAnswers);
    connect(progress, &QPushButton::clicked, this, &QuizResultSection::progressRequested);
}

void QuizResultSection::showLastResult()
{
    const std::optional<AnswerSheet> &sheet = m_session.lastFinished();
    const QString text = sheet ? QuizResultFile::text(loadRuneCatalogue(), *sheet) : QString();
    m_result->setText(text);
    m_finishedAt = m_platform.now();
    // The total closes the text, where a screen reader never gets on its own; the button that
    // takes the focus at a test's end says it.
    m_save->setAccessibleDescription(
        //: Heard on the save button: %1 is the last line of the result, its total
        tr("Result: %1").arg(text.section(QStringLiteral("\r\n"), -1).simplified()));
    updateReviewButton();
}

void QuizResultSection::showEvent(QShowEvent *event)
{
    // Result lines are laid out in columns, which only line up in a fixed-pitch face. Loading
    // that face is left until the section is first shown: the study window opens without it.
    if (!m_fixedPitch) {
        m_fixedPitch = true;
        QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        fixed.setPointSizeF(font().pointSizeF());
        m_result->setFont(fixed);
    }
    updateReviewButton();
    QWidget::showEvent(event);
}

void QuizResultSection::updateReviewButton()
{
    m_review->setEnabled(m_session.lastFinished().has_value());
    if (m_print) {
        m_print->setEnabled(m_review->isEnabled());
        m_pdf->setEnabled(m_review->isEnabled());
    }
}

void QuizResultSection::putOnPaper(bool pdf)
{
    if (!m_session.lastFinished())
        return;
    const AnswerSheet &sheet = *m_session.lastFinished();
    const AnswerReview::Model review(loadRuneCatalogue(), sheet);
    const ResultPaper paper(review, AnswerReview::title(sheet), m_finishedAt);
    if (pdf)
        PaperOutput::savePdf(m_platform, this, paper);
    else
        PaperOutput::print(m_platform, this, paper);
}

void QuizResultSection::reviewAnswers()
{
    if (!m_session.lastFinished())
        return;
    auto *review = new ReviewWindow(*m_session.lastFinished(), this);
    review->offerPaper(m_platform, m_finishedAt);
    review->setAttribute(Qt::WA_DeleteOnClose);
    review->open();
}

void QuizResultSection::saveResult()
{
    const QString path = QuizResultFile::withTextSuffix(
        //: A filter of the save dialog: %1 is the pattern of the file names, kept as it is
        m_platform.saveFileName(this, tr("Text file (%1)").arg(QStringLiteral("*.txt"))));
    if (path.isEmpty())
        return;
    // Pasted rather than meant, and a file that hardly anything can name again.
    if (path.contains(QLatin1Char('\n')) || path.contains(QLatin1Char('\r'))) {
        m_platform.message(this,
                           tr("The result was not saved: the file name %1 holds a line break.")
                               .arg(QDir::toNativeSeparators(path)),
                           Platform::Icon::Critical);
        return;
    }
    const FileSaving::Failure failure = QuizResultFile::save(path, m_result->text());
    if (failure.isEmpty())
        return;
    m_platform.message(this,
                       withDetail(
                           //: %1 is the file's path, %2 why it could not be saved
                           tr("The result could not be saved to %1.\n%2\n\nAny file of that "
                              "name still holds what it held before, and the result is still "
                              "in the box.")
                               .arg(QDir::toNativeSeparators(path), failure.reason),
                           failure.detail),
                       Platform::Icon::Critical);
}
