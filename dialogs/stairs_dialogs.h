// The stairs dialogs ("stairs"): the width of one flight, the stairwell length of a straight flight
// (0 for the full run), the storey height, the kind of stair and the side of the screen the top tread
// is on; in millimetres (TStrsdlg) or in feet and inches (TStrsimpdlg). Neither keeps a settings
// file: the stairs start reads the answer after OK.
#pragma once

#include <cstdint>

#include "platform/dialog.h"

class TEdit;
class TRadioButton;

// An answer in drawing units.
struct StairsEntry {
    int32_t width = 0;
    int32_t stairwell = 0;
    int32_t storeyHeight = 0;
    int32_t flightKind = 1; // 1 halfway return landing, 2 straight flight
    int32_t topTread = 4;   // 1 top, 2 right, 3 bottom, 4 left of the screen
};

class TStrsdlg : public TDialog {
public:
    explicit TStrsdlg(QWidget* parent, int32_t resId = 2550);
    void SetupWindow() override;
    void CmOk() override;
    void CmHelp() override;
    StairsEntry Entry() const;

    char WidthText[7] = {};
    char StairwellText[7] = {};
    char StoreyText[7] = {};
    int32_t FlightKind = 1;
    int32_t TopTread = 4;

private:
    TEdit* Width;
    TEdit* Stairwell;
    TEdit* Storey;
    TRadioButton* Flights[2];
    TRadioButton* Positions[4]; // top, right, bottom, left
};

class TStrsimpdlg : public TDialog {
public:
    explicit TStrsimpdlg(QWidget* parent, int32_t resId = 3080);
    void SetupWindow() override;
    void CmOk() override;
    void CmHelp() override;
    // Inches of 0 or less add nothing to the feet.
    StairsEntry Entry() const;

    char WidthText[6] = {};
    char StairwellFeetText[5] = {};
    char StairwellInchesText[5] = {};
    char StoreyFeetText[7] = {};
    char StoreyInchesText[5] = {};
    int32_t FlightKind = 1;
    int32_t TopTread = 4;

private:
    TEdit* Width;
    TEdit* StairwellFeet;
    TEdit* StairwellInches;
    TEdit* StoreyFeet;
    TEdit* StoreyInches;
    TRadioButton* Flights[2];
    TRadioButton* Positions[4];
};
