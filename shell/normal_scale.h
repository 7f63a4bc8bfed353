// The scale of the unzoomed view, which every window, File New, File Open and the zoom come back to.
#pragma once

// ZoomDivisor, PenScale and PenScaleF of the normal view in the drawing's units: 5, 5, 5.0 in
// millimetres and 6, 4, 4.0 in feet and inches. The site plan shows three times as much of the sheet.
// The text scale is cleared, so the next text painted takes it from this pen scale.
void SetNormalScale(bool sitePlan = false);
