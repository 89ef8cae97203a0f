// How long "Next >>" takes to put the next stone on screen: texts, both pictures and a repaint.
#include "../autotests/scriptedplatform.h"
#include "study/memorizesection.h"
#include "study/studywalk.h"
#include "study/studywindow.h"

#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class WalkBench : public QObject
{
    Q_OBJECT

private slots:
    void nextStone()
    {
        QStandardPaths::setTestModeEnabled(true);
        QTemporaryDir folder;
        ScriptedPlatform platform;
        platform.folder = folder.path();
        StudyWalk walk;
        StudyWindow window(platform, walk);
        window.setAttribute(Qt::WA_DeleteOnClose, false);
        window.load();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.showSection(1);
        QBENCHMARK
        {
            if (walk.StudyPosition >= walk.StudyOrder.size() - 1)
                window.showSection(1);
            window.nextStone();
            window.repaint();
        }
    }
};

QTEST_MAIN(WalkBench)
#include "walkbench.moc"
