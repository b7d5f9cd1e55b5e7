"""What the Linux program tells assistive technologies over AT-SPI, as a screen reader finds it.

    accessible_texts.py message_texts TITLE
        the texts of its message boxes titled TITLE: the name of each of their controls that has
        one (the message, the buttons), in order, one a line; fails when there is none
    accessible_texts.py pictures
        the name of each picture it shows, one a line
"""
import sys

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402


def descendants(accessible):
    for index in range(accessible.get_child_count()):
        child = accessible.get_child_at_index(index)
        if child is not None:
            yield child
            yield from descendants(child)


def windows():
    desktop = Atspi.get_desktop(0)
    for index in range(desktop.get_child_count()):
        application = desktop.get_child_at_index(index)
        if application is not None and application.get_name() == "Trelumo":
            for window_index in range(application.get_child_count()):
                window = application.get_child_at_index(window_index)
                if window is not None:
                    yield window


def message_texts(title):
    boxes = [w for w in windows() if w.get_role() != Atspi.Role.FRAME and w.get_name() == title]
    for box in boxes:
        for control in descendants(box):
            if control.get_name():
                print(control.get_name())
    return 0 if boxes else 1


def pictures():
    for window in windows():
        for control in descendants(window):
            if control.get_role() == Atspi.Role.IMAGE and control.get_state_set().contains(
                Atspi.StateType.SHOWING
            ):
                print(control.get_name())
    return 0


if __name__ == "__main__":
    if sys.argv[1:2] == ["message_texts"] and len(sys.argv) == 3:
        sys.exit(message_texts(sys.argv[2]))
    if sys.argv[1:] == ["pictures"]:
        sys.exit(pictures())
    sys.exit(__doc__)
