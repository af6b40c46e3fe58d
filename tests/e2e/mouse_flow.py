"""The mouse at work on the left pane: a double-click opens a tree folder,
the tabs switch between the two databases, and dragging the splitter bar
widens the pane."""

import pyatspi

from tilvex_e2e import check, check_equal, run_flow


def flow(t):
    main = t.main_window()
    tree = t.find(main, "tree", "Satellite Database", showing=True)
    root = t.find(tree, "table cell", "Satellites")
    check(pyatspi.STATE_EXPANDED not in t.states(root), "the satellite tree starts folded")
    cells = len(t.children(tree, "table cell"))
    t.double_click(root)
    t.wait_for(lambda: pyatspi.STATE_EXPANDED in t.states(root), "the double-clicked folder to open")
    t.wait_for(lambda: len(t.children(tree, "table cell")) > cells, "the region folders to appear")

    tab = t.find(main, "page tab", "Location Database")
    t.click(tab)
    t.find(main, "tree", "Location Database", showing=True)
    t.wait_for(lambda: not t.is_showing(tree), "the satellite tree to be hidden")
    t.press(t.find(main, "page tab", "Satellite Database"))
    t.wait_for(lambda: t.is_showing(tree), "the satellite tree to be shown again through its tab")

    split = t.find(main, "split pane")
    bar = next((c for c in t.children(split) if c.getRoleName() == "unknown" and t.is_showing(c)), None)
    check(bar is not None, "the splitter bar is on the screen")
    _, _, width, _ = t.extents(tree)
    x, y = t.centre(bar)
    t.drag((x, y), (x + 80, y))
    t.wait_for(lambda: abs(t.extents(tree)[2] - (width + 80)) <= 2,
               f"the tree to widen from {width} by the 80 pixels dragged")
    t.screenshot("widened")
    check_equal(t.close(), 0, "exit status")


run_flow(flow)
