"""A site survey from a real roof: Denver's location editor, Horizon...,
three obstacles measured on the roof (a tall tree to the south, the
neighbour's roof to the south-west, a mast to the east-south-east) entered
through the Horizon dialog, OK.  The grid then marks the satellites that
the tree and the roof block (a screen reader hears "blocked by the horizon
by ..."), horizons.csv in the data folder holds the three obstacles, and
after a restart the marks are there again."""

import csv
import os
import re

from tilvex_e2e import check, check_equal, run_flow

# bearing, height above the dish (m), distance (m), width (degrees)
OBSTACLES = [("180", "15", "14", "30"), ("215", "5", "6", "20"), ("120", "4", "25", "6")]
BLOCKED = re.compile(r"^blocked by the horizon by \d+\.\d°$")


def marks(t, main):
    """The grid's rows as (row text, description)."""
    grid = t.find(main, "list", "Satellite Grid")
    return [(row.name, row.description) for row in t.children(grid, "list item")]


def check_marks(t, main, what):
    rows = marks(t, main)
    blocked = [r for r in rows if r[1]]
    for name, description in blocked:
        check(BLOCKED.match(description), f"{what}: {name!r} is described as blocked ({description!r})")
    check(0 < len(blocked) < len(rows), f"{what}: some rows and not all are blocked ({rows})")
    return rows


def flow(t):
    main = t.main_window()
    places = t.find(main, "list", "Locations")
    t.select_item(places, "Denver, CO")
    current = t.find(main, "text", "Calculate Look Angles For:")
    t.wait_for(lambda: t.text_of(current) == "Denver, CO", "Denver to become current")
    check(not any(d for _, d in marks(t, main)), "no row is marked before Denver has a horizon")

    t.double_click(t.find(places, "list item", "Denver, CO"))
    editor = t.wait_window("Edit Location Database")
    name = t.find(editor, "text", "Location Name")
    t.wait_for(lambda: t.text_of(name) == "Denver, CO", "the editor to open on Denver")
    t.press(t.find(editor, "push button", "Horizon..."))
    horizon = t.wait_window("Horizon")
    for bearing, height, distance, width in OBSTACLES:
        t.press(t.find(horizon, "push button", "Add Obstacle..."))
        form = t.wait_window("Add Obstacle")
        for field, value in (("Bearing", bearing), ("Height", height), ("Distance", distance), ("Width", width)):
            t.set_text(t.find(form, "text", field), value)
        t.press(t.find(form, "push button", "OK"))
        t.wait_closed(form)
    table = t.find(horizon, "table", "Obstacles")
    t.wait_for(lambda: len(t.find_all(table, "table cell", "180")) == 1, "the tree in the obstacles' table")
    t.screenshot("horizon-dialog")
    t.press(t.find(horizon, "push button", "OK"))
    t.wait_closed(horizon)
    t.press(t.find(editor, "push button", "Close"))
    t.wait_closed(editor)

    t.wait_for(lambda: any(d for _, d in marks(t, main)), "the grid to mark blocked satellites")
    before = check_marks(t, main, "after OK")
    t.screenshot("grid-marks")

    path = os.path.join(t.data, "horizons.csv")
    with open(path, encoding="utf-8") as f:
        rows = [r for r in csv.reader(f) if r and r[0] == "Denver, CO"]
    check_equal(sorted((r[1], r[2], r[3], r[4], r[5]) for r in rows),
                sorted(("obstacle", *o) for o in OBSTACLES), "horizons.csv holds Denver's three obstacles")
    check_equal(t.close(), 0, "exit status")

    t.start()
    main = t.main_window()
    current = t.find(main, "text", "Calculate Look Angles For:")
    t.wait_for(lambda: t.text_of(current) == "Denver, CO", "Denver to be current after the restart")
    t.wait_for(lambda: any(d for _, d in marks(t, main)), "the marks after the restart")
    check_equal(check_marks(t, main, "after the restart"), before, "the same rows marked after the restart")
    t.screenshot("grid-marks-restart")
    check_equal(t.close(), 0, "exit status after the restart")


run_flow(flow)
