"""Partial downloads beside intact files: the program starts on such a folder, draws every intact
icon (those after the damaged files too), rescans it on Enter and ends with exit code 0."""

import configparser
import os
import shutil
import tempfile
import unittest

from glyphbay_e2e import (FIXTURES, ProgramTest, fixture_colour, list_items, visible_cells,
                          wait_for, windows_path)

WHITE = (255, 255, 255)

# Files listed in name order: intact ones before and after the damaged ones.
INTACT = {"a_three.dll": ("icons3.dll", 0, 3), "b_hue.dll": ("hue101.dll", 101, 1),
          "y_hue.dll": ("hue102.dll", 102, 1), "z_three.dll": ("icons3.dll", 0, 3)}
# Cut at the end of the headers (the count faults in Wine's reader) and inside the resources
# (each extraction faults), and three cuts that the reader reads safely.
DAMAGED = {"m_body.dll": "partial_body.dll", "m_cut.dll": "partial_resources.dll",
           "m_dos.dll": "partial_dos.dll", "m_pe.dll": "partial_pe.dll",
           "m_sections.dll": "partial_sections.dll"}


class DamagedFiles(ProgramTest):
    def make_folder(self):
        folder = tempfile.mkdtemp(prefix="glyphbay-e2e-damaged-")
        self.addCleanup(shutil.rmtree, folder, True)
        for name, (fixture, _, _) in INTACT.items():
            shutil.copy(os.path.join(FIXTURES, fixture), os.path.join(folder, name))
        for name, fixture in DAMAGED.items():
            shutil.copy(os.path.join(FIXTURES, fixture), os.path.join(folder, name))
        return folder

    def check_drawn(self, state, folder):
        """Every cell that shows whole: an intact file's icon in its own colour, a damaged
        file's cell blank."""
        image = self.program.window_image()
        items = list_items(state)
        cells = visible_cells(state, whole=True)
        self.assertEqual(len(cells), len(items), "every cell shows")
        for item, (x, y, _, _) in cells.items():
            index, path = items[item]
            name = path.rsplit("\\", 1)[1]
            if name in INTACT:
                colour = fixture_colour(INTACT[name][1] + index)
            else:
                colour = WHITE
            self.assertEqual(image.pixel(x + 25, y + 25), colour, "cell %d, %s" % (item, name))

    def test_starts_on_partial_downloads_draws_every_intact_icon_and_rescans(self):
        folder = self.make_folder()
        shown = windows_path(folder)
        program = self.program
        with open(program.settings_file, "w", newline="") as f:
            f.write("[Dir]\r\n0=%s\r\n" % shown)

        program.start()
        state = program.state()
        items = list_items(state)
        names = [path.rsplit("\\", 1)[1] for _, path in items]
        for name, (_, _, count) in INTACT.items():
            self.assertEqual(names.count(name), count, name)
        self.assertEqual(names.count("m_body.dll"), 0)
        self.assertLessEqual(names.count("m_cut.dll"), 3)
        self.assertEqual(set(names) - set(INTACT) - {"m_cut.dll"}, set())
        first_damaged = names.index("m_cut.dll") if "m_cut.dll" in names else len(names)
        self.assertIn("y_hue.dll", names[first_damaged:], "an intact file after the damaged ones")
        program.screenshot("damaged_files_start.png")
        self.check_drawn(state, folder)

        # Enter in the folder box shows the folder afresh: the file removed meanwhile is gone.
        os.remove(os.path.join(folder, "z_three.dll"))
        program.key("Tab", "Tab")  # Browse -> Info -> folder box
        program.key("Return")
        state = wait_for(lambda: (lambda s: s if len(s.get("list.count", "")) and
                                  int(s["list.count"]) == len(items) - 3 else None)(
            program.state()), 20, "the rescanned folder")
        self.check_drawn(state, folder)

        program.key("Escape")
        self.assertEqual(program.wait_exit(), 0)
        parser = configparser.ConfigParser(interpolation=None)
        with open(program.settings_file, encoding="latin-1") as f:
            parser.read_string(f.read())
        self.assertEqual(dict(parser["Dir"]), {"0": shown})


if __name__ == "__main__":
    unittest.main()
