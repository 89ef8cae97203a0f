#pragma once

#include "random.h"

#include <QDateTime>
#include <QString>

#include <optional>

class PaperDocument;
class QUrl;
class QWidget;

// The per-user store of the study choices, addressed by section and key. The application name is
// fixed by whoever creates the store.
class SettingsStore
{
public:
    virtual ~SettingsStore() = default;

    // An absent key, or a store that cannot be read, gives an empty text.
    virtual QString read(const QString &section, const QString &key) const = 0;
    virtual void write(const QString &section, const QString &key, const QString &value) = 0;
    // Pushes what was written to lasting storage. Returns an empty text on success, otherwise a
    // sentence saying why the values could not be kept.
    virtual QString sync() = 0;
    // What a sync that went through did beyond keeping the values and the user should hear once
    // (a damaged store written over), or an empty text. Taking it clears it.
    virtual QString takeNotice() = 0;
};

// Everything the program asks of the desktop goes through here, so that tests can answer dialogs
// from a script instead of waiting on a person.
class Platform
{
public:
    enum class Icon { Critical, Warning, Information };
    // YesNoDestructive asks before something is lost for good: No is the default whatever the
    // call says, and only a deliberate act answers Yes (a click, Alt with its letter, or Tab to
    // it and Return or Space), never a letter typed into the box by mistake.
    enum class Buttons { Ok, YesNo, YesNoDestructive };
    enum class Answer { Ok, Yes, No };

    virtual ~Platform() = default;

    // A modal message box titled with the program's title. Its text is shown as plain text,
    // whatever names or markup it quotes. A screen reader hears `spokenDetail` with the box's
    // buttons; nobody sees it.
    virtual Answer message(QWidget *parent, const QString &text, Icon icon,
                           Buttons buttons = Buttons::Ok, Answer defaultAnswer = Answer::Ok,
                           const QString &spokenDetail = {}) = 0;
    // The save-file dialog, which asks before replacing an existing file. Empty when cancelled.
    virtual QString saveFileName(QWidget *parent, const QString &filter) = 0;
    // A folder the user picks, starting at `start`; empty when they gave up.
    virtual QString pickFolder(QWidget *parent, const QString &start) = 0;
    // Empties the clipboard, but only while what it holds came from this program.
    virtual void clearClipboardIfOurs() = 0;
    virtual SettingsStore &settings() = 0;
    // The folder of the goal files: the one that holds the executable while the user can write
    // there, otherwise a per-user data folder (an installed program).
    virtual QString programFolder() const = 0;
    // The per-user data folder, wherever the goals live: the history of tests is kept there.
    virtual QString dataFolder() const = 0;
    // Who took a single-instance lock on another machine.
    struct LockOwner {
        QString lockFile;
        QString host;
        QDateTime taken;
    };

    // Once a run, when no goal file can be created in programFolder(): a sentence naming the
    // folders looked at. Otherwise, and every later time, an empty text.
    virtual QString takeGoalFolderTrouble() = 0;
    // True when another run of the program holds the single-instance lock.
    virtual bool anotherInstanceRunning() = 0;
    // After anotherInstanceRunning(): the owner of a lock written on another machine, whose run
    // cannot be checked from here (a home folder shared between machines, or restored onto a new
    // one). Empty for a run on this machine.
    virtual std::optional<LockOwner> uncheckedLockOwner() const = 0;
    // Removes that lock and takes it for this run. False when it could not be removed.
    virtual bool takeOverLock() = 0;
    // Prints the document through the desktop's print preview and print dialog. False when
    // printing cannot be offered at all (the part of the program that prints is missing).
    virtual bool print(QWidget *parent, const PaperDocument &document) = 0;
    // Hands the address to the desktop's browser; false when nothing took it.
    virtual bool openUrl(const QUrl &url) = 0;
    // The program's one random engine; seedFromClock() reseeds it from the system timer.
    virtual RandomEngine &random() = 0;
    virtual void seedFromClock() = 0;
    // The wall clock, read afresh at every call: a run that goes past 04:00 starts a new day.
    virtual QDateTime now() const = 0;
};
