#pragma once

#include <QRect>
#include <vector>

#include "core/window/ScreenPlace.h"

class QWidget;

namespace tintwatch {

inline PlaceRect ToPlace(const QRect& rect) { return {rect.x(), rect.y(), rect.width(), rect.height()}; }

// Every screen's whole rectangle, or the part free of panels and docks.
std::vector<PlaceRect> ScreenRects(bool availableOnly);

// Moves a top-level window, frame and all, wholly onto the free part of the
// screen it belongs to (the nearest when it is on none), as little as
// will do. Done again once the window manager has framed it.
void KeepOnScreen(QWidget* window);

}  // namespace tintwatch
