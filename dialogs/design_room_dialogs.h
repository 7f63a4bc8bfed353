// The name, size, fill colour and size labels of the next design room: typed (TTroomdlg, TTroomimpdlg)
// or preset to the largest free room measured at a click (TMaxroomdlg, TMaxroomimpdlg), in millimetres
// or in feet, inches and a fraction. The colour and size-label choices reach the room only through
// CFG/NEWRM.CFG, which OK rewrites once every entry is valid; the caller reads the name and the size
// texts from the dialog after it closed.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/dialog.h"

class TEdit;
class TRadioButton;

class TDesignRoomdlgBase : public TDialog {
public:
    void SetupWindow() override;
    void CmOk() override;
    void CmHelp() override;

    char NameText[17] = {};
    // Metric: the two size texts in millimetres.
    char HorizontalText[7] = {};
    char VerticalText[7] = {};
    // Feet and inches: feet, inches, fraction numerator and denominator of each size.
    char HorizontalFeet[5] = {};
    char HorizontalInches[5] = {};
    char HorizontalNumerator[5] = {};
    char HorizontalDenominator[4] = {};
    char VerticalFeet[5] = {};
    char VerticalInches[5] = {};
    char VerticalNumerator[5] = {};
    char VerticalDenominator[4] = {};
    long MaxWidth = 0; // the preset of the largest-room dialogs, drawing units
    long MaxLength = 0;

    // The typed sizes in drawing units (millimetres, or 1/24 inch with the fraction counted only when
    // it is a half, quarter or eighth).
    int32_t Width() const;
    int32_t Length() const;

protected:
    TDesignRoomdlgBase(QWidget* parent, int32_t resId, bool metric,
                       std::optional<std::pair<long, long>> preset);

private:
    void ShowPreset();
    void SelectSizeLabels();

    bool Metric;
    bool Preset;
    TEdit* Name;
    TEdit* Sizes[8] = {}; // metric: horizontal, vertical; imperial: four per size
    TRadioButton* Colours[4];
    TRadioButton* SizeLabels[4];
};

class TTroomdlg : public TDesignRoomdlgBase {
public:
    explicit TTroomdlg(QWidget* parent, int32_t resId = 22000);
};

class TTroomimpdlg : public TDesignRoomdlgBase {
public:
    explicit TTroomimpdlg(QWidget* parent, int32_t resId = 22500);
};

class TMaxroomdlg : public TDesignRoomdlgBase {
public:
    TMaxroomdlg(QWidget* parent, int32_t resId, long maxWidth, long maxLength);
};

class TMaxroomimpdlg : public TDesignRoomdlgBase {
public:
    TMaxroomimpdlg(QWidget* parent, int32_t resId, long maxWidth, long maxLength);
};
