// The dimension settings dialogs: offsets and text sizes in millimetres ("showing dimensions") or in
// whole inches ("dimension offsets"), and the manual dimensions' arrow ("arrow styles"). Each loads
// its settings file when it opens and, on OK, writes it back only once every field is valid.
#pragma once

#include <cstdint>

#include "document/dimension_settings.h"
#include "platform/dialog.h"

class TEdit;
class TRadioButton;

// The metric and the imperial offsets dialog differ only in ids, ranges and the inch conversion.
class TOffsetdlgBase : public TDialog {
public:
    void SetupWindow() override;
    void CmOk() override;
    void CmHelp() override;

    DimensionSettings Settings; // as loaded, then as written

protected:
    struct Ids {
        int32_t offsets[3];
        int32_t horizontal, parallel;
        int32_t sizes[3][2]; // 9 and 10 pts of the dimension, room dimension and room name texts
    };
    TOffsetdlgBase(QWidget* parent, int32_t resId, const Ids& ids, int32_t metricUnits);

private:
    int32_t Units() const { return Metric == 1 ? 1 : 24; }

    int32_t Metric; // 1 millimetres, 0 whole inches
    TEdit* Offsets[3];
    TRadioButton* Horizontal;
    TRadioButton* Parallel;
    TRadioButton* Sizes[3][2];
};

class TOffsetdlg : public TOffsetdlgBase {
public:
    explicit TOffsetdlg(QWidget* parent, int32_t resId = 5500);
};

class TOffsetimpdlg : public TOffsetdlgBase {
public:
    explicit TOffsetimpdlg(QWidget* parent, int32_t resId = 5600);
};

class TArrowdlg : public TDialog {
public:
    explicit TArrowdlg(QWidget* parent, int32_t resId = 26600);
    void SetupWindow() override;
    void CmOk() override;
    void CmHelp() override;

    ArrowSettings Settings;

private:
    int32_t Units() const;

    TEdit* Length;
    TRadioButton* Styles[4];
};
