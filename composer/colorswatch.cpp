#include "colorswatch.h"

#include <QMouseEvent>
#include <QPainter>

ColorSwatch::ColorSwatch(const QColor &color, QWidget *parent)
    : QWidget(parent)
    , m_color(color)
{
    // Reachable with Tab, but a mouse click leaves the focus in the name box.
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ColorSwatch::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_color);
}

void ColorSwatch::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
}

void ColorSwatch::mouseReleaseEvent(QMouseEvent *event)
{
    // Like a button: the click counts when the press and the release are both on the swatch.
    const bool click = m_pressed && event->button() == Qt::LeftButton
        && rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click)
        emit clicked();
}
