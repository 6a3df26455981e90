#include "core/PointModel.h"

#include "core/Aspects.h"

void PointModel::setPoint(Point p)
{
    if (p == m_point)
        return;
    if (p.x != m_point.x) {
        m_point.x = p.x;
        changed(&aspects::PointModel::xvalue);
    }
    if (p.y != m_point.y) {
        m_point.y = p.y;
        changed(&aspects::PointModel::yvalue);
    }
    changed(&aspects::PointValue::access);
}

void PointModel::setValueAt(int i, int32_t v)
{
    int32_t& component = i == 0 ? m_point.x : m_point.y;
    if (component == v)
        return;
    component = v;
    changed(i == 0 ? &aspects::PointModel::xvalue : &aspects::PointModel::yvalue);
    changed(&aspects::PointValue::access);
}

void* PointModel::valueFor(const Aspect* aspect)
{
    if (aspect == &aspects::PointValue::access)
        return offer<PointInterface>(this);
    if (aspect == &aspects::PointModel::xvalue)
        return offer<IntInterface>(&m_x);
    if (aspect == &aspects::PointModel::yvalue)
        return offer<IntInterface>(&m_y);
    return Model::valueFor(aspect);
}
