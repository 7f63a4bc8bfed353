#include "platform/font_dialog.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <QFontDatabase>
#include <QFontDialog>

#include "platform/modal_run.h"
#include "platform/test_script.h"
#include "platform/win_types.h"

namespace {

// The screen's pixels per inch, as the program's height conversions assume.
constexpr int32_t kScreenPixelsPerInch = 96;

std::string FaceOf(const LOGFONT& font) {
    return std::string(font.lfFaceName, strnlen(font.lfFaceName, LF_FACESIZE));
}

void SetFace(LOGFONT& font, const std::string& face) {
    std::memset(font.lfFaceName, 0, LF_FACESIZE);
    std::memcpy(font.lfFaceName, face.data(), std::min(face.size(), static_cast<size_t>(LF_FACESIZE - 1)));
}

} // namespace

QFont pl::FontDialogStart(const TChooseFontDialog::TData& data) {
    const LOGFONT& logFont = data.LogFont;
    QFont font(QString::fromLatin1(FaceOf(logFont).c_str()));
    double points = 10.0;
    if (data.PointSize > 0)
        points = data.PointSize / 10.0;
    else if (logFont.lfHeight != 0)
        points = std::abs(logFont.lfHeight) * 72.0 / kScreenPixelsPerInch;
    font.setPointSizeF(points);
    const int weight = logFont.lfWeight == 0 ? 400 : std::clamp<int>(logFont.lfWeight, 100, 900);
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setItalic(logFont.lfItalic != 0);
    font.setUnderline(logFont.lfUnderline != 0);
    font.setStrikeOut(logFont.lfStrikeOut != 0);
    // Left unnamed, the dialog guesses a style by name and may highlight a slanted or condensed one:
    // the face's own style nearest the stored weight, of the stored slant and normal width, is named.
    const QString family = font.family();
    const bool slanted = logFont.lfItalic != 0;
    int best = -1;
    for (const QString& style : QFontDatabase::styles(family)) {
        const QFont candidate = QFontDatabase::font(family, style, 10);
        if ((candidate.style() != QFont::StyleNormal) != slanted) continue;
        const int stretch = candidate.stretch();
        const int widthPenalty = stretch == 0 || stretch == QFont::Unstretched ? 0 : 10000;
        const int score = std::abs(static_cast<int>(candidate.weight()) - weight) + widthPenalty;
        if (best >= 0 && score >= best) continue;
        best = score;
        font.setStyleName(style);
    }
    return font;
}

namespace {

void StoreQFont(const QFont& font, TChooseFontDialog::TData& data) {
    data.PointSize = static_cast<int32_t>(std::lround(font.pointSizeF() * 10.0));
    data.LogFont.lfHeight = pl::LogFontHeightForPointSize(data.PointSize);
    data.LogFont.lfWidth = 0;
    data.LogFont.lfWeight = static_cast<int32_t>(font.weight());
    data.LogFont.lfItalic = font.italic() ? 1 : 0;
    data.LogFont.lfUnderline = font.underline() ? 1 : 0;
    data.LogFont.lfStrikeOut = font.strikeOut() ? 1 : 0;
    SetFace(data.LogFont, font.family().toLatin1().toStdString());
}

std::string Describe(const TChooseFontDialog::TData& data) {
    return pl::script::Quote(FaceOf(data.LogFont)) + " " + std::to_string(data.PointSize) + "/10pt weight " +
           std::to_string(data.LogFont.lfWeight);
}

} // namespace

namespace pl {

int32_t LogFontHeightForPointSize(int32_t tenths) {
    const int64_t scaled = int64_t{tenths} * kScreenPixelsPerInch;
    const int64_t rounded = scaled >= 0 ? (scaled + 360) / 720 : (scaled - 360) / 720;
    return static_cast<int32_t>(-rounded);
}

} // namespace pl

TChooseFontDialog::TChooseFontDialog(QWidget* parent, TData& data, const char* title)
    : parent_(parent), data_(data), title_(title) {}

int TChooseFontDialog::Execute() {
    data_.Error = 0;
    const std::string initial = Describe(data_);
    int result = IDCANCEL;
    if (pl::script::Enabled()) {
        if (auto answer = pl::script::Take(pl::script::AnswerKind::Font, initial);
            answer && answer->Button != IDCANCEL) {
            data_.LogFont = answer->Font;
            data_.PointSize = answer->PointSize;
            if (data_.LogFont.lfHeight == 0)
                data_.LogFont.lfHeight = pl::LogFontHeightForPointSize(answer->PointSize);
            data_.Color = answer->Colour;
            result = IDOK;
        }
    } else {
        QFontDialog dialog(pl::FontDialogStart(data_), parent_);
        if (title_) dialog.setWindowTitle(QString::fromLatin1(title_));
        if (pl::RunModal(dialog) == QDialog::Accepted) {
            StoreQFont(dialog.selectedFont(), data_);
            result = IDOK;
        }
    }
    pl::TestLog("ChooseFont initial=" + initial + " answer=" + (result == IDOK ? Describe(data_) : "cancel"));
    return result;
}
