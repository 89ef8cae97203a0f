#include "webpages.h"

#include "platform.h"

#include <QCoreApplication>
#include <QUrl>

#ifndef ORLENDRA_WEB_ENDPOINT
#error "ORLENDRA_WEB_ENDPOINT must name the web site, e.g. \"https://www.example.org\""
#endif

namespace WebPages {

QString pageKey(Page page)
{
    switch (page) {
    case Page::HelpWebPage:
        return QStringLiteral("help-web-page");
    case Page::HomePage:
        return QStringLiteral("home-page");
    case Page::DownloadWebPage:
        return QStringLiteral("download-web-page");
    case Page::Donate:
        return QStringLiteral("donate");
    case Page::FullyBranded:
        return QStringLiteral("fully-branded");
    case Page::CoBrand:
        return QStringLiteral("co-brand");
    }
    Q_UNREACHABLE();
}

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

void openWebPage(Platform &platform, const QString &pageKey, QWidget *parent)
{
    const QUrl url = address(pageKey);
    if (platform.openUrl(url))
        return;
    platform.message(parent,
                     //: %1 is the page's web address
                     QCoreApplication::translate("WebPages", "No web browser could open the "
                                                             "page. Its address is:\n\n%1")
                         .arg(url.toString()),
                     Platform::Icon::Information);
}

} // namespace WebPages
