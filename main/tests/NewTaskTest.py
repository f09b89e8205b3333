#!/usr/bin/env python3
"""Tavrin.exe under Wine against the simulator, driven with the mouse and the
keyboard: 新建任务 opens the new-task window, an address typed or copied from
another program is parsed and the file list fills. Screenshots are kept."""

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
import simulator  # noqa: E402
from WineProgram import end_program, wait_for  # noqa: E402

ARGS = None
# Screen points of the start window at (50, 50) under the virtual desktop.
NEW_TASK = (95, 100)
ADDRESS_BOX = (287, 131)
PARSE_BUTTON = (179, 214)


def click(point):
    subprocess.run(["xdotool", "mousemove", str(point[0]), str(point[1]), "click", "1"], check=False)


def window_open(title):
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", title], capture_output=True, text=True)
    return bool(found.stdout.strip())


class NewTaskTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.sim = simulator.start_simulator(port=ARGS.port)
        os.makedirs(ARGS.shots, exist_ok=True)

    @classmethod
    def tearDownClass(cls):
        cls.sim.stop()

    def setUp(self):
        self.sim.state.reset()
        self.folder = tempfile.mkdtemp(prefix="tavrin-newtask-")
        shutil.copy(os.path.join(ARGS.program_dir, "Tavrin.exe"), self.folder)
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

    def parsed_and_probed(self):
        # One size probe per row once the list is filled.
        return wait_for(lambda: self.count("/video/") >= 3, 20)

    def test_typed_address_fills_the_list(self):
        self.open_new_task()
        self.shot("new-task-window.png")
        click(ADDRESS_BOX)
        subprocess.run(["xdotool", "type", "--delay", "20", "http://v.example.cn/show/42.html"], check=False)
        click(PARSE_BUTTON)
        self.assertTrue(self.parsed_and_probed(), self.sim.state.log_json())
        self.assertEqual(self.count("/VelkDown/index.Asp?A=GetDown&uLei=0&uLei1=1&uUrl=http://v.example.cn/show/42.html"
                                    "&uCpu="), 1)
        time.sleep(1)
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


def main():
    global ARGS
    parser = argparse.ArgumentParser()
    parser.add_argument("--program-dir", required=True)
    parser.add_argument("--wine-run", required=True)
    parser.add_argument("--port", type=int, required=True)
    parser.add_argument("--shots", required=True)
    parser.add_argument("--copy-text", required=True)
    ARGS, rest = parser.parse_known_args()
    unittest.main(argv=[sys.argv[0]] + rest, verbosity=2)


if __name__ == "__main__":
    main()
