"""A location database that cannot be written: the location editor's save
says why, the window's title and status bar say the database is not saved,
and File > Exit offers to save it again.  Once the file can be written,
"Save Again" writes it and the program ends."""

import json
import os
import re
import stat

from tilvex_e2e import check, check_equal, cli, run_flow


def location_names(t):
    dump = json.loads(cli(t.build, "dump", os.path.join(t.data, "locdemo.tdb")))
    return {r["name"] for r in dump["records"]}


def flow(t):
    database = os.path.join(t.data, "locdemo.tdb")
    os.chmod(database, stat.S_IRUSR)
    main = t.main_window()
    t.menu(main, "Edit", re.compile(r"Edit (&?Location Data|data for .*)\.\.\."))
    editor = t.wait_window("Edit Location Database")
    add = t.find(editor, "push button", "Add Location")
    t.press(add)
    t.wait_for(lambda: not t.is_enabled(add), "the form to take a new location")
    t.set_text(t.find(editor, "text", "Location Name"), "Alpha, AA")
    t.set_text(t.find(editor, "text", "Latitude"), "50")
    t.set_text(t.find(editor, "text", "Longitude"), "5")
    t.choose(t.find(editor, "combo box", "Region"), "Europe")
    t.press(t.find(editor, "push button", "Save"))
    t.press(t.find(editor, "push button", "Close"))
    t.wait_closed(editor)
    text = t.answer("OK", contains="Unable to create locdemo.tdb")
    check("Permission denied" in text, f"the message gives the reason: {text!r}")

    t.wait_for(lambda: "(not saved)" in t.main_window().name, "the title to say the database is not saved")
    status = t.find(main, "status bar")
    t.find(status, "label", "location database not saved: Permission denied")
    t.screenshot("not-saved")

    t.menu(main, "File", "Exit")
    question = t.answer("Cancel", contains="The location database could not be saved")
    check("Save again, or discard?" in question, f"the exit question: {question!r}")
    check(t.running(), "Cancel keeps the program running")

    os.chmod(database, stat.S_IRUSR | stat.S_IWUSR)
    t.menu(main, "File", "Exit")
    t.answer("Save Again", contains="The location database could not be saved")
    check_equal(t.wait_exit(), 0, "exit status")
    check("Alpha, AA" in location_names(t), "locdemo.tdb holds the location after Save Again")


run_flow(flow)
