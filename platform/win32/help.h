// Help: a help file name such as "TRELUMO.HLP" stands for the document trelumo.html in the
// program's help folder, shown in a help window of the program's own.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace trelumo {

/// Where help documents are looked for: the help folder beside the program, then the program's
/// own folder.
std::vector<std::filesystem::path> help_folders();

/// The document a help file name stands for, or an empty path when none is found.
std::filesystem::path help_document_path(
    const std::string& help_file,
    const std::vector<std::filesystem::path>& folders = help_folders());

/// The text of an HTML document as the help window shows it: headings, paragraphs, list items
/// and table rows on lines of their own, entities read.
std::string text_of_html(std::string_view html);

/// Shows the document in the help window, or says in a message box that it is missing and
/// where it was looked for.
void show_help(const std::string& help_file);

}  // namespace trelumo
