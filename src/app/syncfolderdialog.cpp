#include "syncfolderdialog.h"

#include "platform/platform.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QPushButton *button(const QString &text, const QString &name, QWidget *parent)
{
    auto *made = new QPushButton(text, parent);
    made->setObjectName(name);
    made->setAccessibleName(QString(text).remove(QLatin1Char('&')).remove(QStringLiteral("...")));
    return made;
}

QString when(qint64 ms)
{
    return ms > 0 ? QLocale().toString(QDateTime::fromMSecsSinceEpoch(ms), QLocale::ShortFormat)
                  : QString();
}

} // namespace

SyncFolderDialog::SyncFolderDialog(Platform &platform, const QString &folder,
                                   const QString &computer,
                                   const QList<HistorySync::Computer> &seen, QWidget *parent)
    : QDialog(parent)
    , m_platform(platform)
{
    setObjectName(QStringLiteral("frmSyncFolder"));
    setWindowTitle(tr("Sync Folder"));
    setAccessibleName(windowTitle());
    auto *about = new QLabel(
        tr("Your history can be the same on every computer you use. Pick a folder that a sync "
           "tool, such as Syncthing or Nextcloud, keeps the same on each of your computers: "
           "Orlendra writes your tests there and takes in those of your other computers. Clear "
           "it to stop; every test stays in your history."),
        this);
    about->setObjectName(QStringLiteral("lblSyncAbout"));
    about->setTextFormat(Qt::PlainText);
    about->setWordWrap(true);

    m_folder = new QLineEdit(QDir::toNativeSeparators(folder), this);
    m_folder->setObjectName(QStringLiteral("txtSyncFolder"));
    m_folder->setAccessibleName(tr("Folder"));
    m_folder->setClearButtonEnabled(true);
    QPushButton *browse = button(tr("&Browse..."), QStringLiteral("cmdSyncBrowse"), this);
    QPushButton *clear = button(tr("C&lear"), QStringLiteral("cmdSyncClear"), this);
    connect(browse, &QPushButton::clicked, this, &SyncFolderDialog::browse);
    connect(clear, &QPushButton::clicked, m_folder, &QLineEdit::clear);
    auto *folderRow = new QHBoxLayout;
    folderRow->addWidget(m_folder, 1);
    folderRow->addWidget(browse);
    folderRow->addWidget(clear);

    m_computer = new QLineEdit(computer, this);
    m_computer->setObjectName(QStringLiteral("txtSyncComputer"));
    m_computer->setAccessibleName(tr("This computer's name"));
    m_computer->setMaxLength(40);
    auto *form = new QFormLayout;
    auto *folderLabel = new QLabel(tr("&Folder:"), this);
    folderLabel->setObjectName(QStringLiteral("lblSyncFolder"));
    folderLabel->setBuddy(m_folder);
    form->addRow(folderLabel, folderRow);
    form->addRow(tr("This computer's &name:"), m_computer);

    auto *seenLabel = new QLabel(tr("&Other computers seen in the folder:"), this);
    seenLabel->setObjectName(QStringLiteral("lblSyncSeen"));
    m_seen = new QTreeWidget(this);
    m_seen->setObjectName(QStringLiteral("lstSyncSeen"));
    m_seen->setAccessibleName(tr("Other computers seen in the folder"));
    m_seen->setRootIsDecorated(false);
    m_seen->setHeaderLabels({tr("Computer"), tr("Latest test"), tr("Last read")});
    m_seen->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    seenLabel->setBuddy(m_seen);
    for (const HistorySync::Computer &other : seen)
        new QTreeWidgetItem(m_seen, {other.name, when(other.latestMs), when(other.readMs)});
    if (seen.isEmpty())
        new QTreeWidgetItem(m_seen, {tr("None yet")});

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("btnSyncButtons"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(about);
    layout->addLayout(form);
    layout->addWidget(seenLabel);
    layout->addWidget(m_seen, 1);
    layout->addWidget(buttons);
    resize(560, 380);
}

QString SyncFolderDialog::folder() const
{
    const QString typed = m_folder->text().trimmed();
    return typed.isEmpty() ? QString() : QDir::cleanPath(QDir::fromNativeSeparators(typed));
}

QString SyncFolderDialog::computer() const
{
    return m_computer->text().trimmed();
}

void SyncFolderDialog::browse()
{
    // One box at a time: this one steps aside while the folder is picked, and comes back after.
    hide();
    const QString picked = m_platform.pickFolder(parentWidget(), folder());
    show();
    if (!picked.isEmpty())
        m_folder->setText(QDir::toNativeSeparators(picked));
    m_folder->setFocus();
}
