#include "framework/ColorChooser.h"

#include <QApplication>
#include <QColorDialog>

namespace {
ColorChooserService* g_chooser = nullptr;
}

ColorChooserService* installColorChooser(ColorChooserService* service)
{
    ColorChooserService* previous = g_chooser;
    g_chooser = service;
    return previous;
}

std::optional<ColorRef> chooseColor(ColorRef initial)
{
    return g_chooser ? g_chooser->choose(initial) : std::nullopt;
}

std::optional<ColorRef> DesktopColorChooser::choose(ColorRef initial)
{
    QColor chosen = QColorDialog::getColor(QColor(redOf(initial), greenOf(initial), blueOf(initial)),
                                           QApplication::activeWindow());
    if (!chosen.isValid())
        return std::nullopt;
    return rgb(uint8_t(chosen.red()), uint8_t(chosen.green()), uint8_t(chosen.blue()));
}
