#include "aboutbox.h"

#include "brand/branding.h"
#include "platform/webpages.h"
#include "widgets/linklabel.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

namespace {

const QColor lavender(199, 159, 238);
const QColor yellow(255, 255, 0);
// Yellow alone is too pale to read on lavender; a deep violet halo keeps its glow legible.
const QColor halo(56, 16, 88);

QLabel *plainLabel(const QString &name, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Branding::setTextColour(label, Qt::black);
    return label;
}

template <typename Label>
Label *yellowLabel(const QString &name, const QString &text, QWidget *parent)
{
    auto *label = new Label(text, parent);
    label->setObjectName(name);
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
    QPalette colours = palette();
    colours.setColor(QPalette::Window,
                     Branding::groundColour(lavender, colours.color(QPalette::Window)));
    setPalette(colours);
    setAutoFillBackground(true);

    m_ok = new QPushButton(tr("OK"), this);
    m_ok->setObjectName(QStringLiteral("cmdOK"));
    m_ok->setAccessibleName(m_ok->text());
    m_ok->setMinimumSize(Branding::atFontSize(this, QSize(84, 23)));
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);

    auto *icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("picIcon"));
    icon->setAccessibleName(QStringLiteral("Orlendra"));
    icon->setPixmap(QIcon(QStringLiteral(":/icon/orlendra-32.png")).pixmap(32, 32));

    auto *title = yellowLabel<OutlinedLabel>(QStringLiteral("Label2"), Branding::windowTitle, this);
    QFont titleFont = font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(14.25);
    title->setFont(titleFont);

    QLabel *purpose =
        plainLabel(QStringLiteral("Label1"),
                   tr("Orlendra is a completely educational software which aims to help you in "
                      "learning the basics of this ancient form of divination. The program has an "
                      "easy-to-use interface which also includes a Goal Reminder thus allowing the "
                      "user to set goals that they intend to achieve."),
                   this);
    // The box is as wide as drawn; its texts wrap within that.
    purpose->setMinimumWidth(Branding::atFontSize(this, QSize(427, 0)).width());

    auto *homePage =
        yellowLabel<LinkLabel>(QStringLiteral("lblHomePage"),
                               //: %1 is the web site's name, such as www.example.org
                               tr("Click here to visit %1").arg(WebPages::siteName()), this);

    QLabel *offer = plainLabel(
        QStringLiteral("Label3"),
        tr("Home Business Opportunity. Start your own Internet business and make money online. "
           "Get this software fully branded for your website."),
        this);
    QFont bold = font();
    bold.setBold(true);
    offer->setFont(bold);

    auto *coBrand = yellowLabel<LinkLabel>(QStringLiteral("lblCoBrand"),
                                           tr("Click here for more details."), this);
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

    auto *texts = new QGridLayout;
    texts->setContentsMargins(10, 3, 3, 0);
    texts->setHorizontalSpacing(14);
    texts->setVerticalSpacing(0);
    texts->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
    texts->addWidget(title, 0, 1);
    texts->addWidget(purpose, 1, 1);
    texts->addWidget(homePage, 2, 1, Qt::AlignRight);
    texts->addWidget(offer, 3, 0, 1, 2);
    texts->addWidget(coBrand, 4, 0, 1, 2, Qt::AlignRight);
    // The rows as high as drawn, where their texts need no more.
    for (const auto &[row, height] : {std::pair{0, 31}, {1, 73}, {2, 21}})
        texts->setRowMinimumHeight(row, Branding::atFontSize(this, QSize(0, height)).height());
    // The links end where "OK" does.
    for (QLabel *link : {static_cast<QLabel *>(homePage), static_cast<QLabel *>(coBrand)})
        link->setContentsMargins(0, 0, 8, 0);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 6);
    layout->setSpacing(0);
    layout->addLayout(texts);
    layout->addSpacing(12);
    layout->addWidget(line);
    layout->addSpacing(9);
    auto *buttons = new QHBoxLayout;
    buttons->setContentsMargins(0, 0, 11, 0);
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // OK comes first, so Enter closes the box even though a focused link takes Enter itself.
    setTabOrder(m_ok, homePage);
    setTabOrder(homePage, coBrand);
    m_ok->setFocus();
}
