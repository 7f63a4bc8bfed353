// The window and door dialogs that the Windows and Doors/Openings commands run before the door and
// window tool starts. The window dialog and the door-type dialog keep their choice in CFG/WIND.CFG and
// CFG/DOOR.CFG; the follow-up door dialogs refine one field of CFG/DOOR.CFG or only answer the caller.
// Every dialog checks all its entries before it writes anything; Cancel writes nothing.
#pragma once

#include <cstdint>

#include "dialogs/offered_texts.h"
#include "platform/dialog.h"
#include "resources/dialogs/opening_templates.h"
#include "tools/opening_settings.h"

class TEdit;
class TCheckBox;
class TRadioButton;

class TWindlg : public TDialog {
public:
    TWindlg(QWidget* parent, int32_t resId);
    void SetupWindow() override;
    void CmOk() override;
    void CmHelp() override;

    int32_t WindowKind = 0;
    int32_t SpareWord = 0;
    char Label[31] = {};
    char WidthText[5] = {};
    char HeightText[5] = {};

private:
    TEdit* Width;
    TEdit* Height;
    TRadioButton* Text7;
    TRadioButton* Text9;
    TCheckBox* ShowSizes;
    TCheckBox* ShowCill;
    OpeningSettings Read;
    dialogs::OfferedTexts WidthOffer, HeightOffer;
};

class TExtdoordlg : public TDialog {
public:
    TExtdoordlg(QWidget* parent, int32_t resId);
    void SetupWindow() override;
    void CmOk() override;
    void CmHelp() override;

    int32_t DoorKind = 0;
    int32_t SpareWord = 0;
    char Label[31] = {};
    char WidthText[10] = {};
    char NumberText[5] = {};
    // The width of each door in the drawing's units, as the door tool takes it: the stored width
    // where the user left the offer as it was.
    int32_t DoorWidth = 0;

private:
    TEdit* Width;
    TEdit* Number;
    TRadioButton* Types[8];
    OpeningSettings Read;
    dialogs::OfferedTexts WidthOffer;
};

class TDoordlg : public TDialog {
public:
    TDoordlg(QWidget* parent, int32_t resId);
    void SetupWindow() override;
    void CmOk() override;
    void CmHelp() override;

    int32_t SwingType = 1;
    int32_t HelpFlag = 0; // never set: its help is the door swing page

private:
    TRadioButton* Swings[8];
};

class TSdoordlg : public TDialog {
public:
    TSdoordlg(QWidget* parent, int32_t resId);
    void SetupWindow() override;
    void CmOk() override;
    void CmHelp() override;

    int32_t SlideType = 1;
    int32_t IntoWall = 0;

private:
    TCheckBox* IntoWallBox;
    TRadioButton* Slides[8];
};

class TRobedlg : public TDialog {
public:
    // `offerStored`: what this dialog took before is offered again, so OK on the offer writes the file
    // back as it was. The Doors request never asks it: its door box has just written the doors whole.
    TRobedlg(QWidget* parent, int32_t resId, bool offerStored = false);
    void SetupWindow() override;
    void CmOk() override;
    void CmHelp() override;

    int32_t IntoWall = 0;
    char OpeningText[5] = {};

private:
    const bool OfferStored;
    TEdit* Opening;
    TCheckBox* IntoWallBox;
    OpeningSettings Read;
    dialogs::OfferedTexts Offer;
};

class TEntrydlg : public TDialog {
public:
    // `offerStored`: what this dialog took before is offered again, so OK on the offer writes the file
    // back as it was. The Doors request never asks it: its door box has just written the doors whole.
    TEntrydlg(QWidget* parent, int32_t resId, bool offerStored = false);
    void SetupWindow() override;
    void CmOk() override;
    void CmHelp() override;

    char FrameText[6] = {};

private:
    const bool OfferStored;
    TEdit* Frame;
    TRadioButton* Positions[3];
    OpeningSettings Read;
    dialogs::OfferedTexts Offer;
};

class TFoldingdlg : public TDialog {
public:
    // `offerStored`: what this dialog took before is offered again, so OK on the offer writes the file
    // back as it was. The Doors request never asks it: its door box has just written the doors whole.
    TFoldingdlg(QWidget* parent, int32_t resId, bool offerStored = false);
    void SetupWindow() override;
    void CmOk() override;
    void CmHelp() override;

private:
    const bool OfferStored;
    TRadioButton* Hands[3];
};
