#pragma once

// Fills DocumentDialogs with this level's dialogs: block size (316), mesh colour (504) and mesh size
// (608). The application calls it once at start-up; calling it again changes nothing.
void installDocumentDialogs();
