"""A mouse click on a location of the location pane makes it the current
location: the pane's field names it, its row is selected and the grid's
angles are computed again from the new site."""

from tilvex_e2e import check, check_equal, run_flow


def flow(t):
    main = t.main_window()
    places = t.find(main, "list", "Locations")
    current = t.find(main, "text", "Calculate Look Angles For:")
    grid = t.find(main, "list", "Satellite Grid")
    t.wait_for(lambda: t.text_of(current) == "Denver, CO", "the workspace's first location to be current")
    angles_from_denver = t.pixels(grid)

    houston = t.find(places, "list item", "Houston, TX")
    check(not t.is_selected(houston), "Houston is not selected before the click")
    t.click(houston)
    t.wait_for(lambda: t.text_of(current) == "Houston, TX", "the pane's field to name Houston after the click")
    check(t.is_selected(houston), "Houston's row is selected")
    check(not t.is_selected(t.find(places, "list item", "Denver, CO")), "Denver's row is no longer selected")
    t.wait_for(lambda: t.pixels(grid) != angles_from_denver, "the grid to show the angles from Houston")
    t.screenshot("houston")

    t.select_item(places, "Seattle, WA")
    t.wait_for(lambda: t.text_of(current) == "Seattle, WA", "the pane's field to name Seattle after the click")
    check_equal(t.close(), 0, "exit status")


run_flow(flow)
