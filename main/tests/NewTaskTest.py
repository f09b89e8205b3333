#!/usr/bin/env python3
"""Tavrin.exe under Wine against the simulator, driven with the mouse and the
keyboard: 新建任务 opens the new-task window, an address typed or copied from
another program is parsed and the file list fills; 在线播放 on a row opens the
player library's window over the disabled start window. Screenshots are kept."""

import os
import shutil
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "tools"))
from wine_program import (LONG_WAIT, SimulatorTestCase, WindowProbe, click, end_program,  # noqa: E402
                          move_mouse_away, run_tests, simulator_test_arguments, wait_for, wait_until)

ARGS = None
START = "TavrinV1.0"
NEW_TASK = "新建一个网页视频解析任务"
ADDRESS = "http://v.example.cn/show/42.html"
# The start window dragged by its title, so that the player at (50, 50) leaves it partly visible.
MOVED_BY = (220, 240)


class NewTaskTest(SimulatorTestCase):
    def setUp(self):
        super().setUp()
        self.folder = tempfile.mkdtemp(prefix="tavrin-newtask-")
        for name in ("Tavrin.exe", "Play.dll"):
            shutil.copy(os.path.join(ARGS.program_dir, name), self.folder)
        self.probe = WindowProbe(ARGS.wine_run, ARGS.probe)
        self.program = subprocess.Popen([ARGS.wine_run, os.path.join(self.folder, "Tavrin.exe")],
                                        cwd=self.folder, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        wait_until("the user lookup", lambda: self.count("/VelkDown/index.Asp?A=GetuSer") > 0,
                   detail=self.sim.state.log_json)

    def tearDown(self):
        end_program(ARGS.wine_run, self.program)
        shutil.rmtree(self.folder, ignore_errors=True)

    def count(self, prefix):
        return len(self.sim.state.matching(prefix.encode("gbk")))

    def shot(self, name):
        subprocess.run(["import", "-window", "root", os.path.join(ARGS.shots, name)], check=False)

    def forms(self):
        """The program's visible windows: (enabled, caption, texts of the controls), read from outside."""
        return [(f.enabled, f.caption, [c.text for c in f.controls if c.text]) for f in self.probe.look().forms]

    def open_new_task(self):
        """Clicks 新建任务 on the start window's toolbar; the new-task window once it takes input."""
        button = self.probe.wait_until("新建任务 on the start window", lambda look: (
            (f := look.form(START)) and f.enabled and (i := f.item("新建任务")) and i.enabled and i))
        click(button.rect.centre)
        return self.probe.wait_for_form(NEW_TASK)

    @staticmethod
    def address_box(look):
        """The new-task window's box beside 地址： (an edit box has no text to be found by), or None."""
        return (f := look.form(NEW_TASK)) and f.beside("地址：")

    def parse(self):
        """Clicks 开始解析; waits until the list is filled and every row has its size."""
        click(self.probe.wait_for_form(NEW_TASK).control("开始解析").rect.centre)

        def sized_rows(look):
            rows = (f := look.form(START)) and f.enabled and f.rows
            return rows if len(rows or []) == 3 and all(cells[3].strip() not in ("", "计算中") for _, cells in rows) \
                else None
        return self.probe.wait_until("three rows with their sizes", sized_rows)

    def type_address_and_parse(self):
        click(self.probe.wait_until("the address box", self.address_box).rect.centre)
        self.probe.wait_until("the keyboard focus in the address box",
                              lambda look: (box := self.address_box(look)) and box.focused)
        subprocess.run(["xdotool", "type", "--delay", "20", ADDRESS], check=False)
        self.probe.wait_until("the typed address in its box",
                              lambda look: (box := self.address_box(look)) and box.text == ADDRESS)
        return self.parse()

    def test_typed_address_fills_the_list(self):
        self.open_new_task()
        self.shot("new-task-window.png")
        rows = self.type_address_and_parse()
        self.assertEqual(self.count("/VelkDown/index.Asp?A=GetDown&uLei=0&uLei1=1&uUrl=http://v.example.cn/show/42.html"
                                    "&uCpu="), 1)
        # Three rows named by the reply's order, each with its video address,
        # a size from its probe and the typed page address.
        got = [cells for _, cells in rows]
        self.assertTrue(all(len(row) == 6 for row in got), got)
        self.assertEqual([row[0] for row in got], ["1", "2", "3"], got)
        self.assertEqual([row[1] for row in got], ["[1].flv", "[2].flv", "[3].flv"], got)
        self.assertTrue(all("/video/" in row[2] for row in got), got)
        self.assertEqual([row[5] for row in got], ["http://v.example.cn/show/42.html"] * 3, got)
        self.shot("filled-list.png")
        self.assertIsNone(self.program.poll())

    def test_address_copied_in_another_program(self):
        self.open_new_task()
        # Another program puts the address on the clipboard.
        subprocess.run([ARGS.wine_run, ARGS.copy_text, "http://v.example.cn/copied.html"],
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=False, timeout=LONG_WAIT)
        self.probe.wait_until("the copied address in the address box", lambda look: (
            (box := self.address_box(look)) and box.text == "http://v.example.cn/copied.html"))
        self.parse()
        self.assertEqual(self.count("/VelkDown/index.Asp?A=GetDown&uLei=0&uLei1=1&uUrl=http://v.example.cn/copied.html"),
                         1, self.sim.state.log_json())

    def drag_start_window(self, by):
        """Drags the start window by its title bar with the mouse, as a user would, in two steps."""
        start = self.probe.wait_for_form(START)
        grip = (start.rect.left + 150, start.rect.top + 10)
        subprocess.run(["xdotool", "mousemove", str(grip[0]), str(grip[1]), "mousedown", "1"], check=False)
        self.probe.wait_until("the start window to be taken by its title", lambda look: look.form(START).moving)
        for step in (2, 1):
            shift = (by[0] // step, by[1] // step)
            subprocess.run(["xdotool", "mousemove", str(grip[0] + shift[0]), str(grip[1] + shift[1])], check=False)
            at = (start.rect.left + shift[0], start.rect.top + shift[1])
            self.probe.wait_until(f"the start window to follow the mouse to {at}",
                                  lambda look: (look.form(START).rect.left, look.form(START).rect.top) == at)
        subprocess.run(["xdotool", "mouseup", "1"], check=False)
        return self.probe.wait_until("the start window to be put down", lambda look: (
            (f := look.form(START)) and not f.moving and f))

    def choose_from_row_menu(self, first_cell, item):
        """Right-clicks the row and clicks the item of the pop-up menu."""
        row = self.probe.wait_until(f"row {first_cell}", lambda look: look.form(START).row(first_cell))
        click(row[0].centre, button=3)
        choice = self.probe.wait_until(f"{item} in the row's menu", lambda look: look.menu_item(item))
        click(choice.rect.centre)

    def test_play_opens_the_player_over_the_disabled_start_window(self):
        self.open_new_task()
        self.type_address_and_parse()
        self.drag_start_window(MOVED_BY)
        self.choose_from_row_menu("1", "在线播放")
        # No Flash control answers here: the movie counts as stopped.
        player = "正在播放 [1].flv"
        self.probe.wait_until("the player stopped on [1].flv", lambda look: (
            (f := look.form(player)) and f.control("停止播放 [1].flv")))
        self.assertEqual(self.probe.look().form(START).enabled, False,
                         "the start window is disabled while the player is open")
        move_mouse_away()
        self.shot("player-over-start-window.png")

        # One player at a time: the start window's menu cannot be had meanwhile
        # (a check that nothing comes, so within a short span).
        row = self.probe.look().form(START).row("2")[0]
        click((row.right - 20, row.centre[1]), button=3)  # right of the player
        self.assertFalse(wait_for(lambda: self.probe.look().menu, 2), "a menu of the disabled start window")
        self.assertEqual([f[:2] for f in self.forms()], [(True, player), (False, START)])

        click(self.probe.wait_for_form(player).control("退出").rect.centre)
        self.probe.wait_until("the player to close and the start window to take input again",
                              lambda look: [(f.enabled, f.caption) for f in look.forms] == [(True, START)])
        self.assertIsNone(self.program.poll())


def main():
    global ARGS
    ARGS, argv = simulator_test_arguments("--copy-text")
    run_tests(argv)


if __name__ == "__main__":
    main()
