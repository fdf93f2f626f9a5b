"""scripts/setup.sh run by an ordinary user: it calls no tool that changes the system, and when
something is missing it says what and how to get it in one line and exits non-zero."""

import os
import shutil
import subprocess
import tempfile
import unittest

SETUP = os.environ.get("GLYPHBAY_SETUP", "")
# Tools that install or change the system; stand-ins for them record each call.
SYSTEM_TOOLS = ("apt-get", "apt", "dpkg", "locale-gen")
NOBODY = "65534"


class SetupAsUser(unittest.TestCase):

    def setUp(self):
        if not SETUP:
            self.fail("needs GLYPHBAY_SETUP, the path of scripts/setup.sh")
        # A folder that any user reads, with a copy of the script (the work tree may lie where
        # the user cannot read) and the stand-ins.
        self.folder = tempfile.mkdtemp(prefix="glyphbay-setup-")
        self.addCleanup(shutil.rmtree, self.folder, True)
        os.chmod(self.folder, 0o755)
        self.script = os.path.join(self.folder, "setup.sh")
        shutil.copy(SETUP, self.script)
        self.calls = os.path.join(self.folder, "calls")
        with open(self.calls, "w"):
            pass
        os.chmod(self.calls, 0o666)
        self.bin = os.path.join(self.folder, "bin")
        os.mkdir(self.bin)
        for tool in SYSTEM_TOOLS:
            path = os.path.join(self.bin, tool)
            with open(path, "w") as stand_in:
                stand_in.write('#!/bin/sh\necho "%s $*" >>"%s"\nexit 1\n' % (tool, self.calls))
            os.chmod(path, 0o755)

    def run_setup(self, packages=None, locales=None):
        """Runs the set-up as an ordinary user; packages replaces its package list, locales what
        `locale -a` lists. Gives the run and its lines of output."""
        if locales is not None:
            path = os.path.join(self.bin, "locale")
            with open(path, "w") as stand_in:
                stand_in.write("#!/bin/sh\nprintf '%s\\n'\n" % "\\n".join(locales))
            os.chmod(path, 0o755)
        command = ["bash", self.script]
        if os.getuid() == 0:
            command = ["setpriv", "--reuid=" + NOBODY, "--regid=" + NOBODY, "--clear-groups",
                       *command]
        env = {"PATH": self.bin + ":" + os.environ["PATH"], "HOME": self.folder, "LANG": "C.UTF-8"}
        if packages:
            env["GLYPHBAY_SETUP_PACKAGES"] = packages
        run = subprocess.run(command, capture_output=True, text=True, env=env, timeout=60)
        with open(self.calls) as calls:
            self.assertEqual(calls.read(), "", "the set-up called a tool that changes the system")
        return run, (run.stdout + run.stderr).splitlines()

    def test_names_what_is_missing_and_the_command_for_root_in_one_line(self):
        everything = ["C", "C.utf8", "POSIX", "de_DE.utf8", "en_US.utf8", "ja_JP.utf8"]
        cases = [
            ("a package", "cmake glyphbay-no-such-package", everything,
             ["missing the packages glyphbay-no-such-package;",
              "as root, run: apt-get install --no-install-recommends glyphbay-no-such-package"]),
            ("a locale", "cmake", ["C", "C.utf8", "POSIX", "en_US.utf8"],
             ["missing the locales ja_JP.UTF-8 de_DE.UTF-8;", "as root, run: bash "]),
            ("both", "glyphbay-no-such-package", ["C", "en_US.utf8", "de_DE.utf8"],
             ["missing the packages glyphbay-no-such-package and the locales ja_JP.UTF-8;",
              "as root, run: bash "]),
        ]
        for name, packages, locales, fragments in cases:
            with self.subTest(name):
                run, lines = self.run_setup(packages, locales)
                self.assertNotEqual(run.returncode, 0)
                self.assertEqual(len(lines), 1, lines)
                for fragment in fragments:
                    self.assertIn(fragment, lines[0])

    def test_with_everything_present_goes_on_without_root(self):
        # The full test run has run the set-up as root first, or has found everything present.
        run, lines = self.run_setup()
        self.assertEqual(run.returncode, 0, lines)
        self.assertLessEqual(len(lines), 1, lines)


if __name__ == "__main__":
    unittest.main()
