#include "dialogs/PaletteEditDialog.h"

#include "base/Alert.h"
#include "core/Aspects.h"
#include "dialogs/ColorToneDialog.h"
#include "dialogs/PaletteClipboard.h"
#include "document/BitmapDocument.h"
#include "document/BitmapPalette.h"
#include "document/PaletteSession.h"
#include "framework/ColorChooser.h"
#include "palette/ChannelAdjust.h"
#include "palette/PaletteEdit.h"
#include "panels/ModelFollower.h"
#include "panels/PaletteGridDialog.h"
#include "resources/Accelerators.h"
#include "resources/StringTable.h"
#include "resources/VirtualKey.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int swatchId = 100;
constexpr int tonesButton = 107;
constexpr int precisionList = 108;
constexpr int gradationButton = 109;
constexpr int restoreButton = 110;
// The value text of channel j is firstValueText + 2j, its up-down the id after it.
constexpr int firstValueText = 101;

std::vector<std::string> precisionNames()
{
    std::vector<std::string> names;
    std::string_view list = loadString(strings::colorPrecisions);
    for (size_t start = 0; start <= list.size();) {
        size_t slash = std::min(list.find('/', start), list.size());
        names.emplace_back(list.substr(start, slash - start));
        start = slash + 1;
    }
    return names;
}

// What the keypad's digits do: the channels they step, and the direction.
struct KeypadStep {
    int mask;
    int delta;
};
constexpr KeypadStep keypadSteps[] = {
    {allChannels, -1}, {redChannel, -1},   {greenChannel, -1}, {blueChannel, -1},
    {redChannel, +1},  {greenChannel, +1}, {blueChannel, +1},  {allChannels, +1},
};

// The dialog's controls bound to the edit: they show its selected entry and act on it at once.
class PaletteEditControls {
public:
    PaletteEditControls(PaletteGridDialog& dialog, PaletteEdit& edit)
        : m_dialog(dialog), m_edit(edit), m_follower([this](const Aspect*) { show(); })
    {
        dialog.control(swatchId)->onClicked([this] { chooseColor(); });
        for (int j = 0; j < 3; ++j) {
            DialogControl& upDown = *dialog.control(firstValueText + 2 * j + 1);
            upDown.onStep([this, j](int delta) { m_edit.adjust(1 << j, delta, false); });
            upDown.onPageStep([this, j](int delta) { m_edit.adjust(1 << j, delta, true); });
        }
        DialogControl& precision = *dialog.control(precisionList);
        precision.setItems(precisionNames());
        precision.onSelected([this](int k) { m_edit.setPrecisionIndex(k); });
        dialog.control(tonesButton)->onClicked([this] { runColorToneDialog(m_edit); });
        dialog.control(gradationButton)->onClicked([this] { m_edit.gradation(); });
        dialog.control(restoreButton)->onClicked([this] {
            if (alert(messages::restoreColors, alertFlags::okCancel) == alertAnswer::ok)
                m_edit.restoreOpening();
        });
        dialog.onKey([this](uint32_t key, uint8_t modifiers) { return pressKey(key, modifiers); });
        m_follower.follow(&edit);
        show();
    }

private:
    void show()
    {
        m_dialog.control(swatchId)->setColor(m_edit.currentColor());
        for (int j = 0; j < 3; ++j) {
            int value = m_edit.channel(j);
            char text[12] = "---";
            if (value >= 0)
                std::snprintf(text, sizeof text, "%3d", value);
            m_dialog.control(firstValueText + 2 * j)->setText(text);
        }
        m_dialog.control(precisionList)->setCurrentIndex(m_edit.precisionIndex());
    }

    void chooseColor()
    {
        if (m_edit.single() < 0)
            return;
        if (std::optional<ColorRef> chosen = ::chooseColor(m_edit.currentColor()))
            m_edit.setCurrentColor(*chosen);
    }

    bool pressKey(uint32_t key, uint8_t modifiers)
    {
        bool ctrl = modifiers & Accelerator::control;
        bool shift = modifiers & Accelerator::shift;
        if (key >= keys::numpad(0) && key <= keys::numpad(7)) {
            const KeypadStep& step = keypadSteps[key - keys::numpad(0)];
            m_edit.adjust(step.mask, step.delta, ctrl);
            return true;
        }
        if (ctrl && (key == 'C' || key == keys::insert)) {
            copyPaletteColors(m_edit);
            return true;
        }
        if ((ctrl && key == 'V') || (shift && key == keys::insert)) {
            pastePaletteColors(m_edit);
            return true;
        }
        return false;
    }

    PaletteGridDialog& m_dialog;
    PaletteEdit& m_edit;
    ModelFollower m_follower;
};

} // namespace

bool runPaletteEditDialog(BitmapDocument& document)
{
    BitmapPalette* palette = document.palette();
    if (!palette)
        return false;
    PaletteSession session(document, PaletteSession::Scope::palette);
    PaletteEdit edit(*palette, session.snapshot());
    {
        PaletteGridDialog dialog("PALETTE_EDIT_DIALOG", edit, true);
        PaletteEditControls controls(dialog, edit);
        if (dialog.runModal() != okButtonId) {
            session.restore();
            return false;
        }
    }
    session.keep();
    return true;
}
