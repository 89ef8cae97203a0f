#include "detail.h"

#include <QCoreApplication>

QString withDetail(const QString &message, const QString &detail)
{
    if (detail.trimmed().isEmpty())
        return message;
    return message + QStringLiteral("\n\n") +
           QCoreApplication::translate("Platform", "Details: %1").arg(detail.trimmed());
}
