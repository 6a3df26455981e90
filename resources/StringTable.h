#pragma once

#include <string_view>

// The program's string table: user-visible texts by id. An id without a string answers "".
std::string_view loadString(int id);

// Ids of the texts that code names.
namespace strings {
constexpr int openFilters = 1;
constexpr int setFileOpenFilters = 2;
constexpr int saveFilters = 3;
constexpr int setFileSaveFilters = 4;
constexpr int paletteOpenFilters = 10;
constexpr int paletteSaveFilters = 11;
constexpr int colorPrecisions = 12;
constexpr int none = 20;
constexpr int paletteFileName = 21;
constexpr int loadPaletteTitle = 30;
constexpr int applicationTitle = 1000;
constexpr int preferencesTitle = 1001;
constexpr int loadSetFileTitle = 1002;
constexpr int saveSetFileTitle = 1003;
constexpr int bmpFormatName = 1100;
constexpr int tiffFormatName = 1101;
constexpr int setFileName = 1102;
} // namespace strings

// Ids of the alert messages.
namespace messages {
constexpr int unknownFormat = 128;
constexpr int extensionMismatch = 130;
constexpr int saveChanges = 131;
constexpr int backupFailed = 132;
constexpr int writeProtected = 133;
constexpr int accessDenied = 134;
constexpr int outOfMemory = 135;
constexpr int readFailed = 136;
constexpr int writeFailed = 137;
constexpr int fileTooShort = 138;
constexpr int diskFull = 139;
constexpr int internalError = 140;
constexpr int systemError = 141;
constexpr int noBackupFolder = 142;
constexpr int restoreColors = 143;
constexpr int fullColorDisplay = 144;
constexpr int imageTooLarge = 150;
constexpr int tooComplex = 151;
constexpr int revert = 152;
constexpr int animationSizeMismatch = 153;
// A picture offered by another program that a paste refuses.
constexpr int clipboardTooLarge = 154;
constexpr int clipboardUnreadable = 155;
} // namespace messages
