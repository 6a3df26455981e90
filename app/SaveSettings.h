#pragma once

class SettingsFile;

// Writes file. When it cannot be written, for whatever cause, says so once with message 137 and the
// file's name, and answers false; the caller goes on as usual.
bool saveSettings(SettingsFile& file);
