#include "catalogue/runecatalogue.h"
#include "catalogue/stonepicturebox.h"
#include "catalogue/stonepictures.h"
#include "ordinaryuser.h"
#include "quizscreens/quizsetupwizard.h"
#include "study/goalfile.h"
#include "study/settingssection.h"
#include "study/studywalk.h"
#include "study/studywindow.h"
#include "studyfixture.h"
#include "widgets/guardedtextbox.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

#include <filesystem>
#include <sys/stat.h>

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class StudyWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init();
    void cleanup();

    void firstStart();
    void refusedStart_leavesTheWalkUnbuilt();
    void walk_showsEachStoneOfTheTickedAettir_data();
    void walk_showsEachStoneOfTheTickedAettir();
    void sectionButton_restartsTheWalkButKeepsTheStone();
    void tabFromTheSectionButtons_entersTheSection();
    void endOfWalk_offersTheTest_data();
    void endOfWalk_offersTheTest();
    void testSetUpButton_opensTheFirstPage();
    void goals_lockedUntilTicked();
    void goals_saveWritesTheFile();
    void goals_failedSaveIsToldAndKeepsTheText_data();
    void goals_failedSaveIsToldAndKeepsTheText();
    void goals_badFilesStillStart();
    void goals_keepTheirFiles_data();
    void goals_keepTheirFiles();
    void everyControlIsNamed();
    void windowHasItsFixedSize();

private:
    StudyWindow &openWindow();
    void press(const QString &name);
    template <class Control> Control *child(const QString &name) const
    {
        m_fixture->window->memorizeSection();
        m_fixture->window->goalsSection();
        return m_fixture->window->findChild<Control *>(name);
    }
    QString shownText(const QString &boxName) const
    {
        return child<GuardedTextBox>(boxName)->text();
    }
    QString stoneName() const { return child<QLabel>(QStringLiteral("lblStoneName"))->text(); }
    QCheckBox *goalTick(int goal) const
    {
        return child<QCheckBox>(QStringLiteral("chkGoal%1").arg(goal));
    }
    GuardedTextBox *goalBox(int goal) const
    {
        return child<GuardedTextBox>(QStringLiteral("txtGoal%1").arg(goal));
    }
    QPushButton *goalSave(int goal) const
    {
        return child<QPushButton>(QStringLiteral("cmdGoal%1").arg(goal));
    }

    std::unique_ptr<StudyFixture> m_fixture;
    // Shorthands into the fixture of the running test.
    ScriptedPlatform *m_platform = nullptr;
    StudyWalk *m_walk = nullptr;
    QTemporaryDir *m_folder = nullptr;
};

void StudyWindowTest::init()
{
    m_fixture = std::make_unique<StudyFixture>();
    m_platform = &m_fixture->platform;
    m_walk = &m_fixture->walk;
    m_folder = &m_fixture->folder;
}

void StudyWindowTest::cleanup()
{
    m_fixture.reset();
}

StudyWindow &StudyWindowTest::openWindow()
{
    return m_fixture->open();
}

void StudyWindowTest::press(const QString &name)
{
    auto *button = m_fixture->window->findChild<QAbstractButton *>(name);
    QVERIFY2(button, qPrintable(name));
    QTest::mouseClick(button, Qt::LeftButton);
}

void StudyWindowTest::firstStart()
{
    StudyWindow &window = openWindow();
    QCOMPARE(window.frontSection(), StudyWindow::Section::Settings);
    QVERIFY(m_platform->messages.isEmpty());
    // A start builds only the section it shows; the others come when first wanted.
    QVERIFY(window.findChildren<GuardedTextBox *>().isEmpty());
    // Goal files made with their defaults and shown, locked.
    for (int goal = 1; goal <= 2; ++goal) {
        const QString path =
            QDir(m_folder->path()).filePath(QStringLiteral("Goal%1.txt").arg(goal));
        QCOMPARE(readAll(path), QStringLiteral("This is Goal %1.\r\n").arg(goal).toLatin1());
        QCOMPARE(goalBox(goal)->text(), QStringLiteral("This is Goal %1.").arg(goal));
        QVERIFY(!goalBox(goal)->isEnabled());
    }
    // Every tick set (what is stored, and the walk, are the controller's: tst_studycontroller);
    // Tab goes down the objects as they stand on screen.
    QCOMPARE(window.settingsSection()->ticks(), StudySettings::allTicked());
    QVERIFY(QTest::qWaitForWindowActive(&window));
    child<QCheckBox>(QStringLiteral("chkMeanings_2"))->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("chkObjects_1"));
    // Fehu prepared behind the Settings section, for when Memorize Stones is first shown.
    QCOMPARE(stoneName(), QStringLiteral("Fehu"));
    QCOMPARE(shownText(QStringLiteral("txtKeywords")),
             QStringLiteral("Wealth, Mobility, Fulfillment, Intuition"));
    QCOMPARE(shownText(QStringLiteral("txtAlternativeNames")), QStringLiteral("Faihu, Foeh, Fe"));
    QVERIFY(shownText(QStringLiteral("txtMeaning_0"))
                .startsWith(QLatin1String("The meaning of the rune")));
    QVERIFY(!child<QPushButton>(QStringLiteral("cmdBack"))->isEnabled());
    QVERIFY(child<QPushButton>(QStringLiteral("cmdNext"))->isEnabled());
}

// The refusal itself is the controller's (tst_studycontroller).
void StudyWindowTest::refusedStart_leavesTheWalkUnbuilt()
{
    for (int i = 0; i < 3; ++i)
        m_platform->store.values.insert(QStringLiteral("Settings/StoneGroup%1").arg(i),
                                        QStringLiteral("0"));
    StudyWindow &window = openWindow();
    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(window.frontSection(), StudyWindow::Section::Settings);
    // The section keeps its design contents, and its buttons do nothing harmful.
    QCOMPARE(stoneName(), QStringLiteral("Stone Name"));
    press(QStringLiteral("cmdSubjects_1"));
    press(QStringLiteral("cmdNext"));
    press(QStringLiteral("cmdBack"));
    QVERIFY(m_walk->studyOrder.isEmpty());
    QCOMPARE(m_walk->studyPosition, 0);
    QCOMPARE(m_platform->messages.size(), 1);
}

void StudyWindowTest::walk_showsEachStoneOfTheTickedAettir_data()
{
    QTest::addColumn<QString>("stored"); // StoneGroup0..2
    QTest::addColumn<QStringList>("names");
    QTest::newRow("all") << "111"
                         << QStringList{"Fehu",   "Uruz",   "Thurisaz", "Ansuz",   "Raidho",
                                        "Kenaz",  "Gebo",   "Wunjo",    "Hagalaz", "Nauthiz",
                                        "Isa",    "Jera",   "Eihwaz",   "Perthro", "Algiz",
                                        "Sowilo", "Tiwaz",  "Berkano",  "Ehwaz",   "Mannaz",
                                        "Laguz",  "Ingwaz", "Dagaz",    "Othala"};
    QTest::newRow("second") << "010" << QStringList{"Hagalaz", "Nauthiz", "Isa",   "Jera",
                                                    "Eihwaz",  "Perthro", "Algiz", "Sowilo"};
    QTest::newRow("first and third")
        << "101" << QStringList{"Fehu",  "Uruz",   "Thurisaz", "Ansuz",   "Raidho", "Kenaz",
                                "Gebo",  "Wunjo",  "Tiwaz",    "Berkano", "Ehwaz",  "Mannaz",
                                "Laguz", "Ingwaz", "Dagaz",    "Othala"};
}

void StudyWindowTest::walk_showsEachStoneOfTheTickedAettir()
{
    QFETCH(QString, stored);
    QFETCH(QStringList, names);
    for (int i = 0; i < 3; ++i)
        m_platform->store.values.insert(QStringLiteral("Settings/StoneGroup%1").arg(i),
                                        QString(stored[i]));
    openWindow();
    press(QStringLiteral("cmdSubjects_1"));
    const auto picture = [this](int i) {
        return child<StonePictureBox>(QStringLiteral("picStone_%1").arg(i));
    };
    for (int p = 0; p < names.size(); ++p) {
        if (p > 0)
            press(QStringLiteral("cmdNext"));
        const int stone = m_walk->currentStone();
        QCOMPARE(stoneName(), names[p]);
        const QImage upright = StonePictures::picture(stone + 1).toImage();
        const QSize box = picture(0)->size();
        QCOMPARE(picture(0)->image(),
                 upright.scaled(box, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        QCOMPARE(picture(1)->image(), turnedPicture(upright, box));
        QCOMPARE(picture(1)->accessibleName(), names[p] + ", reversed");
        QCOMPARE(picture(2)->pictureNumber(), 25);
        const RuneCatalogue &catalogue = loadRuneCatalogue();
        QCOMPARE(shownText(QStringLiteral("txtMeaning_0")), catalogue.uprightMeanings[stone]);
        QCOMPARE(shownText(QStringLiteral("txtMeaning_1")), catalogue.reversedMeanings[stone]);
        QCOMPARE(shownText(QStringLiteral("txtMeaning_2")), catalogue.merkstaveMeanings[stone]);
        QCOMPARE(shownText(QStringLiteral("txtKeywords")),
                 catalogue.keywordsOf(stone).join(QStringLiteral(", ")));
        QCOMPARE(shownText(QStringLiteral("txtAlternativeNames")),
                 catalogue.alternativeNamesOf(stone).join(QStringLiteral(", ")));
    }
    QVERIFY(m_platform->messages.isEmpty());
}

void StudyWindowTest::sectionButton_restartsTheWalkButKeepsTheStone()
{
    StudyWindow &window = openWindow();
    press(QStringLiteral("cmdSubjects_1"));
    for (int i = 0; i < 4; ++i)
        press(QStringLiteral("cmdNext"));
    QCOMPARE(stoneName(), QStringLiteral("Raidho"));
    press(QStringLiteral("cmdSubjects_0"));
    QCOMPARE(window.frontSection(), StudyWindow::Section::Settings);
    press(QStringLiteral("cmdSubjects_1"));
    QCOMPARE(window.frontSection(), StudyWindow::Section::MemorizeStones);
    QVERIFY(!child<QPushButton>(QStringLiteral("cmdBack"))->isEnabled());
    QCOMPARE(stoneName(), QStringLiteral("Raidho"));
    press(QStringLiteral("cmdNext"));
    QCOMPARE(stoneName(), QStringLiteral("Uruz"));

    // Forward and back to the first stone: Back stays enabled until pressed once more.
    press(QStringLiteral("cmdBack"));
    QCOMPARE(stoneName(), QStringLiteral("Fehu"));
    QVERIFY(child<QPushButton>(QStringLiteral("cmdBack"))->isEnabled());
    press(QStringLiteral("cmdBack"));
    QVERIFY(!child<QPushButton>(QStringLiteral("cmdBack"))->isEnabled());
    QCOMPARE(stoneName(), QStringLiteral("Fehu"));
}

// However late a section was built, Tab goes from the section buttons into it, not past it.
void StudyWindowTest::tabFromTheSectionButtons_entersTheSection()
{
    StudyWindow &window = openWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto *last = window.findChild<QPushButton *>(QStringLiteral("cmdSubjects_3"));
    const QStringList firstControls{"chkGroups_0", "txtMeaning_0", "optTestSubjects_1", "chkGoal1"};
    for (int section = 0; section < 4; ++section) {
        press(QStringLiteral("cmdSubjects_%1").arg(section));
        last->setFocus();
        QTest::keyClick(last, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), firstControls[section]);
    }
}

void StudyWindowTest::endOfWalk_offersTheTest_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("Yes") << true;
    QTest::newRow("No") << false;
}

void StudyWindowTest::endOfWalk_offersTheTest()
{
    QFETCH(bool, yes);
    m_platform->store.values.insert(QStringLiteral("Settings/StoneGroup0"), QStringLiteral("0"));
    m_platform->store.values.insert(QStringLiteral("Settings/StoneGroup1"), QStringLiteral("0"));
    StudyWindow &window = openWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    press(QStringLiteral("cmdMemorize"));
    // By keys: the focus stays on "Next >>", whose news a notification says.
    auto *next = child<QPushButton>(QStringLiteral("cmdNext"));
    next->setFocus();
    for (int i = 0; i < 7; ++i) {
        QTest::keyClick(next, Qt::Key_Space);
        const Heard heard = heardAtFocus();
        QVERIFY(heard.description.startsWith(stoneName() + QStringLiteral(". Keywords: ")));
        auto *notice = window.findChild<QWidget *>(QStringLiteral("screenReaderNotice"));
        QVERIFY(notice && notice->isVisible());
        QCOMPARE(QAccessible::queryAccessibleInterface(notice)->role(), QAccessible::Notification);
        QCOMPARE(notice->accessibleName(), heard.description);
    }
    QCOMPARE(stoneName(), QStringLiteral("Othala"));
    QVERIFY(m_platform->messages.isEmpty());

    m_platform->answers = {yes ? Platform::Answer::Yes : Platform::Answer::No};
    QTest::keyClick(next, Qt::Key_Space);
    QCOMPARE(m_platform->messages.size(), 1);
    const ScriptedPlatform::Message &question = m_platform->messages[0];
    QCOMPARE(question.text,
             QStringLiteral("You Are Ready To Give Test\rAre You Sure You Want To Give Test"));
    QCOMPARE(question.icon, Platform::Icon::Information);
    QCOMPARE(question.buttons, Platform::Buttons::YesNo);
    QCOMPARE(question.defaultAnswer, Platform::Answer::Yes);
    QCOMPARE(stoneName(), QStringLiteral("Othala"));
    QVERIFY(!child<QPushButton>(QStringLiteral("cmdNext"))->isEnabled());
    if (yes) {
        QCOMPARE(window.frontSection(), StudyWindow::Section::TestSetUp);
        QVERIFY(window.findChild<QWidget *>(QStringLiteral("fraTestSubjects"))->isVisible());
        QCOMPARE(heardAtFocus().ancestors.last(),
                 QStringLiteral("Select your preferred test set up."));
    } else {
        QCOMPARE(window.frontSection(), StudyWindow::Section::MemorizeStones);
        // The focus stays in the walk rather than going on to the banner's links.
        QCOMPARE(QApplication::focusWidget(), child<QPushButton>(QStringLiteral("cmdBack")));
        press(QStringLiteral("cmdBack"));
        QCOMPARE(stoneName(), QStringLiteral("Dagaz"));
        QVERIFY(child<QPushButton>(QStringLiteral("cmdNext"))->isEnabled());
    }
}

void StudyWindowTest::testSetUpButton_opensTheFirstPage()
{
    StudyWindow &window = openWindow();
    auto *pages = window.testSetUp()->findChild<QStackedWidget *>(QStringLiteral("testSetUpPages"));
    pages->setCurrentIndex(2);
    press(QStringLiteral("cmdSubjects_2"));
    QCOMPARE(window.frontSection(), StudyWindow::Section::TestSetUp);
    QCOMPARE(pages->currentWidget()->objectName(), QStringLiteral("fraTestSubjects"));
    QCOMPARE(child<QPushButton>(QStringLiteral("cmdSubjects_2"))->accessibleDescription(),
             QStringLiteral("Shown below: Select your preferred test set up."));
    press(QStringLiteral("cmdSubjects_3"));
    QCOMPARE(window.frontSection(), StudyWindow::Section::Goals);
}

void StudyWindowTest::goals_lockedUntilTicked()
{
    openWindow();
    press(QStringLiteral("cmdSubjects_3"));
    for (int goal = 1; goal <= 2; ++goal) {
        QVERIFY(!goalTick(goal)->isChecked());
        QVERIFY(!goalSave(goal)->isEnabled());
        QCOMPARE(goalTick(goal)->accessibleDescription(),
                 QStringLiteral("Locked; tick to change Goal %1.").arg(goal));
        QTest::mouseClick(goalTick(goal), Qt::LeftButton);
        QCOMPARE(goalTick(goal)->accessibleDescription(), QString());
        QVERIFY(goalBox(goal)->isEnabled());
        QVERIFY(goalSave(goal)->isEnabled());
        goalBox(goal)->setText(QStringLiteral("unsaved"));
        QTest::mouseClick(goalTick(goal), Qt::LeftButton);
        QVERIFY(!goalBox(goal)->isEnabled());
        QVERIFY(!goalSave(goal)->isEnabled());
        QCOMPARE(goalBox(goal)->text(), QStringLiteral("unsaved"));
    }
}

void StudyWindowTest::goals_saveWritesTheFile()
{
    openWindow();
    press(QStringLiteral("cmdSubjects_3"));
    QTest::mouseClick(goalTick(2), Qt::LeftButton);
    GuardedTextBox *box = goalBox(2);
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, QStringLiteral("  Read Othala"));
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClicks(box, QStringLiteral("daily  "));
    QTest::mouseClick(goalSave(2), Qt::LeftButton);
    QTest::mouseClick(goalSave(2), Qt::LeftButton);
    const QString path = QDir(m_folder->path()).filePath(QStringLiteral("Goal2.txt"));
    QCOMPARE(readAll(path), QByteArray("Read Othala\r\ndaily\r\n"));
    QVERIFY(m_platform->messages.isEmpty());
    QCOMPARE(goalSave(2)->accessibleDescription(), QStringLiteral("Goal 2 saved."));
    // The next start shows what was saved, and a second save leaves the file as it is.
    m_fixture->window.reset();
    openWindow();
    QCOMPARE(goalBox(2)->text(), QStringLiteral("Read Othala\r\ndaily"));
    QTest::mouseClick(goalTick(2), Qt::LeftButton);
    QTest::mouseClick(goalSave(2), Qt::LeftButton);
    QCOMPARE(readAll(path), QByteArray("Read Othala\r\ndaily\r\n"));
}

void StudyWindowTest::goals_failedSaveIsToldAndKeepsTheText_data()
{
    QTest::addColumn<bool>("fullDisk");
    // No goal file can be made anywhere: told at the start, and a failed save claims nothing of
    // a file that is not there.
    QTest::newRow("no folder") << false;
    QTest::newRow("a full disk") << true;
}

void StudyWindowTest::goals_failedSaveIsToldAndKeepsTheText()
{
    QFETCH(bool, fullDisk);
    const QString trouble = QStringLiteral("No goal file can be created in gone.");
    if (!fullDisk) {
        m_platform->folder = QDir(m_folder->path()).filePath(QStringLiteral("gone"));
        m_platform->goalFolderTrouble = trouble;
    }
    openWindow();
    QTest::mouseClick(goalTick(1), Qt::LeftButton);
    goalBox(1)->setText(QStringLiteral("Keep me"));
    const auto save = [this] {
        QTest::mouseClick(goalSave(1), Qt::LeftButton);
        return true;
    };
    QVERIFY(fullDisk ? onAFullDisk(save) : save());
    QCOMPARE(m_platform->messages.size(), fullDisk ? 1 : 2);
    if (!fullDisk)
        QCOMPARE(m_platform->messages[0].text, trouble);
    const ScriptedPlatform::Message &told = m_platform->messages.last();
    QCOMPARE(told.icon, Platform::Icon::Critical);
    QVERIFY(told.text.contains(QLatin1String("Goal1.txt")));
    QCOMPARE(told.text.contains(QLatin1String("still holds")), fullDisk);
    QCOMPARE(goalBox(1)->text(), QStringLiteral("Keep me"));
    QCOMPARE(readAll(QDir(m_folder->path()).filePath(QStringLiteral("Goal1.txt"))),
             fullDisk ? QByteArray("This is Goal 1.\r\n") : QByteArray());
}

void StudyWindowTest::goals_badFilesStillStart()
{
    const QDir folder(m_folder->path());
    QFile big(folder.filePath(QStringLiteral("Goal1.txt")));
    QVERIFY(big.open(QIODevice::WriteOnly));
    const QByteArray content = QByteArray("goal ").repeated(800000) + "\xff\xfe\x00end";
    big.write(content);
    big.close();
    // A named pipe never holds up the start.
    QCOMPARE(::mkfifo(QFile::encodeName(folder.filePath("Goal2.txt")).constData(), 0600), 0);
    openWindow();
    press(QStringLiteral("cmdSubjects_3"));
    QVERIFY(goalBox(1)->text().startsWith(QLatin1String("goal goal")));
    QCOMPARE(goalBox(2)->text(), QString());
    QVERIFY(m_platform->messages.isEmpty());
    // A goal whose file could not be read is never saved over what it may hold; ticking it and
    // saving it say so, naming the file.
    QTest::mouseClick(goalTick(2), Qt::LeftButton);
    QVERIFY(goalBox(2)->isReadOnly());
    QTest::mouseClick(goalSave(2), Qt::LeftButton);
    QCOMPARE(m_platform->messages.size(), 2);
    for (const ScriptedPlatform::Message &message : std::as_const(m_platform->messages))
        QVERIFY(message.text.contains(QDir::toNativeSeparators(folder.filePath("Goal2.txt"))));
    // Reading never writes.
    QCOMPARE(readAll(folder.filePath(QStringLiteral("Goal1.txt"))), content);
    QVERIFY(!QFileInfo(folder.filePath(QStringLiteral("Goal2.txt"))).isFile());
}

void StudyWindowTest::goals_keepTheirFiles_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("meanwhile"); // written by another program once it was read
    QTest::addColumn<QString>("typed");
    QTest::addColumn<Platform::Answer>("answer"); // to a question the save asks
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<int>("messages");
    const auto unchanged = [](const char *name, const QByteArray &content) {
        QTest::newRow(name) << content << QByteArray() << "" << Platform::Answer::No << content
                            << 0;
    };
    unchanged("Latin-1", "R\xfcnen M\xe4rz\r\n");
    unchanged("Windows-1252", "\x93"
                              "Fehu\x94 \x80\r\n");
    unchanged("NUL, controls, no-break space", QByteArray("a\x00"
                                                          "b\x01\x1b\xc2\xa0"
                                                          "c\r\n",
                                                          10));
    QTest::newRow("a rune into Latin-1, saved as UTF-8")
        << QByteArray("M\xe4rz\r\n") << QByteArray() << "ᚠ" << Platform::Answer::Yes
        << QByteArray("M\xc3\xa4rz\xe1\x9a\xa0\r\n") << 1;
    QTest::newRow("a rune into Latin-1, not saved")
        << QByteArray("M\xe4rz\r\n") << QByteArray() << "ᚠ" << Platform::Answer::No
        << QByteArray("M\xe4rz\r\n") << 1;
    // Told when ticked and again when saved; what it shows cannot be changed.
    const QByteArray tooLarge = QByteArray(GoalFile::longestEditableLine + 1, 'x') + "\r\n";
    QTest::newRow("too large to edit")
        << tooLarge << QByteArray() << "y" << Platform::Answer::Yes << tooLarge << 2;
    const QByteArray changed("changed elsewhere\r\n");
    QTest::newRow("changed meanwhile, kept")
        << QByteArray("mine\r\n") << changed << "!" << Platform::Answer::No << changed << 1;
    QTest::newRow("changed meanwhile to the same size, kept")
        << QByteArray("mine\r\n") << QByteArray("MINE\r\n") << "!" << Platform::Answer::No
        << QByteArray("MINE\r\n") << 1;
    QTest::newRow("changed meanwhile, replaced")
        << QByteArray("mine\r\n") << changed << "!" << Platform::Answer::Yes
        << QByteArray("mine!\r\n") << 1;
}

void StudyWindowTest::goals_keepTheirFiles()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, meanwhile);
    QFETCH(QString, typed);
    QFETCH(Platform::Answer, answer);
    QFETCH(QByteArray, after);
    QFETCH(int, messages);
    const QString path = QDir(m_folder->path()).filePath(QStringLiteral("Goal1.txt"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(before);
    file.close();
    openWindow();
    press(QStringLiteral("cmdSubjects_3"));
    m_platform->answers = {answer};
    QTest::mouseClick(goalTick(1), Qt::LeftButton);
    GuardedTextBox *box = goalBox(1);
    const QString shown = box->text();
    box->setFocus();
    box->moveCursor(QTextCursor::End);
    QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, typed);
    QApplication::sendEvent(box, &key);
    QCOMPARE(box->text(), box->isReadOnly() ? shown : shown + typed);
    if (!meanwhile.isEmpty()) {
        // Written within one tick of the file system's clock: the file's time stays as it was.
        const std::filesystem::path native(QFile::encodeName(path).toStdString());
        const auto modified = std::filesystem::last_write_time(native);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(meanwhile) > 0);
        file.close();
        std::filesystem::last_write_time(native, modified);
    }
    QTest::mouseClick(goalSave(1), Qt::LeftButton);
    QCOMPARE(readAll(path), after);
    QCOMPARE(m_platform->messages.size(), messages);
    QVERIFY(meanwhile.isEmpty() || m_platform->messages[0].defaultAnswer == Platform::Answer::No);
}

void StudyWindowTest::everyControlIsNamed()
{
    StudyWindow &window = openWindow();
    // The sections a start does not show are built when first brought to the front.
    for (int section = 0; section < 6; ++section)
        window.bringToFront(static_cast<StudyWindow::Section>(section));
    const auto controls = window.findChildren<QWidget *>();
    int checked = 0;
    for (QWidget *control : controls) {
        const bool interactive =
            qobject_cast<QAbstractButton *>(control) || qobject_cast<QPlainTextEdit *>(control);
        // Qt's own helpers (the menu bar's overflow button) are not ours to name.
        if (!interactive || control->objectName().startsWith(QLatin1String("qt_")))
            continue;
        ++checked;
        QVERIFY2(!control->objectName().isEmpty(), control->metaObject()->className());
        QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(control->objectName()));
    }
    QVERIFY(checked >= 29);
    for (const char *name : {"txtMeaning_0", "txtMeaning_1", "txtMeaning_2", "txtKeywords",
                             "txtAlternativeNames", "txtGoal1", "txtGoal2", "txtResult"})
        QVERIFY2(window.findChild<GuardedTextBox *>(QLatin1String(name)), name);
    QCOMPARE(window.findChild<QWidget *>(QStringLiteral("txtMeaning_0"))->accessibleName(),
             QStringLiteral("Normal Meaning"));
    QCOMPARE(window.findChild<QWidget *>(QStringLiteral("picStone_0"))->accessibleName(),
             QStringLiteral("Fehu, upright"));
}

void StudyWindowTest::windowHasItsFixedSize()
{
    StudyWindow &window = openWindow();
    // As drawn, and the line of what is due under it.
    QCOMPARE(window.centralWidget()->size(),
             QSize(687, 451 + child<QWidget>(QStringLiteral("fraDueToday"))->height()));
    QCOMPARE(window.windowTitle(), QStringLiteral("Orlendra v1.80"));
    QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(window.windowFlags() & Qt::WindowMinimizeButtonHint);
    QCOMPARE(window.minimumSize(), window.maximumSize());
    // Laid out, the buttons share the width to the pixel: one of them is a pixel narrower.
    for (int i = 0; i < 4; ++i) {
        const QRect button =
            child<QPushButton>(QStringLiteral("cmdSubjects_%1").arg(i))->geometry();
        QVERIFY(qAbs(button.x() - 172 * i) <= 1 && qAbs(button.width() - 172) <= 1 &&
                button.top() == 24 && button.height() == 27);
    }
}

QTEST_MAIN(StudyWindowTest)
#include "tst_studywindow.moc"
