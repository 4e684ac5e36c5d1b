#!/usr/bin/env python3
"""The compile commands clang-tidy reads, from those of a build tree.

The build compiles several sources as one file (unity builds) and loads
precompiled headers made by g++. clang-tidy needs a command per source and
cannot read g++'s precompiled headers: each source of a unity file gets that
file's command, and the precompiled header's -include is dropped (every source
includes what it uses itself).

Usage: lint-commands.py BUILD_TREE OUT_FOLDER
"""

import json
import re
import shlex
import sys
from pathlib import Path


def without_precompiled(args):
    out = []
    skip = False
    for arg in args:
        if skip:
            skip = False
            continue
        if arg == "-Winvalid-pch":
            continue
        if arg == "-include":
            skip = True  # the next argument is the header; only the precompiled one is ever forced in
            continue
        out.append(arg)
    return out


def main():
    build, out = Path(sys.argv[1]), Path(sys.argv[2])
    entries = json.loads((build / "compile_commands.json").read_text())
    result = []
    for entry in entries:
        args = without_precompiled(shlex.split(entry["command"]))
        source = Path(entry["file"])
        sources = [source]
        if "/Unity/unity_" in entry["file"]:
            sources = [Path(p) for p in re.findall(r'^#include "(.+)"$', source.read_text(), re.M)]
        for s in sources:
            command = [str(s) if a == str(source) else a for a in args]
            result.append({"directory": entry["directory"], "command": shlex.join(command), "file": str(s)})
    out.mkdir(parents=True, exist_ok=True)
    (out / "compile_commands.json").write_text(json.dumps(result, indent=1))


main()
