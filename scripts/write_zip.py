#!/usr/bin/env python3
"""Packs a folder into a zip that is the same bytes wherever and whenever it is made: the entries in
name order, each with the given time (the commit's) and fixed permissions.
  write_zip.py FOLDER ZIP EPOCH
"""
import os
import sys
import time
import zipfile


def main(stage, archive, epoch):
    when = time.gmtime(max(int(epoch), 315532800))[:6]  # a zip's clock starts in 1980
    files = sorted(os.path.relpath(os.path.join(folder, name), stage).replace(os.sep, "/")
                   for folder, _, names in os.walk(stage) for name in names)
    with zipfile.ZipFile(archive, "w") as zip:
        for name in files:
            entry = zipfile.ZipInfo(name, date_time=when)
            entry.create_system = 3
            entry.external_attr = 0o100644 << 16
            entry.compress_type = zipfile.ZIP_DEFLATED
            with open(os.path.join(stage, name), "rb") as data:
                zip.writestr(entry, data.read(), compresslevel=9)


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    main(*sys.argv[1:])
