"""A folder picked with Browse is saved in glyphbay.ini at the end and comes back at the next start."""

import configparser
import os
import shutil
import tempfile
import unittest

from glyphbay_e2e import (FIXTURES, Program, ProgramTest, folder_entries, list_items, probe,
                          wait_for, windows_path)

# The shell's folder picker, as the platform captions it.
PICKER_TITLE = "Browse for Folder"


def lower_letters(text):
    """text with the letters A to Z lower-cased and nothing else changed."""
    return "".join(chr(ord(c) + 0x20) if "A" <= c <= "Z" else c for c in text)


def saved_history(settings_file):
    parser = configparser.ConfigParser(interpolation=None)
    with open(settings_file, encoding="latin-1") as f:
        parser.read_string(f.read())
    return dict(parser["Dir"]) if parser.has_section("Dir") else {}


class FolderHistory(ProgramTest):
    def test_a_folder_picked_with_the_keyboard_is_saved_and_listed_at_the_next_start(self):
        parent = tempfile.mkdtemp(prefix="glyphbay-e2e-pick-")
        self.addCleanup(shutil.rmtree, parent, True)
        icons = os.path.join(parent, "Icons")
        os.mkdir(icons)
        shutil.copy(os.path.join(FIXTURES, "icons3.dll"), os.path.join(icons, "three.dll"))
        # Wine's picker finds the folder it is asked to select only when the access times of the
        # folders on the way stay as it read them; reading the fresh folders once settles them.
        for folder in (os.path.dirname(parent), parent, icons):
            os.listdir(folder)
        picked = lower_letters(windows_path(icons))

        program = self.program
        self.assertFalse(os.path.exists(program.settings_file))
        program.start()
        program.key("Tab", "Tab")  # Browse -> Info -> folder box
        program.key("ctrl+a")
        program.type(windows_path(parent))
        program.key("Tab", "space")  # back to Browse, and press it
        picker = wait_for(lambda: program.find_window(PICKER_TITLE), 20, "the folder picker")
        program.focus(picker)
        # The picker opens at the typed folder with OK focused: into the tree, open the folder,
        # down to its subfolder, and confirm.
        program.key("shift+Tab", "Right", "Down")
        program.screenshot("folder_history_picker.png")
        program.key("Return")
        wait_for(lambda: not program.find_window(PICKER_TITLE), 20, "the picker to close")

        state = wait_for(lambda: (lambda s: s if s.get("list.count") == "3" else None)(probe()),
                         20, "the picked folder's three icons")
        self.assertEqual(folder_entries(state), [picked])
        self.assertEqual(state["folder.selection"], "0")
        self.assertEqual(list_items(state), [(i, picked + "\\three.dll") for i in range(3)])

        program.focus()
        program.key("Escape")
        self.assertEqual(program.wait_exit(), 0)
        self.assertEqual(saved_history(program.settings_file), {"0": picked})

        again = Program(folder=program.folder)
        self.addCleanup(again.kill)
        again.start()
        state = again.state()
        self.assertEqual(folder_entries(state), [picked])
        self.assertEqual(state["folder.selection"], "0")
        self.assertEqual(state["control.101.text"], picked.replace("\\", "\\\\"))
        self.assertEqual(list_items(state), [(i, picked + "\\three.dll") for i in range(3)])
        again.screenshot("folder_history_restart.png")
        again.key("Escape")
        self.assertEqual(again.wait_exit(), 0)


if __name__ == "__main__":
    unittest.main()
