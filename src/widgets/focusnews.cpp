#include "focusnews.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace {

// Of no size, so nobody sees it; a screen reader speaks a notification as it is shown.
class Notice : public QWidget
{
public:
    using QWidget::QWidget;
};

class NoticeAccessible : public QAccessibleWidget
{
public:
    explicit NoticeAccessible(QWidget *notice)
        : QAccessibleWidget(notice, QAccessible::Notification)
    {}
};

QAccessibleInterface *noticeAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String("QWidget") && dynamic_cast<Notice *>(object))
        return new NoticeAccessible(static_cast<QWidget *>(object));
    return nullptr;
}

} // namespace

void focusWithNews(QWidget *target)
{
    if (!target->hasFocus()) {
        target->setFocus(Qt::OtherFocusReason);
        return;
    }
    [[maybe_unused]] static const bool factoryInstalled = [] {
        QAccessible::installFactory(noticeAccessible);
        return true;
    }();
    QWidget *window = target->window();
    const QString name = QStringLiteral("screenReaderNotice");
    auto *notice = window->findChild<QWidget *>(name, Qt::FindDirectChildrenOnly);
    if (!notice) {
        notice = new Notice(window);
        notice->setObjectName(name);
        notice->setAttribute(Qt::WA_TransparentForMouseEvents);
        notice->setGeometry(0, 0, 0, 0);
        // Asked for while it was being built, it was taken for a plain widget; asked again, it
        // is a notification.
        if (QAccessibleInterface *built = QAccessible::queryAccessibleInterface(notice))
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(built));
    }
    notice->hide();
    notice->setAccessibleName(target->accessibleDescription());
    notice->show();
}
