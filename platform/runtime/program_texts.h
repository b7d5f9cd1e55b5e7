// The texts Trelumo shows and names, the same under every toolkit.
#pragma once

#include <string>
#include <string_view>

namespace trelumo::texts {

/// The application's help file, as the main window's load names it.
inline constexpr const char* help_file = "TRELUMO.HLP";

/// What the two fields hold when the main window is loaded: literals, not formatted zeros.
inline constexpr const char* euro_at_start = "0,00";
inline constexpr const char* pts_at_start = "0";

/// What a screen reader says of the arrow that shows a conversion's direction.
inline constexpr const char* euros_to_pesetas = "de euros a pesetas";
inline constexpr const char* pesetas_to_euros = "de pesetas a euros";

/// "Versión 1.0.0": the About window's version line.
std::string version_line(int major, int minor, int revision);

/// "Acerca de Trelumo", "Ayuda de Trelumo": the titles of the About and help windows.
std::string about_title(std::string_view program_title);
std::string help_title(std::string_view program_title);

/// The document a help file name stands for: its name without folder and extension, in lower
/// case, with ".html" ("TRELUMO.HLP" is trelumo.html); empty when there is no such name.
std::string help_document_name(std::string_view help_file);

}  // namespace trelumo::texts
