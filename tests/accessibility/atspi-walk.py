#!/usr/bin/python3
"""Walks the configurator's accessibility tree as a screen reader gets it over AT-SPI.

Run by atspi-test.sh inside Xvfb and a private session bus: starts the accessibility bus and the
configurator (on a simulated device), then fails when an edit field, drop-down, check box or
button has no name, or when two of them on one tab (or outside the tabs) share a name. The same
walk runs while a transfer blocks the window, and once more at 200 % scale, where every name must
be as before. Edit > Find setting... must put the focus in the field that a search names.
"""

import os
import signal
import subprocess
import sys
import time
from collections import Counter, defaultdict

PROGRAM, WORK = sys.argv[1], sys.argv[2]
APPLICATION = "Korvex Mini Configurator"
KINDS = ("edit fields", "drop-downs", "check boxes", "buttons")


def start_program(*arguments, scale=None):
    environment = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb",
                       HOME=WORK, XDG_CONFIG_HOME=os.path.join(WORK, "config"),
                       XDG_DATA_HOME=os.path.join(WORK, "data"))
    if scale:
        environment["QT_SCALE_FACTOR"] = str(scale)
    return subprocess.Popen([PROGRAM, "--simulate", os.path.join(WORK, "sim"), *arguments],
                            env=environment)


def find_window(program, title, timeout=40):
    """The window whose title starts with `title`, once the program shows it."""
    import pyatspi

    deadline = time.time() + timeout
    while time.time() < deadline:
        if program.poll() is not None:
            sys.exit(f"accessibility: the configurator ended with status {program.returncode}")
        for application in pyatspi.Registry.getDesktop(0):
            if application is not None and application.name == APPLICATION:
                for window in application:
                    if window is not None and window.name.startswith(title):
                        return window
        time.sleep(0.5)
    sys.exit(f'accessibility: no window "{title}" of {APPLICATION} on the accessibility bus')


def kind_of(node):
    import pyatspi

    role = node.getRole()
    if role in (pyatspi.ROLE_ENTRY, pyatspi.ROLE_TEXT, pyatspi.ROLE_PASSWORD_TEXT):
        return "edit fields" if node.getState().contains(pyatspi.STATE_EDITABLE) else None
    return {pyatspi.ROLE_COMBO_BOX: "drop-downs", pyatspi.ROLE_CHECK_BOX: "check boxes",
            pyatspi.ROLE_PUSH_BUTTON: "buttons", pyatspi.ROLE_TOGGLE_BUTTON: "buttons"}.get(role)


def children(node):
    return [child for child in node if child is not None]


def walk(node, place, found):
    """Collects (place, kind, name, description) of every control below `node`; a control on a
    tab's page is placed on that tab (inner pages count to their outer tab)."""
    import pyatspi

    kind = kind_of(node)
    if kind:
        found.append((place, kind, node.name, node.description))
        if node.getRole() == pyatspi.ROLE_COMBO_BOX:
            return  # its entries are the list's, not controls
    below = children(node)
    tab_lists = [child for child in below if child.getRole() == pyatspi.ROLE_PAGE_TAB_LIST]
    # The pages' stack beside the tab row: its pages are page tabs named like their tabs.
    pages = [child for child in below if child.getRole() == pyatspi.ROLE_LAYERED_PANE or (
        child.getRole() == pyatspi.ROLE_FILLER
        and any(page.getRole() == pyatspi.ROLE_PAGE_TAB for page in children(child)))]
    if tab_lists and pages:
        names = [tab.name for tab in children(tab_lists[0])]
        for child in below:
            if child not in pages:
                walk(child, place, found)
        for index, page in enumerate(children(pages[0])):
            inner_place = place if place != "window" else (names[index] if index < len(names) else f"page {index}")
            walk(page, inner_place, found)
        return
    for child in below:
        walk(child, place, found)


def check(window, label):
    """Walks `window`, prints the counts and returns (failures, the sorted names)."""
    started = time.time()
    found = []
    walk(window, "window", found)
    seconds = time.time() - started
    failures = []
    counts = Counter(kind for _, kind, _, _ in found)
    named = Counter(kind for _, kind, name, _ in found if name.strip())
    by_place = defaultdict(Counter)
    for place, _, name, _ in found:
        if name.strip():
            by_place[place][name] += 1
    shared = Counter()
    for place, names in by_place.items():
        for name, times in names.items():
            if times > 1:
                failures.append(f'{times} controls on "{place}" are all called "{name}"')
    for place, kind, name, _ in found:
        if not name.strip():
            failures.append(f'a nameless {kind[:-1]} on "{place}"')
        elif by_place[place][name] > 1:
            shared[kind] += 1
    print(f"accessibility ({label}, {seconds:.1f} s): " +
          ", ".join(f"{counts[kind]} {kind}, {named[kind]} named, {shared[kind]} shared"
                    for kind in KINDS))
    described = sum(1 for _, _, _, description in found if description.strip())
    print(f"accessibility ({label}): {described} of {len(found)} controls have a description")
    return failures, sorted((place, kind, name) for place, kind, name, _ in found)


def find(node, role, name=None):
    if node.getRole() == role and (name is None or node.name == name):
        return node
    for child in children(node):
        hit = find(child, role, name)
        if hit is not None:
            return hit
    return None


def press_later(button_name):
    """Presses a button of the window from another process: the reply of an action that opens a
    modal box or blocks the window comes late, and this walk goes on meanwhile."""
    script = (
        "import pyatspi, sys\n"
        "def find(node):\n"
        "    if node.getRole() == pyatspi.ROLE_PUSH_BUTTON and node.name == sys.argv[1]:\n"
        "        return node\n"
        "    for child in node:\n"
        "        if child is not None:\n"
        "            hit = find(child)\n"
        "            if hit is not None:\n"
        "                return hit\n"
        "for application in pyatspi.Registry.getDesktop(0):\n"
        "    if application is not None and application.name == sys.argv[2]:\n"
        "        find(application[0]).queryAction().doAction(0)\n")
    return subprocess.Popen([sys.executable, "-c", script, button_name, APPLICATION])


def act_later(role_name, name):
    """Does the default action of a control (a menu entry, a button) from another process: an
    action that opens a modal dialog answers only once the dialog has closed."""
    script = (
        "import pyatspi, sys\n"
        "def find(node):\n"
        "    if node.getRoleName() == sys.argv[1] and node.name == sys.argv[2]:\n"
        "        return node\n"
        "    for child in node:\n"
        "        if child is not None:\n"
        "            hit = find(child)\n"
        "            if hit is not None:\n"
        "                return hit\n"
        "for application in pyatspi.Registry.getDesktop(0):\n"
        "    if application is not None and application.name == sys.argv[3]:\n"
        "        for window in application:\n"
        "            hit = find(window)\n"
        "            if hit is not None:\n"
        "                hit.queryAction().doAction(0)\n"
        "                break\n")
    return subprocess.Popen([sys.executable, "-c", script, role_name, name, APPLICATION])


def field_named(node, name):
    """The edit field called `name` below `node`."""
    if kind_of(node) == "edit fields" and node.name == name:
        return node
    for child in children(node):
        hit = field_named(child, name)
        if hit is not None:
            return hit
    return None


def find_goes_to_field(program, window):
    """Edit > Find setting...: typing a setting's name lists it, and going to it puts the focus
    in its field. Returns the failures."""
    import pyatspi

    presser = act_later("menu item", "Find setting...")
    dialog = find_window(program, "Find setting", timeout=10)
    field = field_named(dialog, "Find setting")
    if field is None:
        presser.kill()
        return ['the find dialog has no field called "Find setting"']
    field.queryEditableText().setTextContents("txdelay")
    time.sleep(0.5)
    find(dialog, pyatspi.ROLE_PUSH_BUTTON, "Go to setting").queryAction().doAction(0)
    presser.wait(timeout=60)
    deadline = time.time() + 10
    while time.time() < deadline:
        target = field_named(window, "TX delay in milliseconds")
        if target is not None and target.getState().contains(pyatspi.STATE_FOCUSED):
            print('accessibility: Find setting "txdelay" put the focus in "TX delay in milliseconds"')
            return []
        time.sleep(0.3)
    focused = [node.name for node in focused_nodes(window)]
    return [f'after Find setting "txdelay", "TX delay in milliseconds" has no focus ({focused})']


def focused_nodes(node):
    import pyatspi

    found = [node] if node.getState().contains(pyatspi.STATE_FOCUSED) else []
    for child in children(node):
        found += focused_nodes(child)
    return found


def log_text(window):
    import pyatspi

    log = find(window, pyatspi.ROLE_TEXT, "Log")
    if log is None:
        return ""
    text = log.queryText()
    return text.getText(0, text.characterCount)


def screenshot(name):
    folder = os.environ.get("KORVEX_A11Y_SHOTS")
    if folder:
        os.makedirs(folder, exist_ok=True)
        subprocess.run(["/usr/bin/import", "-window", "root", os.path.join(folder, name)],
                       check=False)


def main():
    # In a process group of its own: the accessibility bus's daemon and the registry go with it.
    bus = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                           start_new_session=True)
    failures = []
    try:
        time.sleep(1)
        # A page that never gets an answer: "Read config" blocks the window for the 5 s wait.
        program = start_program("--sim-fault", "silent:100")
        try:
            window = find_window(program, APPLICATION + " v")
            found, names = check(window, "100 %")
            failures += found
            screenshot("window-100.png")

            # The packet filter dialog, shown modally by its button.
            presser = press_later("Filter setup")
            dialog = find_window(program, "APRS-IS packets to RF filter", timeout=10)
            found, _ = check(dialog, "packet filter dialog")
            failures += found
            screenshot("filter-100.png")
            import pyatspi
            find(dialog, pyatspi.ROLE_PUSH_BUTTON, "OK").queryAction().doAction(0)
            presser.wait(timeout=60)
            failures += find_goes_to_field(program, window)

            # A blocked window answers once the transfer ends. libatspi waits 800 ms for a reply
            # from an application that started more than 15 s ago (a slow sanitizer build
            # crosses that), so every call is given the walk's own bound instead.
            from gi.repository import Atspi
            Atspi.set_timeout(40000, 40000)
            presser = press_later("Read config")
            time.sleep(1.5)  # the transfer is running: the window handles nothing meanwhile
            started = time.time()
            found, during = check(window, "during a transfer")
            failures += found
            if during != names:
                failures.append("the tree during a transfer differs from the one before")
            if time.time() - started > 40:
                failures.append("the walk during a transfer took more than 40 s: the window stalls")
            deadline = time.time() + 20
            while "Eeprom read" not in log_text(window) and "No answer" not in log_text(window):
                if time.time() > deadline:
                    failures.append("the log shows no end of the transfer within 20 s")
                    break
                time.sleep(0.2)
            print(f"accessibility: the window answered again {time.time() - started:.1f} s "
                  "after the walk during the transfer began")
            presser.kill()
            if program.poll() is not None:
                failures.append(f"the configurator ended with status {program.returncode}")
        finally:
            program.kill()
            program.wait()

        program = start_program(scale=2)
        try:
            window = find_window(program, APPLICATION + " v")
            found, scaled = check(window, "200 %")
            failures += found
            if scaled != names:
                failures.append("the names at 200 % differ from those at 100 %")
            screenshot("window-200.png")
            if os.environ.get("KORVEX_A11Y_SHOTS"):
                import pyatspi
                find(window, pyatspi.ROLE_TEXT, "Log").queryComponent().grabFocus()
                time.sleep(0.5)
                screenshot("log-focus-200.png")
            if program.poll() is not None:
                failures.append(f"the configurator ended with status {program.returncode}")
        finally:
            program.kill()
            program.wait()
    finally:
        os.killpg(bus.pid, signal.SIGKILL)
        bus.wait()
    for failure in failures:
        print("accessibility: FAIL " + failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
