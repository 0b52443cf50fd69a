// Keeps the main window and the working indicator above ordinary windows.
#pragma once

class QWidget;

namespace TopMost {

// Puts both windows in the topmost band without moving or resizing them.
void makeTopMost(QWidget& mainWindow, QWidget& workingWindow);

} // namespace TopMost
