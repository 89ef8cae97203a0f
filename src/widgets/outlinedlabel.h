#pragma once

#include <QColor>
#include <QLabel>

// A label whose text can carry a one-pixel outline in a darker colour, so that light text stays
// legible on a light background. Without an outline it paints as any label does.
class OutlinedLabel : public QLabel
{
    Q_OBJECT

public:
    explicit OutlinedLabel(const QString &text, QWidget *parent = nullptr);

    void setOutline(const QColor &colour);

    // Where the text stands inside the label, as painted.
    QRect textRect() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int textFlags() const;

    QColor m_outline;
};
