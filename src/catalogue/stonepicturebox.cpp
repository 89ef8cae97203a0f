#include "stonepicturebox.h"

#include "stonepictures.h"

#include <QPainter>

StonePictureBox::StonePictureBox(QWidget *parent)
    : QWidget(parent)
{}

void StonePictureBox::setPictureNumber(int number)
{
    m_number = number;
    m_turned = false;
    m_image = QImage();
    update();
}

void StonePictureBox::turn()
{
    m_turned = !m_turned;
    m_image = QImage();
    update();
}

QImage StonePictureBox::image() const
{
    if (m_image.isNull() && m_number > 0) {
        const QImage upright = StonePictures::picture(m_number).toImage();
        m_image = m_turned
                      ? turnedPicture(upright, size())
                      : upright.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    return m_image;
}

QSize StonePictureBox::sizeHint() const
{
    return StonePictures::NaturalSize;
}

void StonePictureBox::paintEvent(QPaintEvent *)
{
    const QImage shown = image();
    if (shown.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(rect(), shown);
}

void StonePictureBox::resizeEvent(QResizeEvent *event)
{
    m_image = QImage();
    QWidget::resizeEvent(event);
}
