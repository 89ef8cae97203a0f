#pragma once

#include "platform/platform.h"

#include <QList>
#include <QMap>
#include <QStringList>
#include <QUrl>

#include <functional>
#include <utility>

// A settings store in memory that remembers the order of its writes and can be told to fail.
class MemorySettingsStore final : public SettingsStore
{
public:
    QString read(const QString &section, const QString &key) const override;
    void write(const QString &section, const QString &key, const QString &value) override;
    QString sync() override { return failure; }
    QString takeNotice() override { return std::exchange(notice, QString()); }

    QMap<QString, QString> values; // "Section/Key" -> value
    QStringList writtenKeys;
    QString failure;
    QString notice;
};

// The desktop as a script: records every message and answers dialogs from queues, so tests can
// click through real windows offscreen without ever waiting on a person.
class ScriptedPlatform final : public Platform
{
public:
    struct Message {
        QString text;
        Icon icon;
        Buttons buttons;
        Answer defaultAnswer;
        QString spokenDetail;
    };

    Answer message(QWidget *parent, const QString &text, Icon icon, Buttons buttons,
                   Answer defaultAnswer, const QString &spokenDetail) override;
    QString saveFileName(QWidget *parent, const QString &filter) override;
    QString pickFolder(QWidget *, const QString &) override
    {
        return pickedFolders.isEmpty() ? QString() : pickedFolders.takeFirst();
    }
    void clearClipboardIfOurs() override;
    SettingsStore &settings() override { return store; }
    QString programFolder() const override { return folder; }
    QString dataFolder() const override { return dataPath; }
    QString takeGoalFolderTrouble() override { return std::exchange(goalFolderTrouble, QString()); }
    bool anotherInstanceRunning() override { return otherInstance; }
    std::optional<LockOwner> uncheckedLockOwner() const override { return lockOwner; }
    bool takeOverLock() override { return lockTakenOver = true; }
    // Puts the document on A4 paper, as a PDF, where the test can read it.
    bool print(QWidget *parent, const PaperDocument &document) override;
    bool openUrl(const QUrl &url) override
    {
        openedUrls.append(url);
        return browser;
    }
    RandomEngine &random() override { return engine; }
    void seedFromClock() override { engine.seed(seed); }
    QDateTime now() const override { return clock; }

    // Taken in turn; an empty queue cancels.
    QStringList pickedFolders;
    QList<Message> messages;
    QList<Answer> answers; // taken in turn; an empty queue answers with the default button
    QStringList saveNames; // taken in turn; an empty queue cancels
    // When set, they answer whatever their queue leaves unanswered: a long random run needs no
    // script written in advance.
    std::function<Answer(const Message &)> answerer;
    std::function<QString(const QString &filter)> saveNamer;
    QStringList saveFilters;
    QString clipboardText;
    bool clipboardOurs = false;
    MemorySettingsStore store;
    QString folder;
    QString dataPath;
    QString goalFolderTrouble;
    bool otherInstance = false;
    std::optional<LockOwner> lockOwner; // with otherInstance: a lock of another machine
    bool lockTakenOver = false;
    QList<QUrl> openedUrls;
    QList<QByteArray> printed; // as PDFs
    bool browser = true;
    RandomEngine::result_type seed = 20261207;
    RandomEngine engine{seed};
    // Stands still unless a test moves it.
    QDateTime clock{QDate(2026, 11, 2), QTime(12, 0)};
};
