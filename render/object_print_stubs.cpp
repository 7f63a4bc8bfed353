// TEMPORARY: the print operations (printed page and bitmap export) are not built yet; these empty
// bodies let the program link until they are.
#include "document/objects.h"

void TObject::Print(TDC&, int32_t, int32_t, int32_t) {}
void TObject::PrintSolid(TDC&, int32_t, int32_t, int32_t) {}
void TObject::PrintHatched(TDC&, int32_t, int32_t, int32_t, int32_t) {}

void TLineobj::Print(TDC&, int32_t, int32_t, int32_t) {}
void TTextobj::Print(TDC&, int32_t, int32_t, int32_t) {}
void TExtwallobj::Print(TDC&, int32_t, int32_t, int32_t) {}
void TExtwallobj::PrintSolid(TDC&, int32_t, int32_t, int32_t) {}
void TExtwallobj::PrintHatched(TDC&, int32_t, int32_t, int32_t, int32_t) {}
void TIntwallobj::Print(TDC&, int32_t, int32_t, int32_t) {}
void TIntwallobj::PrintSolid(TDC&, int32_t, int32_t, int32_t) {}
void TIntwallobj::PrintHatched(TDC&, int32_t, int32_t, int32_t, int32_t) {}
void TArrowobj::Print(TDC&, int32_t, int32_t, int32_t) {}
void TDimensobj::Print(TDC&, int32_t, int32_t, int32_t) {}
void TPolyobj::Print(TDC&, int32_t, int32_t, int32_t) {}
void TRoomobj::Print(TDC&, int32_t, int32_t, int32_t) {}
void TArcobj::Print(TDC&, int32_t, int32_t, int32_t) {}
void TEllipseobj::Print(TDC&, int32_t, int32_t, int32_t) {}
void TCircleobj::Print(TDC&, int32_t, int32_t, int32_t) {}
void TRectangleobj::Print(TDC&, int32_t, int32_t, int32_t) {}
void TRndrectobj::Print(TDC&, int32_t, int32_t, int32_t) {}
