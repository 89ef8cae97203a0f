// Starts the program and its two yardsticks in turn, many times, and compares the medians of the
// time from process start to the window painted on screen. Needs a display (Xvfb will do). The
// yardsticks: a bare window with one label, and the program's first screen built the plain way
// (samescreen.cpp).
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double timeToShown(const QString &program, const QProcessEnvironment &environment)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::SeparateChannels);
    QElapsedTimer timer;
    timer.start();
    process.start(program, {});
    while (process.waitForReadyRead(10000)) {
        if (process.readAllStandardOutput().contains("shown")) {
            const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
            process.waitForFinished(10000);
            return ms;
        }
    }
    process.kill();
    process.waitForFinished();
    std::fprintf(stderr, "%s never showed its window\n", qPrintable(program));
    return -1;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QString folder = QCoreApplication::applicationDirPath();
    const QString bare = folder + QStringLiteral("/barewindow");
    const QString same = folder + QStringLiteral("/samescreen");
    const QString orlendra = folder + QStringLiteral("/orlendrastart");
    const int runs = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 21;

    // The program writes its settings and goal files; keep them away from the real home.
    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));

    // One warm-up each: the first start of anything pays for cold caches.
    for (const QString &program : {bare, same, orlendra})
        timeToShown(program, environment);
    std::vector<double> bareTimes;
    std::vector<double> sameTimes;
    std::vector<double> orlendraTimes;
    for (int i = 0; i < runs; ++i) {
        const double b = timeToShown(bare, environment);
        const double s = timeToShown(same, environment);
        const double o = timeToShown(orlendra, environment);
        if (b < 0 || s < 0 || o < 0)
            return 1;
        bareTimes.push_back(b);
        sameTimes.push_back(s);
        orlendraTimes.push_back(o);
    }
    const double b = median(bareTimes);
    const double s = median(sameTimes);
    const double o = median(orlendraTimes);
    std::printf("runs: %d each, medians from process start to window painted\n", runs);
    std::printf("bare Qt window:              %7.1f ms\n", b);
    std::printf("same screen, plain Qt:       %7.1f ms\n", s);
    std::printf("Orlendra:                    %7.1f ms\n", o);
    std::printf("ratio to the bare window:    %7.2f\n", o / b);
    std::printf("ratio to the same screen:    %7.2f (target 1.00 or better)\n", o / s);
    return 0;
}
