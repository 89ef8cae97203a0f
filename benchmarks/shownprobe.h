#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>

#include <cstdio>

// The most memory the process has held in RAM so far, in kB.
inline QByteArray peakResidentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return "0";
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0);
    }
    return "0";
}

// Reports on standard output once the window has painted itself for the first time: the moment
// a user would see the window. Then, once what the window does right after its first paint has
// run (the count of items due), the peak of memory, and ends the process.
class ShownProbe : public QObject
{
public:
    explicit ShownProbe(QWidget *window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_reported) {
            m_reported = true;
            // After this paint has finished.
            QTimer::singleShot(0, [] {
                std::puts("shown");
                std::fflush(stdout);
                QTimer::singleShot(0, [] {
                    std::printf("peak %s\n", peakResidentKb().constData());
                    std::fflush(stdout);
                    QCoreApplication::exit(0);
                });
            });
        }
        return false;
    }

private:
    bool m_reported = false;
};

// Within a process that goes on: notes that the window it filters has painted itself.
class PaintSeen : public QObject
{
public:
    bool seen = false;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        seen = seen || event->type() == QEvent::Paint;
        return false;
    }
};
