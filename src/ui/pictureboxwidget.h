#pragma once

#include "core/platform.h"

#include <QWidget>

// A picture box: draws its picture unscaled from the top-left corner, cut
// off at its edges. It takes the focus; a click, Space or Enter press it.
class PictureBoxWidget : public QWidget {
    Q_OBJECT
public:
    explicit PictureBoxWidget(QWidget* parent = nullptr);

    const PictureRef& picture() const { return m_picture; }
    void setPicture(PictureRef picture);

Q_SIGNALS:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    PictureRef m_picture;
};
