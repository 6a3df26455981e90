#pragma once

// The widgets of dialog controls that Qt has no ready-made form of. Seen only inside the framework.

#include <QAbstractButton>
#include <QColor>
#include <QToolButton>
#include <QWidget>

// A button that shows a colour; pressing it asks for another.
class SwatchButton : public QAbstractButton {
public:
    explicit SwatchButton(QWidget* parent);

    void setColor(const QColor& color);
    QColor color() const { return m_color; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_color;
};

// Two small arrow buttons stacked, which step the number beside them.
class UpDownButtons : public QWidget {
public:
    explicit UpDownButtons(QWidget* parent);

    QToolButton* up() const { return m_up; }
    QToolButton* down() const { return m_down; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QToolButton* m_up;
    QToolButton* m_down;
};
