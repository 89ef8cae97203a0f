#include "memorizesection.h"

#include "brand/branding.h"
#include "catalogue/runecatalogue.h"
#include "catalogue/stonepicturebox.h"
#include "studycontroller.h"
#include "widgets/commandbutton.h"
#include "widgets/focusnews.h"
#include "widgets/guardedtextbox.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr QSize pictureBox{84, 112};

QLabel *caption(int index, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QStringLiteral("lblMeaningCaption_%1").arg(index));
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

GuardedTextBox *textBox(Platform &platform, const QString &name, const QString &caption,
                        QWidget *parent)
{
    auto *box = new GuardedTextBox(platform, parent);
    box->setObjectName(name);
    box->setAccessibleName(caption);
    box->setReadOnly(true);
    // Read-only, but still reachable and scrollable from the keyboard.
    box->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    return box;
}

} // namespace

MemorizeSection::MemorizeSection(Platform &platform, StudyController &controller, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("picMemorizeStones"));
    setAccessibleName(tr("Memorize Stones"));

    m_stoneName = new QLabel(tr("Stone Name"), this);
    m_stoneName->setObjectName(QStringLiteral("lblStoneName"));
    m_stoneName->setAlignment(Qt::AlignCenter);
    QFont nameFont = m_stoneName->font();
    nameFont.setBold(true);
    nameFont.setPointSizeF(10.5);
    m_stoneName->setFont(nameFont);
    Branding::setTextColour(m_stoneName, QColor(128, 0, 128));

    const std::array<QString, 3> captions{tr("Normal Meaning"), tr("Reverse Meaning"),
                                          tr("Markstave Meaning")};
    auto *columns = new QGridLayout;
    columns->setHorizontalSpacing(10);
    columns->setVerticalSpacing(3);
    for (int i = 0; i < 3; ++i) {
        QLabel *heading = caption(i, captions[i], this);
        heading->setAlignment(Qt::AlignCenter);
        m_pictures[i] = new StonePictureBox(this);
        m_pictures[i]->setObjectName(QStringLiteral("picStone_%1").arg(i));
        m_pictures[i]->setFixedSize(pictureBox);
        // Until a walk shows a stone, the boxes hold Fehu, Uruz and the blank stone.
        m_pictures[i]->setPictureNumber(i < 2 ? i + 1 : BlankPictureNumber);
        m_meanings[i] =
            textBox(platform, QStringLiteral("txtMeaning_%1").arg(i), captions[i], this);
        columns->addWidget(heading, 0, i);
        columns->addWidget(m_pictures[i], 1, i, Qt::AlignHCenter);
        columns->addWidget(m_meanings[i], 2, i);
    }
    m_pictures[2]->setAccessibleName(tr("Blank stone"));
    columns->setRowStretch(2, 1);

    m_keywords = textBox(platform, QStringLiteral("txtKeywords"), tr("Keywords"), this);
    m_alternativeNames =
        textBox(platform, QStringLiteral("txtAlternativeNames"), tr("Alternative Names"), this);
    for (GuardedTextBox *box : {m_keywords, m_alternativeNames})
        box->setFixedHeight(Branding::atFontSize(this, QSize(0, 40)).height());

    m_back = commandButton(tr("<< Back"), QStringLiteral("cmdBack"), this);
    m_next = commandButton(tr("Next >>"), QStringLiteral("cmdNext"), this);
    connect(m_back, &QPushButton::clicked, &controller, &StudyController::previousStone);
    connect(m_next, &QPushButton::clicked, &controller, &StudyController::nextStone);

    auto *lower = new QGridLayout;
    lower->setHorizontalSpacing(10);
    lower->setVerticalSpacing(2);
    lower->addWidget(caption(3, tr("Keywords"), this), 0, 0);
    lower->addWidget(m_keywords, 1, 0);
    lower->addWidget(caption(4, tr("Alternative Names"), this), 0, 1);
    lower->addWidget(m_alternativeNames, 1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_back);
    buttons->addWidget(m_next);
    lower->addLayout(buttons, 1, 2);
    for (int column = 0; column < 3; ++column)
        lower->setColumnStretch(column, 1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 4, 10, 6);
    layout->setSpacing(4);
    layout->addWidget(m_stoneName);
    layout->addLayout(columns, 1);
    layout->addLayout(lower);

    connect(&controller, &StudyController::walkButtonsChanged, this,
            &MemorizeSection::setBackNextEnabled);
    setBackNextEnabled(false, true);
    if (const StudyWalk &walk = controller.walk(); !walk.isEmpty())
        showStone(walk.currentStone());
}

void MemorizeSection::showStone(StoneIndex stone)
{
    const RuneCatalogue &catalogue = loadRuneCatalogue();
    const QString &name = catalogue.stoneNames[stone];
    m_stoneName->setText(name);
    // The texts are kept here as well as given to the boxes: reading them back would make a box
    // behind the front section lay its text out long before anyone sees it.
    const std::array<QString, 3> meanings{catalogue.uprightMeanings[stone],
                                          catalogue.reversedMeanings[stone],
                                          catalogue.merkstaveMeanings[stone]};
    for (int i = 0; i < 3; ++i) {
        m_meanings[i]->setText(meanings[i]);
        // A screen reader reads a text box from its caret line by line; the description gives it
        // the whole meaning as the focus arrives.
        m_meanings[i]->setAccessibleDescription(meanings[i]);
    }
    m_pictures[0]->setPictureNumber(pictureNumberOf(stone));
    //: A picture's name: %1 is the stone's name
    m_pictures[0]->setAccessibleName(tr("%1, upright").arg(name));
    m_pictures[1]->setPictureNumber(pictureNumberOf(stone));
    //: A picture's name: %1 is the stone's name
    m_pictures[1]->setAccessibleName(tr("%1, reversed").arg(name));
    m_pictures[1]->turn();
    const QString keywords = catalogue.keywordsOf(stone).join(QStringLiteral(", "));
    const QString alternativeNames = catalogue.alternativeNamesOf(stone).join(QStringLiteral(", "));
    m_keywords->setText(keywords);
    m_alternativeNames->setText(alternativeNames);
    // The walk's buttons keep the focus as they move on; what changed is said on them.
    const QString news =
        //: %1 is the stone's name, %2 its keywords, %3 its other names
        tr("%1. Keywords: %2. Alternative Names: %3.").arg(name, keywords, alternativeNames);
    setAccessibleDescription(name + QLatin1Char('.'));
    for (QPushButton *button : {m_back, m_next}) {
        button->setAccessibleDescription(news);
        if (button->hasFocus())
            focusWithNews(button);
    }
}

void MemorizeSection::setBackNextEnabled(std::optional<bool> back, std::optional<bool> next)
{
    // A button disabled under the focus would hand it on out of the walk, to whatever comes next
    // in the window; the other button of the walk takes it instead.
    const auto set = [](QPushButton *button, QPushButton *other, std::optional<bool> enabled) {
        if (!enabled)
            return;
        if (!*enabled && button->hasFocus() && other->isEnabled())
            other->setFocus(Qt::OtherFocusReason);
        button->setEnabled(*enabled);
    };
    if (back.value_or(false))
        set(m_back, m_next, back);
    set(m_next, m_back, next);
    set(m_back, m_next, back);
}
