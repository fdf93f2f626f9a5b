"""The icon cells on the screen: icons in white cells, the selected one framed, and the status
bar reading out the icon that a click or an arrow key selects."""

import os
import shutil
import tempfile
import unittest

from glyphbay_e2e import FIXTURES, ProgramTest, fixture_colour, visible_cells, wait_for, windows_path

WHITE = (255, 255, 255)


def read_out(index):
    return " many.dll" + (",  Index %d" % index if index > 0 else "")


class IconCells(ProgramTest):
    def wait_for_selection(self, index):
        def selected():
            state = self.program.state()
            return state if state.get("list.selection") == str(index) else None
        state = wait_for(selected, 20, "item %d to be selected" % index)
        self.assertEqual(state["control.120.text"], read_out(index))
        return state

    def check_cells(self, state, selected):
        """Every cell that shows: its own icon 9 pixels in, white around it or, selected, an
        etched frame around a grey face."""
        image = self.program.window_image()
        client = tuple(int(v) for v in state["client"].split(","))
        self.assertEqual((image.width, image.height), client, "the picture is the client area")
        cells = visible_cells(state, whole=True)
        self.assertGreater(len(cells), 8)
        for item, (x, y, width, height) in cells.items():
            self.assertEqual((width, height), (50, 50))
            colour = fixture_colour(item)
            for dx, dy in ((9, 9), (40, 9), (9, 40), (40, 40), (25, 25)):
                self.assertEqual(image.pixel(x + dx, y + dy), colour, "icon of cell %d" % item)
            inside, edge = image.pixel(x + 4, y + 25), image.pixel(x, y + 25)
            corner_outside_icon = image.pixel(x + 8, y + 8)
            if item == selected:
                self.assertNotEqual(inside, WHITE, "face of the selected cell")
                self.assertEqual(len(set(inside)), 1, "face of the selected cell is grey")
                self.assertNotEqual(edge, inside, "frame of the selected cell")
                self.assertEqual(corner_outside_icon, inside)
            else:
                self.assertEqual((inside, edge, corner_outside_icon), (WHITE,) * 3,
                                 "cell %d is white" % item)

    def test_clicks_and_arrow_keys_read_out_the_selected_icon(self):
        folder = tempfile.mkdtemp(prefix="glyphbay-e2e-cells-")
        self.addCleanup(shutil.rmtree, folder, True)
        shutil.copy(os.path.join(FIXTURES, "icons520.dll"), os.path.join(folder, "many.dll"))
        program = self.program.start()
        program.show_typed_folder(windows_path(folder))
        state = wait_for(lambda: (lambda s: s if s.get("list.count") == "520" else None)(
            program.state()), 30, "the folder's 520 icons")

        cells = visible_cells(state)
        rows = sum(1 for (x, _, _, _) in cells.values() if x == cells[0][0])
        x, y, _, _ = cells[1]
        program.click(x + 25, y + 25)
        state = self.wait_for_selection(1)
        program.screenshot("icon_cells_selected.png")
        self.check_cells(state, 1)

        program.key("Down")
        self.wait_for_selection(2)
        program.key("Up", "Up")
        self.wait_for_selection(0)
        program.key("Right")  # one column on
        self.wait_for_selection(rows)
        program.key("End")  # the last cells, among them 511 and 519
        state = self.wait_for_selection(519)
        self.assertIn(511, visible_cells(state))
        self.check_cells(state, 519)
        program.screenshot("icon_cells_end.png")


if __name__ == "__main__":
    unittest.main()
