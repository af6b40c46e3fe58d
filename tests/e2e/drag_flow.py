"""Drag and drop with the real mouse: a satellite dragged from the satellite
tree onto the grid joins the workspace and gets a row; a location dragged
from the location tree onto the location pane's list joins it too; a
location dropped on the grid adds nothing."""

from tilvex_e2e import check, check_equal, run_flow


def near_start(t, cell):
    """A point on the cell's text near its start: a long name runs past the
    tree's edge, where its middle cannot be clicked."""
    x, y, w, h = t.extents(cell)
    return (x + min(w // 2, 40), y + h // 2)


def open_folders(t, tree, *names):
    for name in names:
        t.double_click(near_start(t, t.find(tree, "table cell", name, showing=True)))


def flow(t):
    main = t.main_window()
    grid = t.find(main, "list", "Satellite Grid")
    places = t.find(main, "list", "Locations")
    rows = len(t.children(grid, "list item"))

    satellites = t.find(main, "tree", "Satellite Database")
    open_folders(t, satellites, "Satellites", "Europe, Africa & Middle East")
    t.drag(near_start(t, t.find(satellites, "table cell", "ABS-3A", showing=True)), grid)
    t.wait_for(lambda: len(t.children(grid, "list item")) == rows + 1, "the grid to gain a row")
    check(any(item.name.startswith("ABS-3A,") for item in t.children(grid, "list item")),
          "the grid has a row for ABS-3A")
    t.screenshot("satellite-dropped")

    t.press(t.find(main, "page tab", "Location Database"))
    locations = t.find(main, "tree", "Location Database")
    open_folders(t, locations, "Locations", "Europe")
    before = t.item_names(places)
    t.drag(near_start(t, t.find(locations, "table cell", "Berlin", showing=True)), grid)
    t.hold(lambda: t.item_names(places) == before, "a location dropped on the grid adds nothing")
    t.drag(near_start(t, t.find(locations, "table cell", "Berlin", showing=True)), places)
    t.wait_for(lambda: "Berlin" in t.item_names(places), "Berlin to join the location list")
    check_equal(len(t.item_names(places)), len(before) + 1, "one location more")
    t.screenshot("location-dropped")
    check_equal(t.close(answer_save="No"), 0, "exit status")


run_flow(flow)
