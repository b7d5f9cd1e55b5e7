// Help: a help file name such as "TRELUMO.HLP" stands for the document trelumo.html in the
// program's help folder, shown in a help window of the program's own.
#pragma once

#include <string>
#include <vector>

namespace trelumo {

/// Where help documents are looked for: the help folder beside the program, then the program's
/// own folder.
std::vector<std::wstring> help_folders();

/// The document a help file name stands for, or an empty path when none is found.
std::wstring help_document_path(const std::string& help_file,
                                const std::vector<std::wstring>& folders = help_folders());

/// Shows the document in the help window, or says in a message box that it is missing and
/// where it was looked for.
void show_help(const std::string& help_file);

}  // namespace trelumo
