// Reads amounts typed into a field, one a line: "E" or "P" for the euro or peseta field, then the
// text. Writes for each the field's text after TAB and the other field's, separated by a tab, or
// "-" for a text that is no amount of the field's currency.
#include <iostream>
#include <string>

#include "core/conversion.h"

int main() {
    const trelumo::Conversion conversion;
    std::string line;
    while (std::getline(std::cin, line)) {
        const bool euro = line.starts_with('E');
        const std::string text = line.substr(1);
        if (!(euro ? conversion.is_euro_text(text) : conversion.is_pts_text(text))) {
            std::cout << "-\n";
            continue;
        }
        const std::string tidied =
            euro ? conversion.reformat_euro_text(text) : conversion.reformat_pts_text(text);
        const std::string converted =
            euro ? conversion.pts_from_euro_text(tidied) : conversion.euro_from_pts_text(tidied);
        std::cout << tidied << '\t' << converted << '\n';
    }
}
