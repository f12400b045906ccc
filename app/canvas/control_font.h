#pragma once
// The size of the controls' font, MS Sans Serif, on this platform.
double controlFontPoints();
