#pragma once

#include <QString>

#include <utility>

// The SQLite file that holds the history, and what the user should hear about it. Nothing is
// opened until the history is first used, so a run that never finishes a test never reads it.
// Opening checks that the file is one of ours, brings one written by an earlier version up to
// date, and moves a damaged or foreign file aside for a fresh one. Whatever goes wrong with the
// file, the tests go on: there is just no history this run.
class HistoryDatabase
{
public:
    static inline const QString fileName = QStringLiteral("history.sqlite");

    // The history in `folder`, created when first needed.
    explicit HistoryDatabase(const QString &folder);
    ~HistoryDatabase();
    Q_DISABLE_COPY_MOVE(HistoryDatabase)

    // Opens the file if that has not been tried yet; false when there is no history this run.
    bool open();
    // The Qt SQL connection, once open; empty before.
    QString connectionName() const { return m_connection; }

    // Adds a paragraph to what the user should hear.
    void tell(const QString &text);
    // What the user should hear about the history since the last call, or an empty text. That
    // there is no history this run is told only once.
    QString takeNotice() { return std::exchange(m_notice, QString()); }

private:
    enum class State { Untried, Open, Unusable };
    enum class Check { Ours, Foreign, Newer, Damaged, Failed };

    bool openFile();
    void closeFile();
    Check check(QString &why);
    bool migrate(int from);
    void moveAside(const QString &reason);
    void giveUp(const QString &why);

    QString m_folder;
    QString m_path;
    QString m_connection;
    State m_state = State::Untried;
    QString m_notice;
};
