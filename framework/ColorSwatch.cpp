#include "framework/ColorSwatch.h"

#include "core/Aspects.h"
#include "core/Model.h"
#include "core/ValueInterfaces.h"
#include "framework/ColorChooser.h"
#include "framework/DialogControl.h"

ColorSwatch::ColorSwatch(DialogControl& control, Model& model) : ControlAdaptor(control)
{
    control.onClicked([this] {
        if (std::optional<ColorRef> chosen = chooseColor(this->control().color()))
            this->control().setColor(*chosen);
    });
    setModel(&model);
}

ColorSwatch::~ColorSwatch()
{
    control().onClicked({});
}

void ColorSwatch::update()
{
    if (auto* color = interfaceFor<ColorInterface>(model(), &aspects::ColorValue::access))
        control().setColor(color->value());
}

void ColorSwatch::update(const Aspect* aspect)
{
    if (aspect == &aspects::ColorValue::access)
        update();
}

void ColorSwatch::commit()
{
    if (auto* color = interfaceFor<ColorInterface>(model(), &aspects::ColorValue::access))
        color->setValue(control().color());
}
