// The main window's load, the same under every toolkit: each front-end's window runs it through
// the AmountView it implements.
#pragma once

#include "core/amount_fields.h"

namespace trelumo::euro {

/// `Form_Load`, run once when the window is made, before it first shows: names the application's
/// help file and writes the start-up texts into both fields (each write raises the field's
/// Change).
void Form_Load(AmountView& window);

}  // namespace trelumo::euro
