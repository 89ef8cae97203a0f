#include "framewindow.h"

#include "brand/branding.h"
#include "platform/twips.h"
#include "quizscreens/meaningsquizpage.h"
#include "quizscreens/quizpagedriver.h"
#include "widgets/linklabel.h"
#include "widgets/roomfortext.h"
#include "widgets/screenfit.h"
#include "widgets/wrappingcheckbox.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QPushButton *barButton(const QString &name, const QString &caption, int top, QWidget *bar)
{
    auto *button = new QPushButton(caption, bar);
    button->setObjectName(name);
    button->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
    // As drawn, unless a longer caption needs more.
    button->setGeometry(0, twips(top), std::max(twips(1290), button->sizeHint().width()),
                        twips(375));
    return button;
}

// Tab brings what it reaches into view by the frame's rule (see the constructor) alone: the scroll
// area's own would scroll sideways to show all of a box wider than the view.
class TestArea : public QScrollArea
{
public:
    using QScrollArea::QScrollArea;

protected:
    bool focusNextPrevChild(bool next) override { return QWidget::focusNextPrevChild(next); }
};

} // namespace

FrameWindow::FrameWindow(QuizSession &session, Platform &platform, QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("MDI"));
    setWindowTitle(Branding::windowTitle);
    setAccessibleName(tr("Orlendra meanings test"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(Branding::programFont());

    m_top = new QWidget(this);
    m_top->setObjectName(QStringLiteral("picTop"));
    m_top->setFixedHeight(twips(1005));
    m_start = barButton(QStringLiteral("cmdStart"), tr("&Start Again"), 90, m_top);
    m_donate = barButton(QStringLiteral("cmdDonate"), tr("&Donate"), 510, m_top);

    // The test window is larger than many screens; the scroll area keeps every part of it in
    // reach on those.
    m_scroller = new TestArea(this);
    m_scroller->setObjectName(QStringLiteral("meaningTestArea"));
    m_scroller->setFrameShape(QFrame::NoFrame);
    m_scroller->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_test = new MeaningsQuizPage;
    m_scroller->setWidget(m_test);

    m_bottom = new QWidget(this);
    m_bottom->setObjectName(QStringLiteral("picBottom"));
    m_bottom->setFixedHeight(twips(645));
    m_exit = barButton(QStringLiteral("cmdExit"), tr("E&xit"), 150, m_bottom);
    const auto openPage = [this](WebPages::Page page) { emit webPageRequested(page); };
    Branding::addBrandLabels(m_bottom, twipsRect(60, 0, 6585, 615), openPage);
    makeRoomForTexts(m_bottom);

    auto *client = new QWidget(this);
    auto *layout = new QVBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_top);
    layout->addWidget(m_scroller, 1);
    layout->addWidget(m_bottom);
    setCentralWidget(client);

    QMenu *file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction *startAgain = file->addAction(tr("&Start Again"));
    startAgain->setObjectName(QStringLiteral("mnuStart"));
    file->addSeparator();
    QAction *exit = file->addAction(tr("E&xit"));
    exit->setObjectName(QStringLiteral("mnuExit"));
    const Branding::WebMenu web = Branding::addWebMenus(menuBar(), openPage);

    connect(m_start, &QPushButton::clicked, this, &FrameWindow::startAgainRequested);
    connect(startAgain, &QAction::triggered, m_start, &QPushButton::click);
    connect(m_exit, &QPushButton::clicked, this, &QWidget::close);
    connect(exit, &QAction::triggered, m_exit, &QPushButton::click);
    connect(web.about, &QAction::triggered, this, &FrameWindow::aboutRequested);
    connect(m_donate, &QPushButton::clicked, this,
            [this] { emit webPageRequested(WebPages::Page::Donate); });

    m_driver = QuizPageDriver::drive(QuizSubject::Meanings, session, platform, m_test);
    connect(m_driver, &QuizPageDriver::finished, this, &FrameWindow::testFinished);
    // Tab scrolls the box it reaches into view, but the focus also moves by itself: to "Next"
    // after the last needed tick and back to the first box with a new question.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *old, QWidget *now) {
        if (!now || !m_test->isAncestorOf(now))
            return;
        // A new question is read from its top left corner: the stone, its name, its number.
        if (now == m_test->optionBox(0) && old && m_test->isAncestorOf(old)) {
            m_scroller->horizontalScrollBar()->setValue(0);
            m_scroller->verticalScrollBar()->setValue(0);
        }
        // The whole of it with the brown frame around a box.
        scrollIntoView(m_scroller, m_test, now);
    });

    fitTo(screen());
}

void FrameWindow::startTest()
{
    m_driver->next();
    m_test->optionBox(0)->setFocus(Qt::OtherFocusReason);
}

void FrameWindow::fitTo(const QScreen *screen)
{
    const QSize wanted(MeaningsQuizPage::FixedSize.width(),
                       MeaningsQuizPage::FixedSize.height() + m_top->height() + m_bottom->height() +
                           menuBar()->sizeHint().height());
    fitToScreen(this, wanted, screen);
}

void FrameWindow::keepButtonsRight()
{
    // Outer width, borders included, minus the button's width minus 300 twips. Where the
    // window system draws the borders itself, on Wayland, they need not be the thin ones the
    // layout was drawn with, so there the window's own width counts.
    const int outer = windowSystemPlacesWindows() ? width() : frameGeometry().width();
    for (QPushButton *button : {m_start, m_donate, m_exit})
        button->move(outer - button->width() - twips(300), button->y());
}

void FrameWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    keepButtonsRight();
}

void FrameWindow::closeEvent(QCloseEvent *event)
{
    emit closing();
    QMainWindow::closeEvent(event);
}
