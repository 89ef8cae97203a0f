#include "practicewindow.h"

#include "brand/branding.h"
#include "keywordsquizpage.h"
#include "meaningsquizpage.h"
#include "platform/platform.h"
#include "quizpagedriver.h"
#include "reviewwindow.h"
#include "widgets/commandbutton.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QStackedWidget>
#include <QVBoxLayout>

PracticeWindow::PracticeWindow(Platform &platform, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_session(platform.random())
{
    setObjectName(QStringLiteral("frmPractice"));
    setWindowTitle(tr("Practice Round"));
    setAccessibleName(windowTitle());
    setFont(Branding::programFont());

    m_pages = new QStackedWidget;
    m_pages->setObjectName(QStringLiteral("practicePages"));
    // The keywords page stands where the meanings page has its stone, so that the stone, the
    // question number and "Next" stay in place from one question to the next.
    auto *keywordsHolder = new QWidget(m_pages);
    m_keywords = new KeywordsQuizPage(keywordsHolder);
    auto *keywordsPlace = new QHBoxLayout(keywordsHolder);
    keywordsPlace->setContentsMargins(64, 0, 0, 0);
    keywordsPlace->addWidget(m_keywords, 0, Qt::AlignTop);
    keywordsPlace->addStretch(1);
    m_keywordsDriver =
        QuizPageDriver::drive(QuizSubject::Keywords, m_session, platform, m_keywords);
    // The meanings driver's digit keys work wherever the focus stands in the window, but only
    // while its page is in front: a shortcut of a hidden widget does nothing.
    m_meanings = new MeaningsQuizPage(m_pages);
    m_meaningsDriver =
        QuizPageDriver::drive(QuizSubject::Meanings, m_session, platform, m_meanings);

    m_end = new QWidget(m_pages);
    m_end->setObjectName(QStringLiteral("fraPracticeEnd"));
    m_result = new QLabel(m_end);
    m_result->setObjectName(QStringLiteral("lblPracticeResult"));
    m_result->setAlignment(Qt::AlignCenter);
    m_result->setFont(scaledFont(font(), 2, true));
    m_review = commandButton(tr("Review Answers"), QStringLiteral("cmdReviewPractice"), m_end);
    QPushButton *close = commandButton(tr("Close"), QStringLiteral("cmdClosePractice"), m_end);
    auto *endLayout = new QVBoxLayout(m_end);
    endLayout->addStretch(1);
    endLayout->addWidget(m_result);
    auto *endButtons = new QHBoxLayout;
    endButtons->addStretch(1);
    endButtons->addWidget(m_review);
    endButtons->addWidget(close);
    endButtons->addStretch(1);
    endLayout->addLayout(endButtons);
    endLayout->addStretch(2);

    m_pages->addWidget(keywordsHolder);
    m_pages->addWidget(m_meanings);
    m_pages->addWidget(m_end);

    // The meanings page is taller than many screens; the scroll area keeps all of it in reach.
    m_scroller = new QScrollArea(this);
    m_scroller->setObjectName(QStringLiteral("practiceArea"));
    m_scroller->setFrameShape(QFrame::NoFrame);
    m_scroller->setWidgetResizable(true);
    m_scroller->setWidget(m_pages);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_scroller);

    for (QuizPageDriver *driver : {m_keywordsDriver, m_meaningsDriver}) {
        connect(driver, &QuizPageDriver::handedOver, this, &PracticeWindow::handOver);
        connect(driver, &QuizPageDriver::finished, this, &PracticeWindow::finish);
    }
    connect(m_review, &QPushButton::clicked, this, [this, &platform] {
        auto *review = new ReviewWindow(m_session.round(), this);
        // Only the round just ended is reviewed here: it was taken now.
        review->offerPaper(platform, platform.now());
        review->setAttribute(Qt::WA_DeleteOnClose);
        review->open();
    });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    new QShortcut(QKeySequence::Cancel, this, this, &QWidget::close);
    // As in the meanings test's frame: the focus moves by itself too, to "Next" after the last
    // needed tick and to the first box of a new question, and what it reaches comes into view.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (!now || !m_pages->isAncestorOf(now))
            return;
        // A new question is read from its top left corner: the stone, its name, its number.
        if (QuizPage *page = currentPage(); page && now == page->optionBox(0)) {
            m_scroller->horizontalScrollBar()->setValue(0);
            m_scroller->verticalScrollBar()->setValue(0);
        }
        // The whole of it with the brown frame around a box.
        m_scroller->ensureWidgetVisible(now, 16, 16);
    });

    fitTo(screen());
}

void PracticeWindow::fitTo(const QScreen *screen)
{
    // Room left for the borders the window system draws around the window.
    const QSize wanted =
        m_meanings->sizeHint() + QSize(m_scroller->verticalScrollBar()->sizeHint().width(), 0);
    resize(wanted.boundedTo(screen->availableSize() - QSize(16, 48)));
}

void PracticeWindow::start(const QList<PracticeAnswer> &questions, QuizLevel level,
                           StoneTypes stoneTypes)
{
    m_session.setStoneTypes(stoneTypes);
    m_session.startPractice(questions, level);
    // The window is as tall as the meanings page at the round's level.
    m_meanings->showLevel(level);
    if (!runs())
        return;
    driverOf(m_session.subject())->next();
    showPageOf(m_session.subject());
}

bool PracticeWindow::runs() const
{
    return m_session.runs(QuizSubject::Keywords) || m_session.runs(QuizSubject::Meanings);
}

QuizPage *PracticeWindow::currentPage() const
{
    return runs() ? pageOf(m_session.subject()) : nullptr;
}

QuizPage *PracticeWindow::pageOf(QuizSubject subject) const
{
    return subject == QuizSubject::Keywords ? static_cast<QuizPage *>(m_keywords) : m_meanings;
}

QuizPageDriver *PracticeWindow::driverOf(QuizSubject subject) const
{
    return subject == QuizSubject::Keywords ? m_keywordsDriver : m_meaningsDriver;
}

void PracticeWindow::handOver()
{
    // Filled while hidden: the focus arrives on a box that already tells the new question.
    driverOf(m_session.subject())->showQuestion();
    showPageOf(m_session.subject());
}

void PracticeWindow::showPageOf(QuizSubject subject)
{
    QuizPage *page = pageOf(subject);
    bringToFront(page == m_keywords ? m_keywords->parentWidget() : page, page->optionBox(0));
}

void PracticeWindow::finish()
{
    const PracticeRound &round = m_session.round();
    m_result->setText(tr("%1 Correct Out Of %2").arg(round.total()).arg(round.most()));
    m_review->setAccessibleDescription(m_result->text());
    bringToFront(m_end, m_review);
    emit roundFinished(round);
}

void PracticeWindow::bringToFront(QWidget *page, QWidget *target)
{
    // Left where it is, the focus would be handed to some control of the page on the way.
    if (QWidget *focus = QApplication::focusWidget(); focus && m_pages->isAncestorOf(focus))
        focus->clearFocus();
    m_pages->setCurrentWidget(page);
    target->setFocus(Qt::OtherFocusReason);
}

void PracticeWindow::closeEvent(QCloseEvent *event)
{
    emit closing();
    QWidget::closeEvent(event);
}
