#include "links.h"

#include "platform/webpages.h"
#include "widgets/linklabel.h"

#include <QAbstractButton>
#include <QAction>
#include <QWidget>

#include <array>

namespace Links {

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

void connectLinks(QWidget *window, Platform &platform)
{
    for (const Link &link : links) {
        const QString page = QString::fromLatin1(link.page);
        const auto open = [&platform, page] { WebPages::openWebPage(platform, page); };
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

} // namespace Links
