// The user's message font (Settings > Accessibility > Text size), which the program's windows
// write their texts in, and the scale of the stored layouts it gives.
#pragma once

#include <windows.h>

#include "platform/runtime/layout_scale.h"

namespace trelumo {

/// The message font at a DPI, made once for each DPI and each font the user sets, and kept for
/// the life of the program: never to be deleted. The stock GUI font when Windows gives none.
HFONT message_font(UINT dpi);

/// The scale of a stored layout at a DPI, for the message font at that DPI.
LayoutScale layout_scale_for(UINT dpi);

}  // namespace trelumo
