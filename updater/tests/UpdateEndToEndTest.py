#!/usr/bin/env python3
"""An update from start to end under Wine against the service simulator:
Tavrin.exe finds a newer version, starts Quenlo.exe and ends; Quenlo lists
the files, downloads them on 立即更新, puts them in place and starts the
new main program. The updater's window is read from outside with
WindowProbe.exe. Screenshots are kept as artefacts."""

import os
import shutil
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "tools"))
from wine_program import (SURROGATE, SimulatorTestCase, WindowProbe, answer_boxes_until_ended,  # noqa: E402
                          end_images, run_tests, simulator_test_arguments, wait_for, wait_until)

ARGS = None
WAITING_TEXT = "系统检测到有 2 个文件需更新！ "


def read(path):
    with open(path, "rb") as f:
        return f.read()


class UpdateEndToEndTest(SimulatorTestCase):
    def setUp(self):
        super().setUp()
        # A blank and Chinese in the folder: the programs are started with quoted paths.
        self.root = tempfile.mkdtemp(prefix="tavrin-update-")
        self.folder = os.path.join(self.root, "程序 目录")
        os.makedirs(self.folder)
        for name in ("Tavrin.exe", "Quenlo.exe"):
            shutil.copy(os.path.join(ARGS.program_dir, name), self.folder)
        self.processes = []

    def tearDown(self):
        for p in self.processes:
            if p.poll() is None:
                p.kill()
                p.wait()
        # The updater started by the main program, and the main program started
        # by the updater, are no children of this test.
        end_images(ARGS.wine_run, "Quenlo.exe", "Tavrin.exe", SURROGATE)
        shutil.rmtree(self.root, ignore_errors=True)

    def run_program(self, name, *args):
        p = subprocess.Popen([ARGS.wine_run, os.path.join(self.folder, name), *args], cwd=self.folder,
                             stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.processes.append(p)
        return p

    def probe(self, *command):
        """The updater window's lines (bar text, 标签2, two buttons), or None when it is not there."""
        done = subprocess.run([ARGS.wine_run, ARGS.probe, *command], capture_output=True, check=False)
        if done.returncode != 0:
            return None
        return done.stdout.decode("gbk").replace("\r\n", "\n").split("\n")

    def wait_for_window(self):
        """The probe's lines once the updater's window shows."""
        return wait_until("the updater's window", lambda: self.probe("state"))

    def count(self, prefix):
        return len(self.sim.state.matching(prefix.encode("gbk")))

    def shot(self, name, crop=("-crop", "440x150+45+45")):
        """The screen, by default only where the updater's window stands."""
        subprocess.run(["import", "-window", "root", *crop, os.path.join(ARGS.shots, name)], check=False)

    def test_an_announced_update_replaces_the_files_and_starts_the_new_main_program(self):
        # The new main program: the built one with bytes after its image, which it ignores.
        new_main = read(os.path.join(ARGS.program_dir, "Tavrin.exe")) + b"\0new build"
        served = os.path.join(self.root, "Tavrin.exe")
        with open(served, "wb") as f:
            f.write(new_main)
        new_player = read(os.path.join(ARGS.program_dir, "Play.dll"))
        with open(os.path.join(self.folder, "Play.dll"), "wb") as f:
            f.write(b"old player library")
        self.sim.state.apply({
            "版本": "1.01", "名称": "Tavrin.exe|Play.dll", "后缀": ".upd",
            "sources": {"Tavrin.exe": served,
                        "Play.dll": os.path.join(ARGS.program_dir, "Play.dll")},
            # The second file arrives late, so that the updater is seen at work.
            "faults": {"/VelkDown/up/Play.dll.upd": "stall=2"}})

        main = self.run_program("Tavrin.exe")
        WindowProbe(ARGS.wine_run, ARGS.probe).wait_until("the update notice", lambda look: look.boxes)
        self.assertTrue(answer_boxes_until_ended(ARGS.wine_run, ARGS.probe, main),
                        "the main program did not end after the notice")
        self.assertEqual(main.returncode, 0)
        # The updater reads the list from the folder it was given.
        wait_until("the updater's request for the list", lambda: self.count("/VelkDown/up/sj.txt") >= 2,
                   detail=self.sim.state.log_json)
        self.sim.state.apply({"版本": "1.0"})  # the new main program finds no update

        state = self.wait_for_window()
        self.assertEqual(state[:4], [WAITING_TEXT, "初始化完成，正等待您的指定！", "立即更新|on", "退出|on"])
        self.shot("updater-waiting.png")

        self.probe("click", "0")
        # The second file's answer stalls: the window shows its work meanwhile.
        wait_until("the request for the second file", lambda: self.count("/VelkDown/up/Play.dll.upd") >= 1,
                   detail=self.sim.state.log_json)
        state = wait_until("the updater at work on the second file",
                           lambda: (s := self.probe("state")) and s[0] == "正在更新第 2 个文件， 当前已完成： " and s)
        self.shot("updater-updating.png")
        self.assertRegex(state[1], r"^  文件大小:\d+(\.\d+)?KB  已下载:\d+(\.\d+)?KB  $")
        self.assertEqual(state[2:4], ["正在更新|off", "退出|off"])

        # Done: the window goes and the new main program asks the service again.
        if not wait_for(lambda: self.probe("state") is None):
            self.shot("updater-stayed.png")
            self.fail(f"the updater window stayed: {self.probe('state')} {os.listdir(self.folder)}")
        wait_until("the new main program's user lookup", lambda: self.count("/VelkDown/index.Asp?A=GetuSer") >= 1,
                   detail=self.sim.state.log_json)
        self.assertEqual(self.count("/VelkDown/up/sj.txt"), 3)
        self.assertEqual(self.count("/VelkDown/up/Tavrin.exe.upd"), 1)
        self.assertEqual(read(os.path.join(self.folder, "Tavrin.exe")), new_main)
        self.assertEqual(read(os.path.join(self.folder, "Play.dll")), new_player)
        self.assertFalse([n for n in os.listdir(self.folder) if n.endswith(".p2p")])

    def test_a_list_past_its_bounds_is_told_and_updates_nothing(self):
        # 500,000 names fit in the reply the updater reads.
        self.sim.state.apply({"名称": "|".join(["a.dll"] * 500000), "后缀": ".upd"})
        updater = self.run_program("Quenlo.exe", self.sim.url + "VelkDown/up/")
        boxes = WindowProbe(ARGS.wine_run, ARGS.probe).wait_until("the updater's message", lambda look: look.boxes)
        self.assertEqual(boxes, [("温馨提示：", "无法开始更新，请稍后重试！")])
        self.shot("updater-list-too-long.png", crop=())
        wait_until("the message to be answered",
                   lambda: subprocess.run([ARGS.wine_run, ARGS.probe, "answer"], capture_output=True).returncode == 0)
        state = self.wait_for_window()
        self.assertEqual([state[i] for i in (0, 2, 3)], ["系统检测到有 0 个文件需更新！ ", "立即更新|off", "退出|on"])
        self.assertEqual(self.count("/VelkDown/up/a.dll"), 0)
        self.assertIsNone(updater.poll())

    def test_the_argument_needs_six_bytes(self):
        short = self.run_program("Quenlo.exe", "abcde")
        WindowProbe(ARGS.wine_run, ARGS.probe).wait_until("the updater's message", lambda look: look.boxes)
        self.shot("updater-needs-main-program.png", crop=())
        self.assertTrue(answer_boxes_until_ended(ARGS.wine_run, ARGS.probe, short),
                        "the updater did not end after its message")
        self.assertEqual(short.returncode, 0)
        # Six bytes are taken: the list cannot be fetched, so nothing is to be updated.
        self.run_program("Quenlo.exe", "abcdef")
        state = self.wait_for_window()
        self.assertEqual([state[i] for i in (0, 2, 3)], ["系统检测到有 0 个文件需更新！ ", "立即更新|off", "退出|on"])
        self.assertEqual(self.count("/"), 0)


def main():
    global ARGS
    ARGS, argv = simulator_test_arguments()
    run_tests(argv)


if __name__ == "__main__":
    main()
