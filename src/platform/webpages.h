#pragma once

#include <QString>

class Platform;
class QUrl;
class QWidget;

// Pages of the maker's web site, each named by a page key and served by one script.
namespace WebPages {

// Scheme and host of the site, fixed when the program is built (ORLENDRA_WEB_ENDPOINT).
QString endpoint();
// The site's host, as the program shows it to the user.
QString siteName();
QUrl address(const QString &pageKey);

// Hands the page to the desktop's browser and returns at once. When nothing takes it (no browser),
// the user is shown its address to open by hand, in a message over `parent`.
void openWebPage(Platform &platform, const QString &pageKey, QWidget *parent);

// Makes every menu entry, button and link label of the window that stands for a page open it.
// Elements are found by name, so one table serves the study window, the frame and the About box.
void connectLinks(QWidget *window, Platform &platform);

} // namespace WebPages
