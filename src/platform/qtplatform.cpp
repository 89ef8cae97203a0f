#include "qtplatform.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QUrl>

#include <chrono>

namespace {
const QString programTitle = QStringLiteral("Orlendra");
}

QSettingsStore::QSettingsStore()
    : m_settings(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                             programTitle, programTitle))
{}

QSettingsStore::QSettingsStore(const QString &iniFile)
    : m_settings(std::make_unique<QSettings>(iniFile, QSettings::IniFormat))
{}

QString QSettingsStore::read(const QString &section, const QString &key) const
{
    return m_settings->value(section + QLatin1Char('/') + key).toString();
}

void QSettingsStore::write(const QString &section, const QString &key, const QString &value)
{
    const QString name = section + QLatin1Char('/') + key;
    if (!m_unsynced && m_settings->contains(name) && m_settings->value(name).toString() == value)
        return;
    m_settings->setValue(name, value);
    m_unsynced = true;
}

QString QSettingsStore::sync()
{
    if (!m_unsynced)
        return {};
    m_settings->sync();
    switch (m_settings->status()) {
    case QSettings::NoError:
        m_unsynced = false;
        return {};
    case QSettings::AccessError:
        return QStringLiteral("The file %1 could not be written.")
            .arg(QDir::toNativeSeparators(m_settings->fileName()));
    case QSettings::FormatError:
        return QStringLiteral("The file %1 is damaged and could not be read.")
            .arg(QDir::toNativeSeparators(m_settings->fileName()));
    }
    return {};
}

QtPlatform::QtPlatform(const QString &lockFile)
    : m_lockPath(lockFile.isEmpty() ? defaultLockFile() : lockFile)
{}

QtPlatform::~QtPlatform() = default;

QString QtPlatform::defaultLockFile()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    if (folder.isEmpty() || !QDir().mkpath(folder))
        folder = QDir::tempPath();
    return folder + QStringLiteral("/orlendra.lock");
}

Platform::Answer QtPlatform::message(QWidget *parent, const QString &text, Icon icon,
                                     Buttons buttons, Answer defaultAnswer)
{
    // The program's texts may break a line with a carriage return alone; the box wants a line
    // feed.
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox box(
        icon == Icon::Critical ? QMessageBox::Critical : QMessageBox::Information, programTitle,
        shown, buttons == Buttons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
        parent);
    if (buttons == Buttons::YesNo)
        box.setDefaultButton(defaultAnswer == Answer::No ? QMessageBox::No : QMessageBox::Yes);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        // Closing a Yes/No box with Esc or its close button is a No.
        return buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
    }
}

QString QtPlatform::saveFileName(QWidget *parent, const QString &filter)
{
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(filter);
    // A name typed without a suffix gets the filter's before the dialog checks whether that file
    // exists, so the question about replacing it is asked for the file that will be written.
    static const QRegularExpression firstSuffix(QStringLiteral("\\*\\.(\\w+)"));
    const QRegularExpressionMatch match = firstSuffix.match(filter);
    if (match.hasMatch())
        dialog.setDefaultSuffix(match.captured(1));
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

void QtPlatform::clearClipboardIfOurs()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (clipboard->ownsClipboard())
        clipboard->clear();
}

SettingsStore &QtPlatform::settings()
{
    // Created on first use: start-up reads the store anyway, but nothing earlier needs it.
    if (!m_settings)
        m_settings = std::make_unique<QSettingsStore>();
    return *m_settings;
}

QString QtPlatform::programFolder() const
{
    return QCoreApplication::applicationDirPath();
}

bool QtPlatform::anotherInstanceRunning()
{
    if (m_lock && m_lock->isLocked())
        return false;
    m_lock = std::make_unique<QLockFile>(m_lockPath);
    // The lock is held for the whole run, so age alone must never make it stale; a lock left by a
    // run that was killed is still recognised, as its process no longer exists.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0))
        return false;
    // Only a lock held by a live process means another run; a lock we cannot even create (a
    // read-only folder) must not keep the user out.
    return m_lock->error() == QLockFile::LockFailedError;
}

void QtPlatform::openUrl(const QUrl &url)
{
    QDesktopServices::openUrl(url);
}

void QtPlatform::seedFromClock()
{
    const auto ticks = std::chrono::system_clock::now().time_since_epoch().count();
    m_random.seed(static_cast<RandomEngine::result_type>(ticks ^ (ticks >> 32)));
}
