#pragma once

#include <QImage>
#include <QWidget>

// A picture box for one stone picture, stretched to the box. The picture is decoded only when the
// box is first painted or asked for its image, so boxes on sections nobody has opened yet cost
// nothing at start-up; the turned form is computed once per picture, not per repaint.
class StonePictureBox : public QWidget
{
    Q_OBJECT

public:
    explicit StonePictureBox(QWidget *parent = nullptr);

    // Picture number 1 to 25, shown upright.
    void setPictureNumber(int number);
    int pictureNumber() const { return m_number; }

    // Turns the current picture by 180 degrees; turning twice shows it upright again.
    void turn();
    bool isTurned() const { return m_turned; }

    // What the box shows, at the box's size.
    QImage image() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    int m_number = 0;
    bool m_turned = false;
    mutable QImage m_image;
};
