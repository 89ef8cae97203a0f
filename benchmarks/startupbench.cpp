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

struct Start {
    double ms = -1;    // from process start to window painted
    double peakMb = 0; // the most memory held in RAM, once the count of items due is shown
};

Start timeToShown(const QString &program, const QProcessEnvironment &environment)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::SeparateChannels);
    QElapsedTimer timer;
    timer.start();
    process.start(program, {});
    Start start;
    QByteArray output;
    while (process.waitForReadyRead(10000)) {
        output += process.readAllStandardOutput();
        if (start.ms < 0 && output.contains("shown"))
            start.ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
        if (const qsizetype peak = output.indexOf("peak "); peak >= 0 && output.endsWith('\n')) {
            start.peakMb = output.mid(peak + 5).trimmed().toDouble() / 1024;
            process.waitForFinished(10000);
            return start;
        }
    }
    process.kill();
    process.waitForFinished();
    std::fprintf(stderr, "%s never showed its window\n", qPrintable(program));
    return {};
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
    std::vector<double> times[3];
    std::vector<double> peaks[3];
    for (int i = 0; i < runs; ++i) {
        const QString programs[3] = {bare, same, orlendra};
        for (int p = 0; p < 3; ++p) {
            const Start start = timeToShown(programs[p], environment);
            if (start.ms < 0)
                return 1;
            times[p].push_back(start.ms);
            peaks[p].push_back(start.peakMb);
        }
    }
    const double b = median(times[0]);
    const double s = median(times[1]);
    const double o = median(times[2]);
    std::printf("runs: %d each, medians from process start to window painted, and of the most "
                "memory held in RAM once the count of items due is shown\n",
                runs);
    std::printf("bare Qt window:              %7.1f ms %6.1f MB\n", b, median(peaks[0]));
    std::printf("same screen, plain Qt:       %7.1f ms %6.1f MB\n", s, median(peaks[1]));
    std::printf("Orlendra:                    %7.1f ms %6.1f MB\n", o, median(peaks[2]));
    std::printf("ratio to the bare window:    %7.2f\n", o / b);
    std::printf("ratio to the same screen:    %7.2f (target 1.00 or better) %6.2f in memory "
                "(target 1.05 or better)\n",
                o / s, median(peaks[2]) / median(peaks[1]));
    return 0;
}
