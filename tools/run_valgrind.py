#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Runs every test that CTest lists under valgrind's memcheck and prints errors and definite leaks per test.

Usage: run_valgrind.py TESTS_JSON SUPPRESSIONS   (TESTS_JSON from `ctest --show-only=json-v1`)
Exits 1 when any test fails or valgrind reports an error or a definitely lost block.
"""
import json
import os
import re
import subprocess
import sys
import time


def main():
    tests_json, suppressions = sys.argv[1], sys.argv[2]
    with open(tests_json, encoding="utf-8") as f:
        tests = json.load(f)["tests"]
    failed = []
    for test in tests:
        name = test["name"]
        env = dict(os.environ)
        workdir = None
        for prop in test.get("properties", []):
            if prop["name"] == "ENVIRONMENT":
                for entry in prop["value"]:
                    key, _, value = entry.partition("=")
                    env[key] = value
            elif prop["name"] == "WORKING_DIRECTORY":
                workdir = prop["value"]
        # Absolute: valgrind opens the log in the test's working directory.
        log = os.path.abspath(os.path.join(os.path.dirname(tests_json), "valgrind-%s.log" % name))
        command = ["valgrind", "--tool=memcheck", "--leak-check=full", "--errors-for-leak-kinds=definite",
                   "--show-leak-kinds=definite", "--error-exitcode=99", "--num-callers=40",
                   "--suppressions=" + suppressions, "--gen-suppressions=all", "--log-file=" + log] + test["command"]
        started = time.time()
        result = subprocess.run(command, env=env, cwd=workdir, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        with open(log, encoding="utf-8", errors="replace") as f:
            text = f.read()
        errors = re.findall(r"ERROR SUMMARY: (\d+) errors", text)
        definite = re.findall(r"definitely lost: ([\d,]+) bytes", text)
        summary = "%-28s exit %3d  errors %s  definitely lost %s bytes  (%d s)" % (
            name, result.returncode, errors[-1] if errors else "?", definite[-1] if definite else "0",
            time.time() - started)
        print(summary, flush=True)
        if result.returncode != 0:
            failed.append((name, log))
    if failed:
        for name, log in failed:
            print("%s: see %s" % (name, log))
        return 1
    print("valgrind: %d tests, 0 errors, 0 bytes definitely lost" % len(tests))
    return 0


if __name__ == "__main__":
    sys.exit(main())
