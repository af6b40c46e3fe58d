"""The program starts on the default workspace and shows, under the names a
screen reader says, its satellites and locations; File > Exit ends it with
status 0."""

from tilvex_e2e import check_equal, run_flow, workspace


def flow(t):
    shipped = workspace(t)
    main = t.main_window()
    check_equal(main.name, "United States Ku Band Satellites - Tilvex", "main window title")

    tabs = t.find(main, "page tab list")
    check_equal(t.item_names(tabs, "page tab"), ["Satellite Database", "Location Database"], "database tabs")
    t.find(main, "tree", "Satellite Database", showing=True)

    pane = t.find_containing(main, "frame", "list", "Satellite Grid")
    for heading in ("Band Filters:", "Ku, C, DBS", "Satellite", "Azimuth", "(Magnetic)", "Elevation"):
        t.find(pane, "label", heading)
    grid = t.find(pane, "list", "Satellite Grid")
    t.wait_for(lambda: len(t.children(grid, "list item")) == len(shipped["satellites"]),
               f"the grid to hold one row for each of the {len(shipped['satellites'])} workspace satellites")

    names = t.item_names(t.find(main, "list", "Locations"))
    check_equal(names, sorted(shipped["locations"], key=str.lower), "location list, sorted by name")
    current = t.find(main, "text", "Calculate Look Angles For:")
    t.wait_for(lambda: t.text_of(current) == shipped["locations"][shipped["currentLocation"]],
               "the workspace's current location in the pane's field")

    t.screenshot("startup")
    check_equal(t.close(), 0, "exit status after File > Exit")


run_flow(flow)
