#pragma once

#include <QWidget>

class QLabel;
class QScrollBar;

// Room for texts longer than the English ones a window was drawn for, as translations often are.
// While the texts fit, as they do in English, both leave the window exactly as drawn.

// For a form whose controls stand at fixed places: a label too narrow for its line wraps, a label
// too short for its lines grows downwards, and whatever stands below it moves down as far, the
// form growing with it. Call it once the form's texts and fonts are set; a label hidden then is
// left as it is.
void makeRoomForTexts(QWidget *form);

// The content of a panel of fixed size, laid out on it as on the panel itself: as large as the
// panel, or, when its texts need more height, as tall as they need, scrolling up and down beside
// a scroll bar, and a control that takes the focus is scrolled into view. A scroll area would do
// the same, but measure every text a second time, at a width nobody uses, on every start.
class ScrollingContent : public QWidget
{
    Q_OBJECT

public:
    // Fills the panel, which has no layout of its own.
    explicit ScrollingContent(QWidget *panel);

    // The layout's hint alone: a widget's own would lay wrapped texts out at the hinted width.
    QSize sizeHint() const override;

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void place();
    void bringIntoView(const QWidget *control);

    QScrollBar *m_bar = nullptr; // made when first needed
};
