#pragma once

// The widgets of dialog controls that Qt has no ready-made form of. Seen only inside the framework.

#include <QAbstractButton>
#include <QColor>
#include <QToolButton>
#include <QWidget>

#include <functional>

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

// Two small arrow buttons stacked, which step the number beside them; the wheel over them steps too.
class UpDownButtons : public QWidget {
public:
    explicit UpDownButtons(QWidget* parent);

    QToolButton* up() const { return m_up; }
    QToolButton* down() const { return m_down; }
    // Called with +1 or -1 for each notch the wheel turns over the buttons, and whether Ctrl was held.
    void onWheel(std::function<void(int delta, bool page)> handler) { m_wheel = std::move(handler); }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    QToolButton* m_up;
    QToolButton* m_down;
    std::function<void(int, bool)> m_wheel;
    // Eighths of a degree turned towards the next notch, as fine-stepping wheels report them.
    int m_pendingTurn = 0;
};
