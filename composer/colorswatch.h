#ifndef COLORSWATCH_H
#define COLORSWATCH_H

#include <QColor>
#include <QWidget>

// A plain filled rectangle that reports a click anywhere on it.
class ColorSwatch : public QWidget {
    Q_OBJECT

public:
    explicit ColorSwatch(const QColor &color, QWidget *parent = nullptr);

    QColor color() const { return m_color; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QColor m_color;
    bool m_pressed = false;
};

#endif // COLORSWATCH_H
