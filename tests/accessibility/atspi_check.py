"""Walks a running program's accessibility tree over AT-SPI, as a screen reader does.

atspi_check.py program   Cantrix3: every focusable control named and of its role; a spell
                         composed through the bus, its drain code read back, and saved through
                         File > Save and the file dialog.
atspi_check.py slider    slider-host: every focusable control named; each slider's value read
                         as a number, and set.
"""
import os
import re
import subprocess
import sys
import time

import pyatspi

KEY_DOWN = 0xFF54
KEY_RETURN = 0xFF0D
KEY_TAB = 0xFF09


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def wait_for(what, probe, seconds=20.0):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = probe()
        if found:
            return found
        time.sleep(0.2)
    fail("timed out waiting for " + what)


def application(name):
    def probe():
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == name and app.childCount > 0:
                return app
        return None
    return wait_for("the application " + name + " on the bus", probe)


def descendants(accessible):
    for child in accessible:
        if child is None:
            continue
        yield child
        yield from descendants(child)


def showing_focusable(app):
    for accessible in descendants(app):
        state = accessible.getState()
        if state.contains(pyatspi.STATE_SHOWING) and state.contains(pyatspi.STATE_FOCUSABLE):
            yield accessible


def labels(accessible):
    return [relation.getTarget(i).name
            for relation in accessible.getRelationSet()
            if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY
            for i in range(relation.getNTargets())]


def spoken_name(accessible):
    """What a screen reader says the control is called: its label, else its name."""
    return " ".join(labels(accessible)).strip() or accessible.name.strip()


def controls(app):
    """The focusable controls as a screen reader names them, rows of lists left out (data)."""
    found = []
    for accessible in showing_focusable(app):
        if accessible.getRoleName() in ("list item", "table cell"):
            continue
        found.append((accessible.getRoleName(), spoken_name(accessible), accessible))
    return found


def check_named(app, expected_roles=None):
    found = controls(app)
    unnamed = [role for role, name, _ in found if not name]
    print("%d focusable controls, %d without a name" % (len(found), len(unnamed)))
    if unnamed:
        fail("focusable controls without a name: " + ", ".join(unnamed))
    if expected_roles:
        roles = {name: role for role, name, _ in found}
        for name, role in expected_roles.items():
            if roles.get(name) != role:
                fail("%r is a %s, not a %s" % (name, roles.get(name), role))
    return {name: accessible for _, name, accessible in found}


def press(keysym):
    pyatspi.Registry.generateKeyboardEvent(keysym, None, pyatspi.KEY_SYM)


def activate(frame):
    """Gives the window the keyboard, as a window manager would; the display has none."""
    subprocess.run(["xdotool", "search", "--sync", "--name", "^" + re.escape(frame.name) + "$",
                    "windowfocus", "--sync"], check=True, timeout=20)
    wait_for("the window active", lambda: frame.getState().contains(pyatspi.STATE_ACTIVE))


def focused(control):
    control.clearCache()
    return control.getState().contains(pyatspi.STATE_FOCUSED)


def focus(control, before):
    """Tabs into `control` from the field `before` it: drop-down lists and lists offer no
    action that takes the focus."""
    before.queryComponent().grabFocus()
    wait_for("the focus on " + spoken_name(before), lambda: focused(before))
    press(KEY_TAB)
    wait_for("the focus on " + spoken_name(control), lambda: focused(control))


def listen(event_type):
    """Starts hearing `event_type` events; the function returned gives their sources so far."""
    from gi.repository import GLib
    sources = []
    pyatspi.Registry.registerEventListener(lambda event: sources.append(event.source), event_type)

    def heard():
        while GLib.MainContext.default().iteration(False):
            pass
        return sources
    return heard


def text_of(accessible):
    return accessible.queryText().getText(0, -1)


def first(accessible, role, named):
    """The first descendant of `role` whose spoken name `named` accepts."""
    found = next((a for a in descendants(accessible)
                  if a.getRoleName() == role and named(spoken_name(a))), None)
    if found is None:
        fail("no such %s in %r" % (role, accessible.name))
    return found


def start_modal(item):
    """Activates `item`, whose command opens a modal dialog. Qt answers an action only once the
    command returns, which is when its dialog closes: the answer is not waited for."""
    from gi.repository import GLib
    pyatspi.setTimeout(800, 0)
    try:
        item.queryAction().doAction(0)
    except GLib.GError:
        pass
    finally:
        pyatspi.setTimeout(800, 15000)


def save_as(app, path):
    """File > Save through the menu bar's entry, and the file dialog answered through its
    fields and buttons."""
    bar = first(app[0], "menu bar", lambda name: True)
    file_menu = first(bar, "menu item", lambda name: name == "File")
    start_modal(first(file_menu, "menu item", lambda name: name == "Save"))

    def dialog():
        app.clearCache()
        return next((frame for frame in app if frame is not None and frame.getRoleName() == "dialog"
                     and frame.getState().contains(pyatspi.STATE_SHOWING)), None)
    chooser = wait_for("the file dialog", dialog)
    first(chooser, "text", lambda name: name.startswith("File name")).queryEditableText().setTextContents(path)
    first(chooser, "push button", lambda name: name == "Save").queryAction().doAction(0)
    wait_for("the spell saved in " + path, lambda: os.path.exists(path))


def check_program(app):
    named = check_named(app, {
        "Spell Name": "text", "Force": "text", "Category": "combo box", "Type": "combo box",
        "Drain": "text", "Modifiers": "list", "Options of the modifier": "list",
        "Spell Description": "text", "Spell summary: category, type and force": "list",
        "Spell summary: modifiers": "list", "Remove": "push button",
    })
    named["Spell Name"].queryEditableText().setTextContents("Fireball")
    wait_for("the name typed", lambda: text_of(named["Spell Name"]) == "Fireball")

    activate(app[0])
    # A category picked as a user of the keyboard picks it: the next one in the list.
    category = named["Category"]
    first = category.name
    focus(category, named["Force"])
    press(KEY_DOWN)
    wait_for("another category", lambda: category.name != first)

    # A row selected through its action and added with Enter, as the list's description says.
    # A modifier with options is added by one of its options.
    modifiers = named["Modifiers"]
    options = named["Options of the modifier"]
    summary = named["Spell summary: modifiers"]
    focus(modifiers, named["Drain"])
    rows = [row for row in modifiers if row is not None]
    if not rows:
        fail("the category lists no modifiers")
    rows[0].queryAction().doAction(0)
    time.sleep(0.5)
    options.clearCache()
    if options.childCount > 0:
        focus(options, modifiers)
        options[0].queryAction().doAction(0)
    heard = listen("object:text-changed")
    press(KEY_RETURN)

    def summarised():
        summary.clearCache()
        return summary.childCount > 0
    wait_for("a modifier in the spell summary", summarised)

    drain = text_of(named["Drain"])
    print("summary: %s; drain code read back: %s" % ([row.name for row in summary], drain))
    wait_for("the new drain code announced",
             lambda: any(spoken_name(source) == "Drain" for source in heard()))
    if not re.fullmatch(r"\[\(\d+/2\) [^\]]*\] \S+", drain):
        fail("the drain field reads %r, not a drain code" % drain)
    if not named["Drain"].description:
        fail("the drain field has no description (its breakdown)")

    path = os.path.join(os.environ["HOME"], "fireball.xml")
    save_as(app, path)
    with open(path, encoding="utf-8") as saved:
        document = saved.read()
    for part in (r"name=[\"']Fireball[\"']", re.escape(drain)):
        if not re.search(part, document):
            fail("the saved spell lacks %r:\n%s" % (part, document))
    wait_for("the file named in the title", lambda: "fireball.xml" in app[0].name)


def check_slider(app):
    named = check_named(app)
    sliders = [(name, accessible) for name, accessible in named.items()
               if accessible.getRoleName() == "slider"]
    if not sliders:
        fail("no slider on the bus")
    for name, slider in sliders:
        value = slider.queryValue()
        current = value.currentValue
        print("%s: %g of %g to %g, step %g" % (name, current, value.minimumValue,
                                               value.maximumValue, value.minimumIncrement))
        if not value.minimumValue <= current <= value.maximumValue:
            fail("%s reads %g, outside its bounds" % (name, current))
    name, slider = sliders[0]
    value = slider.queryValue()
    target = value.maximumValue
    value.currentValue = target
    wait_for(name + " set to its maximum", lambda: slider.queryValue().currentValue == target)


def main():
    mode = sys.argv[1]
    if mode == "program":
        check_program(application("Cantrix3"))
    elif mode == "slider":
        check_slider(application("slider-host"))
    else:
        fail("unknown mode " + mode)
    print("PASS")


if __name__ == "__main__":
    main()
