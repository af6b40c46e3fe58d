"""The Edit menu names its commands after what is selected: a location of
the location pane, then a satellite of the grid; the database editors are
always at hand.  Removing the satellite
takes its row out of the grid; leaving without saving keeps the workspace
file as it was."""

import re

from tilvex_e2e import check, check_equal, run_flow, workspace


def edit_menu(t, main):
    """The Edit menu's commands as {name: enabled}, read while it is open."""
    popup = t.open_menu(t.find(t.find(main, "menu bar"), "menu item", "Edit"))
    # A name may carry its shortcut after a tab ("...\tCtrl+X or Del").
    commands = {item.name.split("\t")[0]: t.is_enabled(item) for item in t.children(popup, "menu item") if item.name}
    t.close_menus()
    t.wait_for(lambda: not t.is_showing(popup), "the Edit menu to close")
    return commands


def flow(t):
    before = workspace(t)
    main = t.main_window()
    check_equal(edit_menu(t, main), {"Remove from Workspace": False, "Add to Workspace": False,
                                     "Edit Satellite Data...": True, "Edit Location Data...": True,
                                     "New Location from Place...": True},
                "Edit menu with nothing chosen")

    places = t.find(main, "list", "Locations")
    t.select_item(places, "Miami, FL")
    t.wait_for(lambda: "Remove Location from Workspace" in edit_menu(t, main),
               "the Edit menu to offer removing the location")
    check(edit_menu(t, main)["Remove Location from Workspace"], "removing the location is enabled")

    grid = t.find(main, "list", "Satellite Grid")
    rows = t.children(grid, "list item")
    check_equal(len(rows), len(before["satellites"]), "grid rows")
    t.click(rows[0])
    t.wait_for(lambda: t.is_selected(rows[0]), "the first grid row to be selected")
    commands = edit_menu(t, main)
    # The satellite command names the grid's row ("Edit data for SES-2...").
    named = [name for name in commands if name.startswith("Edit data for ")]
    check_equal(len(named), 1, "satellite commands naming the chosen row")
    check(rows[0].name.startswith(named[0][len("Edit data for "):-3]), "the command names the first row")
    check(commands.pop(named[0]), "editing the chosen satellite is enabled")
    check_equal(commands, {"Remove Satellite from Workspace": True, "Add to Workspace": False,
                           "Edit Location Data...": True, "New Location from Place...": True},
                "Edit menu with a satellite chosen")

    t.menu(main, "Edit", re.compile(r"Remove Satellite from Workspace(\t.*)?$"))
    t.wait_for(lambda: len(t.children(grid, "list item")) == len(before["satellites"]) - 1,
               "the grid to lose the removed satellite's row")
    t.screenshot("removed")

    t.menu(main, "File", "Exit")
    box, text = t.message_box(contains="Save changes")
    check_equal(box.name, "Tilvex", "the message box's caption")
    check_equal(text, "Save changes to United States Ku Band Satellites.wrk?", "the prompt")
    t.screenshot("save-prompt")
    t.answer("No")
    check_equal(t.wait_exit(), 0, "exit status after answering No")
    check_equal(workspace(t), before, "the workspace file, unsaved")


run_flow(flow)
