"""Keys in the two panes: arrows move through the grid but not through the
location list; Delete and Ctrl+X remove the selected location or satellite
from the workspace.  Cancel at the save prompt keeps the program open."""

from tilvex_e2e import check, check_equal, run_flow, workspace


def selected_row(t, grid):
    rows = t.children(grid, "list item")
    chosen = [i for i, row in enumerate(rows) if t.is_selected(row)]
    return chosen[0] if len(chosen) == 1 else None


def flow(t):
    shipped = workspace(t)
    main = t.main_window()
    places = t.find(main, "list", "Locations")
    current = t.find(main, "text", "Calculate Look Angles For:")
    t.select_item(places, "Miami, FL")
    t.wait_for(lambda: t.text_of(current) == "Miami, FL", "Miami to become current")
    t.key("Down")
    t.key("End")
    t.hold(lambda: t.text_of(current) == "Miami, FL" and t.is_selected(t.find(places, "list item", "Miami, FL")),
           "Miami stays current and selected after arrow keys in the location list")
    t.key("Delete")
    t.wait_for(lambda: "Miami, FL" not in t.item_names(places), "Delete to take Miami out of the list")
    check_equal(len(t.item_names(places)), len(shipped["locations"]) - 1, "locations left")

    grid = t.find(main, "list", "Satellite Grid")
    rows = t.children(grid, "list item")
    t.click(rows[1])
    t.wait_for(lambda: selected_row(t, grid) == 1, "the clicked grid row to be selected")
    t.key("Down")
    t.wait_for(lambda: selected_row(t, grid) == 2, "Down to select the next grid row")
    t.key("ctrl+x")
    t.wait_for(lambda: len(t.children(grid, "list item")) == len(shipped["satellites"]) - 1,
               "Ctrl+X to take the satellite out of the grid")

    check(t.close(answer_save="Cancel") is None, "Cancel gives no exit status")
    check(t.running(), "the program is still running after Cancel")
    check_equal(t.close(answer_save="No"), 0, "exit status after No")
    check_equal(workspace(t), shipped, "the workspace file, unsaved")


run_flow(flow)
