#include "goaldocument.h"

#include "platform/detail.h"
#include "platform/filesaving.h"

#include <QDir>

namespace {

QString lockReasonFor(int goal, const QString &path, const GoalFile::Loaded &loaded)
{
    if (loaded.unreadable)
        //: %1 is the goal file's path, %2 the goal's number
        return GoalDocument::tr("%1 could not be read, so Goal %2 shows nothing of it and cannot "
                                "be changed. The file is left as it is.")
            .arg(QDir::toNativeSeparators(path), QString::number(goal));
    if (loaded.tooLarge)
        //: %1 is the goal file's path, %2 the goal's number
        return GoalDocument::tr("%1 is too large to edit here, so Goal %2 shows only its "
                                "beginning and cannot be changed. The file is left as it is.")
            .arg(QDir::toNativeSeparators(path), QString::number(goal));
    return {};
}

} // namespace

QString GoalDocument::load(int goal, const QString &path)
{
    const GoalFile::Loaded loaded = GoalFile::load(path);
    m_goal = goal;
    m_path = path;
    m_encoding = loaded.encoding;
    m_lockReason = lockReasonFor(goal, path, loaded);
    m_stamp = loaded.stamp;
    m_loadedText = loaded.boxText;
    return loaded.boxText;
}

GoalDocument::Told GoalDocument::save(const QString &text, const Ask &ask)
{
    if (isLocked())
        return {m_lockReason};
    // A file deleted meanwhile is simply made again.
    if (const GoalFile::Stamp now = GoalFile::stampOf(m_path); now.exists() && now != m_stamp) {
        const QString question =
            //: %1 is the goal file's path, %2 the goal's number
            tr("%1 was changed by another program since Goal %2 was read.\n\nReplace it with the "
               "text shown? No leaves the file as it is.")
                .arg(QDir::toNativeSeparators(m_path), QString::number(m_goal));
        if (!ask(question, false))
            return {};
    }
    GoalFile::Encoding encoding = m_encoding;
    if (const QStringList foreign = GoalFile::charactersNotIn(encoding, text); !foreign.isEmpty()) {
        const QString question =
            //: %1 is the goal's number, %2 its file's name, %3 the file's encoding, %4 the
            //: characters
            tr("Goal %1 holds characters that %2 cannot hold in its encoding, %3: %4\n\nSave the "
               "file in UTF-8 instead, so that every character is kept? No leaves the file as it "
               "is.")
                .arg(m_goal)
                .arg(GoalFile::fileName(m_goal), GoalFile::encodingName(encoding),
                     foreign.join(QLatin1Char(' ')));
        if (!ask(question, true))
            return {};
        encoding = GoalFile::Encoding::Utf8;
    }
    const FileSaving::Failure failure = GoalFile::save(m_path, text, encoding);
    if (failure.isEmpty()) {
        m_encoding = encoding;
        m_stamp = GoalFile::stampOf(m_path);
        return {{}, false, true};
    }
    // Of a file that is not there, nothing can be said to be kept.
    const QString kept = FileSaving::pathKind(m_path) == FileSaving::PathKind::Missing
                             ? tr("Your text is still in the box.")
                             : tr("The file still holds what it held before, and your text is "
                                  "still in the box.");
    //: %1 is the goal's number, %2 its file's path, %3 why it could not be saved, %4 what the file
    //: and the box hold now
    return {withDetail(tr("Goal %1 could not be saved to %2.\n%3\n\n%4")
                           .arg(m_goal)
                           .arg(QDir::toNativeSeparators(m_path), failure.reason, kept),
                       failure.detail),
            true};
}
