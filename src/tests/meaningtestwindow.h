#pragma once

#include <QWidget>

// The meanings test window: borderless, the only child of the frame window.
class MeaningTestWindow : public QWidget
{
    Q_OBJECT

public:
    static constexpr QSize FixedSize{1000, 807}; // 15000 x 12105 twips

    explicit MeaningTestWindow(QWidget *parent = nullptr);
};
