#include "paperdialogs.h"

#include "catalogue/runecatalogue.h"
#include "platform/platform.h"
#include "quiz/quizsession.h"
#include "quizscreens/quizpaper.h"
#include "quizscreens/quizsetupwizard.h"
#include "studypaper.h"
#include "studywalk.h"
#include "widgets/paperoutput.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QComboBox *choice(const QString &objectName, const QString &name, const QStringList &items,
                  int current, PaperDialog *dialog)
{
    auto *box = new QComboBox(dialog);
    box->setObjectName(objectName);
    box->addItems(items);
    box->setCurrentIndex(current);
    box->setAccessibleName(QString(name).remove(QLatin1Char('&')).remove(QLatin1Char(':')));
    dialog->form()->addRow(name, box);
    return box;
}

void openSheetDialog(Platform &platform, const StudySettings &ticks, bool pdf, QWidget *parent)
{
    auto *dialog = new PaperDialog(platform,
                                   pdf ? PaperDialog::tr("Save Study Sheet as PDF")
                                       : PaperDialog::tr("Print Study Sheet"),
                                   pdf, parent);
    QComboBox *style = choice(QStringLiteral("cboSheetStyle"), PaperDialog::tr("&Layout:"),
                              {PaperDialog::tr("Full: every ticked meaning"),
                               PaperDialog::tr("Compact: picture, name and keywords")},
                              0, dialog);
    dialog->setMake([ticks, style]() -> std::unique_ptr<PaperDocument> {
        return std::make_unique<StudySheet>(
            loadRuneCatalogue(), ticks,
            style->currentIndex() == 0 ? StudySheet::Style::Full : StudySheet::Style::Compact);
    });
    dialog->open();
}

void openCardsDialog(Platform &platform, const StudySettings &ticks, QWidget *parent)
{
    auto *dialog = new PaperDialog(platform, PaperDialog::tr("Print Flash Cards"), false, parent);
    auto *hint =
        new QLabel(PaperDialog::tr("Print on both sides of the paper, turned over its long edge: "
                                   "each name then falls on the back of its stone."),
                   dialog);
    hint->setWordWrap(true);
    dialog->form()->addRow(hint);
    dialog->setMake([ticks]() -> std::unique_ptr<PaperDocument> {
        return std::make_unique<FlashCards>(loadRuneCatalogue(), studyOrderFor(ticks.stoneGroup));
    });
    dialog->open();
}

void openTestDialog(Platform &platform, const QuizSession &session, QWidget *parent)
{
    // What the set-up last started with, the learner's usual test.
    const AnswerSheet &last = session.sheet();
    auto *dialog = new PaperDialog(platform, PaperDialog::tr("Print a Test"), false, parent);
    QComboBox *subject =
        choice(QStringLiteral("cboTestSubject"), PaperDialog::tr("&Subject:"),
               {QuizSetupWizard::tr("Stone Keywords"), QuizSetupWizard::tr("Stone Meanings")},
               last.subject == QuizSubject::Meanings ? 1 : 0, dialog);
    auto *typeBox = new QWidget(dialog);
    auto *typeLayout = new QVBoxLayout(typeBox);
    typeLayout->setContentsMargins({});
    const std::array<QString, 3> typeNames{QuizSetupWizard::tr("Upright Stones"),
                                           QuizSetupWizard::tr("Reversed Stones"),
                                           QuizSetupWizard::tr("Merkstave Stones")};
    const StoneTypes ticked = session.stoneTypes() ? session.stoneTypes()
                                                   : StoneTypes(StoneType::Upright) |
                                                         StoneType::Reversed | StoneType::Merkstave;
    std::array<QCheckBox *, 3> types{};
    for (const MeaningKind kind : allMeaningKinds) {
        auto *box = new QCheckBox(typeNames[int(kind)], typeBox);
        box->setObjectName(QStringLiteral("chkTestType_%1").arg(int(kind)));
        box->setAccessibleName(typeNames[int(kind)]);
        box->setChecked(ticked.testFlag(stoneTypeOf(kind)));
        typeLayout->addWidget(box);
        types[int(kind)] = box;
    }
    dialog->form()->addRow(PaperDialog::tr("Stone types:"), typeBox);
    QComboBox *level = choice(QStringLiteral("cboTestLevel"), PaperDialog::tr("L&evel:"),
                              {QuizSetupWizard::tr("Beginner"), QuizSetupWizard::tr("Advanced")},
                              last.level == QuizLevel::Advanced ? 1 : 0, dialog);
    // Only the meanings test asks by the stones' positions.
    const auto follow = [typeBox, subject] { typeBox->setEnabled(subject->currentIndex() == 1); };
    QObject::connect(subject, &QComboBox::currentIndexChanged, typeBox, follow);
    follow();
    dialog->setMake([&platform, parent, subject, level, types]() -> std::unique_ptr<PaperDocument> {
        QuizSetup setup;
        setup.level = level->currentIndex() == 0 ? QuizLevel::Beginner : QuizLevel::Advanced;
        for (const MeaningKind kind : allMeaningKinds) {
            if (types[int(kind)]->isChecked())
                setup.stoneTypes |= stoneTypeOf(kind);
        }
        const QuizSubject chosen =
            subject->currentIndex() == 0 ? QuizSubject::Keywords : QuizSubject::Meanings;
        if (chosen == QuizSubject::Meanings && !setup.stoneTypes) {
            platform.message(parent, QuizSetupWizard::tr("Please Select At Least 1 Stone Type"),
                             Platform::Icon::Information);
            return {};
        }
        return std::make_unique<TestPaper>(loadRuneCatalogue(), chosen, setup, platform.random());
    });
    dialog->open();
}

} // namespace

void addPaperEntries(QMenu *file, Platform &platform, std::function<StudySettings()> ticks,
                     const QuizSession &session, QWidget *parent)
{
    const auto entry = [file](const QString &text, const QString &objectName) {
        QAction *action = file->addAction(text);
        action->setObjectName(objectName);
        return action;
    };
    QObject::connect(
        entry(PaperDialog::tr("Print Study &Sheet..."), QStringLiteral("mnuPrintSheet")),
        &QAction::triggered, parent,
        [&platform, ticks, parent] { openSheetDialog(platform, ticks(), false, parent); });
    QObject::connect(
        entry(PaperDialog::tr("Save Study Sheet as P&DF..."), QStringLiteral("mnuSheetPdf")),
        &QAction::triggered, parent,
        [&platform, ticks, parent] { openSheetDialog(platform, ticks(), true, parent); });
    QObject::connect(
        entry(PaperDialog::tr("Print Flash &Cards..."), QStringLiteral("mnuPrintCards")),
        &QAction::triggered, parent,
        [&platform, ticks, parent] { openCardsDialog(platform, ticks(), parent); });
    QObject::connect(entry(PaperDialog::tr("Print a &Test..."), QStringLiteral("mnuPrintTest")),
                     &QAction::triggered, parent,
                     [&platform, &session, parent] { openTestDialog(platform, session, parent); });
}
