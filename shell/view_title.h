// The drawing window's title: the drawing's name and the extension of the view the window shows.
#pragma once

#include <cstdint>

class TWindow;

namespace shell {

// ".LYT" for the room layouts (and the layout while its external walls are marked), ".PLN", ".PL1",
// ".PL2" and ".SF" for the floors, ".STE" for the site plan; null for a view with no title of its own.
const char* ViewTitleExtension(int32_t view);

// Titles the window, and the document's title, after CurrentView. Views with no title of their own
// and a document with no drawing name leave the title as it is.
void TitleForView(TWindow& window);

} // namespace shell
