#!/usr/bin/env python3
"""A build's compile database as the checks read it: each file's compiler arguments, without what
makes an object or reads the build's precompiled headers, which another Clang cannot read.
  compile_database.py IN OUT    writes IN without the precompiled headers to OUT (for clang-tidy)
"""
import json
import shlex
import sys
from pathlib import Path

# What only making the object needs: its output, its dependency file, and warnings as errors.
DROPPED_WITH_VALUE = ("-o", "-MF", "-MT")
DROPPED = ("-c", "-MD", "-Werror", "-Winvalid-pch")


def without_precompiled_headers(words):
    """CMake hands Clang its precompiled header as "-Xclang -include-pch -Xclang FILE" and
    "-Xclang -include -Xclang HEADER"."""
    kept, at = [], 0
    while at < len(words):
        if words[at] == "-Xclang" and at + 3 < len(words) and words[at + 1] in ("-include-pch", "-include"):
            at += 4
            continue
        kept.append(words[at])
        at += 1
    return kept


def entries(database):
    for entry in json.loads(Path(database).read_text()):
        entry["arguments"] = without_precompiled_headers(entry.pop("arguments", None) or shlex.split(entry.pop("command")))
        yield entry


def compile_commands(database):
    """Each C++ file's arguments (without the compiler, the file and the object), and its directory."""
    for entry in entries(database):
        if not entry["file"].endswith((".cpp", ".cxx")):
            continue  # the resource script
        words, kept, at = entry["arguments"], [], 1
        while at < len(words):
            if words[at] in DROPPED_WITH_VALUE:
                at += 2
                continue
            if words[at] not in DROPPED and words[at] != entry["file"]:
                kept.append(words[at])
            at += 1
        yield Path(entry["file"]), kept, entry["directory"]


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    Path(sys.argv[2]).write_text(json.dumps(list(entries(sys.argv[1])), indent=1))
