#pragma once

#include <QPlainTextEdit>

#include <optional>

class Platform;

// A multi-line text box whose text cannot be carried out through the clipboard: it offers no copy,
// cut or drag. Its events also empty the clipboard, but only of what this program put there, so
// whatever the user copied in other programs survives.
class GuardedTextBox : public QPlainTextEdit
{
    Q_OBJECT

public:
    GuardedTextBox(Platform &platform, QWidget *parent = nullptr);

    // Line breaks are CR LF on both ways in and out, as the program's texts and files hold them.
    // Every other character comes out as it went in, control characters included. A box that is
    // not visible takes its text in when it is shown (or read), not before.
    void setText(const QString &text);
    QString text() const;

protected:
    QMimeData *createMimeDataFromSelection() const override;
    bool canInsertFromMimeData(const QMimeData *source) const override;
    void insertFromMimeData(const QMimeData *source) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void applyHeldText() const;

    Platform &m_platform;
    std::optional<QString> m_heldText;
    bool m_applyingHeldText = false;
};
