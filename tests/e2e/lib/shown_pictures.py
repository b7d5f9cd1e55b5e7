# Prints the accessible name of each picture that Trelumo shows, one a line, as a screen reader
# finds them over AT-SPI.
import pyatspi


def pictures(accessible):
    for child in accessible:
        if child is None:
            continue
        if child.getRole() == pyatspi.ROLE_IMAGE and child.getState().contains(
            pyatspi.STATE_SHOWING
        ):
            yield child.name
        yield from pictures(child)


for application in pyatspi.Registry.getDesktop(0):
    if application is not None and application.name == "Trelumo":
        for name in pictures(application):
            print(name)
