#include "framewindow.h"

#include "platform/branding.h"
#include "platform/linklabel.h"
#include "platform/twips.h"
#include "tests/meaningtestwindow.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

QPushButton *barButton(const QString &name, const QString &caption, int top, QWidget *bar)
{
    auto *button = new QPushButton(caption, bar);
    button->setObjectName(name);
    button->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
    button->setGeometry(0, twips(top), twips(1290), twips(375));
    return button;
}

} // namespace

FrameWindow::FrameWindow(QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("MDI"));
    setWindowTitle(Branding::windowTitle);
    setAccessibleName(QStringLiteral("Orlendra meanings test"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(Branding::programFont());

    auto *top = new QWidget(this);
    top->setObjectName(QStringLiteral("picTop"));
    top->setFixedHeight(twips(1005));
    m_start = barButton(QStringLiteral("cmdStart"), QStringLiteral("&Start Again"), 90, top);
    m_donate = barButton(QStringLiteral("cmdDonate"), QStringLiteral("&Donate"), 510, top);

    // The test window is larger than many screens; the scroll area keeps every part of it in
    // reach on those.
    auto *scroller = new QScrollArea(this);
    scroller->setObjectName(QStringLiteral("meaningTestArea"));
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_test = new MeaningTestWindow;
    scroller->setWidget(m_test);

    auto *bottom = new QWidget(this);
    bottom->setObjectName(QStringLiteral("picBottom"));
    bottom->setFixedHeight(twips(645));
    m_exit = barButton(QStringLiteral("cmdExit"), QStringLiteral("E&xit"), 150, bottom);
    Branding::addBrandLabels(bottom, twipsRect(60, 0, 6585, 615));

    auto *client = new QWidget(this);
    auto *layout = new QVBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(top);
    layout->addWidget(scroller, 1);
    layout->addWidget(bottom);
    setCentralWidget(client);

    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction *startAgain = file->addAction(QStringLiteral("&Start Again"));
    startAgain->setObjectName(QStringLiteral("mnuStart"));
    file->addSeparator();
    QAction *exit = file->addAction(QStringLiteral("E&xit"));
    exit->setObjectName(QStringLiteral("mnuExit"));
    const Branding::WebMenu web = Branding::addWebMenus(menuBar());

    connect(m_start, &QPushButton::clicked, this, &FrameWindow::startAgainRequested);
    connect(startAgain, &QAction::triggered, m_start, &QPushButton::click);
    connect(m_exit, &QPushButton::clicked, this, &QWidget::close);
    connect(exit, &QAction::triggered, m_exit, &QPushButton::click);
    connect(web.about, &QAction::triggered, this, &FrameWindow::aboutRequested);

    // As large as the test needs, but never larger than the screen it opens on.
    const QSize wanted(MeaningTestWindow::FixedSize.width(), MeaningTestWindow::FixedSize.height() +
                                                                 top->height() + bottom->height() +
                                                                 menuBar()->sizeHint().height());
    QSize size = wanted;
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        size = wanted.boundedTo(screen->availableGeometry().size() - QSize(16, 48));
    resize(size);
}

void FrameWindow::keepButtonsRight()
{
    // Outer width, borders included, minus the button's width minus 300 twips.
    const int outer = frameGeometry().width();
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
