// The texts of the runtime's help, the same under every toolkit. A window's own texts are beside
// its stored layout (ui/*/*_layout.h).
#pragma once

#include <string>
#include <string_view>

namespace trelumo::texts {

/// "Ayuda de Trelumo": the title of the help window.
std::string help_title(std::string_view program_title);

/// The document a help file name stands for: its name without folder and extension, in lower
/// case, with ".html" ("TRELUMO.HLP" is trelumo.html); empty when there is no such name.
std::string help_document_name(std::string_view help_file);

}  // namespace trelumo::texts
