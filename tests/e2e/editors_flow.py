"""The database editors as a person reaches them: a double-click on a
location of the location pane opens the location editor on it; a new
location with automatic variation is added and saved, and appears in the
database file and in the location tree.  A double-click on a grid row opens
the satellite editor on that satellite; its comments are changed and saved,
and the database file holds them."""

import json
import os

from tilvex_e2e import check, check_equal, cli, run_flow


def database(t, name):
    return json.loads(cli(t.build, "dump", os.path.join(t.data, name)))


def record(records, name):
    found = [r for r in records if r.get("name") == name]
    return found[0] if found else None


def records_of(dump):
    return dump["records"]


def flow(t):
    main = t.main_window()
    places = t.find(main, "list", "Locations")

    # The location editor, from the location pane.
    t.double_click(t.find(places, "list item", "Houston, TX"))
    editor = t.wait_window("Edit Location Database")
    name = t.find(editor, "text", "Location Name")
    t.wait_for(lambda: t.text_of(name) == "Houston, TX", "the editor to open on Houston")
    save = t.find(editor, "push button", "Save")
    check(not t.is_enabled(save), "Save is disabled before anything changes")
    t.press(t.find(editor, "push button", "Add Location"))
    t.wait_for(lambda: t.text_of(name) == "", "the form to be cleared for a new location")
    check(t.is_checked(t.find(editor, "check box", "Calculate Variation Automatically")),
          "a new location computes its variation")
    t.set_text(name, "Boulder, CO")
    t.set_text(t.find(editor, "text", "Latitude"), "40.01")
    t.set_text(t.find(editor, "text", "Longitude"), "105.27")
    t.choose(t.find(editor, "combo box", "Region"), "North America")
    t.screenshot("location-editor")
    t.press(save)
    t.wait_for(lambda: not t.is_enabled(save), "Save to be done")
    variation = t.find(editor, "text", "Magnetic Variation")
    t.wait_for(lambda: t.text_of(variation) != "", "the computed variation to show")
    t.press(t.find(editor, "push button", "Close"))
    t.wait_closed(editor)

    boulder = record(records_of(database(t, "locdemo.tdb")), "Boulder, CO")
    check(boulder is not None, "locdemo.tdb holds Boulder, CO")
    check_equal(boulder["magVarAuto"], True, "Boulder's variation is automatic")
    check_equal(boulder["regionName"], "North America", "Boulder's region")
    tabs = t.find(main, "page tab", "Location Database")
    t.press(tabs)
    tree = t.find(main, "tree", "Location Database")
    for folder in ("Locations", "North America"):
        t.double_click(t.find(tree, "table cell", folder, showing=True))
    t.find(tree, "table cell", "Boulder, CO", showing=True)

    # The satellite editor, from a grid row.
    grid = t.find(main, "list", "Satellite Grid")
    rows = t.children(grid, "list item")
    check(len(rows) > 0, "the grid has rows")
    t.double_click(rows[0])
    editor = t.wait_window("Edit Satellite Database")
    sat_name = t.text_of(t.find(editor, "text", "Satellite Name"))
    check(sat_name != "", "the editor opens on the row's satellite")
    comments = t.find(editor, "text", "Comments")
    t.set_text(comments, "Checked from the roof.")
    save = t.find(editor, "push button", "Save")
    t.wait_for(lambda: t.is_enabled(save), "Save to be enabled after the edit")
    t.screenshot("satellite-editor")
    t.press(save)
    t.wait_for(lambda: not t.is_enabled(save), "Save to be done")
    t.press(t.find(editor, "push button", "Close"))
    t.wait_closed(editor)

    saved = record(records_of(database(t, "satdemo.tdb")), sat_name)
    check(saved is not None, f"satdemo.tdb holds {sat_name}")
    check_equal(saved.get("comments"), "Checked from the roof.", "the saved comments")
    check_equal(t.close(), 0, "exit status")


run_flow(flow)
