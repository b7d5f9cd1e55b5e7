// What a screen reader is told of a control through the Windows accessibility layer (Microsoft
// Active Accessibility), beyond what Windows tells of it by itself.
#pragma once

#include <windows.h>

#include <string>

namespace trelumo {

struct ReaderText {
    std::string name;          // empty: Windows' own (a field's is the label made right before it)
    std::string description;   // empty: none; a reader says it after the name and value, as a hint
    bool live_region = false;  // a polite live region: read out each time it is announced
    // What the control is (ROLE_SYSTEM_STATICTEXT, ...), as Windows says of its own controls and
    // Wine does not; 0: Windows' own. A push button says too whether it is the default one.
    LONG role = 0;
};

/// Answers the accessibility layer's requests for the control's object (WM_GETOBJECT) with
/// Windows' own object for it, with the name and description given, for the control's lifetime.
void tell_readers(HWND control, ReaderText text);

/// Tells screen readers that a live region's text is to be read out (it may be the same text as
/// before), after whatever the message being handled does, a move of the focus included.
void announce(HWND live_region);

}  // namespace trelumo
