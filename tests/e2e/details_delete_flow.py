"""The satellite details dialog when its satellite is deleted: Detailed
Report..., Edit Data..., Delete, Yes, Close.  The details dialog closes with
the editor (it has nothing left to show), the program keeps running, the
satellite has left the database file and the grid, and the program ends
normally."""

import json
import os

from tilvex_e2e import check, check_equal, cli, run_flow


def satellite_names(t):
    dump = json.loads(cli(t.build, "dump", os.path.join(t.data, "satdemo.tdb")))
    return [r["name"] for r in dump["records"]]


def flow(t):
    main = t.main_window()
    t.press(t.find(main, "push button", "Detailed Report..."))
    details = t.wait_window("Satellite Details")
    t.press(t.find(details, "push button", "Edit Data..."))
    editor = t.wait_window("Edit Satellite Database")
    name_field = t.find(editor, "text", "Satellite Name")
    t.wait_for(lambda: t.text_of(name_field) != "", "the editor to open on the shown satellite")
    name = t.text_of(name_field)
    check(name in satellite_names(t), f"{name} is in satdemo.tdb before the delete")
    t.press(t.find(editor, "push button", "Delete"))
    t.answer("Yes", contains="Are you sure you want to delete satellite")
    t.wait_for(lambda: name not in satellite_names(t) or t.text_of(name_field) != name,
               "the editor to move on from the deleted satellite")
    t.press(t.find(editor, "push button", "Close"))
    t.wait_closed(editor)
    t.wait_closed(details)
    check(t.running(), "tilvex still runs after the delete")
    check(name not in satellite_names(t), f"{name} has left satdemo.tdb")
    grid = t.find(main, "list", "Satellite Grid")
    t.wait_for(lambda: all(not n.startswith(name + ",") for n in t.item_names(grid)),
               f"{name} to leave the grid")
    t.screenshot("after-delete")
    check_equal(t.close(), 0, "exit status")


run_flow(flow)
