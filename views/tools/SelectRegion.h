#pragma once

class BitmapDocument;
class Region;

// Makes region, cut to the picture, the document's new selection; a region with no dot on the
// picture leaves nothing selected.
void selectRegion(BitmapDocument& document, Region region);
