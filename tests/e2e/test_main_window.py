"""The program starts, lists the Windows directory, shows a typed folder and ends on Escape."""

import os
import shutil
import tempfile
import unittest

from glyphbay_e2e import FIXTURES, ProgramTest, list_items, wait_for, windows_path


class MainWindow(ProgramTest):
    def test_starts_lists_a_typed_folder_and_ends_with_exit_code_0(self):
        program = self.program.start()
        state = program.state()
        self.assertEqual(state["control.101.text"], "C:\\\\windows")
        self.assertEqual(state["control.120.text"], "GlyphBay  -  Freeware  -  www.glyphbay.example")
        self.assertGreater(int(state["list.count"]), 0)
        self.assertEqual(state["focus"], "102")
        program.screenshot("main_window_start.png")

        folder = tempfile.mkdtemp(prefix="glyphbay-e2e-icons-")
        self.addCleanup(shutil.rmtree, folder, True)
        shutil.copy(os.path.join(FIXTURES, "icons3.dll"), os.path.join(folder, "three.dll"))

        program.key("Tab", "Tab")  # Browse -> Info -> folder box
        program.key("ctrl+a")
        program.type(windows_path(folder))
        program.key("Return")
        state = wait_for(lambda: (lambda s: s if s.get("list.count") == "3" else None)(program.state()),
                         20, "the typed folder's three icons")
        expected = windows_path(os.path.join(folder, "three.dll"))
        self.assertEqual(list_items(state), [(0, expected), (1, expected), (2, expected)])
        program.screenshot("main_window_typed_folder.png")

        program.key("Escape")
        self.assertEqual(program.wait_exit(), 0)


if __name__ == "__main__":
    unittest.main()
