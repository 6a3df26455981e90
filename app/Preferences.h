#pragma once

class SettingsFile;

// Command 109: the preferences sheet "環境設定" with the new-picture, backup and zoom-key pages. The
// pages start from the new-picture preferences in file, the backup settings in use and the zoom
// steps in use. OK writes all three to file and makes them the ones in use; Cancel changes nothing,
// and so does an OK whose file cannot be written, after saying so.
void runPreferences(SettingsFile& file);
