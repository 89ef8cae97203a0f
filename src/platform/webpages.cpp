#include "webpages.h"

#include "platform.h"

#include <QUrl>

#ifndef ORLENDRA_WEB_ENDPOINT
#error "ORLENDRA_WEB_ENDPOINT must name the web site, e.g. \"https://www.example.org\""
#endif

namespace WebPages {

QString endpoint()
{
    return QStringLiteral(ORLENDRA_WEB_ENDPOINT);
}

QString siteName()
{
    return QUrl(endpoint()).host();
}

QUrl address(const QString &pageKey)
{
    return QUrl(endpoint() + QStringLiteral("/orlendra/ssd.php?page=") + pageKey);
}

void openWebPage(Platform &platform, const QString &pageKey)
{
    platform.openUrl(address(pageKey));
}

} // namespace WebPages
