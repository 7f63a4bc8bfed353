// TEMPORARY: empty drawing operations so the document builds and links before rendering lands.
// The rendering code replaces this whole file with the real bodies (delete it then).
#include "document/objects.h"

void TObject::Draw(TDC&) {}
void TObject::DrawSolid(TDC&) {}
void TObject::DrawHatched(TDC&, int32_t) {}
void TObject::Paint(TDC&, const RECT&, int32_t) {}
void TObject::PaintInWindow(TDC&, const RECT&, int32_t) {}
void TObject::Print(TDC&, int32_t, int32_t, int32_t) {}
void TObject::PrintSolid(TDC&, int32_t, int32_t, int32_t) {}
void TObject::PrintHatched(TDC&, int32_t, int32_t, int32_t, int32_t) {}
void TObject::PaintWide(TDC&) {}
void TObject::PaintForPrint(TDC&, int32_t, int32_t, int32_t, int32_t) {}

void TLineobj::Draw(TDC&) {}
void TLineobj::Print(TDC&, int32_t, int32_t, int32_t) {}
void TTextobj::Draw(TDC&) {}
void TTextobj::Print(TDC&, int32_t, int32_t, int32_t) {}

void TExtwallobj::Draw(TDC&) {}
void TExtwallobj::DrawSolid(TDC&) {}
void TExtwallobj::DrawHatched(TDC&, int32_t) {}
void TExtwallobj::Print(TDC&, int32_t, int32_t, int32_t) {}
void TExtwallobj::PrintSolid(TDC&, int32_t, int32_t, int32_t) {}
void TExtwallobj::PrintHatched(TDC&, int32_t, int32_t, int32_t, int32_t) {}

void TIntwallobj::Draw(TDC&) {}
void TIntwallobj::DrawSolid(TDC&) {}
void TIntwallobj::DrawHatched(TDC&, int32_t) {}
void TIntwallobj::Print(TDC&, int32_t, int32_t, int32_t) {}
void TIntwallobj::PrintSolid(TDC&, int32_t, int32_t, int32_t) {}
void TIntwallobj::PrintHatched(TDC&, int32_t, int32_t, int32_t, int32_t) {}

void TArrowobj::Draw(TDC&) {}
void TArrowobj::Print(TDC&, int32_t, int32_t, int32_t) {}
void TDimensobj::Draw(TDC&) {}
void TDimensobj::Print(TDC&, int32_t, int32_t, int32_t) {}
void TPolyobj::Draw(TDC&) {}
void TPolyobj::Print(TDC&, int32_t, int32_t, int32_t) {}
void TRoomobj::Draw(TDC&) {}
void TRoomobj::Print(TDC&, int32_t, int32_t, int32_t) {}
void TArcobj::Draw(TDC&) {}
void TArcobj::Print(TDC&, int32_t, int32_t, int32_t) {}
void TEllipseobj::Draw(TDC&) {}
void TEllipseobj::Print(TDC&, int32_t, int32_t, int32_t) {}
void TCircleobj::Draw(TDC&) {}
void TCircleobj::Print(TDC&, int32_t, int32_t, int32_t) {}
void TRectangleobj::Draw(TDC&) {}
void TRectangleobj::Print(TDC&, int32_t, int32_t, int32_t) {}
void TRndrectobj::Draw(TDC&) {}
void TRndrectobj::Print(TDC&, int32_t, int32_t, int32_t) {}
