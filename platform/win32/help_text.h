// The text of the help document as the help window shows it.
#pragma once

#include <string>
#include <string_view>

namespace trelumo {

/// The text of an HTML document as the help window shows it: headings, paragraphs, list items
/// and table rows on lines of their own, entities read.
std::string text_of_html(std::string_view html);

}  // namespace trelumo
