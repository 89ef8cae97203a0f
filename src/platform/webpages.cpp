#include "webpages.h"

#include "linklabel.h"
#include "platform.h"

#include <QAbstractButton>
#include <QAction>
#include <QUrl>
#include <QWidget>

#include <array>

#ifndef ORLENDRA_WEB_ENDPOINT
#error "ORLENDRA_WEB_ENDPOINT must name the web site, e.g. \"https://www.example.org\""
#endif

namespace WebPages {

namespace {

struct Link {
    const char *element;
    const char *page;
};

// Which element opens which page. The About box's "lblCoBrand" and the windows' "lblCobrand"
// are different elements that open different pages.
constexpr std::array links{
    Link{"mnuOnline", "help-web-page"},     Link{"mnuVisit", "home-page"},
    Link{"mnuUpdate", "download-web-page"}, Link{"mnuDonate", "donate"},
    Link{"mnuMakeMoney", "fully-branded"},  Link{"cmdDonate", "donate"},
    Link{"Label14", "home-page"},           Link{"lblCobrand", "co-brand"},
    Link{"lblFullBrand", "fully-branded"},  Link{"lblHomePage", "home-page"},
    Link{"lblCoBrand", "fully-branded"},
};

} // namespace

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
                     QStringLiteral("No web browser could open the page. Its address is:\n\n%1")
                         .arg(url.toString()),
                     Platform::Icon::Information);
}

void connectLinks(QWidget *window, Platform &platform)
{
    for (const Link &link : links) {
        const QString page = QString::fromLatin1(link.page);
        const auto open = [&platform, page, window] { openWebPage(platform, page, window); };
        const QString name = QString::fromLatin1(link.element);
        for (QObject *element : window->findChildren<QObject *>(name)) {
            if (auto *action = qobject_cast<QAction *>(element))
                QObject::connect(action, &QAction::triggered, window, open);
            else if (auto *button = qobject_cast<QAbstractButton *>(element))
                QObject::connect(button, &QAbstractButton::clicked, window, open);
            else if (auto *label = qobject_cast<LinkLabel *>(element))
                QObject::connect(label, &LinkLabel::clicked, window, open);
        }
    }
}

} // namespace WebPages
