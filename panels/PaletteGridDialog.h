#pragma once

#include "framework/Dialog.h"

#include <string_view>

class ColorSelectionModel;
class PaletteGrid;

// A palette dialog from its template: control 93 is the grid over selection, 92 the row header and
// 91 the column header (presses on them do nothing unless headersActive), and 90, when the template
// has it and the headers are active, the "All" button that selects every entry.
class PaletteGridDialog : public Dialog {
public:
    static constexpr int allButtonId = 90;
    static constexpr int columnHeaderId = 91;
    static constexpr int rowHeaderId = 92;
    static constexpr int gridId = 93;

    PaletteGridDialog(std::string_view templateName, ColorSelectionModel& selection, bool headersActive);

    PaletteGrid& grid() const { return m_grid; }

private:
    PaletteGrid& m_grid;
};
