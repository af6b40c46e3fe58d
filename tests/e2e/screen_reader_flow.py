"""What a screen reader finds in the main window: each pane under its name,
the controls inside it under theirs, and a grid row read as its name and
angles; the editors' buttons keep their names with their new mnemonics."""

import re

from tilvex_e2e import check, check_equal, run_flow


def flow(t):
    main = t.main_window()
    location_pane = t.find(main, "frame", "Location Pane")
    current = t.find(location_pane, "text", "Calculate Look Angles For:")
    t.wait_for(lambda: t.text_of(current) == "Denver, CO", "Denver to be current")
    t.find(location_pane, "list", "Locations")

    satellite_pane = t.find(main, "frame", "Satellite List Pane")
    grid = t.find(satellite_pane, "list", "Satellite Grid")
    t.find(satellite_pane, "push button", "Grid Options...")
    row = t.find(grid, "list item", re.compile(r"^Galaxy 18, \d+\.\d°, \d+\.\d°$"))
    check_equal(row.name, "Galaxy 18, 199.4°, 40.4°", "the grid row's name from Denver")

    info_pane = t.find(main, "frame", "Satellite Info Pane")
    t.find(info_pane, "push button", "Detailed Report...")
    check(t.find(main, "tree", "Satellite Database") is not None, "the satellite tree")

    t.double_click(t.find(t.find(location_pane, "list", "Locations"), "list item", "Denver, CO"))
    editor = t.wait_window("Edit Location Database")
    for name in ("Add Location", "Save", "Delete", "Close"):
        t.find(editor, "push button", name)
    t.find(editor, "check box", "Calculate Variation Automatically")
    t.press(t.find(editor, "push button", "Close"))
    t.wait_closed(editor)
    t.screenshot("screen_reader")
    check_equal(t.close(), 0, "exit status")


run_flow(flow)
