"""Drives the real tilvex program the way a person or a screen reader does.

The program runs on a private virtual display; this module reads and works
its windows through the accessibility bus (AT-SPI: roles, names, texts,
states, actions) and moves the real mouse and keyboard with xdotool.
tests/e2e/run.sh sets up the display, the buses and a fresh home, settings
file and data folder, then runs one flow file with /usr/bin/python3.

Writing a flow: a file tests/e2e/<what>_flow.py that defines a function
taking a Tilvex object and ends with run_flow(that function).  run_flow
starts the program, waits for its main window and calls the function; any
failed check ends the flow with exit status 1, the accessible tree of the
program, a screenshot and the program's output.  The program is killed at
the end whatever happened.

    from tilvex_e2e import run_flow, check, check_equal

    def flow(t):
        main = t.main_window()                      # "<workspace> - Tilvex"
        places = t.find(main, "list", "Locations")
        t.select_item(places, "Houston, TX")
        current = t.find(main, "text", "Calculate Look Angles For:")
        t.wait_for(lambda: t.text_of(current) == "Houston, TX", "Houston becomes current")
        t.press(t.find(main, "push button", "Grid Options..."))
        dialog = t.wait_window("Satellite Grid Options")
        t.set_checked(t.find(dialog, "check box", "C"), False)
        t.press(t.find(dialog, "push button", "OK"))
        t.wait_closed(dialog)
        check_equal(t.close(answer_save="No"), 0, "exit status")

    run_flow(flow)

Other helpers: t.select_item(list, "Miami, FL"), t.double_click(item) (the real mouse; it opens a record's
editor from the location list or the grid), t.drag(a, b), t.key("ctrl+x"),
t.type_text(...), t.set_text(field, "..."), t.labelled(dialog, "Region:",
"combo box") and t.choose(combo, "Europe"), t.set_checked(box, True),
t.menu(main, "Edit", "Add to Workspace"), t.screenshot("name"),
t.dump() (the accessible tree as text: print it to see what a flow can
find), workspace(t) and cli(...) for independent answers from tilvex-cli.

Roles are AT-SPI role names ("push button", "check box", "radio button",
"combo box", "text", "list", "list item", "menu item", "label", "dialog",
"alert", "frame", "page tab", "tree", "table cell").  Names are what a
screen reader says: the text of a button or label without "&", a window's
title, or the accessible name the program sets.  A name may also be a
compiled regular expression or a function of the name.  Every lookup polls
until t.timeout seconds have passed.  Message boxes: t.answer("Yes",
contains="Save changes") or t.message_box() to read one first.  A modal
dialog opened by press() does not stop the flow: actions are sent without
waiting for the program's reply.  Pick a list row with t.click(item), as a
person does: the list items' own accessible action changes the selection
but not the current row, which is what the program follows.  The program
reads and writes its files in t.data (a fresh copy of build/data) and its
settings in t.ini.

Run one flow by hand:  bash tests/e2e/run.sh build tests/e2e/startup_flow.py
"""

import json
import os
import re
import signal
import subprocess
import sys
import time
import traceback

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, Gio, GLib  # noqa: E402
import pyatspi  # noqa: E402


class FlowFailure(Exception):
    """A check of a flow failed; the message says what was expected."""


def check(condition, what):
    if not condition:
        raise FlowFailure(what)


def check_equal(actual, expected, what):
    if actual != expected:
        raise FlowFailure(f"{what}: expected {expected!r}, got {actual!r}")


def _name_matches(name, wanted):
    if wanted is None:
        return True
    if isinstance(wanted, re.Pattern):
        return wanted.fullmatch(name) is not None
    if callable(wanted):
        return bool(wanted(name))
    return name == wanted


def _describe(role, name):
    return f"{role or 'any role'}" + ("" if name is None else f" named {_show(name)}")


def _show(wanted):
    if isinstance(wanted, re.Pattern):
        return f"/{wanted.pattern}/"
    if callable(wanted):
        return getattr(wanted, "__name__", "<function>")
    return repr(wanted)


def _env_path(name):
    value = os.environ.get(name)
    if not value:
        raise FlowFailure(f"{name} is not set: run flows through tests/e2e/run.sh")
    return value


class Tilvex:
    """One run of the program and the means to work it."""

    def __init__(self, timeout=10.0):
        self.timeout = timeout
        self.build = _env_path("TILVEX_E2E_BUILD")
        self.work = _env_path("TILVEX_E2E_WORK")
        self.artifacts = _env_path("TILVEX_E2E_ARTIFACTS")
        self.data = os.path.join(self.work, "data")
        self.ini = os.path.join(self.work, "tilvex.INI")
        self.proc = None
        self.returncode = None
        self._app = None
        self._bus = None
        self._log = None

    # ----------------------------------------------------------------- program
    def start(self, *args):
        """Starts build/tilvex on the flow's settings file and data folder."""
        env = dict(os.environ)
        env["QT_QPA_PLATFORM"] = "xcb"
        env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        env["QT_ACCESSIBILITY"] = "1"
        # The flows read the English texts unless they ask for a language,
        # whatever the machine's own is.
        language = () if "--language" in args else ("--language", "en")
        command = [os.path.join(self.build, "tilvex"), "--nosplash", "--settings", self.ini, "--data", self.data,
                   *language, *args]
        if self._log:
            self._log.close()
        self._log = open(os.path.join(self.artifacts, "tilvex.log"), "a")
        self.proc = subprocess.Popen(command, cwd=self.work, env=env, stdout=self._log, stderr=subprocess.STDOUT)
        self.returncode = None
        self._app = None
        return self.proc

    def running(self):
        return self.proc is not None and self.proc.poll() is None

    def app(self):
        """The program's application object on the accessibility bus."""
        if self._app is not None:
            return self._app

        def find_app():
            if not self.running():
                raise FlowFailure(f"tilvex ended with status {self.proc.returncode} before it showed a window")
            desktop = pyatspi.Registry.getDesktop(0)
            for i in range(desktop.childCount):
                app = desktop.getChildAtIndex(i)
                try:
                    if app is not None and app.get_process_id() == self.proc.pid:
                        return app
                except GLib.Error:
                    continue
            return None

        app = self.wait_for(find_app, "tilvex on the accessibility bus")
        # The flow does not run an event loop, so cached properties would go
        # stale: read everything afresh from the program.
        app.set_cache_mask(Atspi.Cache.NONE)
        self._app = app
        return app

    def wait_exit(self, timeout=None):
        """Waits for the program to end and gives its exit status."""
        try:
            self.returncode = self.proc.wait(timeout=timeout or self.timeout)
        except subprocess.TimeoutExpired:
            raise FlowFailure(f"tilvex did not end within {timeout or self.timeout} s")
        return self.returncode

    def kill(self):
        if self.running():
            self.proc.send_signal(signal.SIGKILL)
            self.proc.wait()
        if self._log:
            self._log.close()
            self._log = None

    def close(self, answer_save=None, window=None, exit_path=("File", "Exit")):
        """Quits through File > Exit (exit_path names it in the program's
        language) and gives the exit status.  answer_save ("Yes", "No" or
        "Cancel") answers a "Save changes" prompt, which must then appear;
        without it none may appear."""
        window = window or self.main_window()
        self.menu(window, *exit_path)
        if answer_save is not None:
            self.answer(answer_save, contains="Save changes")
            if answer_save == "Cancel":
                return None
            return self.wait_exit()

        def ended_or_asked():
            if not self.running():
                return "ended"
            for w in self.windows():
                if w.getRoleName() in ("alert", "dialog") and self.is_showing(w):
                    text = " ".join(self.text_of(a) for a in self.find_all(w, "label"))
                    raise FlowFailure(f"File > Exit showed {w.getRoleName()} {w.name!r}: {text.strip()!r}")
            return None
        self.wait_for(ended_or_asked, "tilvex to end after File > Exit")
        return self.wait_exit()

    # ------------------------------------------------------------- the tree
    def windows(self):
        """The program's top-level windows: frames, dialogs, message boxes."""
        app = self.app()
        return [c for c in self._children(app) if c is not None]

    def wait_window(self, name, roles=None, timeout=None):
        """Waits for a showing top-level window with that title (of any role
        unless roles are given: a help browser shown as a window is a
        "label")."""
        def find():
            for w in self.windows():
                if (roles is None or w.getRoleName() in roles) and _name_matches(w.name, name) and self.is_showing(w):
                    return w
            return None
        return self.wait_for(find, f"a window titled {_show(name)}", timeout)

    def main_window(self, timeout=None):
        return self.wait_window(re.compile(r".+ - Tilvex"), roles=("frame",), timeout=timeout)

    def wait_closed(self, window, timeout=None):
        """Waits until a window is no longer shown."""
        def gone():
            try:
                return window.path not in [w.path for w in self.windows()] or not self.is_showing(window)
            except GLib.Error:
                return True
        try:
            what = f"{window.getRoleName()} {window.name!r}"
        except GLib.Error:
            return  # already destroyed
        self.wait_for(gone, f"{what} to close", timeout)

    def find(self, within, role, name=None, timeout=None, showing=False):
        """The first descendant of `within` (in tree order) with that role and
        name; waits for it.  showing=True takes only what is on screen."""
        def look():
            for acc in self._walk(within):
                if (role is None or acc.getRoleName() == role) and _name_matches(acc.name, name):
                    if not showing or self.is_showing(acc):
                        return acc
            return None
        return self.wait_for(look, f"{_describe(role, name)} in {within.getRoleName()} {within.name!r}", timeout,
                             dump=within)

    def find_all(self, within, role, name=None):
        """Every descendant with that role (and name), without waiting."""
        return [a for a in self._walk(within)
                if (role is None or a.getRoleName() == role) and _name_matches(a.name, name)]

    def find_containing(self, within, role, child_role, child_name, timeout=None):
        """The first descendant with `role` that holds a child of
        `child_role` named `child_name`: finds a control without a name of
        its own by the label beside it."""
        def look():
            for acc in self._walk(within):
                if acc.getRoleName() == role:
                    for c in self._children(acc):
                        if c.getRoleName() == child_role and _name_matches(c.name, child_name):
                            return acc
            return None
        return self.wait_for(look, f"{role} holding {_describe(child_role, child_name)}", timeout, dump=within)

    def labelled(self, within, label, role=None, timeout=None):
        """The control that a label names (a combo box, say, is named by its
        value, not by its label): the label's label-for relation, else the
        first sibling after the label with that role (without a role, the
        sibling right after it)."""
        def look():
            for acc in self.find_all(within, "label", label):
                for relation in acc.getRelationSet():
                    if relation.getRelationType() == pyatspi.RELATION_LABEL_FOR and relation.getNTargets() > 0:
                        target = relation.getTarget(0)
                        if role is None or target.getRoleName() == role:
                            return target
                siblings = self.children(acc.parent)
                paths = [s.path for s in siblings]
                for sibling in siblings[paths.index(acc.path) + 1:] if acc.path in paths else []:
                    if role is None or sibling.getRoleName() == role:
                        return sibling
            return None
        return self.wait_for(look, f"{role or 'the control'} labelled {_show(label)}", timeout, dump=within)

    def children(self, acc, role=None):
        return [c for c in self._children(acc) if role is None or c.getRoleName() == role]

    def item_names(self, list_acc, role="list item"):
        """The names of a list's (or menu's) items, in order."""
        return [c.name for c in self.children(list_acc, role)]

    def states(self, acc):
        return set(acc.getState().getStates())

    def is_showing(self, acc):
        return pyatspi.STATE_SHOWING in self.states(acc)

    def is_enabled(self, acc):
        return pyatspi.STATE_SENSITIVE in self.states(acc)

    def is_selected(self, acc):
        return pyatspi.STATE_SELECTED in self.states(acc)

    def is_checked(self, acc):
        return pyatspi.STATE_CHECKED in self.states(acc)

    def text_of(self, acc):
        """The text of an edit field or label (its name when it has no text)."""
        try:
            text = acc.queryText()
            return text.getText(0, -1)
        except NotImplementedError:
            return acc.name

    def dump(self, acc=None, depth=0, limit=400):
        """The accessible tree under acc as indented text."""
        acc = acc or self.app()
        lines = []

        def walk(a, level):
            if len(lines) >= limit:
                return
            try:
                flags = []
                states = self.states(a)
                if pyatspi.STATE_SHOWING not in states:
                    flags.append("hidden")
                if pyatspi.STATE_SENSITIVE not in states and a.getRoleName() not in ("label", "filler"):
                    flags.append("disabled")
                if pyatspi.STATE_SELECTED in states:
                    flags.append("selected")
                if pyatspi.STATE_CHECKED in states:
                    flags.append("checked")
                line = f"{'  ' * level}[{a.getRoleName()}] {a.name!r}"
                if "Text" in a.get_interfaces() and a.getRoleName() not in ("label",):
                    line += f" text={self.text_of(a)!r}"
                if flags:
                    line += " (" + ", ".join(flags) + ")"
                lines.append(line)
                for c in self._children(a):
                    walk(c, level + 1)
            except GLib.Error as e:
                lines.append(f"{'  ' * level}<gone: {e.message}>")
        walk(acc, depth)
        if len(lines) >= limit:
            lines.append("...")
        return "\n".join(lines)

    def _children(self, acc):
        out = []
        for i in range(acc.childCount):
            try:
                child = acc.getChildAtIndex(i)
            except GLib.Error:
                continue
            if child is not None:
                out.append(child)
        return out

    def _walk(self, acc):
        stack = [acc]
        while stack:
            a = stack.pop()
            yield a
            try:
                stack.extend(reversed(self._children(a)))
            except GLib.Error:
                continue

    # ------------------------------------------------------------- waiting
    def wait_for(self, probe, what, timeout=None, dump=None):
        """Calls probe until it gives something true and returns that; fails
        after the timeout with `what` and the accessible tree."""
        limit = time.monotonic() + (timeout if timeout is not None else self.timeout)
        last_error = None
        while True:
            try:
                result = probe()
                if result:
                    return result
            except FlowFailure:
                raise
            except GLib.Error as e:  # an object went away while we looked
                last_error = e
            if time.monotonic() > limit:
                break
            if self.proc is not None and not self.running() and self.proc.returncode is not None:
                raise FlowFailure(f"tilvex ended with status {self.proc.returncode} while waiting for {what}")
            time.sleep(0.1)
        message = f"timed out waiting for {what}"
        if last_error is not None:
            message += f" (last error: {last_error.message})"
        raise FlowFailure(message)

    def hold(self, probe, what, seconds=0.5):
        """Checks that probe stays true for a while: that something does
        not happen, after an input the program may take a moment to see."""
        limit = time.monotonic() + seconds
        while True:
            if not probe():
                raise FlowFailure(f"no longer true: {what}")
            if time.monotonic() > limit:
                return
            time.sleep(0.05)

    # ------------------------------------------------------------- actions
    def actions(self, acc):
        try:
            action = acc.queryAction()
        except NotImplementedError:
            return []
        return [action.getName(i) for i in range(action.nActions)]

    def do_action(self, acc, names):
        """Sends the first of the named actions that acc offers.  The call does
        not wait for the program's reply, so an action that opens a modal
        dialog returns at once."""
        offered = self.actions(acc)
        for name in names:
            if name in offered:
                self._send(acc, "org.a11y.atspi.Action", "DoAction", GLib.Variant("(i)", (offered.index(name),)))
                return name
        raise FlowFailure(f"{acc.getRoleName()} {acc.name!r} offers none of {list(names)} (it offers {offered})")

    def press(self, acc):
        """Presses a button or menu item through its accessible action."""
        if not self.is_enabled(acc):
            raise FlowFailure(f"{acc.getRoleName()} {acc.name!r} is disabled")
        self.do_action(acc, ("Press", "press", "click", "Click", "activate", "ShowMenu"))

    def set_checked(self, acc, checked=True):
        """Checks or clears a check box (or checks a radio button)."""
        if self.is_checked(acc) != checked:
            if not self.is_enabled(acc):
                raise FlowFailure(f"{acc.getRoleName()} {acc.name!r} is disabled")
            self.do_action(acc, ("Toggle", "toggle", "Press", "press", "click"))
            self.wait_for(lambda: self.is_checked(acc) == checked,
                          f"{acc.getRoleName()} {acc.name!r} to become {'checked' if checked else 'clear'}")

    def set_text(self, acc, text):
        """Replaces the whole text of an edit field."""
        try:
            editable = acc.queryEditableText()
        except NotImplementedError:
            raise FlowFailure(f"{acc.getRoleName()} {acc.name!r} is not editable text")
        editable.setTextContents(text)
        self.wait_for(lambda: self.text_of(acc) == text, f"{acc.name!r} to read {text!r}")

    def insert_text(self, acc, text, position=None):
        """Inserts text at a position (the end by default)."""
        editable = acc.queryEditableText()
        if position is None:
            position = acc.queryText().characterCount
        editable.insertText(position, text, len(text))

    def menu(self, window, *path):
        """Opens a menu of the window's menu bar and clicks the item at the
        end of the path: menu(main, "File", "Exit").  The click closes the
        menu as a person's does (the item's accessible action would run the
        command but leave the menu open)."""
        bar = self.find(window, "menu bar")
        current = self.find(bar, "menu item", path[0])
        for step in path[1:]:
            popup = self.open_menu(current)
            current = self.find(popup, "menu item", step)
        if not self.is_enabled(current):
            raise FlowFailure(f"menu item {current.name!r} is disabled")
        self.wait_for(lambda: self.is_showing(current) and self.extents(current)[2] > 0,
                      f"menu item {current.name!r} to be on the screen")
        self.click(current)

    def open_menu(self, menu_item):
        """Shows a menu and gives its popup."""
        self.do_action(menu_item, ("ShowMenu", "Press", "press", "click"))
        return self.wait_for(lambda: next((c for c in self.children(menu_item, "popup menu") if self.is_showing(c)),
                                          None), f"menu {menu_item.name!r} to open")

    def close_menus(self):
        self.key("Escape")

    def menu_items(self, popup):
        """The names of a menu's commands, separators left out."""
        return [c.name for c in self.children(popup, "menu item") if c.name]

    # -------------------------------------------------------- message boxes
    def message_box(self, contains=None, timeout=None):
        """Waits for a message box (or any dialog) whose text holds
        `contains` and gives (window, text)."""
        def find():
            for w in self.windows():
                if w.getRoleName() in ("alert", "dialog") and self.is_showing(w):
                    text = "\n".join(self.text_of(a) for a in self.find_all(w, "label") if self.text_of(a))
                    if contains is None or contains in text:
                        return (w, text)
            return None
        return self.wait_for(find, "a message box" + (f" saying {contains!r}" if contains else ""), timeout)

    def answer(self, button, contains=None, timeout=None):
        """Presses a message box's button ("OK", "Yes", "No", "Cancel") and
        waits for the box to close; gives the box's text."""
        window, text = self.message_box(contains, timeout)
        self.press(self.find(window, "push button", button))
        self.wait_closed(window)
        return text

    # ---------------------------------------------------------- combo boxes
    def combo_value(self, combo):
        """The text a combo box shows."""
        try:
            return combo.queryText().getText(0, -1)
        except NotImplementedError:
            pass
        for child in self._walk(combo):
            if child.getRoleName() == "text":
                return self.text_of(child)
        return combo.name

    def choose(self, combo, item):
        """Opens a combo box's list and clicks the item with that name."""
        self.do_action(combo, ("ShowMenu", "Press", "press", "click"))
        entry = self.find(combo, "list item", item, showing=True)
        self.click(entry)
        self.wait_for(lambda: self.combo_value(combo) == item, f"combo box to show {item!r}")

    # ------------------------------------------------------- mouse and keys
    def extents(self, acc):
        """(x, y, width, height) of acc on the screen."""
        box = acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        return (box.x, box.y, box.width, box.height)

    def centre(self, acc):
        """The middle of acc on the screen; a point (x, y) stands for itself."""
        if isinstance(acc, tuple):
            return acc
        x, y, w, h = self.extents(acc)
        if w <= 0 or h <= 0:
            raise FlowFailure(f"{acc.getRoleName()} {acc.name!r} is not on the screen ({x}, {y}, {w}x{h})")
        return (x + w // 2, y + h // 2)

    def click(self, acc, button=1, double=False):
        """Clicks the middle of acc (or a point (x, y)) with the real mouse."""
        self.move_mouse(*self.centre(acc))
        time.sleep(0.05)
        if double:
            self.xdotool("click", "--repeat", "2", "--delay", "80", str(button))
        else:
            self.xdotool("click", str(button))

    def select_item(self, list_acc, name):
        """Clicks the list row with that name and waits for it to be
        selected; gives the row."""
        item = self.find(list_acc, "list item", name)
        self.click(item)
        self.wait_for(lambda: self.is_selected(item), f"{name!r} to be selected in the list")
        return item

    def double_click(self, acc):
        self.click(acc, double=True)

    def drag(self, source, target, steps=12, button=1):
        """Drags from the middle of source to the middle of target (either may
        be a point (x, y)) in small moves, as a hand does, and lets go."""
        (x0, y0), (x1, y1) = self.centre(source), self.centre(target)
        self.move_mouse(x0, y0)
        self.xdotool("mousedown", str(button))
        time.sleep(0.1)
        for i in range(1, steps + 1):
            self.move_mouse(x0 + (x1 - x0) * i // steps, y0 + (y1 - y0) * i // steps)
            time.sleep(0.03)
        time.sleep(0.1)
        self.xdotool("mouseup", str(button))

    def move_mouse(self, x, y):
        """Moves the pointer and waits until the display has moved it."""
        # "mousemove --sync" waits for a move, so it would wait for ever
        # when the pointer is already there.
        if self.mouse_position() != (x, y):
            self.xdotool("mousemove", "--sync", str(x), str(y))

    def mouse_position(self):
        out = self.xdotool("getmouselocation", "--shell")
        values = dict(line.split("=", 1) for line in out.splitlines() if "=" in line)
        return (int(values["X"]), int(values["Y"]))

    def key(self, *keys):
        """Presses keys by X name: key("ctrl+x"), key("Delete"), key("Return")."""
        self.xdotool("key", "--clearmodifiers", *keys)

    def type_text(self, text):
        self.xdotool("type", "--delay", "20", text)

    def xdotool(self, *args):
        try:
            result = subprocess.run(["xdotool", *args], capture_output=True, text=True, timeout=self.timeout)
        except subprocess.TimeoutExpired:
            raise FlowFailure(f"xdotool {' '.join(args)} did not finish within {self.timeout} s")
        if result.returncode != 0:
            raise FlowFailure(f"xdotool {' '.join(args)} failed: {result.stderr.strip()}")
        return result.stdout

    # ------------------------------------------------------------ pictures
    def screenshot(self, name):
        """Saves the whole screen as <artifacts>/<name>.png; gives the path."""
        path = os.path.join(self.artifacts, f"{name}.png")
        subprocess.run(["import", "-window", "root", path], check=True, timeout=30,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        return path

    def pixels(self, acc):
        """The raw RGB pixels of acc's area on the screen, to tell whether
        what it shows has changed."""
        x, y, w, h = self.extents(acc)
        result = subprocess.run(["import", "-window", "root", "-crop", f"{w}x{h}+{x}+{y}", "rgb:-"],
                                capture_output=True, check=True, timeout=30)
        return result.stdout

    # ------------------------------------------------------------ internals
    def _send(self, acc, interface, method, parameters):
        if self._bus is None:
            session = Gio.bus_get_sync(Gio.BusType.SESSION, None)
            address = session.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress", None,
                                        GLib.VariantType("(s)"), Gio.DBusCallFlags.NONE, 5000, None).unpack()[0]
            self._bus = Gio.DBusConnection.new_for_address_sync(
                address, Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION,
                None, None)
        message = Gio.DBusMessage.new_method_call(acc.app.bus_name, acc.path, interface, method)
        message.set_body(parameters)
        message.set_flags(Gio.DBusMessageFlags.NO_REPLY_EXPECTED)
        self._bus.send_message(message, Gio.DBusSendMessageFlags.NONE)
        self._bus.flush_sync(None)


def cli(build, *args):
    """Runs tilvex-cli and gives its standard output."""
    result = subprocess.run([os.path.join(build, "tilvex-cli"), *args], capture_output=True, text=True, timeout=30)
    if result.returncode != 0:
        raise FlowFailure(f"tilvex-cli {' '.join(args)} failed: {result.stderr.strip()}")
    return result.stdout


def workspace(t, name="United States Ku Band Satellites.wrk"):
    """The contents of a workspace file of the flow's data folder, read by
    tilvex-cli: satellites, locations, options, current indexes."""
    return json.loads(cli(t.build, "dump", os.path.join(t.data, name)))


def run_flow(flow, timeout=10.0, args=()):
    """Starts the program (with args), runs flow(t) and exits: 0 when every
    check passed."""
    name = os.path.splitext(os.path.basename(sys.argv[0]))[0]
    t = Tilvex(timeout=timeout)
    status = 1
    try:
        t.start(*args)
        t.main_window(timeout=max(30.0, timeout))  # start-up is slow on a busy machine
        flow(t)
        status = 0
    except Exception as error:  # every failure ends the flow with a report
        print(f"FAILED {name}: {error}", file=sys.stderr)
        if not isinstance(error, FlowFailure):
            traceback.print_exc()
        _report(t)
    finally:
        t.kill()
    if status == 0:
        print(f"{name}: passed")
    sys.exit(status)


def _report(t):
    try:
        if t.running():
            print("Accessible tree of tilvex:", file=sys.stderr)
            print(t.dump(), file=sys.stderr)
    except Exception as e:  # the tree is help, not the verdict
        print(f"(no accessible tree: {e})", file=sys.stderr)
    try:
        print(f"Screenshot: {t.screenshot('failure')}", file=sys.stderr)
    except Exception as e:
        print(f"(no screenshot: {e})", file=sys.stderr)
    log = os.path.join(t.artifacts, "tilvex.log")
    if t._log:
        t._log.flush()
    if os.path.exists(log):
        with open(log, errors="replace") as f:
            output = f.read().strip()
        if output:
            print("Output of tilvex:\n" + output[-4000:], file=sys.stderr)
