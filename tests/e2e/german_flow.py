"""A German installer's first site: the program started in German, the
location editor opened by its German menu text (Bearbeiten > Standortdaten
bearbeiten...), a new location added through the German form and saved.
The database file holds it, and the location tree shows it under its
German region name."""

import json
import os

from tilvex_e2e import check, check_equal, cli, run_flow


def flow(t):
    main = t.main_window()
    check(t.find(main, "menu item", "Bearbeiten") is not None, "the menu bar speaks German")
    t.menu(main, "Bearbeiten", "Standortdaten bearbeiten...")
    editor = t.wait_window("Standortdatenbank bearbeiten")

    name = t.find(editor, "text", "Standortname")
    save = t.find(editor, "push button", "Speichern")
    add = t.find(editor, "push button", "Standort hinzufügen")
    t.press(add)
    # A new location is under way once adding another is no longer offered.
    t.wait_for(lambda: not t.is_enabled(add), "the form to take a new location")
    t.set_text(name, "Hamburg Nord")
    t.set_text(t.find(editor, "text", "Breite"), "53.6")
    t.set_text(t.find(editor, "text", "Länge"), "10.0")
    t.set_checked(t.find(editor, "radio button", "Grad Ost"), True)
    t.choose(t.find(editor, "combo box", "Region"), "Europa")
    t.screenshot("location-editor-de")
    t.wait_for(lambda: t.is_enabled(save), "Speichern to be enabled")
    t.press(save)
    t.wait_for(lambda: not t.is_enabled(save), "the save to be done")
    variation = t.find(editor, "text", "Missweisung")
    t.wait_for(lambda: t.text_of(variation) != "", "the computed variation to show")
    t.press(t.find(editor, "push button", "Schließen"))
    t.wait_closed(editor)

    records = json.loads(cli(t.build, "dump", os.path.join(t.data, "locdemo.tdb")))["records"]
    saved = [r for r in records if r.get("name") == "Hamburg Nord"]
    check_equal(len(saved), 1, "locdemo.tdb holds Hamburg Nord once")
    check_equal(saved[0]["regionName"], "Europe", "the region as the file stores it")
    check(abs(saved[0]["latitude"] - 53.6) < 1e-4, f"the latitude: {saved[0]['latitude']}")

    t.press(t.find(main, "page tab", "Standortdatenbank"))
    tree = t.find(main, "tree", "Standortdatenbank")
    for folder in ("Standorte", "Europa"):
        t.double_click(t.find(tree, "table cell", folder, showing=True))
    t.find(tree, "table cell", "Hamburg Nord", showing=True)
    check_equal(t.close(exit_path=("Datei", "Beenden")), 0, "exit status")


run_flow(flow, args=("--language", "de"))
