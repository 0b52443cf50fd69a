// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

namespace runtime {

// On Linux, makes a Tahoma-compatible face available where one is installed
// outside fontconfig's folders; without it Qt falls back to the nearest face.
// Windows has its own Tahoma; where it lacks one, the text goes to the face
// the system itself puts in its place.
void loadFonts();

// The font a bold caption is drawn in: the first of these that really draws
// bold at this screen's pixel ratio. The font as asked; the same without
// anti-aliasing, which draws a face's own bitmaps where it has them; or the
// regular face made bold by the toolkit, its letters spaced out to the bold
// face's widths. The free Tahoma of fonts-wine needs the last two: its bold
// file is bold only in its bitmaps for 9 to 12 pixels, and its outlines are
// the regular ones set on bold widths. On Windows, the font as asked.
QFont boldAsDrawn(const QFont& bold);

} // namespace runtime
