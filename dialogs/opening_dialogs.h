// The window and door dialogs that the Windows and Doors/Openings commands run before the door and
// window tool starts. They come with the doors and windows; until then each is declared with the
// members its caller reads and answers every run with Cancel, so the commands drop back to the Pick
// tool and no settings file changes.
#pragma once

#include <cstdint>

class QWidget;

// The shared stand-in: a run that is always cancelled.
class TPendingopeningdlg {
public:
    TPendingopeningdlg(QWidget* parent, int32_t resId) : Parent(parent), ResId(resId) {}
    virtual ~TPendingopeningdlg() = default;
    int Execute();

    QWidget* Parent;
    int32_t ResId;
};

class TWindlg : public TPendingopeningdlg {
public:
    using TPendingopeningdlg::TPendingopeningdlg;
    int32_t WindowKind = 0;
    int32_t SpareWord = 0;
    char Label[31] = {};
    char WidthText[5] = {};
    char HeightText[5] = {};
};

class TExtdoordlg : public TPendingopeningdlg {
public:
    using TPendingopeningdlg::TPendingopeningdlg;
    int32_t DoorKind = 0;
    int32_t SpareWord = 0;
    char Label[31] = {};
    char WidthText[10] = {};
    char NumberText[5] = {};
};

class TDoordlg : public TPendingopeningdlg {
public:
    using TPendingopeningdlg::TPendingopeningdlg;
    int32_t SwingType = 1;
    int32_t HelpFlag = 0;
};

class TSdoordlg : public TPendingopeningdlg {
public:
    using TPendingopeningdlg::TPendingopeningdlg;
    int32_t SlideType = 1;
    int32_t IntoWall = 0;
};

class TRobedlg : public TPendingopeningdlg {
public:
    using TPendingopeningdlg::TPendingopeningdlg;
    int32_t IntoWall = 0;
    char OpeningText[5] = {};
};

class TEntrydlg : public TPendingopeningdlg {
public:
    using TPendingopeningdlg::TPendingopeningdlg;
    char FrameText[6] = {};
};

class TFoldingdlg : public TPendingopeningdlg {
public:
    using TPendingopeningdlg::TPendingopeningdlg;
};

inline constexpr int32_t kWindowDialogId = 6500;
inline constexpr int32_t kExtDoorDialogId = 26500;
inline constexpr int32_t kDoorSwingDialogId = 10500;
inline constexpr int32_t kEntryFrameDialogId = 6000;
inline constexpr int32_t kFoldingDialogId = 26570;
inline constexpr int32_t kSlidingDoorDialogId = 13000;
inline constexpr int32_t kRobeDialogId = 26540;
