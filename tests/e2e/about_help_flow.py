"""The Help menu: the about box opens over the main window and closes with
OK; the help window opens beside it and does not keep the program alive
after File > Exit."""

from tilvex_e2e import check, check_equal, run_flow


def flow(t):
    main = t.main_window()
    t.menu(main, "Help", "About Tilvex...")
    about = t.wait_window("About Tilvex")
    text = " ".join(t.text_of(label) for label in t.find_all(about, "label"))
    check("Tilvex" in text and "World Magnetic Model" in text, f"the about box names the program and its model: {text!r}")
    t.find(about, "push button", "Visit the Tilvex Web Site...")
    t.screenshot("about")
    t.press(t.find(about, "push button", "OK"))
    t.wait_closed(about)

    t.menu(main, "Help", "Help Topics")
    help_window = t.wait_window("Tilvex Help")
    t.wait_for(lambda: "look angles" in t.text_of(help_window).lower(), "the help page to be shown")
    t.screenshot("help")
    check_equal(t.close(window=main), 0, "exit status with the help window open")


run_flow(flow)
