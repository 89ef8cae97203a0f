#include "settingssection.h"

#include "studycontroller.h"
#include "widgets/commandbutton.h"
#include "widgets/wrappinglabel.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

QLabel *wrappedLabel(const QString &name, const QString &text, QWidget *parent)
{
    auto *label = new WrappingLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QCheckBox *tickBox(const QString &name, const QString &caption, QWidget *parent)
{
    auto *box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    box->setAccessibleName(caption);
    return box;
}

} // namespace

SettingsSection::SettingsSection(StudyController &controller, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("picSettings"));
    setAccessibleName(tr("Settings"));
    // German texts or a larger font need more height than the panel has: the section then
    // scrolls up and down, never sideways.
    auto *scroller = new QScrollArea(this);
    scroller->setObjectName(QStringLiteral("settingsScroller"));
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroller->setWidgetResizable(true);
    scroller->setFocusPolicy(Qt::NoFocus);
    auto *content = new QWidget;
    auto *panel = new QVBoxLayout(this);
    panel->setContentsMargins(0, 0, 0, 0);
    panel->addWidget(scroller);

    auto *intro = wrappedLabel(QStringLiteral("Label2_0"),
                               tr("Orlendra helps you learn more about the meanings of "
                                  "runes stone. Use this software to improve your "
                                  "rune reading skills."),
                               content);
    auto *invite = wrappedLabel(
        QStringLiteral("Label2_1"),
        tr("Choose one or more of the below Stone Groups to start your Rune Lessons Now!"),
        content);
    QFont bold = invite->font();
    bold.setBold(true);
    invite->setFont(bold);

    auto *groups = new QGroupBox(tr("Stone Groups"), content);
    groups->setObjectName(QStringLiteral("Frame2"));
    auto *groupsLayout = new QGridLayout(groups);
    groupsLayout->setVerticalSpacing(4);
    groupsLayout->addWidget(
        wrappedLabel(QStringLiteral("lblLabel_0"),
                     tr("The 24 rune stones have been divided into three stone groups "
                        "or 'Aett', each containing eight stones, for your study and "
                        "to make the subject more simple and interesting. Please "
                        "select your preferred Stone Group or Aett."),
                     groups),
        0, 0, 1, 2);
    const std::array<QString, 3> aettNames{tr("First Aett"), tr("Second Aett"), tr("Third Aett")};
    const std::array<QString, 3> themes{
        tr("The theme of the first Aett of runes is the unity of the initial forces "
           "of fire, chaos, ice and order to bring about the gift of the gods."),
        tr("The theme of the second Aett of runes is development of consciousness "
           "from the basic level to the more matured, higher and the complex thought "
           "patterns."),
        tr("The theme of the third Aett of runes is 'transition'. It projects the "
           "natural progression of mankind from his first days to the end of the "
           "world.")};
    for (int i = 0; i < 3; ++i) {
        m_groups[i] = tickBox(QStringLiteral("chkGroups_%1").arg(i), aettNames[i], groups);
        QLabel *theme = wrappedLabel(QStringLiteral("lblLabel_%1").arg(i + 1), themes[i], groups);
        m_groups[i]->setAccessibleDescription(themes[i]);
        groupsLayout->addWidget(m_groups[i], i + 1, 0, Qt::AlignTop);
        theme->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        groupsLayout->addWidget(theme, i + 1, 1);
    }
    groupsLayout->setColumnStretch(1, 1);

    auto *meanings = new QGroupBox(tr("Stone Meanings"), content);
    meanings->setObjectName(QStringLiteral("Frame1"));
    auto *meaningsLayout = new QVBoxLayout(meanings);
    const std::array<QString, 3> meaningNames{tr("Upright Meanings"), tr("Reversed Meanings"),
                                              tr("Merkstave Meanings")};
    for (int i = 0; i < 3; ++i) {
        m_meanings[i] = tickBox(QStringLiteral("chkMeanings_%1").arg(i), meaningNames[i], meanings);
        meaningsLayout->addWidget(m_meanings[i]);
    }

    auto *objects = new QGroupBox(tr("Stone Objects"), content);
    objects->setObjectName(QStringLiteral("Frame3"));
    auto *objectsLayout = new QVBoxLayout(objects);
    m_objects[0] = tickBox(QStringLiteral("chkObjects_0"), tr("Keywords"), objects);
    m_objects[1] = tickBox(QStringLiteral("chkObjects_1"), tr("Also Known As"), objects);
    // "Also Known As" stands first on screen, although it is the second object; Tab follows
    // the screen.
    objectsLayout->addWidget(m_objects[1]);
    objectsLayout->addWidget(m_objects[0]);
    setTabOrder(m_meanings[2], m_objects[1]);

    m_memorize =
        commandButton(tr("Memorize Meanings / Keywords"), QStringLiteral("cmdMemorize"), content);
    m_save = commandButton(tr("Save Current Settings As Default"),
                           QStringLiteral("cmdSaveSettings"), content);
    connect(m_memorize, &QPushButton::clicked, &controller,
            [this, &controller] { controller.memorize(ticks()); });
    connect(m_save, &QPushButton::clicked, &controller,
            [this, &controller] { controller.saveSettings(ticks()); });
    connect(&controller, &StudyController::ticksLoaded, this, &SettingsSection::setTicks);

    auto *right = new QVBoxLayout;
    right->addWidget(meanings);
    right->addWidget(objects);
    right->addStretch(1);
    right->addWidget(m_memorize);
    right->addWidget(m_save);

    auto *columns = new QHBoxLayout;
    columns->addWidget(groups, 1);
    columns->addLayout(right);

    auto *layout = new QVBoxLayout(content);
    layout->setContentsMargins(10, 6, 10, 8);
    layout->setSpacing(4);
    layout->addWidget(intro);
    layout->addWidget(invite);
    layout->addLayout(columns, 1);
    scroller->setWidget(content);
    // Tab scrolls by itself; the focus set from elsewhere, by a screen reader say, is shown too.
    connect(qApp, &QApplication::focusChanged, scroller,
            [scroller, content](QWidget *, QWidget *now) {
                if (now && content->isAncestorOf(now))
                    scroller->ensureWidgetVisible(now);
            });
}

StudySettings SettingsSection::ticks() const
{
    StudySettings settings;
    for (int i = 0; i < 3; ++i) {
        settings.stoneGroup[i] = m_groups[i]->isChecked();
        settings.stoneMeaning[i] = m_meanings[i]->isChecked();
    }
    for (int i = 0; i < 2; ++i)
        settings.stoneObject[i] = m_objects[i]->isChecked();
    return settings;
}

void SettingsSection::setTicks(const StudySettings &settings)
{
    for (int i = 0; i < 3; ++i) {
        m_groups[i]->setChecked(settings.stoneGroup[i]);
        m_meanings[i]->setChecked(settings.stoneMeaning[i]);
    }
    for (int i = 0; i < 2; ++i)
        m_objects[i]->setChecked(settings.stoneObject[i]);
}
