#!/usr/bin/env python3
"""Walks the desktop accessibility bus as a screen reader does and prints, per window of the
running Orbalis application, every control's role and name. Then takes the road of an analysis
through the accessible actions alone ("Analisi testuale", "Thesaurus Orbalis") and lists the
workspace too. Exits non-zero when a control a user must reach has no name."""
import sys
import time

import pyatspi

# Roles whose objects a user acts on or reads; each must have a name.
NAMED_ROLES = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_MENU,
    pyatspi.ROLE_TEXT, pyatspi.ROLE_TABLE, pyatspi.ROLE_FRAME, pyatspi.ROLE_DIALOG,
}


def find_application(name, timeout=20):
    deadline = time.time() + timeout
    while time.time() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name and name in app.name.lower():
                return app
        time.sleep(0.5)
    return None


def walk(node, depth, missing, seen):
    try:
        role = node.getRole()
        name = node.name or ""
        role_name = node.getRoleName()
    except Exception:
        return
    if depth <= 1 or role in NAMED_ROLES or name:
        print("  " * depth + f"{role_name}: {name!r}")
    if role in NAMED_ROLES and not name.strip():
        missing.append(f"{role_name} under {seen[-1] if seen else '?'}")
    if role == pyatspi.ROLE_TABLE:
        return  # the cells are the grid's data, not controls
    for child in node:
        if child is not None:
            walk(child, depth + 1, missing, seen + [name])


def find(node, role, name):
    try:
        if node.getRole() == role and node.name == name:
            return node
    except Exception:
        return None
    for child in node:
        if child is not None:
            found = find(child, role, name)
            if found is not None:
                return found
    return None


def press(app, role, name):
    target = find(app, role, name)
    if target is None:
        print(f"not found: {name}", file=sys.stderr)
        return False
    action = target.queryAction()
    for i in range(action.nActions):
        if action.getName(i) in ("press", "click", "Press", "toggle", "SetFocus") or i == 0:
            action.doAction(i)
            return True
    return False


def main():
    app = find_application("orbalis")
    if app is None:
        print("the application is not on the accessibility bus", file=sys.stderr)
        return 2
    time.sleep(4)  # the splash hands over to the main window
    missing = []
    print("== main window")
    walk(app, 0, missing, [])
    if press(app, pyatspi.ROLE_MENU_ITEM, "Analisi testuale"):
        time.sleep(2)
        if press(app, pyatspi.ROLE_PUSH_BUTTON, "Thesaurus Orbalis"):
            time.sleep(3)
    print("== after the thesaurus choice")
    walk(app, 0, missing, [])
    if missing:
        print("controls without a name:", *missing, sep="\n  ")
        return 1
    print("every control has a name")
    return 0


if __name__ == "__main__":
    sys.exit(main())
