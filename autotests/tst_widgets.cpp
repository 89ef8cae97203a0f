#include "platform/random.h"
#include "scriptedplatform.h"
#include "widgets/banner.h"
#include "widgets/guardedtextbox.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

// Opens the box's context menu and hands it to `use` once it is up (it is modal), then closes it.
void onContextMenu(GuardedTextBox &box, QContextMenuEvent::Reason reason,
                   const std::function<void(QMenu *)> &use)
{
    QTimer::singleShot(0, &box, [use] {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (auto *menu = qobject_cast<QMenu *>(widget); menu && menu->isVisible()) {
                use(menu);
                menu->close();
            }
        }
    });
    QContextMenuEvent event(reason, QPoint(5, 5), box.mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(box.viewport(), &event);
}

} // namespace

// The program's own widgets and what they decide, each on its own over a scripted desktop.
class WidgetsTest : public QObject
{
    Q_OBJECT

private slots:
    void guardedBox_offersNoCopyOrCut_data();
    void guardedBox_offersNoCopyOrCut();
    void guardedBox_clearsOnlyOurClipboard_data();
    void guardedBox_clearsOnlyOurClipboard();
    void guardedBox_keepsCrLf();
    void guardedBox_pastesOnlyText_data();
    void guardedBox_pastesOnlyText();
    void bannerNumber_data();
    void bannerNumber();
    void bannerShares();
};

void WidgetsTest::guardedBox_offersNoCopyOrCut_data()
{
    QTest::addColumn<QKeyCombination>("keys");
    QTest::addColumn<bool>("readOnly");
    QTest::newRow("Ctrl+C") << QKeyCombination(Qt::ControlModifier, Qt::Key_C) << true;
    QTest::newRow("Ctrl+Insert") << QKeyCombination(Qt::ControlModifier, Qt::Key_Insert) << true;
    QTest::newRow("Ctrl+X") << QKeyCombination(Qt::ControlModifier, Qt::Key_X) << false;
    QTest::newRow("Shift+Delete") << QKeyCombination(Qt::ShiftModifier, Qt::Key_Delete) << false;
    QTest::newRow("Ctrl+C editable") << QKeyCombination(Qt::ControlModifier, Qt::Key_C) << false;
    // No keys: the context menu, which has no entries for them.
    QTest::newRow("context menu, editable") << QKeyCombination() << false;
}

void WidgetsTest::guardedBox_offersNoCopyOrCut()
{
    QFETCH(QKeyCombination, keys);
    QFETCH(bool, readOnly);
    ScriptedPlatform platform;
    GuardedTextBox box(platform);
    box.setReadOnly(readOnly);
    box.setText(QStringLiteral("Secret rune lore"));
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QGuiApplication::clipboard()->setText(QStringLiteral("copied elsewhere"));
    box.selectAll();
    if (keys.key() == Qt::Key_unknown) {
        QStringList names;
        onContextMenu(box, QContextMenuEvent::Mouse, [&names](QMenu *menu) {
            for (QAction *action : menu->actions())
                names << action->objectName();
        });
        QVERIFY(names.contains(QLatin1String("select-all")));
        QVERIFY(!names.contains(QLatin1String("edit-copy")));
        QVERIFY(!names.contains(QLatin1String("edit-cut")));
    } else {
        QTest::keyClick(&box, keys.key(), keys.keyboardModifiers());
    }
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("copied elsewhere"));
    QCOMPARE(box.text(), QStringLiteral("Secret rune lore"));
}

void WidgetsTest::guardedBox_clearsOnlyOurClipboard_data()
{
    QTest::addColumn<bool>("ours");
    QTest::addColumn<QString>("after");
    QTest::newRow("from another program") << false << "copied elsewhere";
    QTest::newRow("from this program") << true << "";
}

void WidgetsTest::guardedBox_clearsOnlyOurClipboard()
{
    QFETCH(bool, ours);
    QFETCH(QString, after);
    ScriptedPlatform platform;
    GuardedTextBox box(platform);
    box.resize(200, 100);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    const auto reset = [&] {
        platform.clipboardText = QStringLiteral("copied elsewhere");
        platform.clipboardOurs = ours;
    };
    reset();
    QMouseEvent move(QEvent::MouseMove, QPointF(20, 20),
                     box.viewport()->mapToGlobal(QPointF(20, 20)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(box.viewport(), &move);
    QCOMPARE(platform.clipboardText, after);
    reset();
    QTest::mouseClick(box.viewport(), Qt::LeftButton, {}, QPoint(30, 30));
    QCOMPARE(platform.clipboardText, after);
    reset();
    box.setText(QStringLiteral("changed by the program"));
    QCOMPARE(platform.clipboardText, after);
    // A box nobody sees takes its text in only when shown; the rule holds when the text is given,
    // and the showing itself leaves whatever is on the clipboard by then alone.
    GuardedTextBox hidden(platform);
    reset();
    hidden.setText(QStringLiteral("held until shown"));
    QCOMPARE(platform.clipboardText, after);
    reset();
    hidden.show();
    QVERIFY(QTest::qWaitForWindowExposed(&hidden));
    QCOMPARE(hidden.toPlainText(), QStringLiteral("held until shown"));
    QCOMPARE(platform.clipboardText, QStringLiteral("copied elsewhere"));
}

void WidgetsTest::guardedBox_keepsCrLf()
{
    ScriptedPlatform platform;
    GuardedTextBox box(platform);
    // Text given before the box is first shown is laid out when it appears.
    box.setText(QStringLiteral("one\r\ntwo"));
    QCOMPARE(box.text(), QStringLiteral("one\r\ntwo"));
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QCOMPARE(box.blockCount(), 2);
    QCOMPARE(box.text(), QStringLiteral("one\r\ntwo"));
    box.setText(QStringLiteral("a\r\n\r\nb"));
    QCOMPARE(box.blockCount(), 3);
    QCOMPARE(box.text(), QStringLiteral("a\r\n\r\nb"));
}

void WidgetsTest::guardedBox_pastesOnlyText_data()
{
    QTest::addColumn<QString>("format"); // empty: the clipboard holds nothing at all
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("route");
    QTest::addColumn<QString>("after");
    const QStringList routes{"Ctrl+V", "Shift+Insert", "menu"};
    for (const QString &route : routes) {
        QTest::addRow("nothing, %s", qPrintable(route)) << "" << QByteArray() << route << "goal";
        QTest::addRow("no format, %s", qPrintable(route))
            << "none" << QByteArray() << route << "goal";
        QTest::addRow("a picture, %s", qPrintable(route))
            << "image/png" << QByteArray("\x89PNG") << route << "goal";
        QTest::addRow("text, %s", qPrintable(route))
            << "text/plain" << QByteArray("Rune ") << route << "Rune goal";
        QTest::addRow("empty text, %s", qPrintable(route))
            << "text/plain" << QByteArray() << route << "goal";
    }
}

void WidgetsTest::guardedBox_pastesOnlyText()
{
    QFETCH(QString, format);
    QFETCH(QByteArray, data);
    QFETCH(QString, route);
    QFETCH(QString, after);
    ScriptedPlatform platform;
    GuardedTextBox box(platform);
    box.setText(QStringLiteral("goal"));
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    if (!format.isEmpty()) {
        // What another program leaves behind: data with no format, or only one that is no text.
        auto *mime = new QMimeData;
        if (format != QLatin1String("none"))
            mime->setData(format, data);
        clipboard->setMimeData(mime);
    }
    box.setFocus();
    box.moveCursor(QTextCursor::Start);
    if (route == QLatin1String("Ctrl+V")) {
        QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
    } else if (route == QLatin1String("Shift+Insert")) {
        QTest::keyClick(&box, Qt::Key_Insert, Qt::ShiftModifier);
    } else {
        // "Paste" is offered exactly when it would paste something.
        onContextMenu(box, QContextMenuEvent::Keyboard, [after](QMenu *menu) {
            for (QAction *action : menu->actions()) {
                if (action->objectName() == QLatin1String("edit-paste")) {
                    QCOMPARE(action->isEnabled(), after != QLatin1String("goal"));
                    action->trigger();
                }
            }
        });
    }
    QCOMPARE(box.text(), after);
}

void WidgetsTest::bannerNumber_data()
{
    QTest::addColumn<double>("unit");
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("pick");
    const int cobrand = int(BannerPick::Cobrand);
    const int full = int(BannerPick::FullBrand);
    const int built = int(BannerPick::AsBuilt);
    QTest::newRow("zero") << 0.0 << 1 << cobrand;
    QTest::newRow("just below 1/12") << 1.0 / 12 - 1e-9 << 1 << cobrand;
    QTest::newRow("1/12: 1.5 goes to even 2") << 1.0 / 12 << 2 << full;
    QTest::newRow("1/4: 2.5 goes to even 2") << 0.25 << 2 << full;
    QTest::newRow("just above 1/4") << 0.25 + 1e-9 << 3 << cobrand;
    QTest::newRow("5/12: 3.5 goes to even 4") << 5.0 / 12 << 4 << full;
    QTest::newRow("one half") << 0.5 << 4 << full;
    QTest::newRow("3/4: 5.5 goes to even 6") << 0.75 << 6 << full;
    QTest::newRow("just below 11/12") << 11.0 / 12 - 1e-9 << 6 << full;
    QTest::newRow("11/12: 6.5 goes to even 6") << 11.0 / 12 << 6 << full;
    QTest::newRow("above 11/12") << 0.95 << 7 << built;
    QTest::newRow("largest") << 0.9999999 << 7 << built;
}

void WidgetsTest::bannerNumber()
{
    QFETCH(double, unit);
    QFETCH(int, number);
    QFETCH(int, pick);
    QCOMPARE(::bannerNumber(unit), number);
    QCOMPARE(int(bannerPickFor(number)), pick);
}

void WidgetsTest::bannerShares()
{
    RandomEngine engine(7);
    std::array<int, 3> counts{};
    const int runs = 120000;
    for (int i = 0; i < runs; ++i)
        ++counts[int(bannerPickFor(::bannerNumber(randomUnit(engine))))];
    // About 5/12, 6/12 and 1/12.
    QVERIFY(qAbs(counts[int(BannerPick::Cobrand)] - runs * 5 / 12) < runs / 100);
    QVERIFY(qAbs(counts[int(BannerPick::FullBrand)] - runs * 6 / 12) < runs / 100);
    QVERIFY(qAbs(counts[int(BannerPick::AsBuilt)] - runs / 12) < runs / 100);
}

QTEST_MAIN(WidgetsTest)
#include "tst_widgets.moc"
