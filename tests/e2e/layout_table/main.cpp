// Prints the windows' stored layouts as the end-to-end tests read them (lib/stored_layout.sh):
// one bash array a control or line, named as the control, of its left, top, width and height in
// twips, and the client area's width and height of each window.
#include <cstdio>
#include <string>

#include "ui/about/frmabout_layout.h"
#include "ui/main_window/euro_layout.h"

namespace {

void print(const std::string& name, int left, int top, int width, int height) {
    std::printf("%s=(%d %d %d %d)\n", name.c_str(), left, top, width, height);
}

void print_window(const char* short_name, const trelumo::WindowLayout& window) {
    std::printf("%s_client=(%d %d)\n", short_name, window.client_width, window.client_height);
    for (const trelumo::ControlLayout& control : window.controls)
        print(std::string(control.name), control.left, control.top, control.width, control.height);
    // A control array's lines lie in one place: the first is printed.
    for (const trelumo::LineLayout& line : window.lines)
        if (line.index == 0)
            print(std::string(line.name), line.x1, line.y1, line.x2 - line.x1, line.y2 - line.y1);
}

}  // namespace

int main() {
    print_window("main", trelumo::euro::layout);
    print_window("about", trelumo::frmAbout::layout);
}
