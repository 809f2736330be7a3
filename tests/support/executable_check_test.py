#!/usr/bin/env python3
"""The executable check refuses a copy of the program that imports a DLL which the loader would look for
beside it (USERENV in place of SHELL32, a name of the same length), and a copy whose load configuration
lets the imports' own DLLs come from anywhere.
  executable_check_test.py CHECK EXE VERSION
"""
import struct
import subprocess
import sys
import tempfile
from pathlib import Path


def load_flags_offset(data):
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    sections, optional_size = struct.unpack_from("<H12xH", data, pe + 6)
    address = struct.unpack_from("<I", data, pe + 24 + 112 + 8 * 10)[0]
    for at in range(pe + 24 + optional_size, pe + 24 + optional_size + 40 * sections, 40):
        size, start, _, raw = struct.unpack_from("<8xIIII", data, at)
        if start <= address < start + size:
            return raw + address - start + 0x4E  # DependentLoadFlags
    sys.exit("the program has no load configuration")


def imports_userenv(data):
    at = data.find(b"SHELL32.dll\0")
    data[at:at + 11] = b"USERENV.dll"


def failures(check, exe, version):
    result = subprocess.run([check, str(exe), version], capture_output=True, text=True)
    return [line for line in result.stdout.splitlines() if line.startswith("FAILED")]


def main(check, exe, version):
    if failures(check, exe, version):
        sys.exit("the program itself fails the check")
    with tempfile.TemporaryDirectory() as folder:
        for expected, tamper in {"USERENV.dll": imports_userenv,
                                 "DependentLoadFlags 0x0": lambda data: struct.pack_into("<H", data, load_flags_offset(data), 0)}.items():
            data = bytearray(Path(exe).read_bytes())
            tamper(data)
            copy = Path(folder) / "tampered.exe"
            copy.write_bytes(data)
            failed = failures(check, copy, version)
            if len(failed) != 1 or expected not in failed[0]:
                sys.exit(f"the check let through a copy with {expected}: {failed}")
    print("the check refuses both tampered copies")


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    main(*sys.argv[1:])
