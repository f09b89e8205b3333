#!/usr/bin/env python3
"""Tavrin.exe itself under Wine against the service simulator on the port its
build constants name: what it asks the service at start, the update notice,
the advertisement panel. Screenshots are kept as artefacts."""

import os
import shutil
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "tools"))
from wine_program import (SimulatorTestCase, WindowProbe, answer_boxes_until_ended, end_program,  # noqa: E402
                          run_tests, simulator_test_arguments, wait_until)

ARGS = None


class ProgramStartTest(SimulatorTestCase):
    def setUp(self):
        super().setUp()
        # A copy of the program's folder, so that every start is a first start.
        self.folder = tempfile.mkdtemp(prefix="tavrin-start-")
        shutil.copy(os.path.join(ARGS.program_dir, "Tavrin.exe"), self.folder)
        self.probe = WindowProbe(ARGS.wine_run, ARGS.probe)
        self.program = None

    def tearDown(self):
        if self.program:
            end_program(ARGS.wine_run, self.program)
        shutil.rmtree(self.folder, ignore_errors=True)

    def start(self):
        self.program = subprocess.Popen([ARGS.wine_run, os.path.join(self.folder, "Tavrin.exe")],
                                        cwd=self.folder, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def count(self, prefix):
        return len(self.sim.state.matching(prefix.encode("gbk")))

    def shot(self, name):
        subprocess.run(["import", "-window", "root", os.path.join(ARGS.shots, name)], check=False)

    def uid(self):
        with open(os.path.join(self.folder, "Config.ini"), "rb") as f:
            text = f.read().decode("gbk")
        return text.split("Uid=", 1)[1].split("\r\n", 1)[0]

    def test_start_asks_the_service_with_the_machine_id(self):
        self.start()
        wait_until("the user lookup", lambda: self.count("/VelkDown/index.Asp?A=GetuSer") > 0,
                   detail=self.sim.state.log_json)
        order = [e.target.decode("latin-1") for e in self.sim.state.matching(b"/")]
        self.assertEqual(order[:3], ["/online", "/boot.html", "/VelkDown/up/sj.txt"])
        uid = self.uid()
        self.assertTrue(uid)
        self.assertEqual(order[3], "/VelkDown/index.Asp?A=GetuSer&uCpu=" + uid)
        self.assertTrue(os.path.isdir(os.path.join(self.folder, "Down")))
        self.probe.wait_for_form("TavrinV1.0")
        self.shot("start-window.png")
        self.assertIsNone(self.program.poll(), "the program should keep running")

    def test_a_newer_version_shows_the_notice_opens_the_page_and_ends(self):
        self.sim.state.apply({"版本": "1.01"})
        self.start()
        notice = self.probe.wait_until("the update notice", lambda look: look.boxes)
        self.assertEqual(notice, [("提示：", "软件有重要更新！请使用新版本。修复了一些问题。")])
        self.shot("update-notice.png")
        # The user presses OK on the notice.
        self.assertTrue(answer_boxes_until_ended(ARGS.wine_run, ARGS.probe, self.program),
                        "the program did not end after the notice")
        self.assertEqual(self.program.returncode, 0)
        wait_until("the browser's request for the download page", lambda: self.count("/download.html") > 0,
                   detail=self.sim.state.log_json)
        self.assertEqual(self.count("/VelkDown/index.Asp"), 0)

    def test_an_advertisement_grows_the_window_and_loads_the_page(self):
        self.sim.state.apply({"广告": self.sim.url + "ad.html"})
        self.start()
        wait_until("the browser's request for the advertisement", lambda: self.count("/ad.html") > 0,
                   detail=self.sim.state.log_json)
        self.probe.wait_until("the start window grown for the advertisement",
                              lambda look: (f := look.form("TavrinV1.0")) and f.rect.size[1] >= 450)
        self.shot("advertisement.png")
        self.assertIsNone(self.program.poll())


def main():
    global ARGS
    ARGS, argv = simulator_test_arguments()
    run_tests(argv)


if __name__ == "__main__":
    main()
