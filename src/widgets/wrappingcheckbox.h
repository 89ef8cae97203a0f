#pragma once

#include <QAbstractButton>

// A check box for a whole paragraph. Its text wraps inside the box beside the indicator, in the
// box's own font, and a layout gives the box the height its text needs at its width. A click
// anywhere on the box and Space when it has the focus tick it, like any check box, and a screen
// reader hears the whole text.
class WrappingCheckBox : public QAbstractButton
{
    Q_OBJECT

public:
    explicit WrappingCheckBox(QWidget *parent = nullptr);

    // The caption, exactly as given (CR LF between paragraphs), which is also the spoken name.
    void setCaption(const QString &text);

    // All of the caption is in view at the box's size.
    bool showsWholeText() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QRect indicatorRect() const;
    QRect textRect(const QRect &box) const;
    QString shownText() const;
    int textHeight(int boxWidth) const;
};
