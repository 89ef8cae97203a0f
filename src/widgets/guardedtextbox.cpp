#include "guardedtextbox.h"

#include "platform/platform.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QTextCursor>
#include <QTextDocument>

#include <utility>

namespace {

bool carriesTextOut(const QKeyEvent *event)
{
    return event->matches(QKeySequence::Copy) || event->matches(QKeySequence::Cut) ||
           event->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_Insert) ||
           event->keyCombination() == QKeyCombination(Qt::ShiftModifier, Qt::Key_Delete);
}

// Only text goes into these boxes. Qt's own paste reads the first of the data's formats without
// asking whether there is one, and the clipboard of a session where nothing was copied yet, or
// what another program left there, may have none.
bool holdsText(const QMimeData *source)
{
    return source && source->hasText() && !source->text().isEmpty();
}

} // namespace

GuardedTextBox::GuardedTextBox(Platform &platform, QWidget *parent)
    : QPlainTextEdit(parent)
    , m_platform(platform)
{
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Lines wrap at the box's width, so a horizontal bar would only take room from the text.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabChangesFocus(true);
    viewport()->setMouseTracking(true);
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (!m_applyingHeldText)
            m_platform.clearClipboardIfOurs();
    });
}

void GuardedTextBox::setText(const QString &text)
{
    QString plain = text;
    plain.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    if (isVisible()) {
        m_heldText.reset();
        setPlainText(plain);
        return;
    }
    // A box nobody sees would lay its text out at a guessed width now and again at its real one
    // when shown; on the sections behind the front one that is most of the start-up's text work.
    // The clipboard rule still holds at this moment, as if the text had gone in.
    m_heldText = plain;
    m_platform.clearClipboardIfOurs();
}

void GuardedTextBox::applyHeldText() const
{
    if (!m_heldText)
        return;
    auto *self = const_cast<GuardedTextBox *>(this);
    const QString plain = *std::exchange(self->m_heldText, std::nullopt);
    self->m_applyingHeldText = true;
    self->setPlainText(plain);
    self->m_applyingHeldText = false;
}

void GuardedTextBox::showEvent(QShowEvent *event)
{
    applyHeldText();
    QPlainTextEdit::showEvent(event);
}

QString GuardedTextBox::text() const
{
    applyHeldText();
    // The raw text, as toPlainText() would turn no-break spaces into plain ones and the text
    // would no longer be what was set; blocks are separated by the paragraph separator.
    return document()->toRawText().replace(QChar::ParagraphSeparator, QLatin1String("\r\n"));
}

QMimeData *GuardedTextBox::createMimeDataFromSelection() const
{
    // Whatever route asks for the selection (the X11 primary selection among them) gets nothing.
    return new QMimeData;
}

bool GuardedTextBox::canInsertFromMimeData(const QMimeData *source) const
{
    return holdsText(source);
}

void GuardedTextBox::insertFromMimeData(const QMimeData *source)
{
    if (holdsText(source))
        QPlainTextEdit::insertFromMimeData(source);
}

void GuardedTextBox::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu *menu = createStandardContextMenu(event->pos());
    for (QAction *action : menu->actions()) {
        const QString name = action->objectName();
        if (name == QLatin1String("edit-copy") || name == QLatin1String("edit-cut") ||
            name == QLatin1String("link-copy"))
            menu->removeAction(action);
    }
    menu->exec(event->globalPos());
    delete menu;
    m_platform.clearClipboardIfOurs();
}

void GuardedTextBox::keyPressEvent(QKeyEvent *event)
{
    if (carriesTextOut(event)) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void GuardedTextBox::mousePressEvent(QMouseEvent *event)
{
    // A press on selected text would start dragging it out; drop the selection first so the press
    // simply places the cursor.
    const QTextCursor under = cursorForPosition(event->position().toPoint());
    QTextCursor current = textCursor();
    if (current.hasSelection() && under.position() >= current.selectionStart() &&
        under.position() <= current.selectionEnd()) {
        current.clearSelection();
        setTextCursor(current);
    }
    QPlainTextEdit::mousePressEvent(event);
    m_platform.clearClipboardIfOurs();
}

void GuardedTextBox::mouseMoveEvent(QMouseEvent *event)
{
    QPlainTextEdit::mouseMoveEvent(event);
    m_platform.clearClipboardIfOurs();
}

void GuardedTextBox::mouseReleaseEvent(QMouseEvent *event)
{
    QPlainTextEdit::mouseReleaseEvent(event);
    m_platform.clearClipboardIfOurs();
}
