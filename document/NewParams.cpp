#include "document/NewParams.h"

NewParams::NewParams()
{
    blockSize.setPoint({16, 16});
    canvasSize.setPoint({256, 256});
    meshSize.setPoint({64, 64});
}

NewParams& NewParams::current()
{
    static NewParams params;
    return params;
}
