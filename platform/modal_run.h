// Every modal box of the layer (dialogs, message boxes, the input dialog, the common dialogs) waits
// through RunModal. A waiting box blocks every other top-level window; a companion window, such as
// the help window, is let through: it takes the mouse, the wheel, keys and its close box while any
// box waits, however many are nested and whenever the companion was opened. A key held down answers
// only the box it went down in (platform/held_keys.h).
#pragma once

class QDialog;
class QWidget;

namespace pl {

// Runs the box's modal loop and returns what QDialog::exec returns.
int RunModal(QDialog& box);

// True while the window is a box waiting through RunModal.
bool IsWaitingBox(const QWidget* window);

// How many modal boxes the layer has put up, message boxes a test script answered included. A key
// pressed before a box came and released after it went belongs to the box: its release is no key of
// the window that took its press.
unsigned ModalBoxesShown();
// Counts a box a test script answered, which never waits through RunModal.
void CountScriptedBox();

// Makes a parentless top-level window a companion for as long as it lives; a box already waiting
// lets it through at once.
void KeepUsableBesideModalBoxes(QWidget* window);

} // namespace pl
