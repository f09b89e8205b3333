#!/usr/bin/env python3
"""The release zip as a Windows user takes it: one folder Tavrin/ with the
three programs and the help page, the programs without debug sections but
linked to their debug files beside the build, and Tavrin.exe from the
unpacked folder showing its start window under Wine."""

import argparse
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import unittest
import zipfile
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "tools"))
from wine_program import WindowProbe, end_program, run_tests  # noqa: E402

ARGS = None
BINARIES = ("Tavrin.exe", "Play.dll", "Quenlo.exe")


def sections(path):
    """Section name -> bytes of a PE file, read from its section table (long
    names through the string table, as the GNU tools write them)."""
    with open(path, "rb") as f:
        data = f.read()
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    count, = struct.unpack_from("<H", data, pe + 6)
    symbols, nsymbols = struct.unpack_from("<II", data, pe + 12)
    optional, = struct.unpack_from("<H", data, pe + 20)
    strings = symbols + nsymbols * 18
    found = {}
    for i in range(count):
        at = pe + 24 + optional + i * 40
        raw = data[at:at + 8].rstrip(b"\0")
        if raw.startswith(b"/"):
            start = strings + int(raw[1:])
            raw = data[start:data.index(b"\0", start)]
        size, offset = struct.unpack_from("<II", data, at + 16)
        found[raw.decode("ascii")] = data[offset:offset + size]
    return found


class UnpackedZip(unittest.TestCase):
    """The zip unpacked into a folder of its own for the class's tests."""

    @classmethod
    def setUpClass(cls):
        cls.zip = os.path.join(ARGS.build_dir, f"Tavrin-{ARGS.version}.zip")
        cls.folder = tempfile.mkdtemp(prefix="tavrin-release-")
        with zipfile.ZipFile(cls.zip) as z:
            cls.names = sorted(n for n in z.namelist() if not n.endswith("/"))
            z.extractall(cls.folder)

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.folder, ignore_errors=True)


class Contents(UnpackedZip):
    """What is in the zip; runs no program."""

    def test_one_folder_with_the_programs_and_the_help_page(self):
        self.assertEqual(self.names, sorted(["Tavrin/Tavrin.exe", "Tavrin/Play.dll", "Tavrin/Quenlo.exe",
                                             "Tavrin/help/help.html"]))
        with open(os.path.join(ARGS.source_dir, "help", "help.html"), "rb") as f:
            help_page = f.read()
        with open(os.path.join(self.folder, "Tavrin", "help", "help.html"), "rb") as f:
            self.assertEqual(f.read(), help_page)

    def test_programs_are_stripped_and_linked_to_their_debug_files(self):
        sizes = {}
        for name in BINARIES:
            shipped = os.path.join(self.folder, "Tavrin", name)
            sizes[name] = os.path.getsize(shipped)
            found = sections(shipped)
            self.assertFalse([s for s in found if s.startswith(".debug_")], f"{name} keeps debug sections")
            self.assertIn(".gnu_debuglink", found, f"{name} names no debug file")
            link = found[".gnu_debuglink"]
            debug_name = link[:link.index(b"\0")].decode("ascii")
            self.assertEqual(debug_name, name + ".debug")
            crc, = struct.unpack_from("<I", link, (len(debug_name) + 4) & ~3)
            debug = os.path.join(ARGS.build_dir, "debug", debug_name)
            with open(debug, "rb") as f:
                self.assertEqual(zlib.crc32(f.read()), crc, f"{debug} is not the one {name} was linked to")
            self.assertIn(".debug_info", sections(debug), f"{debug} holds no debug information")
        print("\nshipped sizes: " + ", ".join(f"{n} {s / 1e6:.2f} MB" for n, s in sizes.items())
              + f"; zip {os.path.getsize(self.zip) / 1e6:.2f} MB", file=sys.stderr)


class Start(UnpackedZip):
    def test_the_unpacked_program_shows_its_start_window(self):
        program = subprocess.Popen([ARGS.wine_run, os.path.join(self.folder, "Tavrin", "Tavrin.exe")],
                                   cwd=os.path.join(self.folder, "Tavrin"),
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            WindowProbe(ARGS.wine_run, ARGS.probe).wait_for_form("TavrinV1.0")
            self.assertIsNone(program.poll())
        finally:
            end_program(ARGS.wine_run, program)


def main():
    global ARGS
    parser = argparse.ArgumentParser()
    parser.add_argument("--build-dir", required=True)
    parser.add_argument("--source-dir", required=True)
    parser.add_argument("--version", required=True)
    parser.add_argument("--wine-run", required=True)
    parser.add_argument("--probe", required=True, help="WindowProbe.exe, which lists the visible forms")
    ARGS, rest = parser.parse_known_args()
    run_tests([sys.argv[0]] + rest)


if __name__ == "__main__":
    main()
