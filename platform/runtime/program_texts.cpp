#include "platform/runtime/program_texts.h"

namespace trelumo::texts {

std::string help_title(std::string_view program_title) {
    return "Ayuda de " + std::string(program_title);
}

std::string help_document_name(std::string_view help_file) {
    help_file.remove_prefix(help_file.find_last_of("\\/:") + 1);
    if (const auto dot = help_file.rfind('.'); dot != std::string_view::npos && dot > 0)
        help_file = help_file.substr(0, dot);
    if (help_file.empty() || help_file == "." || help_file == "..") return {};
    std::string name(help_file);
    for (char& c : name) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return name + ".html";
}

}  // namespace trelumo::texts
