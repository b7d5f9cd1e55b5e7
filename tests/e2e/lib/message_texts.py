"""Prints the texts of the Linux program's message boxes titled TITLE, as it tells assistive
technologies: the name of each of their controls that has one (the message, the buttons), in
order, one a line.

    message_texts.py TITLE
"""
import sys

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402


def names_in(accessible):
    for index in range(accessible.get_child_count()):
        child = accessible.get_child_at_index(index)
        if child is None:
            continue
        if child.get_name():
            yield child.get_name()
        yield from names_in(child)


def main():
    title = sys.argv[1]
    desktop = Atspi.get_desktop(0)
    found = False
    for index in range(desktop.get_child_count()):
        application = desktop.get_child_at_index(index)
        for window_index in range(application.get_child_count()):
            window = application.get_child_at_index(window_index)
            if window is None or window.get_role() == Atspi.Role.FRAME:
                continue
            if window.get_name() == title:
                found = True
                for name in names_in(window):
                    print(name)
    return 0 if found else 1


if __name__ == "__main__":
    sys.exit(main())
