#include "app/Preferences.h"

#include "app/SaveSettings.h"
#include "core/Aspects.h"
#include "core/BoundIntValue.h"
#include "document/NewParams.h"
#include "formats/Backup.h"
#include "formats/SettingsFile.h"
#include "framework/ColorSwatch.h"
#include "framework/EditField.h"
#include "framework/FolderChooser.h"
#include "framework/PropertySheet.h"
#include "framework/RadioGroup.h"
#include "framework/TextField.h"
#include "resources/StringTable.h"
#include "views/ZoomSteps.h"

#include <string>

namespace {

constexpr int maxDirectoryLength = 259;

// The backup directory of a settings record, as the text its field edits.
class DirectoryText : public Model, public StringInterface {
public:
    explicit DirectoryText(std::string& directory) : m_directory(directory) {}

    std::string value() const override { return m_directory; }
    void setValue(const std::string& text) override { m_directory = text; }

    void* valueFor(const Aspect* aspect) override
    {
        if (aspect == &aspects::StringValue::access)
            return offer<StringInterface>(this);
        return Model::valueFor(aspect);
    }

private:
    std::string& m_directory;
};

void bindPoint(DialogPage& page, int firstId, PointModel& point, int32_t lower, int32_t upper)
{
    page.bind<EditField>(firstId, point, &aspects::PointModel::xvalue, NumericField{firstId, lower, upper, 10});
    page.bind<EditField>(firstId + 1, point, &aspects::PointModel::yvalue, NumericField{firstId + 1, lower, upper, 10});
}

void bindNewParamPage(DialogPage& page, NewParams& params)
{
    bindPoint(page, 100, params.blockSize, 4, 999);
    bindPoint(page, 102, params.canvasSize, 1, 10000);
    bindPoint(page, 104, params.meshSize, 2, 9999);
    page.bind<EditField>(106, params.meshColourIndex, &aspects::IntValue::access, NumericField{106, 0, 255, 16});
    page.bind<EditField>(111, params.backgroundIndex, &aspects::IntValue::access, NumericField{111, 0, 255, 16});
    page.bind<ColorSwatch>(112, params.backgroundColour);
    bindPoint(page, 107, params.offset, 0, 10000);
    page.adopt(std::make_unique<RadioGroup>(std::vector{page.control(109), page.control(110)}, params.yUp,
                                            &aspects::IntValue::access));
}

void bindBackupPage(DialogPage& page, BackupSettings& settings, DirectoryText& directory)
{
    page.bind<TextField>(100, directory, maxDirectoryLength);
    DialogControl& field = *page.control(100);
    page.control(101)->onClicked([&field] {
        // The chooser starts in the folder typed only when that names one from the root.
        std::string typed = field.text();
        if (std::optional<std::string> chosen = chooseFolder(typed.starts_with('/') ? typed : std::string()))
            field.setText(*chosen);
    });
    auto* level = new BoundIntValue(&settings.level, NumericField{102, 0, 9, 10});
    page.bind<EditField>(102, *level).attachUpDown(*page.control(103));
}

// Each step's up-down moves it within its list, which moves its neighbours aside as needed; the
// page shows the working copies of the lists.
void bindZoomKeyPage(DialogPage& page, ZoomSteps& main, ZoomSteps& sub)
{
    struct Row {
        ZoomSteps& steps;
        int firstId;
    };
    auto show = [&page, &main, &sub] {
        for (const Row& row : {Row{main, 100}, Row{sub, 105}})
            for (int i = 0; i < row.steps.count(); ++i)
                page.control(row.firstId + i)->setText(std::to_string(row.steps.at(i)));
    };
    for (const Row& row : {Row{main, 100}, Row{sub, 105}}) {
        for (int i = 0; i < row.steps.count(); ++i) {
            ZoomSteps& steps = row.steps;
            page.control(row.firstId + 100 + i)->onStep([&steps, i, show](int delta) {
                steps.setEntry(i, steps.at(i) + delta);
                show();
            });
        }
    }
    show();
}

// Sets each member through its model, so that whoever follows the preferences hears of it.
void copyNewParams(const NewParams& from, NewParams& to)
{
    to.backgroundIndex.setValue(from.backgroundIndex.value());
    to.backgroundColour.setValue(from.backgroundColour.value());
    to.blockSize.setPoint(from.blockSize.point());
    to.canvasSize.setPoint(from.canvasSize.point());
    to.meshSize.setPoint(from.meshSize.point());
    to.meshColourIndex.setValue(from.meshColourIndex.value());
    to.edgeWidth.setValue(from.edgeWidth.value());
    to.offset.setPoint(from.offset.point());
    to.yUp.setValue(from.yUp.value());
}

} // namespace

void runPreferences(SettingsFile& file)
{
    // The sheet works on copies; the pages' adaptors write into them only when OK is accepted.
    // The sheet has no field for the edge width, so "Edge" goes back as it was read.
    NewParams params;
    loadNewParams(file, params);
    BackupSettings backup = BackupSettings::current();
    DirectoryText directory(backup.directory);
    ZoomSteps mainSteps = ZoomSteps::mainSteps();
    ZoomSteps subSteps = ZoomSteps::subSteps();
    {
        PropertySheet sheet(loadString(strings::preferencesTitle));
        bindNewParamPage(sheet.addPage("NEW_PARAM_PAGE"), params);
        bindBackupPage(sheet.addPage("BACKUP_PAGE"), backup, directory);
        bindZoomKeyPage(sheet.addPage("ZOOM_KEY_PAGE"), mainSteps, subSteps);
        if (sheet.runModal() != okButtonId)
            return;
    }

    // The file first: when it cannot be written, neither it nor the settings in use change.
    SettingsFile before = file;
    saveNewParams(file, params);
    saveBackupSettings(file, backup);
    saveZoomSteps(file, mainSteps, subSteps);
    if (!saveSettings(file)) {
        file = std::move(before);
        return;
    }
    copyNewParams(params, NewParams::current());
    BackupSettings::current() = backup;
    ZoomSteps::mainSteps() = mainSteps;
    ZoomSteps::subSteps() = subSteps;
}
