#pragma once

#include "core/Geometry.h"
#include "core/Model.h"
#include "core/ToneBytes.h"

#include <cstdint>
#include <memory>

class MaskImage;

// The tone in bitmap resource id; solid when the resource is missing, not 1 bit deep or smaller
// than 8 x 8.
ToneBytes toneFromResource(int id);

// What a drawing tool stamps: a footprint whose 0 bits are ink, centred on the stamped dot, and a
// tone that it hands out for Pen::tone.
class Pen : public Model {
public:
    Pen();
    ~Pen() override;

    void setFootprintFromResource(int id);
    // A w x h footprint that is all ink.
    void setSquare(int32_t w, int32_t h);
    void setTone(int id) { m_tone = toneFromResource(id); }

    const MaskImage* footprint() const { return m_footprint.get(); }
    Point hotspot() const { return m_hotspot; }

    void* valueFor(const Aspect* aspect) override;

private:
    void setFootprint(std::shared_ptr<MaskImage> footprint);

    std::shared_ptr<MaskImage> m_footprint;
    Point m_hotspot;
    ToneBytes m_tone{};
};
