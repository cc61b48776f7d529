#!/usr/bin/env python3
"""Writes a release zip whose bytes depend only on its files and a date.

usage: release-zip.py ZIP EPOCH FILE...

Each file goes in under its own name, in the order given, dated at EPOCH
(seconds since 1970, the last commit) in UTC, with plain read-write
permissions and no other metadata. Names that are not ASCII are flagged as
UTF-8, which Windows' own zip folders and every archiver read.
"""
import os
import sys
import time
import zipfile


def main(argv):
    if len(argv) < 4:
        sys.exit(__doc__.strip().splitlines()[2])
    target, epoch, files = argv[1], int(argv[2]), argv[3:]
    # DOS dates begin in 1980.
    date = time.gmtime(max(epoch, 315532800))[:6]
    partial = target + ".partial"
    with zipfile.ZipFile(partial, "w") as archive:
        for path in files:
            entry = zipfile.ZipInfo(os.path.basename(path), date_time=date)
            entry.compress_type = zipfile.ZIP_DEFLATED
            entry.create_system = 3  # Unix, so that the permissions below count
            entry.external_attr = 0o100644 << 16
            with open(path, "rb") as source:
                archive.writestr(entry, source.read(), compresslevel=9)
    os.replace(partial, target)


if __name__ == "__main__":
    main(sys.argv)
