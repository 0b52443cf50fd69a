# SPDX-FileCopyrightText: 2026 Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""An assistive-technology client for test_accessibility.sh: over AT-SPI,
as screen readers do, it reads the running program's tree, checks what it
announces, and operates every page, the Start button and the About link.

Usage: atspi_client.py WINDOW_ID CLICK_LOG OPENED_LOG
"""
import subprocess
import sys
import time

import pyatspi

window_id, click_log, opened_log = sys.argv[1:4]


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    sys.exit(1)


def wait_for(what, condition, seconds=30):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        value = condition()
        if value:
            return value
        time.sleep(0.05)
    fail("timed out waiting for " + what)


def walk(node, depth=0):
    yield depth, node
    for child in node:
        if child is not None:
            yield from walk(child, depth + 1)


def actions(node):
    try:
        action = node.queryAction()
    except NotImplementedError:
        return []
    return [action.getName(i) for i in range(action.nActions)]


def press(node):
    names = actions(node)
    if "Press" not in names:
        fail(f"{node.getRoleName()} {node.name!r} has no press action: {names}")
    node.queryAction().doAction(names.index("Press"))


def fresh(node):
    node.clearCache()
    return node


def has(node, state):
    return fresh(node).getState().contains(state)


def labelled_by(node):
    return [relation.getTarget(i).name
            for relation in node.getRelationSet()
            if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY
            for i in range(relation.getNTargets())]


def program():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "Vantrel":
            return app
    return None


app = wait_for("the program on the accessibility bus", program)
frames = [child for child in app if child.getRole() == pyatspi.ROLE_FRAME]
main = next((frame for frame in frames if frame.name == "Vantrel"), None)
if main is None:
    fail("no frame named Vantrel: " + str([(f.getRoleName(), f.name) for f in frames]))
tree = list(walk(main))
for depth, node in tree:
    if node.getRole() != pyatspi.ROLE_LIST_ITEM:
        print("  " * depth + f"{node.getRoleName()} {node.name!r} {actions(node) or ''}")

# ---- what is announced
for _, node in tree:
    # A drop-down list's own items sit in an unnamed list, as in any Qt program.
    if not node.name.strip() and node.getRole() != pyatspi.ROLE_LIST:
        fail(f"an unnamed {node.getRoleName()} in the tree")
named = {}
for _, node in tree:
    named.setdefault(node.name, []).append(node)
tabs = [node for _, node in tree if node.getRole() == pyatspi.ROLE_PAGE_TAB]
if [tab.name for tab in tabs] != ["Mouse", "System", "About"]:
    fail("page tabs: " + str([tab.name for tab in tabs]))
for tab in tabs:
    if len(named[tab.name]) != 1:
        fail(f"{tab.name!r} is announced {len(named[tab.name])} times")
    if tab.parent.getRole() != pyatspi.ROLE_PAGE_TAB_LIST:
        fail(f"tab {tab.name!r} is not in a page tab list")
    if has(tab, pyatspi.STATE_FOCUSABLE):
        fail(f"tab {tab.name!r} takes the focus")
for _, node in tree:
    if node.getRole() == pyatspi.ROLE_COMBO_BOX:
        items = [item.name for _, item in walk(node) if item.getRole() == pyatspi.ROLE_LIST_ITEM]
        if not labelled_by(node) or node.name not in items:
            fail(f"drop-down list {node.name!r} ({items}) has label {labelled_by(node)}")
if "Run until stopped" not in named or "Run untill stoped" in named:
    fail("the option Run untill stoped is not spoken as Run until stopped")

# ---- pages, by the tabs' actions and by the keys
panels = {"Mouse": "Mouse page", "System": "System page", "About": "About page"}


def page_on_show():
    shown = [name for name in panels.values() if has(named[name][0], pyatspi.STATE_SHOWING)]
    return shown[0] if len(shown) == 1 else None


def expect_page(tab_name):
    wait_for(f"the {tab_name} page alone on show",
             lambda: page_on_show() == panels[tab_name]
             and has(named[tab_name][0], pyatspi.STATE_SELECTED))


expect_page("Mouse")
for key, tab_name in [("ctrl+Tab", "System"), ("ctrl+Next", "About"), ("ctrl+Tab", "Mouse"),
                      ("ctrl+shift+Tab", "About"), ("ctrl+Prior", "System"),
                      ("ctrl+Prior", "Mouse")]:
    subprocess.run(["xdotool", "key", key], check=True)
    expect_page(tab_name)
for tab in [tabs[1], tabs[2], tabs[0]]:
    press(tab)
    expect_page(tab.name)
print("pages: every tab by its action and by the keys")

# ---- a run started by the Start button's action clicks in another client


def presses():
    with open(click_log) as log:
        return sum(1 for line in log if line.startswith("press"))


def iconic():
    state = subprocess.run(["xprop", "-id", window_id, "WM_STATE"], capture_output=True, text=True)
    return "Iconic" in state.stdout


subprocess.run(["xdotool", "mousemove", "--sync", "1100", "850"], check=True)
start = next(node for node in named["Start"] if has(node, pyatspi.STATE_SHOWING))
before = presses()
press(start)
wait_for("a click in the other client", lambda: presses() > before)
wait_for("the window minimized", iconic)
if fresh(main).name != "Vantrel":
    fail(f"while minimized the window is announced as {main.name!r}")
press(start)
wait_for("the run to stop", lambda: fresh(start).name == "Start" and not iconic())
print(f"run: {presses() - before} clicks, the window announced as Vantrel while minimized")

# ---- the About link
press(tabs[2])
expect_page("About")
links = [node for _, node in tree if node.getRole() == pyatspi.ROLE_LINK]
if [link.name for link in links] != ["more free software"]:
    fail("links: " + str([link.name for link in links]))
press(links[0])


def opened():
    try:
        with open(opened_log) as log:
            return log.read().strip()
    except FileNotFoundError:
        return ""


wait_for("the opener to be asked", opened)
if opened() != "xdg-open http://www.example.com/":
    fail("the opener got " + opened())
wait_for("the window minimized by the link", iconic)
print("link: " + opened())
