#include "dialogs/RotateDialog.h"

#include "dialogs/RadioButtons.h"
#include "document/SelectionTransforms.h"
#include "framework/ControlAdaptor.h"
#include "framework/Dialog.h"
#include "framework/DialogControl.h"

#include <string>

namespace {

constexpr int angleField = 101;
constexpr int clockwiseButton = 102;

// The angle's text, accepted only when it is a number of degrees the turn can take.
class DegreesField : public ControlAdaptor {
public:
    DegreesField(DialogControl& control, std::string& text) : ControlAdaptor(control), m_text(text)
    {
        control.setText(text);
    }
    bool validate() override { return selectionTransforms::wholeDegrees(control().text()).has_value(); }
    void commit() override { m_text = control().text(); }

private:
    std::string& m_text;
};

} // namespace

std::optional<double> runRotateDialog()
{
    static std::string degrees = "0";
    static int32_t direction = 0;
    std::string typed = degrees;
    int32_t chosen = direction;
    {
        Dialog dialog("ROTATE_DIALOG");
        dialog.page().bind<DegreesField>(angleField, typed);
        bindRadioButtons(dialog.page(), clockwiseButton, 2, chosen);
        if (dialog.runModal() != okButtonId)
            return std::nullopt;
    }
    degrees = typed;
    direction = chosen;
    return selectionTransforms::rotationAngle(*selectionTransforms::wholeDegrees(typed), chosen == 1);
}
