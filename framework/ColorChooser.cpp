#include "framework/ColorChooser.h"

#include "base/ServiceSlot.h"

#include <QApplication>
#include <QColorDialog>

namespace {
ServiceSlot<ColorChooserService> g_chooser;
}

ColorChooserService* installColorChooser(ColorChooserService* service)
{
    return g_chooser.install(service);
}

std::optional<ColorRef> chooseColor(ColorRef initial)
{
    return g_chooser ? g_chooser->choose(initial) : std::nullopt;
}

std::optional<ColorRef> DesktopColorChooser::choose(ColorRef initial)
{
    QColor chosen =
        QColorDialog::getColor(QColor(redOf(initial), greenOf(initial), blueOf(initial)), QApplication::activeWindow());
    if (!chosen.isValid())
        return std::nullopt;
    return rgb(uint8_t(chosen.red()), uint8_t(chosen.green()), uint8_t(chosen.blue()));
}
