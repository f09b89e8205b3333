#!/usr/bin/env python3
"""The runner of every Wine test counts a test as passed only when it ran to
its end: a GoogleTest program that ends with code 0 inside its first test or
before its tests, and a test script that ends before unittest's last line,
fail; complete ones pass."""

import argparse
import os
import subprocess
import sys
import tempfile
import unittest

ARGS = None


def run(*command, **env):
    done = subprocess.run([ARGS.wine_run, *command], capture_output=True, text=True, errors="replace",
                          env=dict(os.environ, **env), timeout=300)
    return done.returncode, done.stdout + done.stderr


class GoogleTestPrograms(unittest.TestCase):
    def test_both_tests_run_pass(self):
        code, said = run(ARGS.two_tests, "--gtest_brief=1")
        self.assertEqual(code, 0, said)

    def test_a_program_that_ends_with_code_0_inside_its_first_test_fails(self):
        code, said = run(ARGS.two_tests, "--gtest_brief=1", TAVRIN_END="after")
        self.assertNotEqual(code, 0, said)
        self.assertIn("ended before its last test finished", said)

    def test_a_program_that_ends_with_code_0_before_its_tests_fails(self):
        code, said = run(ARGS.two_tests, "--gtest_brief=1", TAVRIN_END="before")
        self.assertNotEqual(code, 0, said)
        self.assertIn("without running its tests to the end", said)


class TestScripts(unittest.TestCase):
    def script(self, body):
        with tempfile.NamedTemporaryFile("w", suffix=".py", delete=False) as f:
            f.write("import os, sys, unittest\n" + body)
        self.addCleanup(os.unlink, f.name)
        return f.name

    def test_a_script_whose_tests_pass_passes(self):
        code, said = run(self.script("class T(unittest.TestCase):\n    def test_a(self): pass\n"
                                     "unittest.main()\n"))
        self.assertEqual(code, 0, said)

    def test_a_script_that_ends_with_code_0_inside_a_test_fails(self):
        code, said = run(self.script("class T(unittest.TestCase):\n    def test_a(self): os._exit(0)\n"
                                     "unittest.main()\n"))
        self.assertNotEqual(code, 0, said)
        self.assertIn("did not end with its tests run and passed", said)


def main():
    global ARGS
    parser = argparse.ArgumentParser()
    parser.add_argument("--wine-run", required=True)
    parser.add_argument("--two-tests", required=True, help="TwoTests.exe")
    ARGS, rest = parser.parse_known_args()
    unittest.main(argv=[sys.argv[0]] + rest, verbosity=2)


if __name__ == "__main__":
    main()
