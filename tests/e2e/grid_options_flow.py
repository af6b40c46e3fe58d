"""The grid options dialog, worked through its check boxes, radio buttons
and buttons: a choice without any band is refused with a message, a C-band
filter and true azimuths change the satellite pane, and the changed
workspace prompts to be saved on exit."""

import csv
import io
import os

from tilvex_e2e import check, check_equal, cli, run_flow, workspace


def flow(t):
    shipped = workspace(t)
    records = csv.DictReader(io.StringIO(cli(t.build, "export-satellites", os.path.join(t.data, "satdemo.tdb"))))
    c_band = {r["name"] for r in records if "C" in r["bands"].split()}
    expected_rows = len([name for name in shipped["satellites"] if name in c_band])
    check(0 < expected_rows < len(shipped["satellites"]), "the workspace mixes satellites with and without C band")

    main = t.main_window()
    pane = t.find_containing(main, "frame", "list", "Satellite Grid")
    grid = t.find(pane, "list", "Satellite Grid")
    t.find(pane, "label", "(Magnetic)")

    t.press(t.find(pane, "push button", "Grid Options..."))
    dialog = t.wait_window("Satellite Grid Options")
    boxes = {name: t.find(dialog, "check box", name) for name in ("Ku", "C", "DBS")}
    check(all(t.is_checked(b) for b in boxes.values()), "every band is checked at first")
    for box in boxes.values():
        t.set_checked(box, False)
    t.press(t.find(dialog, "push button", "OK"))
    check_equal(t.answer("OK", contains="band"), "At least one band must be selected.", "message for no band")
    check(t.is_showing(dialog), "the dialog stays open after the message")

    t.set_checked(boxes["C"], True)
    t.set_checked(t.find(dialog, "radio button", "True"), True)
    t.screenshot("grid-options")
    t.press(t.find(dialog, "push button", "OK"))
    t.wait_closed(dialog)

    t.find(pane, "label", "(True)")
    t.find(pane, "label", "C")
    t.wait_for(lambda: len(t.children(grid, "list item")) == expected_rows,
               f"the grid to list the {expected_rows} C-band satellites")
    t.screenshot("c-band-true")

    check_equal(t.close(answer_save="No"), 0, "exit status after declining to save")
    check_equal(workspace(t), shipped, "the workspace file, unsaved")


run_flow(flow)
