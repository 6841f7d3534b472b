#!/usr/bin/env python3
"""Writes a zip file that is the same bytes wherever and whenever it is made.

    make-zip.py OUT.zip EPOCH NAME=PATH...

Entries appear in the order given, each named NAME, dated EPOCH (seconds, as in SOURCE_DATE_EPOCH)
and marked as made on Windows with no special attributes, so neither the build machine's clock,
its umask nor its file system order shows in the result."""
import sys
import time
import zipfile


def main(argv: list[str]) -> int:
    if len(argv) < 4:
        print(__doc__, file=sys.stderr)
        return 2
    out, epoch, entries = argv[1], int(argv[2]), argv[3:]
    # Zip times are local times from 1980 on, with two-second steps: take the UTC time as it is.
    stamp = time.gmtime(max(epoch, 315532800))
    date_time = (stamp.tm_year, stamp.tm_mon, stamp.tm_mday, stamp.tm_hour, stamp.tm_min, stamp.tm_sec)
    with zipfile.ZipFile(out, "w") as archive:
        for entry in entries:
            name, _, path = entry.partition("=")
            if not name or not path:
                print(f"make-zip.py: expected NAME=PATH, got {entry!r}", file=sys.stderr)
                return 2
            info = zipfile.ZipInfo(name, date_time)
            info.create_system = 0  # MS-DOS / Windows: no Unix permissions to carry
            info.external_attr = 0
            info.compress_type = zipfile.ZIP_DEFLATED
            with open(path, "rb") as source:
                archive.writestr(info, source.read(), compresslevel=9)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
