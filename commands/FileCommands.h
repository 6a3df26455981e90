#pragma once

class BitmapDocument;

// Asks for a picture file with the open dialog and opens it; null when cancelled or when it failed
// (already reported).
BitmapDocument* openDocument();
