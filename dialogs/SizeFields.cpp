#include "dialogs/SizeFields.h"

#include "core/BoundIntValue.h"
#include "framework/DialogPage.h"
#include "framework/EditField.h"

namespace {
constexpr int widthField = 101;
constexpr int heightField = 102;
} // namespace

void bindSizeFields(DialogPage& page, Point& size, int32_t lower, int32_t upper)
{
    page.bind<EditField>(widthField, *new BoundIntValue(&size.x, NumericField{widthField, lower, upper}));
    page.bind<EditField>(heightField, *new BoundIntValue(&size.y, NumericField{heightField, lower, upper}));
}
