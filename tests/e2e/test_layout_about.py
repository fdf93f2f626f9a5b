"""The main dialog's layout as the window is resized and maximised, and the about box."""

import os
import unittest

from glyphbay_e2e import ARTIFACTS, Picture, ProgramTest, numbers, wait_for, xdotool

FRAME, ICON, TEXT, LIST, STATUS = 105, 106, 107, 104, 120
TOP_ROW = (101, 102, 103)
DRAG_STEP = 5  # pixels between two size changes when the border is dragged


class Layout(ProgramTest):
    def size_to(self, width, height):
        xdotool("windowsize", self.program.window, str(width), str(height))
        return wait_for(lambda: (lambda s: s if numbers(s, "client") == (width, height) else None)(
            self.program.state()), 20, "a client area of %d x %d" % (width, height))

    def maximise(self):
        """Maximises through the system menu (Alt+Space, then Maximise).

        Without a window manager Wine leaves the X window of a maximised window as it was, so
        the screen would show only part of it: the window is first given the maximised size
        and place while restored, and then maximised, which leaves the X window as it is."""
        program = self.program
        program.key("alt+space", "x")
        state = wait_for(lambda: (lambda s: s if s.get("zoomed") == "1" else None)(
            program.state()), 20, "the maximised window")
        (x, y), (width, height) = numbers(state, "client.origin"), numbers(state, "client")
        program.key("alt+space", "r")
        wait_for(lambda: program.state().get("zoomed") == "0", 20, "the restored window")
        xdotool("windowmove", program.window, str(x), str(y))
        self.size_to(width, height)
        program.focus()
        program.key("alt+space", "x")
        return wait_for(lambda: (lambda s: s if s.get("zoomed") == "1" else None)(
            program.state()), 20, "the maximised window")

    def check_layout(self, state, start):
        """The controls stand where the layout puts them for the client area they are in."""
        width, height = numbers(state, "client")
        status_height = numbers(start, "control.%d.rect" % STATUS)[3]
        text = numbers(start, "control.%d.rect" % TEXT)
        listed = numbers(start, "control.%d.rect" % LIST)
        expected = {
            STATUS: (0, height - status_height, width, status_height),
            FRAME: (5, height - 70, width - 10, 45),
            ICON: (15, height - 60, 32, 32),
            TEXT: (60, height - 57, text[2], text[3]),
            LIST: (listed[0], listed[1], width - 10, height - 110),
        }
        for control in TOP_ROW:
            expected[control] = numbers(start, "control.%d.rect" % control)
        for control, rect in expected.items():
            self.assertEqual(numbers(state, "control.%d.rect" % control), rect,
                             "control %d in %d x %d" % (control, width, height))

    def check_screen(self, state, name):
        """The screenshot shows the notice frame's edges and the status bar's top edge where the
        layout puts them, and nothing else between them."""
        picture = Picture(self.program.screenshot(name))
        ox, oy = numbers(state, "client.origin")
        width, height = numbers(state, "client")
        status_height = numbers(state, "control.%d.rect" % STATUS)[3]

        def at(x, y):
            return picture.pixel(ox + x, oy + y)

        background = at(2, height - 40)  # the margin left of the frame

        def marked(x, ys):
            return [y - height for y in ys if at(x, y) != background]

        frame_sides = range(height - 60, height - 27)
        # Left of the icon: the frame's bottom edge (etched, two lines above its bottom at H - 25)
        # and the status bar's top edge, with plain background inside the frame and between.
        self.assertEqual(marked(10, range(height - 62, height - status_height + 1)),
                         [-27, -26, -status_height], name)
        self.assertEqual(marked(5, frame_sides), [y - height for y in frame_sides], name)
        self.assertEqual(marked(3, frame_sides), [], name)
        self.assertEqual(marked(width - 7, frame_sides), [y - height for y in frame_sides], name)
        self.assertEqual(marked(width - 4, frame_sides), [], name)
        self.assertTrue(any(at(x, y) != background for x in range(15, 47)
                            for y in range(height - 60, height - 28)), name + ": the icon")

    def test_panel_and_list_follow_the_window_size_and_maximising(self):
        program = self.program.start()
        start = program.state()
        template_size = numbers(start, "client")
        program.screenshot("layout_start.png")

        for width, height, name in ((700, 560, "layout_larger.png"),
                                    (520, 420, "layout_520x420.png"),
                                    (template_size + ("layout_template_size.png",))):
            state = self.size_to(width, height)
            self.check_layout(state, start)
            self.check_screen(state, name)
        # At the template's own size the frame stands at the template's height.
        self.assertEqual(numbers(state, "control.%d.rect" % FRAME)[1],
                         numbers(start, "control.%d.rect" % FRAME)[1])

        state = self.maximise()
        self.assertGreater(numbers(state, "client")[0], 1000)
        self.check_layout(state, start)
        self.check_screen(state, "layout_maximised.png")

    def drag(self, start, end):
        """Takes the client area from start to end, (width, height) each, in steps of DRAG_STEP
        pixels along the one extent that changes, as dragging a border does; each step has
        reached the program before the next is taken."""
        self.size_to(*start)
        along = 0 if start[0] != end[0] else 1
        step = DRAG_STEP if end[along] > start[along] else -DRAG_STEP
        for extent in range(start[along] + step, end[along] + step, step):
            size = list(start)
            size[along] = extent
            self.size_to(*size)

    def test_dragging_a_border_paints_the_window_as_a_full_repaint_does(self):
        self.program.start()
        for start, end in (((520, 300), (520, 420)), ((520, 420), (520, 300)),
                           ((300, 420), (520, 420)), ((520, 420), (300, 420))):
            name = "drag_%dx%d_to_%dx%d" % (start + end)
            with self.subTest(name):
                self.drag(start, end)
                dragged = self.program.settled_image()
                repainted = self.program.repainted_image()
                differing = dragged.differing_pixels(repainted)
                if differing:
                    dragged.save(os.path.join(ARTIFACTS, name + ".ppm"))
                    repainted.save(os.path.join(ARTIFACTS, name + "_repainted.ppm"))
                self.assertEqual(differing, 0, "pixels unlike a full repaint")


class AboutBox(ProgramTest):
    def open_about_box(self, env=None):
        program = self.program.start(env=env)
        before = program.state()
        program.key("alt+i")
        about = wait_for(lambda: program.state("Glyphbay"), 20, "the about box")
        return before, about

    def close_about_box(self, before):
        program = self.program
        program.key("Escape")
        wait_for(lambda: not program.state("Glyphbay"), 20, "the about box to close")
        after = program.state()
        # Info took the focus when Alt+I clicked it; nothing else changes.
        for state in (before, after):
            state.pop("focus", None)
        self.assertEqual(after, before)

    def test_alt_i_opens_it_and_escape_closes_it(self):
        before, about = self.open_about_box()
        self.assertEqual(about["control.104.text"], "Go Online")
        self.assertEqual(about["control.2.text"], "Continue")
        self.assertEqual(about["focus"], "104")
        # Of the three controls with no id of their own the probe keeps the last, the about text.
        self.assertTrue(about["control.65535.text"].startswith("Glyphbay v1.0\\n"))
        self.program.screenshot("about_box.png")
        self.close_about_box(before)
        self.program.key("Escape")
        self.assertEqual(self.program.wait_exit(), 0)

    def test_on_a_german_system_continue_reads_weiter(self):
        german = {"LANG": "de_DE.UTF-8", "LC_ALL": "de_DE.UTF-8"}
        before, about = self.open_about_box(german)
        self.assertEqual(about["control.2.text"], "&Weiter")
        self.assertEqual(about["control.104.text"], "Go Online")
        self.program.screenshot("about_box_german.png")
        self.close_about_box(before)


if __name__ == "__main__":
    unittest.main()
