# Prints what a screen reader finds of the running game over AT-SPI: the name of every named object, one a line.
import gi
gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402


def names(node):
    if node.get_name():
        yield node.get_name()
    for i in range(node.get_child_count()):
        yield from names(node.get_child_at_index(i))


apps = map(Atspi.get_desktop(0).get_child_at_index, range(Atspi.get_desktop(0).get_child_count()))
print(*(name for app in apps if app.get_name() == "Trivolo" for name in names(app)), sep="\n")
