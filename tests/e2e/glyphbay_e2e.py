"""Drives the real GlyphBay under Wine and Xvfb like a person: keys, clicks, screenshots."""

import os
import re
import shutil
import subprocess
import tempfile
import time
import unittest

EXE = os.environ.get("GLYPHBAY_EXE", "")
FAILING_ALLOC = os.environ.get("GLYPHBAY_FAILING_ALLOC", "")
PROBE = os.environ.get("GLYPHBAY_PROBE", "")
FIXTURES = os.environ.get("GLYPHBAY_FIXTURES", "")
ARTIFACTS = os.environ.get("GLYPHBAY_ARTIFACTS", tempfile.gettempdir())


def windows_path(unix_path):
    """The path under which Wine's programs see a Unix path (drive Z: is the Unix root)."""
    return "Z:" + os.path.abspath(unix_path).replace("/", "\\")


def probe(title="GlyphBay", redraw=False):
    """The state of the dialog with this title, as the probe prints it; {} when there is none.
    redraw: the probe first has the whole window painted afresh."""
    options = ["--redraw"] if redraw else []
    out = subprocess.run(["wine", PROBE, *options, title], capture_output=True, timeout=60)
    state = {}
    for line in out.stdout.decode("utf-8", "replace").splitlines():
        key, sep, value = line.partition("=")
        if sep:
            state[key.strip()] = value.rstrip("\r")
    return state if state.get("found") == "1" else {}


def numbers(state, key):
    """A value of the probe that holds numbers, such as "control.105.rect" or "client"."""
    return tuple(int(v) for v in state[key].split(","))


def unescape(text):
    """A probe value as the program holds it (the probe escapes backslashes and line breaks)."""
    return re.sub(r"\\(.)", lambda m: {"n": "\n", "r": "\r"}.get(m.group(1), m.group(1)), text)


def folder_entries(state):
    """The folder box's entries (the folder history), in order."""
    return [unescape(state["folder.item.%d" % i]) for i in range(int(state.get("folder.count", "0")))]


def list_items(state):
    """The icon list's items as (index, path) pairs."""
    items = []
    for i in range(int(state.get("list.count", "0"))):
        index, _, path = state["list.item.%d" % i].partition(" ")
        items.append((int(index), path.replace("\\\\", "\\")))
    return items


def rect(state, key):
    """A rectangle that the probe printed, as (x, y, width, height)."""
    return tuple(int(v) for v in state[key].split(","))


def visible_cells(state, whole=False):
    """The icon list's cells that show (whole: only those that show whole), as
    {item: (x, y, width, height)} in client coordinates."""
    lx, ly, lw, lh = rect(state, "list.client")
    cells = {}
    for key in state:
        if key.startswith("list.cell."):
            x, y, w, h = rect(state, key)
            if not whole or (x >= lx and y >= ly and x + w <= lx + lw and y + h <= ly + lh):
                cells[int(key.split(".")[2])] = (x, y, w, h)
    return cells


def fixture_colour(k):
    """The colour of every pixel of icon k of the fixture DLLs, as (R, G, B)."""
    return (k & 0xFF, (k >> 8) & 0xFF, 0xA5)


class Image:
    """A picture's pixels, read from a binary PPM (P6, 8 bits a channel)."""

    def __init__(self, ppm):
        fields = ppm.split(maxsplit=4)  # P6, width, height, maximum value, the pixels
        if fields[0] != b"P6" or fields[3] != b"255":
            raise AssertionError("not an 8-bit PPM picture")
        self.width, self.height = int(fields[1]), int(fields[2])
        self.pixels = ppm[len(ppm) - 3 * self.width * self.height:]

    def pixel(self, x, y):
        i = 3 * (y * self.width + x)
        return tuple(self.pixels[i:i + 3])

    def differing_pixels(self, other):
        """How many pixels differ from those of a picture of the same size."""
        if (self.width, self.height) != (other.width, other.height):
            raise AssertionError("pictures of different sizes")
        a, b = self.pixels, other.pixels
        return sum(a[i:i + 3] != b[i:i + 3] for i in range(0, len(a), 3))

    def save(self, path):
        with open(path, "wb") as out:
            out.write(b"P6\n%d %d\n255\n" % (self.width, self.height) + self.pixels)
        return path


def xdotool(*args, check=True):
    out = subprocess.run(["xdotool", *args], capture_output=True, text=True, timeout=60)
    if check and out.returncode != 0:
        raise AssertionError("xdotool %s failed: %s" % (" ".join(args), out.stderr))
    return out.stdout.strip()


def wait_for(condition, timeout=20.0, what="a condition"):
    deadline = time.monotonic() + timeout
    while True:
        result = condition()
        if result:
            return result
        if time.monotonic() > deadline:
            raise AssertionError("timed out waiting for " + what)
        time.sleep(0.2)


class Program:
    """One run of the program, copied with its own folder so that its settings file is its own.
    exe: the executable to copy (the program by default)."""

    def __init__(self, folder=None, exe=None):
        self.folder = folder or tempfile.mkdtemp(prefix="glyphbay-e2e-")
        exe = exe or EXE
        self.name = os.path.basename(exe)
        self.exe = os.path.join(self.folder, self.name)
        if not os.path.exists(self.exe):
            shutil.copy(exe, self.exe)
        self.process = None
        self.window = None

    @property
    def settings_file(self):
        return os.path.join(self.folder, "glyphbay.ini")

    def start(self, title="GlyphBay", env=None):
        """Starts the program; env adds to or replaces variables of this process's environment."""
        self.process = subprocess.Popen(
            ["wine", self.exe], stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL, env={**os.environ, **(env or {})})
        self.window = wait_for(lambda: self.find_window(title), 60, "the window " + title)
        wait_for(lambda: probe(title), 30, "the dialog " + title)
        self.focus()
        return self

    def find_window(self, title):
        out = xdotool("search", "--onlyvisible", "--name", "^%s$" % title, check=False)
        return out.splitlines()[0] if out else None

    def focus(self, window=None):
        xdotool("windowfocus", "--sync", window or self.window, check=False)
        time.sleep(0.3)

    def key(self, *keys):
        xdotool("key", "--delay", "80", *keys)
        time.sleep(0.5)

    def type(self, text):
        xdotool("type", "--delay", "20", text)
        time.sleep(0.3)

    def click(self, x, y, window=None):
        """Clicks at (x, y) in the window's own coordinates (its frame included)."""
        xdotool("mousemove", "--window", window or self.window, str(x), str(y))
        xdotool("click", "1")
        time.sleep(0.5)

    def screenshot(self, name):
        path = os.path.join(ARTIFACTS, name)
        subprocess.run(["import", "-window", "root", path], check=True, timeout=60)
        return path

    def window_image(self):
        """The window's pixels as they show now; the window has no frame, so (x, y) of the
        picture are client coordinates."""
        out = subprocess.run(["import", "-window", self.window, "-depth", "8", "ppm:-"], capture_output=True,
                             check=True, timeout=60)
        return Image(out.stdout)

    def settled_image(self):
        """The window's pixels once they stay the same for a moment: the program paints, and
        Wine shows what it painted, a little after the message that caused it."""
        image = self.window_image()
        for _ in range(20):
            time.sleep(0.3)
            later = self.window_image()
            if later.pixels == image.pixels:
                break
            image = later
        return image

    def repainted_image(self):
        """The window's pixels after everything in it has been painted afresh."""
        if not probe(redraw=True):
            raise AssertionError("no window to repaint")
        return self.settled_image()

    def show_typed_folder(self, folder):
        """Types folder into the folder box's field and presses Enter."""
        x, y, width, height = rect(self.state(), "control.101.rect")
        self.click(x + width // 3, y + height // 2)
        self.key("End", "shift+Home")  # the edit field knows no select-all key
        self.type(folder)
        self.key("Return")

    def state(self, title="GlyphBay"):
        return probe(title)

    def wait_exit(self, timeout=30):
        return self.process.wait(timeout=timeout)

    def kill(self):
        if self.process and self.process.poll() is None:
            subprocess.run(["wine", "taskkill", "/f", "/im", self.name],
                           capture_output=True, timeout=60)
            try:
                self.process.wait(timeout=20)
            except subprocess.TimeoutExpired:
                self.process.kill()


class Picture:
    """The pixels of a screenshot, read through ImageMagick."""

    def __init__(self, path):
        data = subprocess.run(["convert", path, "-depth", "8", "ppm:-"], capture_output=True,
                              check=True, timeout=60).stdout
        _, size, _, self.data = data.split(b"\n", 3)  # "P6", "width height", "255", pixels
        self.width, self.height = (int(v) for v in size.split())

    def pixel(self, x, y):
        i = (y * self.width + x) * 3
        return tuple(self.data[i:i + 3])


class ProgramTest(unittest.TestCase):
    """Runs each test with a fresh copy of the program (or of exe), ended again however the test
    ends."""

    exe = None

    def setUp(self):
        if not (EXE and PROBE and os.environ.get("DISPLAY")):
            self.fail("needs GLYPHBAY_EXE, GLYPHBAY_PROBE and an X display (scripts/test.sh sets them)")
        self.program = Program(exe=self.exe)
        self.addCleanup(shutil.rmtree, self.program.folder, True)
        self.addCleanup(self.program.kill)
