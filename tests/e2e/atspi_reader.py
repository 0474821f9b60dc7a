#!/usr/bin/python3
"""Reads Orvanta as a screen reader does, through AT-SPI on the session's accessibility bus.

Usage: atspi_reader.py APP COMMAND [ARG...]
  found                 exit 0 once the application is on the bus
  calendar              each table of the calendar ("table<TAB>name<TAB>rows<TAB>columns"),
                        then its day cells ("cell<TAB>name<TAB>states<TAB>description")
  focused               the role and name of the focused object, walking into the calendar
  boxes                 the role and name of every editable text
  list WINDOW           the names of the list items in the window of that title
  focus-events KEY...   presses the keys (xdotool) and prints the focus events that follow,
                        until one names a table cell or 10 s have passed
Exits 1 when the application is not on the bus, 77 when pyatspi is missing.
"""
import subprocess
import sys

try:
    import pyatspi
    from gi.repository import GLib
except ImportError:
    print("SKIP: no pyatspi")
    sys.exit(77)


def application(name):
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.name.lower() == name.lower():
            return app
    return None


def walk(node, depth=0):
    """Every object under node; a window's tree here is small, the calendar's cells included."""
    if node is None or depth > 40:
        return
    yield node
    for child in node:
        yield from walk(child, depth + 1)


def states(node):
    s = node.getState()
    names = []
    for state, name in ((pyatspi.STATE_SELECTED, "selected"), (pyatspi.STATE_FOCUSED, "focused"),
                        (pyatspi.STATE_FOCUSABLE, "focusable"), (pyatspi.STATE_ENABLED, "enabled")):
        if s.contains(state):
            names.append(name)
    return ",".join(names)


def calendar(app):
    for node in walk(app):
        if node.getRole() != pyatspi.ROLE_TABLE or node.parent.getRole() == pyatspi.ROLE_LIST:
            continue
        table = node.queryTable()
        print("table\t%s\t%d\t%d\t%s" % (node.name, table.nRows, table.nColumns,
                                         node.parent.getRoleName()))
        for row in range(table.nRows):
            for column in range(table.nColumns):
                cell = table.getAccessibleAt(row, column)
                if cell is not None and cell.name:
                    print("cell\t%s\t%s\t%s\t%s" % (cell.name, states(cell), cell.description,
                                                    cell.getRoleName()))


def focused(app):
    for node in walk(app):
        if node.getState().contains(pyatspi.STATE_FOCUSED):
            print("%s\t%s" % (node.getRoleName(), node.name))


def boxes(app):
    for node in walk(app):
        try:
            node.queryEditableText()
        except NotImplementedError:
            continue
        print("%s\t%s" % (node.getRoleName(), node.name))


def items(app, title):
    for window in app:
        if window is not None and window.name == title:
            for node in walk(window):
                if node.getRole() == pyatspi.ROLE_LIST_ITEM:
                    print(node.name)


def focus_events(keys):
    seen = []

    def heard(event):
        source = event.source
        line = "%s\t%s\t%s\t%s" % (event.type, event.detail1, source.getRoleName(), source.name)
        print(line, flush=True)
        seen.append(line)
        if source.getRole() == pyatspi.ROLE_TABLE_CELL and event.type.startswith("focus"):
            pyatspi.Registry.stop()

    def press():
        subprocess.run(["xdotool", "key", "--delay", "100"] + keys, check=True)
        return False

    pyatspi.Registry.registerEventListener(heard, "focus:", "object:state-changed:focused")
    GLib.timeout_add(300, press)  # once the listener is registered with the bus
    GLib.timeout_add_seconds(10, lambda: pyatspi.Registry.stop() or False)
    pyatspi.Registry.start()
    return 0 if any("table cell" in line for line in seen) else 1


def main():
    name, command, args = sys.argv[1], sys.argv[2], sys.argv[3:]
    if command == "focus-events":
        return focus_events(args)
    app = application(name)
    if app is None:
        return 1
    if command == "calendar":
        calendar(app)
    elif command == "focused":
        focused(app)
    elif command == "boxes":
        boxes(app)
    elif command == "list":
        items(app, args[0])
    return 0


if __name__ == "__main__":
    sys.exit(main())
