"""An error in a message handler is reported once in a task-modal box and ends the program with
exit code 1, without saving the folder history. The program under test is GlyphBay with a shell
allocator that gives no memory, so Browse fails."""

import os
import shutil
import tempfile
import unittest

from glyphbay_e2e import FAILING_ALLOC, ProgramTest, probe, unescape, wait_for, windows_path

WS_DISABLED = 0x08000000


class ErrorReport(ProgramTest):
    exe = FAILING_ALLOC

    def test_a_failed_allocation_is_reported_and_ends_the_program_with_exit_code_1(self):
        empty = tempfile.mkdtemp(prefix="glyphbay-e2e-empty-")
        self.addCleanup(shutil.rmtree, empty, True)
        # Key 3 follows a gap, so any save would drop it: the file shows whether the run saved.
        settings = ("[Dir]\r\n0=%s\r\n1=c:\\windows\r\n3=c:\\gone\r\n" % windows_path(empty)).encode()
        with open(self.program.settings_file, "wb") as f:
            f.write(settings)

        program = self.program.start()
        program.key("space")  # the focus starts on Browse
        box = wait_for(lambda: program.find_window("Application Error"), 20, "the error report")
        report = wait_for(lambda: probe("Application Error"), 30, "the report's controls")
        self.assertRegex(unescape(report["control.65535.text"]),
                         r"\AException Exception in module failing_alloc\.exe at [0-9A-F]{8,16}\.\n"
                         r"Memory alloc failed\.\Z")
        buttons = [k for k, v in report.items() if k.endswith(".class") and v == "Button"]
        self.assertEqual(buttons, ["control.1.class"])  # OK only
        # Task-modal: the main dialog takes no input while the report is open.
        self.assertTrue(int(probe()["style"], 16) & WS_DISABLED)
        program.screenshot("error_report.png")

        program.focus(box)
        program.key("Return")
        self.assertEqual(program.wait_exit(), 1)
        with open(program.settings_file, "rb") as f:
            self.assertEqual(f.read(), settings)


if __name__ == "__main__":
    unittest.main()
