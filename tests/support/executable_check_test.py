#!/usr/bin/env python3
"""The executable check refuses what it exists for: a copy of the program that imports a DLL which the
loader would look for beside it (USERENV in place of SHELL32, a name of the same length), and a copy
whose load configuration lets the imports' own DLLs come from anywhere.
  executable_check_test.py CHECK EXE VERSION
"""
import shutil
import struct
import subprocess
import sys
import tempfile
from pathlib import Path


def load_configuration(data):
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    sections, optional_size = struct.unpack_from("<H12xH", data, pe + 6)
    optional = pe + 24
    address = struct.unpack_from("<I", data, optional + 112 + 8 * 10)[0]
    for at in range(optional + optional_size, optional + optional_size + 40 * sections, 40):
        size, start, _, raw = struct.unpack_from("<8xIIII", data, at)
        if start <= address < start + size:
            return raw + address - start
    sys.exit("the program has no load configuration")


def tampered(exe, folder, name, change):
    data = bytearray(exe.read_bytes())
    change(data)
    copy = folder / name
    copy.write_bytes(data)
    return copy


def imports_userenv(data):
    at = data.find(b"SHELL32.dll\0")
    data[at:at + 11] = b"USERENV.dll"


def without_load_flag(data):
    struct.pack_into("<H", data, load_configuration(data) + 0x4E, 0)


def refused(check, exe, version, expected):
    result = subprocess.run([check, str(exe), version], capture_output=True, text=True)
    failed = [line for line in result.stdout.splitlines() if line.startswith("FAILED")]
    return result.returncode != 0 and len(failed) == 1 and expected in failed[0]


def main(check, exe, version):
    exe = Path(exe)
    if subprocess.run([check, str(exe), version], capture_output=True).returncode != 0:
        sys.exit("the program itself fails the check")
    with tempfile.TemporaryDirectory() as folder:
        folder = Path(folder)
        cases = {"USERENV.dll": tampered(exe, folder, "userenv.exe", imports_userenv),
                 "DependentLoadFlags 0x0": tampered(exe, folder, "flagless.exe", without_load_flag)}
        wrong = [expected for expected, copy in cases.items() if not refused(check, copy, version, expected)]
    if wrong:
        sys.exit("the check let through a copy with: " + ", ".join(wrong))
    print("the check refuses both tampered copies")


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    main(*sys.argv[1:])
