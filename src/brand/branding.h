#pragma once

#include "appinfo.h"
#include "platform/webpages.h"

#include <QSize>
#include <QString>

#include <functional>

class LinkLabel;
class QFont;
class QMainWindow;
class QMenuBar;
class QAction;
class QColor;
class QWidget;

namespace Branding {

inline const QString windowTitle = QStringLiteral("Orlendra v") + QString(AppInfo::version);

QString cobrandText();
QString fullBrandText();

// The program's face: Verdana where it is installed, otherwise the closest sans serif, at the
// size the layout was drawn for.
QFont programFont();

// What a window does when one of its links asks for a page of the maker's site.
using OpenPage = std::function<void(WebPages::Page page)>;

// A size drawn for the program's font at the design's 11 pixels, grown as much as the widget's
// font is larger than that.
QSize atFontSize(const QWidget *widget, const QSize &drawn);

// The two offers take turns in one place, only one shown; the one built last starts in front.
struct BrandLabels {
    LinkLabel *cobrand = nullptr;
    LinkLabel *fullBrand = nullptr;
};
BrandLabels addBrandLabels(QWidget *parent, const OpenPage &open);
// The study window's invitation to the forum, in its own link colour.
LinkLabel *addForumLink(QWidget *parent, const OpenPage &open);
// Puts one offer in front of the other. The one behind is hidden as well, so that neither Tab
// nor a screen reader lands on a label nobody can see.
void bringToFront(LinkLabel *offer);

// The Help, Donate and (hidden) Make Money Online entries that both main windows carry; all but
// About open a page.
struct WebMenu {
    QAction *online = nullptr;
    QAction *visit = nullptr;
    QAction *update = nullptr;
    QAction *about = nullptr;
    QAction *donate = nullptr;
    QAction *makeMoney = nullptr;
};
WebMenu addWebMenus(QMenuBar *menuBar, const OpenPage &open);

// The contrast of two colours as readers perceive it: 1 for none, 21 for black on white.
double contrastRatio(const QColor &a, const QColor &b);
// Whether a ground is dark enough that light text reads better on it than dark text.
bool isDarkGround(const QColor &ground);
// A colour of the design for text on `ground`: on a light ground exactly as designed; on a
// dark one (a dark desktop theme) the same hue, made lighter until it reads.
QColor readableColour(const QColor &designed, const QColor &ground);
// A ground of the design on a desktop whose windows have `systemGround`: the designed one on a
// light desktop, the same hue as dark as the desktop's own windows on a dark one.
QColor groundColour(const QColor &designed, const QColor &systemGround);

// Coloured text through the palette: a style sheet would bring a whole style engine along. The
// colour is made readable on the widget's ground, again whenever the palette changes.
void setTextColour(QWidget *widget, const QColor &colour);
// A link's colour: the designed one on a light ground, the desktop's own link colour on a dark
// one.
void setLinkColour(QWidget *widget, const QColor &colour);
// The colour given to setTextColour or setLinkColour; invalid when none was.
QColor designedTextColour(const QWidget *widget);

// A window whose size the user cannot change, with minimise but no maximise.
void makeFixedWindow(QMainWindow *window);

} // namespace Branding
