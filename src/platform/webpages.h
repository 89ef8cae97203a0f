#pragma once

#include <QString>

class Platform;
class QUrl;
class QWidget;

// Pages of the maker's web site, each named by a page key and served by one script.
namespace WebPages {

enum class Page { HelpWebPage, HomePage, DownloadWebPage, Donate, FullyBranded, CoBrand };

// The key the site knows the page by, e.g. "home-page".
QString pageKey(Page page);

// Scheme and host of the site, fixed when the program is built (ORLENDRA_WEB_ENDPOINT).
QString endpoint();
// The site's host, as the program shows it to the user.
QString siteName();
QUrl address(const QString &pageKey);

// Hands the page to the desktop's browser and returns at once. When nothing takes it (no browser),
// the user is shown its address to open by hand, in a message over `parent`.
void openWebPage(Platform &platform, const QString &pageKey, QWidget *parent);

} // namespace WebPages
