#include "framewindow.h"

#include "brand/branding.h"
#include "quizscreens/meaningsquizpage.h"
#include "quizscreens/quizpagedriver.h"
#include "widgets/linklabel.h"
#include "widgets/screenfit.h"
#include "widgets/wrappingcheckbox.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

QPushButton *barButton(const QString &name, const QString &caption, QWidget *bar)
{
    auto *button = new QPushButton(caption, bar);
    button->setObjectName(name);
    button->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
    // As drawn, unless a longer caption needs more.
    button->setMinimumSize(Branding::atFontSize(bar, QSize(86, 25)));
    return button;
}

// Tab brings what it reaches into view by the frame's rule (see the constructor) alone: the scroll
// area's own would scroll sideways to show all of a box wider than the view.
class TestArea : public QScrollArea
{
public:
    using QScrollArea::QScrollArea;

    // The whole test, where a scroll area would ask for a corner of it: the frame is as large
    // as its test, unless the screen is smaller.
    QSize sizeHint() const override
    {
        const QWidget *test = widget();
        return test->sizeHint().expandedTo(test->minimumSize()) +
               QSize(frameWidth(), frameWidth()) * 2;
    }

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
    m_start = barButton(QStringLiteral("cmdStart"), tr("&Start Again"), m_top);
    m_donate = barButton(QStringLiteral("cmdDonate"), tr("&Donate"), m_top);
    auto *topButtons = new QVBoxLayout(m_top);
    topButtons->setContentsMargins(0, 6, 20, 8);
    topButtons->setSpacing(3);
    topButtons->addWidget(m_start, 0, Qt::AlignRight);
    topButtons->addWidget(m_donate, 0, Qt::AlignRight);

    // The test window is larger than many screens; the scroll area keeps every part of it in
    // reach on those.
    m_scroller = new TestArea(this);
    m_scroller->setObjectName(QStringLiteral("meaningTestArea"));
    m_scroller->setFrameShape(QFrame::NoFrame);
    m_scroller->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_scroller->setWidgetResizable(true);
    m_test = new MeaningsQuizPage;
    m_scroller->setWidget(m_test);

    m_bottom = new QWidget(this);
    m_bottom->setObjectName(QStringLiteral("picBottom"));
    m_bottom->setMinimumHeight(Branding::atFontSize(this, QSize(0, 43)).height());
    m_exit = barButton(QStringLiteral("cmdExit"), tr("E&xit"), m_bottom);
    const auto openPage = [this](WebPages::Page page) { emit webPageRequested(page); };
    const Branding::BrandLabels offers = Branding::addBrandLabels(m_bottom, openPage);
    auto *bottomRow = new QHBoxLayout(m_bottom);
    bottomRow->setContentsMargins(4, 0, 20, 2);
    auto *offerPlace = new QVBoxLayout;
    for (LinkLabel *offer : {offers.cobrand, offers.fullBrand}) {
        offer->setMinimumWidth(Branding::atFontSize(this, QSize(439, 0)).width());
        offerPlace->addWidget(offer);
    }
    offerPlace->addStretch(1);
    bottomRow->addLayout(offerPlace);
    bottomRow->addStretch(1);
    auto *exitPlace = new QVBoxLayout;
    exitPlace->addSpacing(10);
    exitPlace->addWidget(m_exit);
    exitPlace->addStretch(1);
    bottomRow->addLayout(exitPlace);

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
    ensurePolished();
    fitToScreen(this, sizeHint(), screen);
}

void FrameWindow::closeEvent(QCloseEvent *event)
{
    emit closing();
    QMainWindow::closeEvent(event);
}
