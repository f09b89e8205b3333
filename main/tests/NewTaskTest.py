#!/usr/bin/env python3
"""Tavrin.exe under Wine against the simulator, driven with the mouse and the
keyboard: 新建任务 opens the new-task window, an address typed or copied from
another program is parsed and the file list fills; 在线播放 on a row opens the
player library's window over the disabled start window. Screenshots are kept."""

import argparse
import os
import shutil
import subprocess
import sys
import tempfile
import time
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "tools"))
from wine_program import SimulatorTestCase, end_program, wait_for  # noqa: E402

ARGS = None
# Screen points of the start window at (50, 50) under the virtual desktop.
NEW_TASK = (95, 100)
ADDRESS_BOX = (287, 131)
PARSE_BUTTON = (179, 214)
START_TITLE = (200, 61)
# The start window dragged by (220, 240), so that the player at (50, 50) leaves it partly visible.
MOVED_BY = (220, 240)
MOVED_ROW_1 = (350, 396)
PLAY_ITEM = (42, 54)  # 在线播放 from where the pop-up menu was asked for
PLAYER_EXIT = (521, 405)


def click(point, button=1):
    subprocess.run(["xdotool", "mousemove", str(point[0]), str(point[1]), "click", str(button)], check=False)


def move_mouse_away():
    """Moves the mouse off the windows, so that no hover shows in a screenshot."""
    subprocess.run(["xdotool", "mousemove", "800", "700"], check=False)


def drag(start, by):
    subprocess.run(["xdotool", "mousemove", str(start[0]), str(start[1]), "mousedown", "1"], check=False)
    time.sleep(0.3)
    for step in (2, 1):
        subprocess.run(["xdotool", "mousemove", str(start[0] + by[0] // step), str(start[1] + by[1] // step)],
                       check=False)
        time.sleep(0.3)
    subprocess.run(["xdotool", "mouseup", "1"], check=False)
    time.sleep(0.5)


def window_open(title):
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", title], capture_output=True, text=True)
    return bool(found.stdout.strip())


class NewTaskTest(SimulatorTestCase):
    def setUp(self):
        super().setUp()
        self.folder = tempfile.mkdtemp(prefix="tavrin-newtask-")
        for name in ("Tavrin.exe", "Play.dll"):
            shutil.copy(os.path.join(ARGS.program_dir, name), self.folder)
        self.program = subprocess.Popen([ARGS.wine_run, os.path.join(self.folder, "Tavrin.exe")],
                                        cwd=self.folder, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.assertTrue(wait_for(lambda: self.count("/VelkDown/index.Asp?A=GetuSer") > 0, 40))
        time.sleep(1)

    def tearDown(self):
        end_program(ARGS.wine_run, self.program)
        shutil.rmtree(self.folder, ignore_errors=True)

    def count(self, prefix):
        return len(self.sim.state.matching(prefix.encode("gbk")))

    def shot(self, name):
        subprocess.run(["import", "-window", "root", os.path.join(ARGS.shots, name)], check=False)

    def open_new_task(self):
        click(NEW_TASK)
        self.assertTrue(wait_for(lambda: window_open("新建一个网页视频解析任务"), 10))
        time.sleep(0.5)

    def forms(self):
        """The program's visible windows: (enabled, caption, texts of the controls), read from outside."""
        out = subprocess.run([ARGS.wine_run, ARGS.probe], capture_output=True, check=False, timeout=60).stdout
        forms = []
        for line in out.decode("utf-8", "replace").splitlines():
            kind, *fields = line.split("\t")
            if kind == "form":
                forms.append((fields[0] == "1", fields[1], []))
            elif kind == "control" and forms:
                forms[-1][2].append(fields[0])
        return forms

    def form(self, caption):
        return next((f for f in self.forms() if f[1] == caption), None)

    def parsed_and_probed(self):
        # One size probe per row once the list is filled.
        return wait_for(lambda: self.count("/video/") >= 3, 20)

    def type_address_and_parse(self):
        click(ADDRESS_BOX)
        subprocess.run(["xdotool", "type", "--delay", "20", "http://v.example.cn/show/42.html"], check=False)
        click(PARSE_BUTTON)
        self.assertTrue(self.parsed_and_probed(), self.sim.state.log_json())

    def test_typed_address_fills_the_list(self):
        self.open_new_task()
        self.shot("new-task-window.png")
        self.type_address_and_parse()
        self.assertEqual(self.count("/VelkDown/index.Asp?A=GetDown&uLei=0&uLei1=1&uUrl=http://v.example.cn/show/42.html"
                                    "&uCpu="), 1)

        def rows():
            """The start window's list rows as the probe reads them from outside."""
            out = subprocess.run([ARGS.wine_run, ARGS.probe], capture_output=True, check=False, timeout=60).stdout
            return [line.split("\t")[1:] for line in out.decode("utf-8", "replace").splitlines()
                    if line.startswith("row\t")]

        # Three rows named by the reply's order, each with its video address,
        # a size from its probe and the typed page address.
        filled = lambda got: (len(got) == 3 and all(len(row) == 6 for row in got)
                              and all(row[3] not in ("", "计算中") for row in got))
        self.assertTrue(wait_for(lambda: filled(rows()), 30), rows())
        got = rows()
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
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=False, timeout=60)
        time.sleep(1)
        click(PARSE_BUTTON)
        self.assertTrue(self.parsed_and_probed(), self.sim.state.log_json())
        self.assertEqual(self.count("/VelkDown/index.Asp?A=GetDown&uLei=0&uLei1=1&uUrl=http://v.example.cn/copied.html"),
                         1, self.sim.state.log_json())

    def test_play_opens_the_player_over_the_disabled_start_window(self):
        self.open_new_task()
        self.type_address_and_parse()
        time.sleep(1)
        drag(START_TITLE, MOVED_BY)
        click(MOVED_ROW_1, button=3)
        time.sleep(1)
        click((MOVED_ROW_1[0] + PLAY_ITEM[0], MOVED_ROW_1[1] + PLAY_ITEM[1]))
        # No Flash control answers here: the movie counts as stopped.
        player = "正在播放 [1].flv"
        self.assertTrue(wait_for(lambda: "停止播放 [1].flv" in (self.form(player) or (0, 0, []))[2], 20), self.forms())
        self.assertEqual(self.form("TavrinV1.0")[0], False, "the start window is disabled while the player is open")
        move_mouse_away()
        self.shot("player-over-start-window.png")

        # One player at a time: the start window's menu cannot be had meanwhile.
        elsewhere = (MOVED_ROW_1[0] + 250, MOVED_ROW_1[1] + 25)
        click(elsewhere, button=3)
        time.sleep(1)
        click((elsewhere[0] + PLAY_ITEM[0], elsewhere[1] + PLAY_ITEM[1]))
        time.sleep(1)
        self.assertEqual([f[:2] for f in self.forms()], [(True, player), (False, "TavrinV1.0")])

        click(PLAYER_EXIT)
        self.assertTrue(wait_for(lambda: [f[:2] for f in self.forms()] == [(True, "TavrinV1.0")], 10), self.forms())
        self.assertIsNone(self.program.poll())


def main():
    global ARGS
    parser = argparse.ArgumentParser()
    parser.add_argument("--program-dir", required=True)
    parser.add_argument("--wine-run", required=True)
    parser.add_argument("--port", type=int, required=True)
    parser.add_argument("--shots", required=True)
    parser.add_argument("--copy-text", required=True)
    parser.add_argument("--probe", required=True)
    ARGS, rest = parser.parse_known_args()
    SimulatorTestCase.port, SimulatorTestCase.shots = ARGS.port, ARGS.shots
    unittest.main(argv=[sys.argv[0]] + rest, verbosity=2)


if __name__ == "__main__":
    main()
