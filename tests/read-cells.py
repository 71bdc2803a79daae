# Prints the board of the running game as a screen reader hears it over AT-SPI: each cell's name, one a line.
import gi
gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402


def cells(node):
    if node.get_role() in (Atspi.Role.LABEL, Atspi.Role.IMAGE) and node.get_name().startswith("Cell "):
        yield node.get_name()
    for i in range(node.get_child_count()):
        yield from cells(node.get_child_at_index(i))


apps = map(Atspi.get_desktop(0).get_child_at_index, range(Atspi.get_desktop(0).get_child_count()))
print(*(name for app in apps if app.get_name() == "Trivolo" for name in cells(app)), sep="\n")
