#include "app/orlendraapp.h"
#include "brand/branding.h"
#include "platform/webpages.h"
#include "studyfixture.h"
#include "widgets/linklabel.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

class WebLinksTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init();
    void cleanup();

    void everyElementOpensItsPage_data();
    void everyElementOpensItsPage();
    void noBrowser_showsTheAddress();
    void aboutBox_isModalAndCloses_data();
    void aboutBox_isModalAndCloses();

private:
    // "frmMain", "MDI", or "frmAbout" opened from the study window; shown and active.
    QWidget *open(const QString &window);
    // Walks the focus with Tab, as a keyboard user would, until it reaches the widget.
    static bool tabTo(QWidget *widget);

    std::unique_ptr<ProgramRun> m_run;
};

void WebLinksTest::init()
{
    m_run = std::make_unique<ProgramRun>();
}

void WebLinksTest::cleanup()
{
    m_run.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QWidget *WebLinksTest::open(const QString &window)
{
    if (!m_run->app.start())
        return nullptr;
    QWidget *shown = m_run->app.studyWindow();
    if (window == QLatin1String("MDI")) {
        shown = m_run->app.showFrameWindow();
    } else if (window == QLatin1String("frmAbout")) {
        shown->findChild<QAction *>(QStringLiteral("mnuAbout"))->trigger();
        shown = QApplication::activeModalWidget();
    }
    if (!shown)
        return nullptr;
    shown->activateWindow();
    return QTest::qWaitFor([shown] { return QApplication::activeWindow() == shown; }) ? shown
                                                                                      : nullptr;
}

bool WebLinksTest::tabTo(QWidget *widget)
{
    for (int step = 0; step < 100 && !widget->hasFocus(); ++step)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    return widget->hasFocus();
}

void WebLinksTest::everyElementOpensItsPage_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("element");
    // trigger: the menu entry is chosen; click: the mouse; key: Tab to it and Enter or Space
    // (for a menu title, its Alt shortcut); press: a screen reader's press action.
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("page");

    const auto row = [](const char *window, const char *element, const char *how,
                        const char *page) {
        QTest::addRow("%s %s %s", window, element, how) << window << element << how << page;
    };
    for (const char *window : {"frmMain", "MDI"}) {
        row(window, "mnuOnline", "trigger", "help-web-page");
        row(window, "mnuVisit", "trigger", "home-page");
        row(window, "mnuUpdate", "trigger", "download-web-page");
        row(window, "mnuDonate", "click", "donate");
        row(window, "mnuMakeMoney", "trigger", "fully-branded");
        row(window, "lblCobrand", "click", "co-brand");
        row(window, "lblFullBrand", "press", "fully-branded");
    }
    row("frmMain", "mnuDonate", "key", "donate");
    row("frmMain", "Label14", "click", "home-page");
    row("frmMain", "Label14", "key", "home-page");
    row("frmMain", "lblCobrand", "press", "co-brand");
    row("MDI", "cmdDonate", "click", "donate");
    row("MDI", "lblFullBrand", "key", "fully-branded");
    row("frmAbout", "lblHomePage", "click", "home-page");
    row("frmAbout", "lblHomePage", "press", "home-page");
    row("frmAbout", "lblCoBrand", "click", "fully-branded");
    row("frmAbout", "lblCoBrand", "key", "fully-branded");
}

void WebLinksTest::everyElementOpensItsPage()
{
    QFETCH(QString, window);
    QFETCH(QString, element);
    QFETCH(QString, how);
    QFETCH(QString, page);
    QWidget *shown = open(window);
    QVERIFY(shown);

    if (auto *action = shown->findChild<QAction *>(element)) {
        auto *bar = shown->findChild<QMenuBar *>();
        if (how == QLatin1String("trigger"))
            action->trigger();
        else if (how == QLatin1String("click"))
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(action).center());
        else
            QTest::keyClick(shown, Qt::Key_D, Qt::AltModifier);
    } else {
        auto *widget = shown->findChild<QWidget *>(element);
        QVERIFY(widget);
        // An offer is used as the user sees it: in front.
        if (auto *label = qobject_cast<LinkLabel *>(widget); label && !label->isVisible())
            Branding::bringToFront(label);
        QVERIFY(widget->isVisible());
        if (how == QLatin1String("click")) {
            QTest::mouseClick(widget, Qt::LeftButton);
        } else if (how == QLatin1String("key")) {
            QVERIFY(tabTo(widget));
            // Held down: the repeats open nothing more.
            const Qt::Key key =
                element.endsWith(QLatin1String("Brand")) ? Qt::Key_Space : Qt::Key_Return;
            QTest::keyPress(widget, key);
            QKeyEvent repeat(QEvent::KeyPress, key, Qt::NoModifier, QString(), true);
            QApplication::sendEvent(widget, &repeat);
            QTest::keyRelease(widget, key);
        } else {
            QAccessibleInterface *link = QAccessible::queryAccessibleInterface(widget);
            QCOMPARE(link->role(), QAccessible::Link);
            QCOMPARE(link->text(QAccessible::Name), qobject_cast<QLabel *>(widget)->text());
            QVERIFY(link->state().focusable);
            const QString press = QAccessibleActionInterface::pressAction();
            QVERIFY(link->actionInterface()->actionNames().contains(press));
            link->actionInterface()->doAction(press);
        }
    }

    const QUrl expected(WebPages::endpoint() + QStringLiteral("/orlendra/ssd.php?page=") + page);
    QCOMPARE(m_run->platform.openedUrls, QList<QUrl>{expected});
    QVERIFY(m_run->platform.messages.isEmpty());
    // A link never closes the box it stands in, not even with the Enter that OK would take.
    if (window == QLatin1String("frmAbout"))
        QCOMPARE(QApplication::activeModalWidget(), shown);
}

void WebLinksTest::noBrowser_showsTheAddress()
{
    m_run->platform.browser = false;
    open(QStringLiteral("frmMain"))->findChild<QAction *>(QStringLiteral("mnuVisit"))->trigger();
    QVERIFY(m_run->platform.messages.value(0).text.contains(
        WebPages::address(QStringLiteral("home-page")).toString()));
}

void WebLinksTest::aboutBox_isModalAndCloses_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("how");
    for (const char *window : {"frmMain", "MDI"}) {
        for (const char *how : {"Enter", "Escape", "OK"})
            QTest::addRow("%s %s", window, how) << window << how;
    }
}

void WebLinksTest::aboutBox_isModalAndCloses()
{
    QFETCH(QString, window);
    QFETCH(QString, how);
    QWidget *owner = open(window);
    QVERIFY(owner);
    for (int time = 0; time < 2; ++time) {
        owner->findChild<QAction *>(QStringLiteral("mnuAbout"))->trigger();
        QPointer<QDialog> box = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        QVERIFY(box);
        QCOMPARE(box->objectName(), QStringLiteral("frmAbout"));
        QCOMPARE(box->parentWidget(), owner);
        QVERIFY(box->isModal());
        QCOMPARE(box->windowTitle(), QStringLiteral("Orlendra v1.80"));
        // A desktop hands the focus to a newly shown dialog; the offscreen one needs asking.
        box->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), box);
        auto *ok = box->findChild<QPushButton *>(QStringLiteral("cmdOK"));
        QCOMPARE(QApplication::focusWidget(), ok);
        if (how == QLatin1String("OK"))
            QTest::mouseClick(ok, Qt::LeftButton);
        else
            QTest::keyClick(QApplication::focusWidget(),
                            how == QLatin1String("Enter") ? Qt::Key_Return : Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        // Gone, not merely hidden: the next request builds a new box.
        QVERIFY(box.isNull());
        QVERIFY(!QApplication::activeModalWidget());
    }
    QVERIFY(m_run->platform.openedUrls.isEmpty());
    QVERIFY(m_run->platform.messages.isEmpty());
}

QTEST_MAIN(WebLinksTest)
#include "tst_weblinks.moc"
