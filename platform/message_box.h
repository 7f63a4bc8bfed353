// Message boxes. The text breaks lines at '\n'; a caption of "" gives a blank title, a null caption the
// application's name. Without an owner the box is application-modal. The cursor is not touched:
// callers that move the cursor put it back themselves.
#pragma once

#include <cstdint>
#include <QWidget>

constexpr uint32_t MB_OK = 0x0;
constexpr uint32_t MB_OKCANCEL = 0x1;
constexpr uint32_t MB_YESNOCANCEL = 0x3;
constexpr uint32_t MB_YESNO = 0x4;
constexpr uint32_t MB_ICONHAND = 0x10;
constexpr uint32_t MB_ICONSTOP = MB_ICONHAND;
constexpr uint32_t MB_ICONERROR = MB_ICONHAND;
constexpr uint32_t MB_ICONQUESTION = 0x20;
constexpr uint32_t MB_ICONEXCLAMATION = 0x30;
constexpr uint32_t MB_ICONWARNING = MB_ICONEXCLAMATION;
constexpr uint32_t MB_ICONINFORMATION = 0x40;
constexpr uint32_t MB_ICONASTERISK = MB_ICONINFORMATION;
constexpr uint32_t MB_DEFBUTTON2 = 0x100;
constexpr uint32_t MB_APPLMODAL = 0x0;
constexpr uint32_t MB_TASKMODAL = 0x2000;

// Returns IDOK, IDCANCEL, IDYES or IDNO.
int MessageBox(QWidget* owner, const char* text, const char* caption, uint32_t type = MB_OK);
