#pragma once

#include <QAbstractButton>

// A check box for a whole paragraph. Its text wraps inside the box beside the indicator; a text
// too long even wrapped is drawn in a smaller face, down to the least size that still reads
// well, rather than cut. A click anywhere on the box and Space when it has the focus tick it,
// like any check box, and a screen reader hears the whole text.
class WrappingCheckBox : public QAbstractButton
{
    Q_OBJECT

public:
    static constexpr int LeastPixelSize = 9;

    explicit WrappingCheckBox(QWidget *parent = nullptr);

    // The caption, exactly as given (CR LF between paragraphs), which is also the spoken name.
    void setCaption(const QString &text);

    // The face the caption is drawn in at the box's size, and whether all of it is in view.
    QFont shownFont() const;
    bool showsWholeText() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QRect indicatorRect() const;
    QRect textRect() const;
    QString shownText() const;
    int textHeight(const QFont &font) const;
    void fit() const;

    // The fitted face is worked out once per caption, size and font, not on every paint.
    mutable bool m_fitted = false;
    mutable QString m_fittedText;
    mutable QFont m_shownFont;
    mutable bool m_whole = true;
};
