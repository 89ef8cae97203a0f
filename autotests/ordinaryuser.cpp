#include "ordinaryuser.h"

#include <QFile>

#include <csignal>
#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

bool inChildProcess(const std::function<bool()> &body)
{
    const pid_t child = ::fork();
    if (child < 0)
        return false;
    if (child == 0)
        ::_exit(body() ? 0 : 1);
    int status = 0;
    return ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace

bool asOrdinaryUser(const QStringList &handedOver, const std::function<bool()> &body)
{
    if (::geteuid() != 0)
        return body();
    constexpr uid_t nobody = 65534;
    for (const QString &path : handedOver) {
        if (::chown(QFile::encodeName(path).constData(), nobody, nobody) != 0)
            return false;
    }
    return inChildProcess([&body] {
        return ::setgroups(0, nullptr) == 0 && ::setgid(nobody) == 0 && ::setuid(nobody) == 0 &&
               body();
    });
}

bool onAFullDisk(const std::function<bool()> &body)
{
    // Only the soft limit is lowered, so that even an ordinary user can raise it back.
    rlimit before{};
    if (::getrlimit(RLIMIT_FSIZE, &before) != 0)
        return false;
    // Growing a file past the limit is then an error, not a signal that ends the process.
    const auto previousHandler = ::signal(SIGXFSZ, SIG_IGN);
    rlimit full = before;
    full.rlim_cur = 0;
    const bool ran = ::setrlimit(RLIMIT_FSIZE, &full) == 0 && body();
    ::setrlimit(RLIMIT_FSIZE, &before);
    ::signal(SIGXFSZ, previousHandler);
    return ran;
}

bool linkToAFullDisk(const QString &linkPath)
{
    QString device = QStringLiteral("/dev/full");
    if (::geteuid() == 0) {
        device = linkPath + QStringLiteral(".device");
        struct stat system = {};
        if (::stat("/dev/full", &system) != 0 ||
            ::mknod(QFile::encodeName(device).constData(), S_IFCHR | 0666, system.st_rdev) != 0)
            return false;
    }
    return QFile::link(device, linkPath);
}
