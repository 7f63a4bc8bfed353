// Helpers shared by the working-file writer and reader, the whole-drawing turn and the libraries.
#pragma once

#include <cstdint>
#include <string>

#include "document/record_format.h"

class TList;

// The sheet centre in drawing units: SheetWidth × ZoomDivisor / 2, SheetHeight × ZoomDivisor / 2.
RecordOrigin SheetCentre();

// The range of point heights kept in PolyHeightMin / PolyHeightMax while files are read or written.
void StartHeightRange();
void NoteHeight(int32_t low, int32_t high);
void EndHeightRange(); // PolyHeightMin is never left above 0
void NotePolygonHeights(const TObject& object);
// External walls by aux1/aux2, polygons and openings by their point heights (markers take no part).
void NoteReadHeights(const TObject& object);

// Reads the six values of a drawing's header; false when they are not all there, or when the units
// are neither feet and inches (0) nor metric (1).
[[nodiscard]] bool ReadDrawingHeader(RecordReader& reader, int32_t header[6]);

// Appends the records of every object of the list that has one, relative to `origin`, and returns
// how many were written. Point heights of polygons and openings are noted on the way.
int32_t FormatDocument(const TList& list, RecordOrigin origin, std::string& out);
