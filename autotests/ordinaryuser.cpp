#include "ordinaryuser.h"

#include <QFile>

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

bool asOrdinaryUser(const QStringList &handedOver, const std::function<bool()> &body)
{
    if (::geteuid() != 0)
        return body();
    constexpr uid_t nobody = 65534;
    for (const QString &path : handedOver) {
        if (::chown(QFile::encodeName(path).constData(), nobody, nobody) != 0)
            return false;
    }
    const pid_t child = ::fork();
    if (child < 0)
        return false;
    if (child == 0) {
        const bool dropped =
            ::setgroups(0, nullptr) == 0 && ::setgid(nobody) == 0 && ::setuid(nobody) == 0;
        ::_exit(dropped && body() ? 0 : 1);
    }
    int status = 0;
    return ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
