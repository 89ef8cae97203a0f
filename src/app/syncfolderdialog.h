#pragma once

#include "history/historysync.h"

#include <QDialog>

class Platform;
class QLineEdit;
class QTreeWidget;

// "Sync Folder...": where the history is kept in step with the learner's other computers, the
// name this one goes by there, and the computers seen so far. Choosing writes nothing: the
// caller does, once the dialog is accepted.
class SyncFolderDialog : public QDialog
{
    Q_OBJECT

public:
    SyncFolderDialog(Platform &platform, const QString &folder, const QString &computer,
                     const QList<HistorySync::Computer> &seen, QWidget *parent = nullptr);

    // Empty when the learner cleared it.
    QString folder() const;
    QString computer() const;

private:
    void browse();

    Platform &m_platform;
    QLineEdit *m_folder = nullptr;
    QLineEdit *m_computer = nullptr;
    QTreeWidget *m_seen = nullptr;
};
