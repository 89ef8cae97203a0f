#pragma once

#include <QLabel>

// A plain-text label that wraps at word boundaries, for panels whose layout hands it its width.
// Asked for its size hints, a word-wrapped QLabel lays its text out up to five times in search of
// a pleasing shape; here the layout decides the width and then asks for the height at that width,
// so those trials would only delay the first paint. The hints are therefore a modest width (less
// at the least) and one line, and the height comes from heightForWidth() as with any wrapped
// label.
class WrappingLabel : public QLabel
{
    Q_OBJECT

public:
    explicit WrappingLabel(const QString &text, QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
};
