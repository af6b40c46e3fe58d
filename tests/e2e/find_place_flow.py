"""Finding a site by name, as a person who does not know their latitude:
Edit > New Location from Place... opens the location editor on a new
location with Find Place; the town typed without its accent is found and
picked from the list; OK fills the editor, Save stores it, and the
database file holds the town with its coordinates and region.  A click on
the world map then moves the site of the next new location."""

import json
import os

from tilvex_e2e import check, check_equal, cli, run_flow


def saved(t, name):
    dump = json.loads(cli(t.build, "dump", os.path.join(t.data, "locdemo.tdb")))
    found = [r for r in dump["records"] if r.get("name") == name]
    return found[0] if found else None


def flow(t):
    main = t.main_window()
    t.menu(main, "Edit", "New Location from Place...")
    editor = t.wait_window("Edit Location Database")
    find = t.wait_window("Find Place")
    search = t.find(find, "text", "Search")
    t.click(search)
    t.type_text("zurich")
    places = t.find(find, "tree", "Places")
    zurich = t.find(places, "table cell", "Zürich", showing=True)
    t.click(zurich)
    locator = t.find(find, "text", "Maidenhead locator")
    t.wait_for(lambda: t.text_of(locator).upper().startswith("JN47"), "Zürich's locator in Find Place")
    t.screenshot("find-place")
    t.press(t.find(find, "push button", "OK"))
    t.wait_closed(find)

    name = t.find(editor, "text", "Location Name")
    t.wait_for(lambda: t.text_of(name) == "Zürich", "the editor to take the place's name")
    check_equal(t.text_of(t.find(editor, "text", "Latitude")), "47.3667", "Zürich's latitude")
    check(t.is_checked(t.find(editor, "radio button", "Degrees East")), "Zürich lies East")
    check_equal(t.combo_value(t.labelled(editor, "Region", "combo box")), "Europe", "Zürich's region")
    check(t.text_of(t.find(editor, "text", "Maidenhead Locator")).upper().startswith("JN47"),
          "the editor shows the locator")
    t.screenshot("location-editor")
    save = t.find(editor, "push button", "Save")
    t.press(save)
    t.wait_for(lambda: not t.is_enabled(save), "Save to be done")

    # A site picked on the map: in the whole-world view its middle is 0°, 0°.
    t.press(t.find(editor, "push button", "Add Location"))
    t.wait_for(lambda: t.text_of(name) == "", "the form to be cleared for a new location")
    t.press(t.find(editor, "push button", "Find..."))
    find = t.wait_window("Find Place")
    t.press(t.find(find, "push button", "Whole World"))
    world = [a for a in t._walk(find) if a.name == "World map"]
    check(len(world) == 1, "Find Place shows the world map")
    t.click(world[0])
    latitude = t.find(find, "text", "Latitude")
    t.wait_for(lambda: t.text_of(latitude) != "", "the point picked on the map")
    for field in ("Latitude", "Longitude"):
        degrees = float(t.text_of(t.find(find, "text", field)).split("°")[0])
        check(abs(degrees) < 1.0, f"the middle of the map is near 0° ({field} {degrees})")
    t.screenshot("find-place-map")
    t.press(t.find(find, "push button", "OK"))
    t.wait_closed(find)
    check_equal(t.text_of(name), "", "a point of the map names nothing")
    t.set_text(name, "Null Island")
    t.choose(t.labelled(editor, "Region", "combo box"), "Africa")
    t.press(save)
    t.wait_for(lambda: not t.is_enabled(save), "Save to be done")
    # The database file is written when the editor closes.
    t.press(t.find(editor, "push button", "Close"))
    t.wait_closed(editor)
    t.wait_for(lambda: saved(t, "Zürich") is not None, "locdemo.tdb to hold Zürich")
    zurich = saved(t, "Zürich")
    check(abs(zurich["latitude"] - 47.3667) < 0.01 and zurich["north"], "Zürich's latitude in the file")
    check(abs(zurich["longitude"] - 8.55) < 0.01 and not zurich["west"], "Zürich's longitude in the file")
    check_equal(zurich["regionName"], "Europe", "Zürich's region in the file")
    island = saved(t, "Null Island")
    check(island is not None, "locdemo.tdb holds Null Island")
    check(abs(island["latitude"]) < 1.0 and abs(island["longitude"]) < 1.0, "Null Island lies near 0°, 0°")
    check_equal(t.close(), 0, "exit status")


run_flow(flow)
