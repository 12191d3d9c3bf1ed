#pragma once

class QImage;
class QRect;
class QWidget;

namespace tintwatch {

// Switches the clock between the see-through look, in which every pure-white
// pixel is a hole that lets the desktop and clicks through, and an ordinary
// opaque white window. On Windows this is the native colour key; elsewhere a
// shape mask made from the picture, refreshed by ApplyColourKey after each
// drawing.
void MakeTransparent(QWidget* window);
void MakeOpaque(QWidget* window);
void ApplyColourKey(QWidget* window, const QImage& picture);
// Hiding and showing a window (changing its on-top flag does both) loses
// native styles on some platforms: this puts back what was applied last.
void RestoreLayering(QWidget* window);

// The window's taskbar entry: none at first, one from the first MakeOpaque on.
void SetTaskbarEntry(QWidget* window, bool shown);
bool HasTaskbarEntry(const QWidget* window);

// Puts the changed part of the picture straight on the window, skipping the
// toolkit's repaint machinery, which costs a clock tick many times the
// drawing itself. False where that is not possible; repaint as usual then.
bool PresentDirectly(QWidget* window, const QImage& picture, const QRect& deviceRect);

// The real state of the left button, not the toolkit's idea of it, which can
// lag behind after the window manager has run an interactive move.
bool LeftButtonHeld();

}  // namespace tintwatch
