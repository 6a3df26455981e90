#pragma once

// How copied pixels combine with the pixels already there.
enum class RasterOp {
    sourceCopy,   // replace
    sourceInvert, // exclusive or
    sourceAnd,
    sourcePaint, // or
};
