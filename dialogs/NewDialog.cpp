#include "dialogs/NewDialog.h"

#include "core/Aspects.h"
#include "core/BoundIntValue.h"
#include "document/NewParams.h"
#include "framework/ColorSwatch.h"
#include "framework/Dialog.h"
#include "framework/EditField.h"
#include "framework/RadioGroup.h"
#include "palette/ColorValue.h"

namespace {

// The dialog's own record; the bound values write into it and nothing else until OK.
struct NewDialogRecord {
    int32_t colorMode = 0;
    int32_t backgroundIndex = 0;
    int32_t blockWidth = 0;
    int32_t blockHeight = 0;
    int32_t imageWidth = 0;
    int32_t imageHeight = 0;
};

void bindNumber(Dialog& dialog, int id, int32_t& target, int32_t lower, int32_t upper, int radix = 10)
{
    dialog.page().bind<EditField>(id, *new BoundIntValue(&target, NumericField{id, lower, upper, radix}));
}

} // namespace

std::optional<NewDocumentParams> runNewDialog(NewParams& preferences)
{
    NewDialogRecord record{preferences.colorMode.value(),    preferences.backgroundIndex.value(),
                           preferences.blockSize.point().x,  preferences.blockSize.point().y,
                           preferences.canvasSize.point().x, preferences.canvasSize.point().y};
    ColorValue background(preferences.backgroundColour.value());
    {
        Dialog dialog("NEW_DIALOG");
        DialogPage& page = dialog.page();
        page.adopt(std::make_unique<RadioGroup>(std::vector{page.control(100), page.control(101)},
                                                *new BoundIntValue(&record.colorMode, NumericField{100, 0, 1}),
                                                &aspects::IntValue::access));
        bindNumber(dialog, 103, record.backgroundIndex, 0, 255, 16);
        page.bind<ColorSwatch>(104, background);
        bindNumber(dialog, 105, record.blockWidth, 4, 999);
        bindNumber(dialog, 106, record.blockHeight, 4, 999);
        bindNumber(dialog, 107, record.imageWidth, 1, 10000);
        bindNumber(dialog, 108, record.imageHeight, 1, 10000);
        if (dialog.runModal() != okButtonId)
            return std::nullopt;
    }

    preferences.colorMode.setValue(record.colorMode);
    preferences.backgroundIndex.setValue(record.backgroundIndex);
    preferences.backgroundColour.setValue(background.value());
    preferences.blockSize.setPoint({record.blockWidth, record.blockHeight});
    preferences.canvasSize.setPoint({record.imageWidth, record.imageHeight});
    return NewDocumentParams{record.colorMode == 1,
                             record.backgroundIndex,
                             background.value(),
                             {record.blockWidth, record.blockHeight},
                             {record.imageWidth, record.imageHeight}};
}
