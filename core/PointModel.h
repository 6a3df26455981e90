#pragma once

#include "core/Model.h"
#include "core/ValueInterfaces.h"

// A point edited as a whole or one coordinate at a time, for example by two edit fields.
class PointModel : public Model, public PointInterface {
public:
    Point point() const override { return m_point; }
    void setPoint(Point p) override;

    int32_t valueAt(int i) const { return i == 0 ? m_point.x : m_point.y; }
    void setValueAt(int i, int32_t v);

    void* valueFor(const Aspect* aspect) override;

private:
    // The interface over one coordinate, handed out for xvalue and yvalue.
    class Coordinate : public IndexedIntInterface {
    public:
        Coordinate(PointModel& owner, int index) : m_owner(owner), m_index(index) {}
        int32_t value() const override { return m_owner.valueAt(m_index); }
        void setValue(int32_t v) override { m_owner.setValueAt(m_index, v); }
        int32_t valueAt(int i) const override { return m_owner.valueAt(i); }
        void setValueAt(int i, int32_t v) override { m_owner.setValueAt(i, v); }

    private:
        PointModel& m_owner;
        int m_index;
    };

    Point m_point;
    Coordinate m_x{*this, 0};
    Coordinate m_y{*this, 1};
};
