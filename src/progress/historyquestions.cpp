#include "historyquestions.h"

#include "history/historystore.h"
#include "platform/platform.h"

#include <QLocale>

namespace {

const QString paragraph = QStringLiteral("\n\n");

} // namespace

bool HistoryQuestions::tell(Platform &platform, QWidget *over, HistoryStore &history)
{
    const QString notice = history.takeNotice();
    const std::optional<HistoryBackups::Backup> backup = history.offeredBackup();
    if (!backup) {
        if (!notice.isEmpty())
            platform.message(over, notice, Platform::Icon::Warning);
        return false;
    }
    const Platform::Answer answer = platform.message(
        over, notice + paragraph + offer(*backup) + QLatin1Char(' ') + tr("Restore it instead?"),
        Platform::Icon::Warning, Platform::Buttons::YesNo, Platform::Answer::Yes);
    if (answer == Platform::Answer::Yes)
        return restore(platform, over, history, *backup);
    history.declineBackup();
    tell(platform, over, history);
    return false;
}

bool HistoryQuestions::check(Platform &platform, QWidget *over, HistoryStore &history)
{
    const std::optional<int> problems = history.problems();
    // Opening may have found the file damaged, and offered a backup for it.
    if (history.offeredBackup())
        return tell(platform, over, history);
    tell(platform, over, history);
    if (!problems) {
        platform.message(over,
                         history.waiting()
                             ? tr("The history of your tests cannot be checked just now: another "
                                  "program is using its file. Try again in a moment.")
                             : tr("The history of your tests could not be checked."),
                         Platform::Icon::Warning);
        return false;
    }
    if (*problems == 0) {
        platform.message(over,
                         tr("The history of your tests is whole: the check found no problems."),
                         Platform::Icon::Information);
        return false;
    }
    const QString found =
        *problems == 1
            ? tr("The check found a problem in the history of your tests.")
            : tr("The check found %n problems in the history of your tests.", nullptr, *problems);
    // A table or column gone of what the answers make needs no backup: the answers are all there.
    if (history.rebuildable(*problems)) {
        if (platform.message(over,
                             found + paragraph +
                                 tr("Every test is whole; what is worked out from the answers, "
                                    "the boxes and the tallies of the stones, is not. Work it out "
                                    "again?"),
                             Platform::Icon::Warning, Platform::Buttons::YesNo,
                             Platform::Answer::Yes) != Platform::Answer::Yes)
            return false;
        const bool repaired = history.rebuild();
        platform.message(over,
                         repaired ? tr("The history has been repaired.") : history.takeNotice(),
                         repaired ? Platform::Icon::Information : Platform::Icon::Warning);
        return repaired;
    }
    const std::optional<HistoryBackups::Backup> backup = history.newestGoodBackup();
    if (!backup) {
        platform.message(over, found + paragraph + tr("There is no backup to restore it from."),
                         Platform::Icon::Warning);
        return false;
    }
    const Platform::Answer answer =
        platform.message(over,
                         found + paragraph + offer(*backup) + QLatin1Char(' ') +
                             tr("Restore it? The history as it is now is kept aside."),
                         Platform::Icon::Warning, Platform::Buttons::YesNo, Platform::Answer::Yes);
    return answer == Platform::Answer::Yes && restore(platform, over, history, *backup);
}

QString HistoryQuestions::offer(const HistoryBackups::Backup &backup)
{
    // In the words the desktop's own settings give a day, not a form chosen for all of a language.
    const QString day = QLocale().toString(backup.taken.toLocalTime().date(), QLocale::LongFormat);
    return (backup.tests == 1
                ? tr("The newest backup, of %1, holds one test.")
                : tr("The newest backup, of %1, holds %n tests.", nullptr, int(backup.tests)))
        .arg(day);
}

bool HistoryQuestions::restore(Platform &platform, QWidget *over, HistoryStore &history,
                               const HistoryBackups::Backup &backup)
{
    const bool restored = history.restore(backup);
    QString told = history.takeNotice();
    if (restored)
        told = tr("The backup has been restored.") + (told.isEmpty() ? told : paragraph + told);
    platform.message(over, told, restored ? Platform::Icon::Information : Platform::Icon::Warning);
    return restored;
}
