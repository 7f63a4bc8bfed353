// The name, size and size lines of a new fixed room, preset to the free space the fixed-room tool
// measured (CFG/ROOM.CFG): in millimetres (TRoomdlg) or in feet, inches and a fraction
// (TRoomimpdlg). The size-line choice starts as the last room had it and is kept in CFG/NEWRM.CFG,
// which OK rewrites once every entry is valid; the caller reads the name and sizes after it closed.
#pragma once

#include <cstdint>

#include "platform/dialog.h"

class TEdit;
class TRadioButton;

class TFixedRoomdlgBase : public TDialog {
public:
    void SetupWindow() override;
    void CmOk() override;
    void CmHelp() override;

    int32_t SizeOption = 0; // a RoomSizeOption
    char NameText[17] = {};

    // The typed sizes in drawing units (millimetres, or 1/24 inch with the fraction counted only when
    // it is a half, quarter or eighth).
    virtual int32_t Width() const = 0;
    virtual int32_t Length() const = 0;

protected:
    TFixedRoomdlgBase(QWidget* parent, int32_t resId, int32_t nameId, int32_t sizeFirst);

    virtual void ShowFreeSize(int32_t width, int32_t height) = 0;
    virtual void ReadSizes() = 0;

private:
    void SelectSizeLines();

    TEdit* Name;
    TRadioButton* SizeLines[4];
};

class TRoomdlg : public TFixedRoomdlgBase {
public:
    explicit TRoomdlg(QWidget* parent, int32_t resId = 8000);

    int32_t Width() const override;
    int32_t Length() const override;

    char HorizontalText[7] = {};
    char VerticalText[7] = {};

private:
    void ShowFreeSize(int32_t width, int32_t height) override;
    void ReadSizes() override;

    TEdit* Sizes[2];
};

class TRoomimpdlg : public TFixedRoomdlgBase {
public:
    explicit TRoomimpdlg(QWidget* parent, int32_t resId = 8500);

    int32_t Width() const override;
    int32_t Length() const override;

    char HorizontalFeet[5] = {};
    char HorizontalInches[5] = {};
    char HorizontalNumerator[5] = {};
    char HorizontalDenominator[5] = {};
    char VerticalFeet[5] = {};
    char VerticalInches[5] = {};
    char VerticalNumerator[5] = {};
    char VerticalDenominator[5] = {};

private:
    void ShowFreeSize(int32_t width, int32_t height) override;
    void ReadSizes() override;

    TEdit* Sizes[8];
};
