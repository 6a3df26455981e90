#pragma once

#include "core/Geometry.h"
#include "core/Model.h"

#include <cstdint>
#include <vector>

class BitmapDocument;
struct AnimationDefaults;

enum class PlaybackStatus { stopped, playOnce, loop, pingPong };

// The animation settings of one document: the frame its picture is cut into, the frames played, the
// preview's scale, the interval the waits count in, each frame's wait, and whether it plays. Each
// setter holds its value within bounds and announces its own aspect, and only when the value changed.
class AnimationParam : public Model {
public:
    static constexpr int32_t maxFrame = 9999;
    static constexpr int32_t maxScale = 16;
    static constexpr int32_t maxInterval = 999;
    static constexpr int32_t maxWait = 99;

    struct Range {
        int32_t first = 0;
        int32_t last = 0;

        friend bool operator==(const Range&, const Range&) = default;
    };

    AnimationParam(BitmapDocument& owner, const AnimationDefaults& defaults);

    void* valueFor(const Aspect* aspect) override;

    Point size() const { return m_size; }
    // Each side is held in 1 ... the owner's picture side, so that a frame never leaves the picture.
    void setSize(Point size);
    // Cuts the frame to a picture that changed.
    void fitToImage() { setSize(m_size); }

    Range range() const { return m_range; }
    // Both are held in 0 ... maxFrame; last below first plays backwards. The waits of the frames up to
    // the larger are kept and new ones wait 1.
    void setRange(int32_t first, int32_t last);

    int32_t scale() const { return m_scale; }
    void setScale(int32_t scale);
    // In sixtieths of a second.
    int32_t interval() const { return m_interval; }
    void setInterval(int32_t interval);

    // Frame numbers wrap around the waits, one per frame 0 ... max(first, last).
    int32_t waitAt(int32_t frame) const;
    int32_t waitCount() const { return int32_t(m_waits.size()); }
    // Nothing for a negative frame; the wait is held in 1 ... maxWait.
    void setWait(int32_t frame, int32_t wait);

    PlaybackStatus status() const { return m_status; }
    void setStatus(PlaybackStatus status);

    // Takes other's settings and waits for a duplicated picture, the frame cut to this one's picture.
    // The status stays: playing belongs to the picture it was started on.
    void copyFrom(const AnimationParam& other);

private:
    Point pictureSize() const;

    BitmapDocument& m_owner;
    Point m_size;
    Range m_range;
    int32_t m_scale = 1;
    int32_t m_interval;
    std::vector<uint16_t> m_waits;
    PlaybackStatus m_status = PlaybackStatus::stopped;
};

// How long a frame with wait stays at interval, in milliseconds: wait x interval sixtieths of a
// second, rounded to the nearest. Counted in 64 bits, so that no wait and interval overflow.
int64_t framePeriod(int32_t wait, int32_t interval);
