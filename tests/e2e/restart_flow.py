"""The program comes back as it was left: the current location and
satellite chosen before File > Exit are current again at the next start,
and the workspace heads the File menu's recent files."""

from tilvex_e2e import check_equal, run_flow


def flow(t):
    main = t.main_window()
    t.click(t.find(t.find(main, "list", "Locations"), "list item", "Seattle, WA"))
    current = t.find(main, "text", "Calculate Look Angles For:")
    t.wait_for(lambda: t.text_of(current) == "Seattle, WA", "Seattle to become current")
    grid = t.find(main, "list", "Satellite Grid")
    t.click(t.children(grid, "list item")[2])
    info = t.find_containing(main, "frame", "label", "Satellite:")
    t.wait_for(lambda: t.labelled(info, "Satellite:").name != "Galaxy 18", "the info pane to follow the grid")
    chosen = t.labelled(info, "Satellite:").name
    check_equal(t.close(), 0, "exit status")

    t.start()
    main = t.main_window()
    current = t.find(main, "text", "Calculate Look Angles For:")
    t.wait_for(lambda: t.text_of(current) == "Seattle, WA", "Seattle to be current after the restart")
    info = t.find_containing(main, "frame", "label", "Satellite:")
    t.wait_for(lambda: t.labelled(info, "Satellite:").name == chosen, f"{chosen} to be current after the restart")
    popup = t.open_menu(t.find(t.find(main, "menu bar"), "menu item", "File"))
    check_equal([n for n in t.menu_items(popup) if n[:2] == "1 "], ["1 United States Ku Band Satellites.wrk"],
                "the most recent workspace in the File menu")
    t.close_menus()
    check_equal(t.close(), 0, "exit status after the restart")


run_flow(flow)
