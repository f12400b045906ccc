#pragma once
// The paper image of a window's controls: each visible control drawn in twips
// where its twip rectangle puts it, clipped to its own rectangle, containers
// before their contents. Grids paint themselves; plain controls (labels,
// frames, buttons, text boxes) get a vector drawing of what the screen shows.
class QPainter;
class QWidget;

// Paints the visible children of `container`, with the painter's origin at the
// container's top-left.
void paintControls(QPainter& painter, const QWidget& container);
