#pragma once

namespace app {

// Makes a Tahoma-compatible face available where one is installed outside
// fontconfig's folders; without it Qt falls back to the nearest face.
void loadFonts();

} // namespace app
