// How long "Next >>" takes to put the next stone on screen: texts, both pictures and a repaint.
#include "studyfixture.h"

#include <QStandardPaths>
#include <QTest>

class WalkBench : public QObject
{
    Q_OBJECT

private slots:
    void nextStone()
    {
        QStandardPaths::setTestModeEnabled(true);
        StudyFixture fixture;
        StudyWindow &window = fixture.open();
        const StudyWalk &walk = fixture.walk;
        window.showSection(StudyWindow::Section::MemorizeStones);
        QBENCHMARK
        {
            if (walk.studyPosition >= walk.studyOrder.size() - 1)
                window.showSection(StudyWindow::Section::MemorizeStones);
            window.controller()->nextStone();
            window.repaint();
        }
    }
};

QTEST_MAIN(WalkBench)
#include "walkbench.moc"
