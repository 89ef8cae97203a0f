#include "branding.h"

#include "widgets/linklabel.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QFont>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include <algorithm>
#include <cmath>

namespace Branding {

QString cobrandText()
{
    return QCoreApplication::translate(
        "Branding", "Co-brand this software for your site.  Increase loyalty and traffic to "
                    "your site. Put your site's name &  link here. See \"Help\" for "
                    "details.    Click Here for more info on co-branding.");
}

QString fullBrandText()
{
    return QCoreApplication::translate(
        "Branding", "Home Business Opportunity. Start your own Internet business and make "
                    "money online. Get this software fully branded for your website. Click "
                    "here for more details.");
}

QFont programFont()
{
    QFont font(QStringLiteral("Verdana"));
    font.setStyleHint(QFont::SansSerif);
    // In points, so that a desktop that draws its fonts larger draws this one larger too; at the
    // 96 dots per inch the layout was drawn at, it is 11 pixels high.
    font.setPointSizeF(8.25);
    return font;
}

QSize atFontSize(const QWidget *widget, const QSize &drawn)
{
    const qreal growth = std::max(1.0, widget->fontInfo().pixelSize() / 11.0);
    return (QSizeF(drawn) * growth).toSize();
}

BrandLabels addBrandLabels(QWidget *parent, const OpenPage &open)
{
    BrandLabels labels;
    labels.cobrand = new LinkLabel(cobrandText(), parent);
    labels.cobrand->setObjectName(QStringLiteral("lblCobrand"));
    labels.fullBrand = new LinkLabel(fullBrandText(), parent);
    labels.fullBrand->setObjectName(QStringLiteral("lblFullBrand"));
    for (LinkLabel *label : {labels.cobrand, labels.fullBrand}) {
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    QObject::connect(labels.cobrand, &LinkLabel::clicked, parent,
                     [open] { open(WebPages::Page::CoBrand); });
    QObject::connect(labels.fullBrand, &LinkLabel::clicked, parent,
                     [open] { open(WebPages::Page::FullyBranded); });
    bringToFront(labels.fullBrand);
    return labels;
}

LinkLabel *addForumLink(QWidget *parent, const OpenPage &open)
{
    auto *forum = new LinkLabel(
        QCoreApplication::translate("Branding", "Share readings with fellow rune students in the "
                                                "Orlendra forum online. Click here to join in."),
        parent);
    forum->setObjectName(QStringLiteral("Label14"));
    forum->setWordWrap(true);
    forum->setAlignment(Qt::AlignCenter);
    setLinkColour(forum, QColor(0, 0, 160));
    QObject::connect(forum, &LinkLabel::clicked, parent,
                     [open] { open(WebPages::Page::HomePage); });
    return forum;
}

void bringToFront(LinkLabel *offer)
{
    const auto offers =
        offer->parentWidget()->findChildren<LinkLabel *>(Qt::FindDirectChildrenOnly);
    for (LinkLabel *other : offers)
        other->setVisible(other == offer);
    offer->raise();
}

WebMenu addWebMenus(QMenuBar *menuBar, const OpenPage &open)
{
    WebMenu menu;
    QMenu *help = menuBar->addMenu(QCoreApplication::translate("Branding", "&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    menu.online = help->addAction(QCoreApplication::translate("Branding", "&Online Help"));
    menu.online->setObjectName(QStringLiteral("mnuOnline"));
    menu.visit = help->addAction(QCoreApplication::translate("Branding", "&Visit Us Online"));
    menu.visit->setObjectName(QStringLiteral("mnuVisit"));
    help->addSeparator();
    menu.update =
        help->addAction(QCoreApplication::translate("Branding", "Check for Software &Update"));
    menu.update->setObjectName(QStringLiteral("mnuUpdate"));
    help->addSeparator();
    menu.about = help->addAction(QCoreApplication::translate("Branding", "&About Software"));
    menu.about->setObjectName(QStringLiteral("mnuAbout"));
    // A menu title without entries: choosing it is the action.
    menu.donate = menuBar->addAction(QCoreApplication::translate("Branding", "&Donate"));
    menu.donate->setObjectName(QStringLiteral("mnuDonate"));
    menu.makeMoney =
        menuBar->addAction(QCoreApplication::translate("Branding", "Make Money &Online"));
    menu.makeMoney->setObjectName(QStringLiteral("mnuMakeMoney"));
    menu.makeMoney->setVisible(false);
    const std::pair<QAction *, WebPages::Page> pages[] = {
        {menu.online, WebPages::Page::HelpWebPage},     {menu.visit, WebPages::Page::HomePage},
        {menu.update, WebPages::Page::DownloadWebPage}, {menu.donate, WebPages::Page::Donate},
        {menu.makeMoney, WebPages::Page::FullyBranded},
    };
    for (const auto &[action, page] : pages)
        QObject::connect(action, &QAction::triggered, menuBar, [open, page] { open(page); });
    return menu;
}

namespace {

// Comfortably above the 4.5 that small text needs, so that smoothed letter edges read too.
constexpr double wantedContrast = 5.0;

double relativeLuminance(const QColor &colour)
{
    const auto linear = [](float channel) {
        return channel <= 0.03928f ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) +
           0.0722 * linear(rgb.blueF());
}

const QString readableTextName = QStringLiteral("readableText");

// Keeps a text colour of the design readable on its widget's ground, also when the desktop turns
// dark or light while the program runs.
class ReadableText final : public QObject
{
public:
    ReadableText(QWidget *widget, const QColor &designed, bool link)
        : QObject(widget)
        , m_designed(designed)
        , m_link(link)
    {
        setObjectName(readableTextName);
        widget->installEventFilter(this);
        apply(widget);
    }

    QColor designed() const { return m_designed; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::PaletteChange)
            apply(static_cast<QWidget *>(watched));
        return false;
    }

private:
    void apply(QWidget *widget) const
    {
        QPalette palette = widget->palette();
        const QColor ground = palette.color(widget->backgroundRole());
        const QColor shown = m_link && isDarkGround(ground)
                                 ? readableColour(palette.color(QPalette::Link), ground)
                                 : readableColour(m_designed, ground);
        // Setting it changes the palette once more, which then finds nothing to do.
        if (!shown.isValid() || palette.color(QPalette::WindowText) == shown)
            return;
        palette.setColor(QPalette::WindowText, shown);
        widget->setPalette(palette);
    }

    QColor m_designed;
    bool m_link;
};

ReadableText *readableTextOf(const QWidget *widget)
{
    return static_cast<ReadableText *>(
        widget->findChild<QObject *>(readableTextName, Qt::FindDirectChildrenOnly));
}

} // namespace

double contrastRatio(const QColor &a, const QColor &b)
{
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool isDarkGround(const QColor &ground)
{
    // Where black and white text would read equally well.
    return relativeLuminance(ground) < 0.18;
}

QColor readableColour(const QColor &designed, const QColor &ground)
{
    if (!designed.isValid() || !isDarkGround(ground))
        return designed;
    float hue = 0;
    float saturation = 0;
    float lightness = 0;
    float alpha = 0;
    designed.toHsl().getHslF(&hue, &saturation, &lightness, &alpha);
    QColor shade = designed;
    while (contrastRatio(shade, ground) < wantedContrast && lightness < 1.0f) {
        lightness = std::min(1.0f, lightness + 0.02f);
        shade = QColor::fromHslF(hue, saturation, lightness, alpha).toRgb();
    }
    return shade;
}

QColor groundColour(const QColor &designed, const QColor &systemGround)
{
    if (!isDarkGround(systemGround))
        return designed;
    const QColor hsl = designed.toHsl();
    return QColor::fromHslF(hsl.hslHueF(), hsl.hslSaturationF(), systemGround.lightnessF()).toRgb();
}

void setTextColour(QWidget *widget, const QColor &colour)
{
    delete readableTextOf(widget);
    new ReadableText(widget, colour, false);
}

void setLinkColour(QWidget *widget, const QColor &colour)
{
    delete readableTextOf(widget);
    new ReadableText(widget, colour, true);
}

QColor designedTextColour(const QWidget *widget)
{
    const ReadableText *text = readableTextOf(widget);
    return text ? text->designed() : QColor();
}

void makeFixedWindow(QMainWindow *window)
{
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint);
}

} // namespace Branding
