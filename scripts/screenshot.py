"""Takes the README's picture: GlyphBay listing the icons of Wine's system folder with one icon
selected, so that the status bar reads it out; the picture is the window alone, as a PNG.
Run by scripts/screenshot.sh, which sets up Wine and Xvfb:
    python3 scripts/screenshot.py <picture.png>
It drives the program with the end-to-end tests' helpers (GLYPHBAY_EXE, GLYPHBAY_PROBE)."""

import os
import shutil
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
import glyphbay_e2e as e2e  # noqa: E402

FOLDER = "C:\\windows\\system32"
# Wine's system folder holds about 220 icons; fewer means the scan did not run there.
ENOUGH_ICONS = 100


def listing_of_folder(program):
    """The program's state once its list holds the icons of FOLDER, else None."""
    state = program.state()
    items = e2e.list_items(state) if state else []
    prefix = FOLDER.lower() + "\\"
    if len(items) >= ENOUGH_ICONS and all(path.lower().startswith(prefix) for _, path in items):
        return state
    return None


def selection_of(program, item):
    """The program's state once item is the icon list's selection, else None."""
    state = program.state()
    return state if state.get("list.selection") == str(item) else None


def cell_to_select(state):
    """A cell that shows whole, towards the middle of the list, of an icon after a file's first,
    so that the read-out shows the index too."""
    cells = e2e.visible_cells(state, whole=True)
    items = dict(enumerate(e2e.list_items(state)))
    later_icons = sorted(i for i in cells if items[i][0] > 0) or sorted(cells)
    return later_icons[len(later_icons) // 2], cells


def main(picture):
    program = e2e.Program()
    try:
        program.start()
        program.show_typed_folder(FOLDER)
        state = e2e.wait_for(lambda: listing_of_folder(program), 60, "the icons of " + FOLDER)
        item, cells = cell_to_select(state)
        x, y, width, height = cells[item]
        program.click(x + width // 2, y + height // 2)
        state = e2e.wait_for(lambda: selection_of(program, item), 20,
                             "the selection of cell %d" % item)
        # The window has no frame under Xvfb: the picture is the dialog's client area.
        subprocess.run(["import", "-window", program.window, "-strip",
                        "-define", "png:compression-level=9", picture], check=True, timeout=60)
        status = e2e.unescape(state.get("control.120.text", "")).strip()
        print("screenshot: %s, %d icons listed, status bar: %s" % (
            picture, len(e2e.list_items(state)), status))
        program.key("Escape")
        program.wait_exit()
    finally:
        program.kill()
        shutil.rmtree(program.folder, True)


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit("usage: python3 scripts/screenshot.py <picture.png>")
    main(sys.argv[1])
