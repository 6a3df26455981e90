#include "framework/FloatingPanel.h"

#include "framework/MDIWorkSpace.h"

#include <QWidget>

FloatingPanel::FloatingPanel(MDIWorkSpace& frame, const std::string& title, Point size)
{
    auto* panel = new QWidget(frame.handle(), Qt::Tool);
    panel->setWindowTitle(QString::fromStdString(title));
    panel->resize(size.x, size.y);
    attach(panel);
}

Point FloatingPanel::position() const
{
    QPoint p = handle()->frameGeometry().topLeft();
    return {p.x(), p.y()};
}

void FloatingPanel::moveTo(Point p)
{
    handle()->move(p.x, p.y);
}

void FloatingPanel::setShown(bool shown)
{
    handle()->setVisible(shown);
}
