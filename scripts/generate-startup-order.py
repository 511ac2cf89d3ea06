#!/usr/bin/env python3
"""Generates apps/keyboard-simulator/startup-order.txt, the functions the
keyboard simulator runs to show the keyboard and take a screenshot, so the
linker can place them side by side.

The kernel maps a program's code in blocks around each page it runs; when the
code of start-up is spread over the whole program, all of it is resident.
Placed together, it takes a fraction of the pages. The file lists mangled
symbol names, one a line; names that no longer exist are ignored when linking,
so a stale list only costs memory, never correctness.

The output is committed, so building needs neither this script nor valgrind.
Run it again after large changes to what start-up runs, from builds made with
the project's CMake files. Each build type inlines and clones differently, so
the list joins the functions of each build given (RelWithDebInfo and Release):

    scripts/generate-startup-order.py [build directory...]
"""

import pathlib
import re
import subprocess
import sys
import tempfile

ROOT = pathlib.Path(__file__).resolve().parent.parent
OUTPUT = ROOT / "apps/keyboard-simulator/startup-order.txt"
PROGRAM_NAME = "keyboard-simulator"

# callgrind writes a name once, with its number, then the number alone.
NAMED = re.compile(r"^(c?ob|c?fn)=\((\d+)\)(?: (.*))?$")


def executed_functions(profile, program):
    """The functions of the program object in the profile, in first-seen order."""
    objects, functions = {}, {}
    current_object = None
    seen, order = set(), []
    for line in profile.splitlines():
        match = NAMED.match(line)
        if not match:
            continue
        kind, number, name = match.groups()
        table = objects if kind.endswith("ob") else functions
        if name:
            table[number] = name
        if kind == "ob":
            current_object = objects[number]
        elif kind == "fn" and current_object == program:
            # A recursion depth is written after a quote; the symbol is the same.
            symbol = functions[number].split("'")[0]
            if not symbol.startswith("0x") and symbol not in seen:
                seen.add(symbol)
                order.append(symbol)
    return order


def profile_functions(build):
    program = pathlib.Path(build).resolve() / "bin" / PROGRAM_NAME
    with tempfile.TemporaryDirectory() as scratch:
        profile = pathlib.Path(scratch) / "callgrind.out"
        subprocess.run(["valgrind", "--tool=callgrind", "--demangle=no", f"--callgrind-out-file={profile}",
                        str(program), "--scale", "1", "--screenshot", str(pathlib.Path(scratch) / "shot.png")],
                       check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        order = executed_functions(profile.read_text(), str(program))
    if not order:
        sys.exit(f"no functions of {program} in the profile")
    return order


def main():
    builds = sys.argv[1:] or [ROOT / "build"]
    order = []
    for build in builds:
        order += [symbol for symbol in profile_functions(build) if symbol not in order]
    OUTPUT.write_text("".join(symbol + "\n" for symbol in order))
    print(f"{OUTPUT.relative_to(ROOT)}: {len(order)} functions")

if __name__ == "__main__":
    main()
