#include "ui/pictureboxwidget.h"

#include "ui/pictureboxaccessible.h"
#include "ui/qtpicture.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

PictureBoxWidget::PictureBoxWidget(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
    PictureBoxAccessible::install();
}

void PictureBoxWidget::setPicture(PictureRef picture) {
    if (m_picture == picture) return;
    m_picture = std::move(picture);
    update();
}

void PictureBoxWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // Pictures of other kinds (test doubles) have no pixels to draw.
    if (const auto* qtPicture = dynamic_cast<const QtPicture*>(m_picture.get()))
        painter.drawPixmap(0, 0, qtPicture->pixmap());
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

void PictureBoxWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    Q_EMIT clicked();
}

void PictureBoxWidget::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Q_EMIT clicked();
        return;
    default:
        event->ignore();
    }
}
