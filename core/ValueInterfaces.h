#pragma once

#include "base/Color.h"
#include "core/Geometry.h"

#include <cstdint>
#include <string>

// The value interfaces that valueFor hands out. Each is named by one aspect:
// IntInterface by aspects::IntValue::access (and, on a PointModel, by xvalue and yvalue),
// PointInterface by aspects::PointValue::access, StringInterface by aspects::StringValue::access,
// ColorInterface by aspects::ColorValue::access; SelectionInterface by the selections that banks of
// buttons and grids of cells show (aspects::ToolBox::toolSelection, aspects::PenPalette::...).

class IntInterface {
public:
    virtual int32_t value() const = 0;
    virtual void setValue(int32_t v) = 0;

protected:
    ~IntInterface() = default;
};

// One coordinate of a point, which also reaches both coordinates by number (0 = x, 1 = y). A
// PointModel hands it out as its IntInterface for xvalue and yvalue; static_cast to reach the rest.
class IndexedIntInterface : public IntInterface {
public:
    virtual int32_t valueAt(int i) const = 0;
    virtual void setValueAt(int i, int32_t v) = 0;

protected:
    ~IndexedIntInterface() = default;
};

class PointInterface {
public:
    virtual Point point() const = 0;
    virtual void setPoint(Point p) = 0;

protected:
    ~PointInterface() = default;
};

class StringInterface {
public:
    virtual std::string value() const = 0;
    virtual void setValue(const std::string& text) = 0;

protected:
    ~StringInterface() = default;
};

class ColorInterface {
public:
    virtual ColorRef value() const = 0;
    virtual void setValue(ColorRef c) = 0;

protected:
    ~ColorInterface() = default;
};

// The number of the button or cell that a bank or grid shows chosen (-1 for none), and the choice a
// press makes. Shift held at the press may choose something else (the background colour, say).
class SelectionInterface {
public:
    virtual int32_t selection() const = 0;
    virtual void select(int32_t n, bool shift) = 0;

protected:
    ~SelectionInterface() = default;
};
