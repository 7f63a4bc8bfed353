// What File New and File Open share: the drawing's text style, the per-floor records of a new
// drawing, the settings files both write when a drawing opens, and the client names they accept.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

class TClient;

// Closes the drawing windows and asks the save question when the drawing holds more than the floor
// records and may differ from its saved state, then empties the document. False, with nothing
// changed, when a window refuses to close or the save failed.
[[nodiscard]] bool LeaveCurrentDrawing(TClient& client);
// The drawing globals a new or opened drawing starts from: default text style, ground floor, plan
// display, pen, and the start view extent and origin.
void ResetDrawingGlobals();
// DrawingTitle := DrawingName + extension.
void SetDrawingTitle(const char* extension);

// Reads CFG/TEXT.CFG into DefaultTextHeight, DefaultTextWeight and the document's DefaultFontName,
// and prepares the client's font data from them at the screen's resolution.
void LoadTextStyle(TClient& client);

// Empties the document and appends the four floor records (views 50 to 53, kinds 32000 to 32003).
void SeedFloorRecords(TClient& client);

// CFG/ZOOM.CFG (the normal view extent) and CFG/ZSTAT.CFG (the zoom state) from the globals.
void WriteZoomFiles();
// CFG/ZSTAT.CFG alone: the view as it stands, kept before zooming in.
void WriteZoomState();
// CFG/OVERLAY.CFG with no floor overlaid.
void WriteNoOverlays();

// Whether DWGS/<name>.DB0 exists under the program directory.
bool DrawingExists(std::string_view name);
// The drawing a file picked in Open or Print names: the name part of the path becomes the document's
// drawing name. False, with the user told under `caption`, for a name no drawing can have (empty,
// past 24 characters, or holding "." or ":").
[[nodiscard]] bool TakePickedDrawingName(TClient& client, const std::string& path, const char* caption);
// Shows the overwrite question for an existing drawing; true when the user allows it.
bool ConfirmReplaceDrawing(TClient& client, std::string_view name);
