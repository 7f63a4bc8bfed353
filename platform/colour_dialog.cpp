#include "platform/colour_dialog.h"

#include <array>
#include <cstdio>
#include <QColorDialog>

#include "platform/modal_run.h"
#include "platform/test_script.h"

namespace {

// The table used when the program hands none: one for the whole run, all black at the start.
std::array<TColor, 16>& LayerCustomColours() {
    static std::array<TColor, 16> colours{};
    return colours;
}

QColor ToQColor(COLORREF c) {
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}
COLORREF FromQColor(const QColor& c) {
    return RGB(static_cast<uint8_t>(c.red()), static_cast<uint8_t>(c.green()),
               static_cast<uint8_t>(c.blue()));
}

std::string Hex(COLORREF c) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%06X", static_cast<unsigned>(c));
    return text;
}

} // namespace

TChooseColorDialog::TChooseColorDialog(QWidget* parent, TData& data) : parent_(parent), data_(data) {}

int TChooseColorDialog::Execute() {
    data_.Error = 0;
    TColor* table = data_.CustColors ? data_.CustColors : LayerCustomColours().data();
    const COLORREF initial = (data_.Flags & CC_RGBINIT) ? data_.Color.GetValue() : 0;
    int result = IDCANCEL;
    COLORREF chosen = initial;
    if (pl::script::Enabled()) {
        if (auto answer = pl::script::Take(pl::script::AnswerKind::Colour, Hex(initial));
            answer && answer->Button != IDCANCEL) {
            chosen = answer->Colour;
            result = IDOK;
        }
    } else {
        for (int i = 0; i < 16; ++i)
            QColorDialog::setCustomColor(i, ToQColor(table[i].GetValue()));
        QColorDialog dialog(ToQColor(initial), parent_);
        if (pl::RunModal(dialog) == QDialog::Accepted) {
            chosen = FromQColor(dialog.selectedColor());
            result = IDOK;
        }
        // Custom colours made in the dialog are offered again next time, whatever the answer.
        for (int i = 0; i < 16; ++i)
            table[i] = FromQColor(QColorDialog::customColor(i));
    }
    if (result == IDOK) data_.Color = chosen;
    pl::TestLog("ChooseColor initial=" + Hex(initial) +
                " answer=" + (result == IDOK ? Hex(chosen) : "cancel"));
    return result;
}
