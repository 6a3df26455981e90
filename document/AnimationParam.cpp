#include "document/AnimationParam.h"

#include "core/Aspects.h"
#include "document/AnimationDefaults.h"
#include "document/BitmapDocument.h"
#include "pixels/DIBImage.h"

#include <algorithm>

namespace {

// A picture without dots still holds a frame of one dot.
Point heldWithin(Point size, Point picture)
{
    return {std::clamp(size.x, 1, std::max(picture.x, 1)), std::clamp(size.y, 1, std::max(picture.y, 1))};
}

int32_t heldFrame(int32_t frame)
{
    return std::clamp(frame, 0, AnimationParam::maxFrame);
}

size_t waitsFor(int32_t first, int32_t last)
{
    return size_t(std::max(first, last)) + 1;
}

} // namespace

AnimationParam::AnimationParam(BitmapDocument& owner, const AnimationDefaults& defaults)
    : m_owner(owner),
      m_size(heldWithin(defaults.size, pictureSize())), m_range{heldFrame(defaults.first), heldFrame(defaults.last)},
      m_interval(std::clamp(defaults.interval, 1, maxInterval)), m_waits(waitsFor(m_range.first, m_range.last), 1)
{
}

void* AnimationParam::valueFor(const Aspect* aspect)
{
    if (aspect == &aspects::AnimationParam::access)
        return offer<AnimationParam>(this);
    return Model::valueFor(aspect);
}

// Before the owner has a picture, the largest one it may get.
Point AnimationParam::pictureSize() const
{
    const DIBImage* image = m_owner.image();
    return image ? image->extent() : Point{DIBImage::maxSide, DIBImage::maxSide};
}

void AnimationParam::setSize(Point size)
{
    size = heldWithin(size, pictureSize());
    if (size == m_size)
        return;
    m_size = size;
    changed(&aspects::AnimationParam::Aspect::size);
}

void AnimationParam::setRange(int32_t first, int32_t last)
{
    Range range{heldFrame(first), heldFrame(last)};
    if (range == m_range)
        return;
    // Grown before the range is taken, so that running out of room leaves both as they were.
    m_waits.resize(waitsFor(range.first, range.last), 1);
    m_range = range;
    changed(&aspects::AnimationParam::Aspect::range);
}

void AnimationParam::setScale(int32_t scale)
{
    scale = std::clamp(scale, 1, maxScale);
    if (scale == m_scale)
        return;
    m_scale = scale;
    changed(&aspects::AnimationParam::Aspect::scale);
}

void AnimationParam::setInterval(int32_t interval)
{
    interval = std::clamp(interval, 1, maxInterval);
    if (interval == m_interval)
        return;
    m_interval = interval;
    changed(&aspects::AnimationParam::Aspect::interval);
}

int32_t AnimationParam::waitAt(int32_t frame) const
{
    int32_t count = waitCount();
    int32_t index = frame % count;
    return m_waits[size_t(index < 0 ? index + count : index)];
}

void AnimationParam::setWait(int32_t frame, int32_t wait)
{
    if (frame < 0)
        return;
    auto held = uint16_t(std::clamp(wait, 1, maxWait));
    uint16_t& slot = m_waits[size_t(frame) % m_waits.size()];
    if (slot == held)
        return;
    slot = held;
    changed(&aspects::AnimationParam::Aspect::waits);
}

void AnimationParam::setStatus(PlaybackStatus status)
{
    if (status == m_status)
        return;
    m_status = status;
    changed(&aspects::AnimationParam::Aspect::status);
}

void AnimationParam::copyFrom(const AnimationParam& other)
{
    setSize(other.m_size);
    setRange(other.m_range.first, other.m_range.last);
    setScale(other.m_scale);
    setInterval(other.m_interval);
    if (m_waits == other.m_waits)
        return;
    m_waits = other.m_waits;
    changed(&aspects::AnimationParam::Aspect::waits);
}

int64_t framePeriod(int32_t wait, int32_t interval)
{
    return (int64_t(wait) * interval * 100 + 3) / 6;
}
