#!/usr/bin/python3
"""Drives the installed zavir2 from outside, as an assistive tool would.

Usage: drive.py ZAVIR2 SCREENSHOT

Runs in an X server (DISPLAY) and a D-Bus session (dbus-run-session). Starts
the program with its accessibility bridge on, finds controls in the AT-SPI
tree by name, presses, types and reads through it, closes notices with Enter,
and closes the main window the way a window manager's close box does. Saves a
screenshot of the screen. Exits 0 when everything held, 1 with a message on
the first thing that did not.
"""
import os
import subprocess
import sys
import time

import pyatspi
from Xlib import X, display, protocol

TIMEOUT = 20.0


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def wait_for(what, probe, timeout=TIMEOUT):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        try:
            found = probe()
        except Exception:  # the tree changes under us while windows come and go
            found = None
        if found:
            return found
        time.sleep(0.1)
    raise Failure("timed out waiting for " + what)


def walk(node, depth=0):
    yield node
    if depth > 40:
        return
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child, depth + 1)


def application(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def find(root, role, name=None):
    for node in walk(root):
        if node.getRole() == role and (name is None or node.name == name):
            return node
    return None


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


def top_windows(app, role):
    return [app.getChildAtIndex(i) for i in range(app.childCount)
            if app.getChildAtIndex(i) is not None and app.getChildAtIndex(i).getRole() == role]


def press_enter():
    # The key goes through the X server, to the window that has the focus.
    pyatspi.Registry.generateKeyboardEvent(0xFF0D, None, pyatspi.KEY_SYM)


def notice(app, caption):
    """The open notice: its dialog and the text it shows."""
    def probe():
        for dialog in top_windows(app, pyatspi.ROLE_DIALOG):
            if dialog.name == caption:
                labels = [n for n in walk(dialog) if n.getRole() == pyatspi.ROLE_LABEL and n.name]
                if labels:
                    return dialog, labels[0].name
        return None
    return wait_for("a notice captioned " + caption, probe)


def close_notice(app, caption):
    press_enter()
    wait_for("the notice to close",
             lambda: not any(d.name == caption for d in top_windows(app, pyatspi.ROLE_DIALOG)))


def close_main_window(title):
    x = display.Display()
    protocols = x.intern_atom("WM_PROTOCOLS")
    delete = x.intern_atom("WM_DELETE_WINDOW")
    for window in x.screen().root.query_tree().children:
        if window.get_wm_name() == title:
            event = protocol.event.ClientMessage(
                window=window, client_type=protocols, data=(32, [delete, X.CurrentTime, 0, 0, 0]))
            window.send_event(event, event_mask=X.NoEventMask)
            x.flush()
            return
    raise Failure("no top-level window named " + title)


def main():
    program, screenshot = sys.argv[1], sys.argv[2]
    title = os.path.basename(program).split(".")[0]
    title = title[:1] + title[1:].lower()
    environment = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_ACCESSIBILITY="1",
                       QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    process = subprocess.Popen([program], env=environment)
    try:
        app = wait_for("zavir2 in the accessibility tree", lambda: application(process.pid))
        frame = wait_for("the window", lambda: find(app, pyatspi.ROLE_FRAME, "Zavir2"))

        unnamed = [f"{n.getRoleName()} at {n.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)}"
                   for n in walk(frame)
                   if n.getState().contains(pyatspi.STATE_FOCUSABLE) and not n.name.strip()]
        check(not unnamed, "focusable controls without a name: " + ", ".join(unnamed))

        button = wait_for("the button РАСЧЕТ", lambda: find(frame, pyatspi.ROLE_PUSH_BUTTON, "РАСЧЕТ"))
        button.queryAction().doAction(0)
        result = "221 граммов при крепкости напитка 40°"
        wait_for("the result " + result, lambda: find(frame, pyatspi.ROLE_LABEL, result))

        strength = find(frame, pyatspi.ROLE_TEXT, "Крепость напитка")
        check(strength is not None, "no field named Крепость напитка")
        strength.queryEditableText().setTextContents("3")
        check(text_of(strength) == "3", "the strength field did not take 3")
        button.queryAction().doAction(0)
        _, text = notice(app, title)
        # The window with its first result and the notice over it.
        subprocess.run(["import", "-window", "root", screenshot], check=True)
        check(text == "Меньше градус не бывает", "notice reads " + repr(text))
        check(text_of(strength) == "3", "the field changed before its notice was closed")
        close_notice(app, title)
        wait_for("the field to read 5", lambda: text_of(strength) == "5")
        wait_for("the result for 5",
                 lambda: find(frame, pyatspi.ROLE_LABEL, "1509 граммов при крепкости напитка 5°"))

        important = find(app, pyatspi.ROLE_MENU_ITEM, "ВАЖНО !!!")
        check(important is not None, "no menu item ВАЖНО !!!")
        important.queryAction().doAction(0)
        _, text = notice(app, title)
        warning = ("Господа ! Помните - в учебнике по судебной медицине написано, что 400гр "
                   "единоразового приема водки ведет к смертельному исходу ")
        check(text == warning, "warning reads " + repr(text))
        close_notice(app, title)

        close_main_window("Zavir2")
        status = process.wait(timeout=TIMEOUT)
        check(status == 0, f"exit status {status}")
    except Failure as failure:
        print("FAILED:", failure, file=sys.stderr)
        return 1
    finally:
        if process.poll() is None:
            subprocess.run(["import", "-window", "root", screenshot + ".failed.png"])
            process.kill()
    print("passed: button, result, notice and correction, warning, exit status 0")
    return 0


if __name__ == "__main__":
    sys.exit(main())
