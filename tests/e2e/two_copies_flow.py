"""Two copies of the program on one data folder never lose each other's
locations.  Copy B opens the location editor and types a new location;
meanwhile copy A adds one and saves; then B saves: the file holds both.
Then tilvex-cli import-locations rewrites the file while B runs: B reads it
again by itself, and a location B adds afterwards joins what the import
wrote."""

import csv
import io
import json
import os
import re
import subprocess

from tilvex_e2e import Tilvex, check, check_equal, cli


def location_names(t):
    dump = json.loads(cli(t.build, "dump", os.path.join(t.data, "locdemo.tdb")))
    return {r["name"] for r in dump["records"]}


def open_location_editor(t):
    main = t.main_window()
    t.menu(main, "Edit", re.compile(r"Edit (&?Location Data|data for .*)\.\.\."))
    return t.wait_window("Edit Location Database")


def type_new_location(t, editor, name, latitude, longitude):
    add = t.find(editor, "push button", "Add Location")
    t.press(add)
    t.wait_for(lambda: not t.is_enabled(add), "the form to take a new location")
    field = t.find(editor, "text", "Location Name")
    t.set_text(field, name)
    t.set_text(t.find(editor, "text", "Latitude"), latitude)
    t.set_text(t.find(editor, "text", "Longitude"), longitude)
    t.choose(t.find(editor, "combo box", "Region"), "Europe")


def save_and_close(t, editor):
    save = t.find(editor, "push button", "Save")
    t.wait_for(lambda: t.is_enabled(save), "Save to be enabled")
    t.press(save)
    t.wait_for(lambda: not t.is_enabled(save), "Save to be done")
    t.press(t.find(editor, "push button", "Close"))
    t.wait_closed(editor)


def open_europe(t):
    """Shows the location tree with its Europe folder open."""
    main = t.main_window()
    t.press(t.find(main, "page tab", "Location Database"))
    tree = t.find(main, "tree", "Location Database")
    for folder in ("Locations", "Europe"):
        t.double_click(t.find(tree, "table cell", folder, showing=True))
    t.find(tree, "table cell", "Alpha, AA", showing=True)
    return tree


def flow(a):
    b = Tilvex(timeout=a.timeout)
    b.ini = os.path.join(a.work, "second.INI")
    try:
        b.start()
        b.main_window(timeout=30.0)

        # B's editor is open with Beta typed when A saves Alpha.
        editor_b = open_location_editor(b)
        type_new_location(b, editor_b, "Beta, BB", "45", "10")
        editor_a = open_location_editor(a)
        type_new_location(a, editor_a, "Alpha, AA", "50", "5")
        save_and_close(a, editor_a)
        a.wait_for(lambda: "Alpha, AA" in location_names(a), "A's location in locdemo.tdb")
        save_and_close(b, editor_b)
        b.wait_for(lambda: {"Alpha, AA", "Beta, BB"} <= location_names(b), "both locations in locdemo.tdb")
        b.screenshot("both-saved")

        # tilvex-cli rewrites the file while B runs.
        tree = open_europe(b)
        rows = list(csv.reader(io.StringIO(cli(a.build, "export-locations", os.path.join(a.data, "locdemo.tdb")))))
        rows.append(["Gamma, GG", "48.0N", "11.0E", "2.0E", "Europe"])
        source = os.path.join(a.work, "imported.csv")
        with open(source, "w", newline="") as f:
            csv.writer(f).writerows(rows)
        cli(a.build, "import-locations", source, "-o", os.path.join(a.data, "locdemo.tdb"))
        b.find(tree, "table cell", "Gamma, GG", showing=True)  # B read the file again by itself
        b.screenshot("imported")

        editor_b = open_location_editor(b)
        type_new_location(b, editor_b, "Delta, DD", "40", "15")
        save_and_close(b, editor_b)
        names = location_names(b)
        for name in ("Alpha, AA", "Beta, BB", "Gamma, GG", "Delta, DD"):
            check(name in names, f"locdemo.tdb holds {name}")
        check_equal(b.close(), 0, "B's exit status")
    finally:
        b.kill()
    check_equal(a.close(), 0, "A's exit status")


if __name__ == "__main__":
    from tilvex_e2e import run_flow
    run_flow(flow, timeout=15.0)
