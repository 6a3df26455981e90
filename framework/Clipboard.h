#pragma once

// The desktop's clipboard, as far as the menus ask about it.
namespace clipboard {

// Whether the clipboard holds a picture that a paste could take.
bool holdsImage();

} // namespace clipboard
