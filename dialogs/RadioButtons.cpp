#include "dialogs/RadioButtons.h"

#include "core/Aspects.h"
#include "core/BoundIntValue.h"
#include "framework/DialogPage.h"
#include "framework/RadioGroup.h"

#include <memory>
#include <vector>

void bindRadioButtons(DialogPage& page, int firstId, int count, int32_t& value)
{
    std::vector<DialogControl*> buttons;
    for (int i = 0; i < count; ++i)
        buttons.push_back(page.control(firstId + i));
    page.adopt(std::make_unique<RadioGroup>(std::move(buttons),
                                            *new BoundIntValue(&value, NumericField{firstId, 0, count - 1}),
                                            &aspects::IntValue::access));
}
