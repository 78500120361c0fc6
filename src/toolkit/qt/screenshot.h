#pragma once
// Pictures of windows, drawn without a screen (QT_QPA_PLATFORM=offscreen
// works): for tests and for the documentation.
#include <QImage>

#include <string>

#include "toolkit/geometry.h"

namespace viremo::toolkit {
class CPaintManagerUI;
class CWindowWnd;
}  // namespace viremo::toolkit

namespace viremo::toolkit::qt {

// The control tree of a manager drawn at its client size (laid out first).
QImage RenderToImage(CPaintManagerUI& manager);

// The window as shown, native edit included; a null image when it has no
// Qt host.
QImage GrabWindow(CWindowWnd& window);

// GrabWindow saved as PNG; false when there is nothing to save or the file
// cannot be written.
bool SaveScreenshot(CWindowWnd& window, const std::string& pngPath);

}  // namespace viremo::toolkit::qt
