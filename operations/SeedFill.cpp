#include "operations/SeedFill.h"

#include "core/GrowableArray.h"
#include "operations/MaskRuns.h"
#include "pixels/MaskImage.h"

#include <algorithm>
#include <bit>

namespace {

// One queued run [left, right) of row y, and the run of row from that queued it, if any.
struct Run {
    int32_t left = 0;
    int32_t right = 0;
    int32_t y = 0;
    int32_t from = -1;
    int32_t fromLeft = 0;
    int32_t fromRight = 0;
};

// The first dot in [from, to) whose bit is set in the words that bits(w) answers, or to; two words
// at a time where both lie inside the span, as in the long runs of big masks.
template <class Bits>
[[gnu::always_inline]] inline int32_t firstDot(int32_t from, int32_t to, Bits bits)
{
    while (from < to) {
        int32_t w = from >> 5;
        if ((from & 63) == 0 && from + 64 <= to) {
            if (uint64_t pair = uint64_t(bits(w)) << 32 | bits(w + 1))
                return from + std::countl_zero(pair);
            from += 64;
            continue;
        }
        uint32_t word = bits(w) & (~uint32_t(0) >> (from & 31));
        if (word)
            return std::min((w << 5) + std::countl_zero(word), to);
        from = (w + 1) << 5;
    }
    return to;
}

// The last dot before to whose bit is set in the words that bits(w) answers, or -1.
template <class Bits>
[[gnu::always_inline]] inline int32_t lastDotBefore(int32_t to, Bits bits)
{
    while (to > 0) {
        int32_t w = (to - 1) >> 5;
        uint32_t word = bits(w) & (~uint32_t(0) << (32 - (to - (w << 5))));
        if (word)
            return (w << 5) + 31 - std::countr_zero(word);
        to = w << 5;
    }
    return -1;
}

class SeedFiller {
public:
    SeedFiller(const MaskImage& mask, bool value)
        : m_mask(mask), m_width(mask.width()), m_flip(value ? 0 : ~uint32_t(0)),
          m_filled(MaskImage::newMask(mask.extent()))
    {
    }

    FilledArea run(Point start)
    {
        FilledArea area{m_filled, {}, true};
        if (!queue(runStart(m_mask.row(start.y), start.x), start.y, nullptr)) {
            area.complete = false;
            return area;
        }
        while (m_queue.count() > 0) {
            Run run = m_queue[m_queue.count() - 1];
            m_queue.removeAt(m_queue.count() - 1);
            // A fill that walks up or down the rows reaches the row after next while this run's
            // neighbours are scanned: its bytes are asked for now.
            for (int32_t y : {run.y - 2, run.y + 2}) {
                prefetchMaskRow(m_mask, y, run.left, run.right);
                prefetchMaskRow(*m_filled, y, run.left, run.right);
            }
            area.bounds = area.bounds.united({run.left, run.y, run.right, run.y + 1});
            if (!seedRow(run, run.y - 1) || !seedRow(run, run.y + 1)) {
                area.complete = false;
                return area;
            }
        }
        return area;
    }

private:
    // The dots of word w that take part in the fill.
    uint32_t fillable(const uint8_t* row, int32_t w) const { return MaskImage::wordAt(row, w) ^ m_flip; }
    // The first dot of the run that holds dot x, which takes part in the fill.
    int32_t runStart(const uint8_t* row, int32_t x) const
    {
        return lastDotBefore(x, [&](int32_t w) { return ~fillable(row, w); }) + 1;
    }
    // The dot after the run that begins at x.
    int32_t runEnd(const uint8_t* row, int32_t x) const
    {
        return firstDot(x, m_width, [&](int32_t w) { return ~fillable(row, w); });
    }

    // Queues every run of row y that touches the span of run and is not claimed yet. On the row of
    // the run that queued it only the parts of the span beyond that run, which is claimed, are
    // looked at.
    bool seedRow(const Run& run, int32_t y)
    {
        if (y < 0 || y >= m_mask.height())
            return true;
        if (y != run.from)
            return seedSpan(run, y, run.left, run.right);
        return seedSpan(run, y, run.left, std::min(run.right, run.fromLeft)) &&
               seedSpan(run, y, std::max(run.left, run.fromRight), run.right);
    }

    // Queues every unclaimed run of row y that touches [from, to), for run.
    bool seedSpan(const Run& run, int32_t y, int32_t from, int32_t to)
    {
        const uint8_t* row = m_mask.row(y);
        const uint8_t* claimed = m_filled->row(y);
        auto unclaimed = [&](int32_t w) { return fillable(row, w) & ~MaskImage::wordAt(claimed, w); };
        for (int32_t x = firstDot(from, to, unclaimed); x < to; x = firstDot(x, to, unclaimed)) {
            // Only a run that holds the span's first dot can begin left of it: any other unclaimed
            // run would have been met first.
            if (x == from)
                x = runStart(row, x);
            if (!queue(x, y, &run))
                return false;
            x = m_queue[m_queue.count() - 1].right;
        }
        return true;
    }

    // Claims the run that begins at left and queues it, for the run by, if any; answers false when
    // the queue cannot grow.
    bool queue(int32_t left, int32_t y, const Run* by)
    {
        int32_t right = runEnd(m_mask.row(y), left);
        Run run{left, right, y};
        if (by)
            run.from = by->y, run.fromLeft = by->left, run.fromRight = by->right;
        if (!m_queue.tryAppend(run))
            return false;
        m_filled->setRun(y, left, right);
        return true;
    }

    const MaskImage& m_mask;
    int32_t m_width;
    uint32_t m_flip;
    std::shared_ptr<MaskImage> m_filled;
    GrowableArray<Run> m_queue;
};

} // namespace

FilledArea seedFill(const MaskImage& mask, Point start)
{
    if (!mask.bounds().contains(start)) {
        auto nothing = MaskImage::newMask(mask.extent());
        return {nothing, {}, true};
    }
    return SeedFiller(mask, mask.isSet(start)).run(start);
}
