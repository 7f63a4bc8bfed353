// The one font file the program draws every face with, so that text metrics repeat on any machine.
#pragma once

#include <QString>

// Family name of the shipped font, loaded on first use from the program directory, else from the
// system's copy. "DejaVu Sans".
QString ShippedFontFamily();
