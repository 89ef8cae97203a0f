#include "quizsetupwizard.h"

#include "platform/platform.h"
#include "quiz/quizsession.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

constexpr int promptNumberBase = 7;

// Screen readers call a button by what it shows.
template <typename Button> Button *named(Button *button, const QString &name)
{
    button->setObjectName(name);
    button->setAccessibleName(button->text());
    return button;
}

} // namespace

QuizSetupWizard::QuizSetupWizard(QuizSession &session, Platform &platform, QWidget *parent)
    : QWidget(parent)
    , m_session(session)
    , m_platform(platform)
{
    setObjectName(QStringLiteral("picTestSetUp"));
    setAccessibleName(tr("Test Set Up"));
    m_pages = new QStackedWidget(this);
    m_pages->setObjectName(QStringLiteral("testSetUpPages"));
    m_pages->setAccessibleName(tr("Test Set Up steps"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_pages);

    QWidget *subjects = addPage(QStringLiteral("fraTestSubjects"));
    const QString keywords = tr("Stone Keywords");
    const QString meanings = tr("Stone Meanings");
    m_subjects[1] =
        named(new QRadioButton(keywords, subjects), QStringLiteral("optTestSubjects_1"));
    m_subjects[0] =
        named(new QRadioButton(meanings, subjects), QStringLiteral("optTestSubjects_0"));
    fillPage(Subjects, tr("Select your preferred test set up."), {m_subjects[1], m_subjects[0]},
             {keywords, meanings},
             {tr("Each rune stone is associated with a particular keyword. Stone "
                 "Keywords help you to interpret the keywords associated with the "
                 "different rune stones."),
              tr("Stone Meanings lets you to test your ability to interpret the "
                 "different meanings of the different rune stones.")});
    m_flow[Subjects] = {[this] {
                            return meaningsChosen() || m_subjects[1]->isChecked()
                                       ? QString()
                                       : tr("Please Select A Test Subject");
                        },
                        // The keywords test asks no stone types.
                        [this] { return meaningsChosen() ? StoneTypes : Level; },
                        [] { return Subjects; }};

    QWidget *types = addPage(QStringLiteral("fraTestType"));
    const std::array<QString, 3> typeNames{tr("Upright Stones"), tr("Reversed Stones"),
                                           tr("Merkstave Stones")};
    for (int i = 0; i < 3; ++i)
        m_stoneTypes[i] =
            named(new QCheckBox(typeNames[i], types), QStringLiteral("chkTestType_%1").arg(i));
    fillPage(StoneTypes, tr("Select your preferred position."),
             {m_stoneTypes[0], m_stoneTypes[1], m_stoneTypes[2]},
             {typeNames[0], typeNames[1], tr("Markstave Stones")},
             {tr("This displays the meanings of the image of the stone seen in the "
                 "upright position."),
              tr("This displays the reverse meanings of the reversed image of the "
                 "stone seen in the reversed position."),
              tr("This displays the meanings of the image of the stone seen in the "
                 "markstave position.")});
    m_flow[StoneTypes] = {[this] {
                              // The type, not the page of that name.
                              ::StoneTypes ticked;
                              for (MeaningKind kind : allMeaningKinds)
                                  ticked.setFlag(stoneTypeOf(kind),
                                                 m_stoneTypes[std::size_t(kind)]->isChecked());
                              if (!ticked)
                                  return tr("Please Select At Least 1 Stone Type");
                              m_session.setStoneTypes(ticked);
                              return QString();
                          },
                          [] { return Level; }, [] { return Subjects; }};

    QWidget *level = addPage(QStringLiteral("fraTestLevel"));
    const QString beginner = tr("Beginner");
    const QString advanced = tr("Advanced");
    m_levels[0] = named(new QRadioButton(beginner, level), QStringLiteral("optTestLevel_0"));
    m_levels[1] = named(new QRadioButton(advanced, level), QStringLiteral("optTestLevel_1"));
    fillPage(Level, tr("Select your preferred level."), {m_levels[0], m_levels[1]},
             {beginner, advanced},
             {tr("This is the best test set up for the learners of the subject. This "
                 "allows you to test your skills at a very basic level."),
              tr("This set up allows you to test your skills at a higher level. This "
                 "is the ideal level for the experienced people.")});
    m_flow[Level] = {[this] {
                         return m_levels[0]->isChecked() || m_levels[1]->isChecked()
                                    ? QString()
                                    : tr("Please Select A Test Level");
                     },
                     [] { return -1; },
                     [this] { return meaningsChosen() ? StoneTypes : Subjects; }};
    showPage(Subjects);
}

QWidget *QuizSetupWizard::addPage(const QString &name)
{
    auto *page = new QFrame(m_pages);
    page->setObjectName(name);
    m_pages->addWidget(page);
    return page;
}

void QuizSetupWizard::fillPage(Page id, const QString &prompt,
                               const QList<QAbstractButton *> &choices,
                               const QStringList &frameCaptions, const QStringList &descriptions)
{
    QWidget *page = m_pages->widget(id);
    // A screen reader hears the page's question as the focus enters the page.
    page->setAccessibleName(prompt);
    auto *promptLabel = new QLabel(prompt, page);
    promptLabel->setObjectName(QStringLiteral("lblCaptions_%1").arg(promptNumberBase + id));
    QFont bold = promptLabel->font();
    bold.setBold(true);
    promptLabel->setFont(bold);

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    for (int i = 0; i < choices.size(); ++i) {
        const int number = m_descriptionsAdded++;
        auto *frame = new QGroupBox(frameCaptions[i], page);
        frame->setObjectName(QStringLiteral("fraCaptions_%1").arg(number));
        auto *description = new QLabel(descriptions[i], frame);
        description->setObjectName(QStringLiteral("lblCaptions_%1").arg(number));
        description->setWordWrap(true);
        (new QVBoxLayout(frame))->addWidget(description);
        choices[i]->setAccessibleDescription(descriptions[i]);
        grid->addWidget(choices[i], i, 0, Qt::AlignVCenter | Qt::AlignLeft);
        grid->addWidget(frame, i, 1);
    }
    grid->setColumnMinimumWidth(0, 150);
    grid->setColumnStretch(1, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    const auto addButton = [page, buttons](const QString &name, const QString &caption) {
        auto *button = named(new QPushButton(caption, page), name);
        button->setMinimumWidth(90);
        buttons->addWidget(button);
        return button;
    };
    // The buttons are numbered as the pages that have them.
    if (id != Subjects) {
        QPushButton *back = addButton(QStringLiteral("cmdTestBack_%1").arg(id - 1), tr("Back"));
        connect(back, &QPushButton::clicked, this, [this, id] { this->back(id); });
    }
    QPushButton *next = addButton(QStringLiteral("cmdTestNext_%1").arg(id), tr("Next"));
    connect(next, &QPushButton::clicked, this, [this, id] { this->next(id); });

    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(16, 10, 16, 10);
    layout->setSpacing(10);
    layout->addWidget(promptLabel);
    layout->addLayout(grid);
    layout->addStretch(1);
    layout->addLayout(buttons);
}

void QuizSetupWizard::showPage(Page page)
{
    m_pages->setCurrentIndex(page);
    // The page's question, which the study window tells with the section.
    setAccessibleDescription(m_pages->currentWidget()->accessibleName());
}

bool QuizSetupWizard::meaningsChosen() const
{
    return m_subjects[0]->isChecked();
}

void QuizSetupWizard::next(Page page)
{
    const Flow &flow = m_flow[page];
    if (const QString refusal = flow.validate(); !refusal.isEmpty()) {
        m_platform.message(this, refusal, Platform::Icon::Critical);
        return;
    }
    if (const int id = flow.nextId(); id >= 0)
        showPage(static_cast<Page>(id));
    else
        startTest();
}

void QuizSetupWizard::back(Page page)
{
    showPage(m_flow[page].backId());
}

void QuizSetupWizard::startTest()
{
    const QuizSubject subject = meaningsChosen() ? QuizSubject::Meanings : QuizSubject::Keywords;
    const QuizLevel level = m_levels[0]->isChecked() ? QuizLevel::Beginner : QuizLevel::Advanced;
    m_session.startTest(subject, level);
    if (subject == QuizSubject::Keywords)
        emit keywordsTestRequested();
    else
        emit meaningsTestRequested();
}
