#include "aboutbox.h"

#include "brand/branding.h"
#include "platform/twips.h"
#include "platform/webpages.h"
#include "widgets/linklabel.h"
#include "widgets/roomfortext.h"

#include <QFrame>
#include <QIcon>
#include <QPushButton>

namespace {

const QColor lavender(199, 159, 238);
const QColor yellow(255, 255, 0);
// Yellow alone is too pale to read on lavender; a deep violet halo keeps its glow legible.
const QColor halo(56, 16, 88);

QLabel *plainLabel(const QString &name, const QString &text, const QRect &geometry, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(geometry);
    Branding::setTextColour(label, Qt::black);
    return label;
}

template <typename Label>
Label *yellowLabel(const QString &name, const QString &text, const QRect &geometry, QWidget *parent)
{
    auto *label = new Label(text, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setOutline(halo);
    Branding::setTextColour(label, yellow);
    return label;
}

} // namespace

AboutBox::AboutBox(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(Branding::windowTitle);
    setAccessibleName(tr("About Orlendra"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setModal(true);
    setFont(Branding::programFont());
    setFixedSize(twips(7290), twips(3315));
    QPalette colours = palette();
    colours.setColor(QPalette::Window,
                     Branding::groundColour(lavender, colours.color(QPalette::Window)));
    setPalette(colours);
    setAutoFillBackground(true);

    m_ok = new QPushButton(tr("OK"), this);
    m_ok->setObjectName(QStringLiteral("cmdOK"));
    m_ok->setAccessibleName(m_ok->text());
    m_ok->setGeometry(twipsRect(5865, 2880, 1260, 345));
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);

    auto *icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("picIcon"));
    icon->setAccessibleName(QStringLiteral("Orlendra"));
    icon->setGeometry(twipsRect(150, 45, 480, 480));
    icon->setPixmap(QIcon(QStringLiteral(":/icon/orlendra-32.png")).pixmap(icon->size()));

    auto *title = yellowLabel<OutlinedLabel>(QStringLiteral("Label2"), Branding::windowTitle,
                                             twipsRect(840, 45, 3630, 345), this);
    QFont titleFont = font();
    titleFont.setBold(true);
    // 14.25 points at the 96 dots per inch the box was drawn at.
    titleFont.setPixelSize(19);
    title->setFont(titleFont);

    plainLabel(QStringLiteral("Label1"),
               tr("Orlendra is a completely educational software which aims to help you in "
                  "learning the basics of this ancient form of divination. The program has an "
                  "easy-to-use interface which also includes a Goal Reminder thus allowing the "
                  "user to set goals that they intend to achieve."),
               twipsRect(840, 510, 6405, 1095), this);

    auto *homePage = yellowLabel<LinkLabel>(QStringLiteral("lblHomePage"),
                                            //: %1 is the web site's name, such as www.example.org
                                            tr("Click here to visit %1").arg(WebPages::siteName()),
                                            twipsRect(3075, 1605, 4050, 195), this);

    QLabel *offer = plainLabel(
        QStringLiteral("Label3"),
        tr("Home Business Opportunity. Start your own Internet business and make money online. "
           "Get this software fully branded for your website."),
        twipsRect(120, 1920, 7125, 435), this);
    QFont bold = font();
    bold.setBold(true);
    offer->setFont(bold);

    auto *coBrand =
        yellowLabel<LinkLabel>(QStringLiteral("lblCoBrand"), tr("Click here for more details."),
                               twipsRect(4770, 2355, 2355, 195), this);
    // Seen, the link stands under the offer it belongs to; heard alone, it must name it.
    coBrand->setAccessibleDescription(
        tr("Opens the web page about getting this software fully branded for your website."));

    connect(homePage, &LinkLabel::clicked, this,
            [this] { emit webPageRequested(WebPages::Page::HomePage); });
    connect(coBrand, &LinkLabel::clicked, this,
            [this] { emit webPageRequested(WebPages::Page::FullyBranded); });

    auto *line = new QFrame(this);
    line->setObjectName(QStringLiteral("Line2"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(0, twips(2760) - 1, width(), 2);

    makeRoomForTexts(this);

    // OK comes first, so Enter closes the box even though a focused link takes Enter itself.
    setTabOrder(m_ok, homePage);
    setTabOrder(homePage, coBrand);
    m_ok->setFocus();
}
