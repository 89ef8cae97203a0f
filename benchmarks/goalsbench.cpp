// How a very long goal file weighs on the study window: the time to start, to show the Goals
// section, and to type one letter into the goal, each with its repaint.
#include "studyfixture.h"
#include "widgets/guardedtextbox.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTest>

#include <cstdio>

namespace {

double msSince(const QElapsedTimer &timer)
{
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

void measure(qsizetype size, qsizetype lineLength)
{
    StudyFixture fixture;
    QFile file(QDir(fixture.folder.path()).filePath(QStringLiteral("Goal1.txt")));
    if (!file.open(QIODevice::WriteOnly))
        return;
    const QByteArray line = QByteArray("Learn the runes ").repeated(lineLength / 16) + "\r\n";
    file.write(line.repeated(qMax(qsizetype(1), size / line.size())));
    file.close();

    QElapsedTimer timer;
    timer.start();
    StudyWindow &window = fixture.open();
    QApplication::processEvents();
    const double start = msSince(timer);

    timer.restart();
    window.showSection(StudyWindow::Section::Goals);
    window.repaint();
    const double show = msSince(timer);

    window.findChild<QCheckBox *>(QStringLiteral("chkGoal1"))->setChecked(true);
    auto *box = window.findChild<GuardedTextBox *>(QStringLiteral("txtGoal1"));
    box->setFocus();
    QApplication::processEvents();
    timer.restart();
    QTest::keyClick(box, Qt::Key_A);
    window.repaint();
    const double key = msSince(timer);
    std::printf(
        "%6.1f MB in lines of %8lld: start %8.1f ms, show Goals %8.1f ms, one key %8.1f ms\n",
        static_cast<double>(size) / 1e6, static_cast<long long>(lineLength), start, show, key);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); i += 2)
        measure(args[i].toLongLong(), args[i + 1].toLongLong());
    return 0;
}
