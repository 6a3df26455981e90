// Hands any bytes to the settings file and every reader of its values: the INI model must give the
// file back byte for byte and keep what it is told, and each value must end in a setting inside its
// range, never in a crash or undefined behaviour.
#include "app/RecentFiles.h"
#include "app/WindowPlacement.h"
#include "document/NewParams.h"
#include "formats/Backup.h"
#include "formats/IniFile.h"
#include "formats/SettingsFile.h"
#include "tests/fuzz/MemoryFile.h"
#include "views/ZoomSteps.h"

#include <cstdlib>
#include <string_view>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

void checkModel(std::string_view text)
{
    IniFile file = IniFile::parse(text);
    check(file.text() == text);
    file.setValue("Tilvane", "Window", "1,2,3,4");
    IniFile again = IniFile::parse(file.text());
    check(again.value("Tilvane", "Window") == "1,2,3,4");
    check(again.text() == file.text());
}

void checkReaders(const std::string& path)
{
    SettingsFile settings(path, "Tilvane");
    NewParams params;
    loadNewParams(settings, params);
    ZoomSteps main({1, 2, 3, 4, 5}, 1, 16);
    ZoomSteps sub({1, 2, 3}, 1, 8);
    loadZoomSteps(settings, main, sub);
    for (const ZoomSteps* steps : {&main, &sub}) {
        for (int i = 0; i < steps->count(); ++i) {
            check(steps->at(i) >= steps->lower() && steps->at(i) <= steps->upper());
            check(i == 0 || steps->at(i - 1) < steps->at(i));
        }
    }
    const Rect desktop{0, 0, 1920, 1080};
    if (std::optional<Rect> window = readWindowPlacement(settings, desktop))
        check(window->intersected(desktop) == *window);
    (void)readPanelPlacement(settings, "Palette-Window");
    BackupSettings backup;
    loadBackupSettings(settings, backup);
    check(backup.level >= 0 && backup.level <= 9);
    RecentFiles recent;
    recent.load(settings);
    (void)settings.readPair("Block");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    checkModel(std::string_view(reinterpret_cast<const char*>(data), size));
    static MemoryFile input;
    input.fill(data, size);
    checkReaders(input.path());
    return 0;
}
