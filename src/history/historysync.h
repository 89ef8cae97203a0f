#pragma once

#include "syncjournal.h"
#include "testrows.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QHash>
#include <QSet>

#include <functional>

class HistoryDatabase;
class HistoryRecorder;
class QSqlDatabase;
class QSqlError;

// The history kept in step with the learner's other computers through a folder a file-sync tool
// keeps the same on each. Every computer appends its own tests to a journal of its own there and
// reads everyone else's, conflict copies included; a record is known by its id, so none is taken
// twice. Whatever the history keeps besides the answers (boxes, tallies) follows from the answers
// in the order they were given, and is worked out afresh when an older test arrives. What went
// wrong is told through the database's notice, once.
class HistorySync
{
    Q_DECLARE_TR_FUNCTIONS(HistorySync)

public:
    HistorySync(HistoryDatabase &database, HistoryRecorder &recorder);
    Q_DISABLE_COPY_MOVE(HistorySync)

    // An empty folder stops syncing. `computer` is the name others see, `id` the profile's own,
    // made once: together they name this computer's journal.
    void setFolder(const QString &folder, const QString &computer, const QByteArray &id);
    QString folder() const { return m_folder; }
    bool active() const { return !m_folder.isEmpty(); }
    // The history is still being checked after opening: a look now would wait for it.
    bool busy();
    QString journalPath() const;
    // The learner has just picked the folder: the whole history goes to it, once.
    void folderChosen();

    // Writes every test and forget not in the journal yet; false when the folder cannot take
    // them now (told once until it can again).
    bool catchUp();
    // Reads what is new in the other journals, about `budget` bytes at most; true when the
    // history changed. `more` says that something is left to read.
    bool merge(qint64 budget, bool *more = nullptr);
    // Forgets every test finished before now, here and on every computer that reads the journal.
    bool forgetEverywhere();
    // After the history was emptied here alone.
    void forgotten();

    struct Computer {
        QString name;
        qint64 latestMs = 0; // the latest test read from it; 0 for none
        qint64 readMs = 0;   // when its journal was last read
    };
    // The other computers whose journals have been read, by name.
    QList<Computer> computers();

    void setClock(std::function<QDateTime()> clock) { m_clock = std::move(clock); }
    // The file-name part a computer's name becomes: letters, digits and dashes.
    static QString namePart(const QString &computer);

private:
    struct FileState {
        qint64 length = 0;
        qint64 stamp = 0;
        QByteArray fingerprint;
        qint64 latestMs = 0;
        qint64 readMs = 0;
    };

    bool ready(QSqlDatabase &db);
    bool apply(QSqlDatabase &db, const QList<SyncJournal::Record> &records, bool &changed,
               QSqlError &error);
    struct Inserts;
    bool insertTest(Inserts &inserts, const SyncJournal::Record &record, QSqlError &error);
    bool forgetBefore(QSqlDatabase &db, qint64 beforeMs, QSqlError &error);
    bool rebuild(QSqlDatabase &db, QSqlError &error);
    QList<SyncJournal::Record> pending(QSqlDatabase &db);
    void tellOnce(const QString &key, const QString &text);

    HistoryDatabase &m_database;
    HistoryRecorder &m_recorder;
    QString m_folder;
    QString m_computer;
    QByteArray m_id;
    QHash<QString, FileState> m_files;
    QString m_filesOf; // the connection they were read on
    PhraseIds m_phrases;
    // The other way round, for writing tests out.
    QHash<qint64, QString> m_bodies;
    qint64 m_forgetBefore = -1;
    // The boxes and tallies wait to be worked out afresh from the answers.
    bool m_stale = false;
    // What has been told this run, so that it is told once.
    QSet<QString> m_told;
    // Files that ended in an unfinished line at the last look, and where.
    QHash<QString, qint64> m_cutAt;
    std::function<QDateTime()> m_clock = &QDateTime::currentDateTimeUtc;
};
