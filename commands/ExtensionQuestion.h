#pragma once

#include <string>
#include <string_view>

// Whether a save may take path as it is: yes when its extension is the format's, otherwise the
// user is asked (message 130, naming the extension, or string 20 when there is none, and the
// format by formatName) and only Yes accepts it.
bool acceptsExtension(const std::string& path, std::string_view formatExtension, const std::string& formatName);
