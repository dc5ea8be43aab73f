"""Writes into an MSI package's summary its package code and, when
SOURCE_DATE_EPOCH is set, that time as when it was created and last saved.
wixl makes up a new package code and writes the time it ran, so that two
builds of one commit would differ there alone.

    msi_summary.py MSI PACKAGE_CODE
"""
import os
import struct
import sys

import olefile

SUMMARY = "\x05SummaryInformation"
PACKAGE_CODE, CREATED, LAST_SAVED = 9, 12, 13
VT_LPSTR, VT_FILETIME = 30, 64
# FILETIME counts 100-nanosecond steps from 1601-01-01.
FILETIME_AT_1970 = 116444736000000000


def properties(data: bytes):
    """Each property of the set's first section: its id, type and where its
    value starts."""
    # The property set's header (28 bytes), then its first section's format
    # id (16 bytes) and offset; the section holds its size, its count of
    # properties and (id, offset) pairs, the offsets from its start.
    (section,) = struct.unpack_from("<I", data, 44)
    (count,) = struct.unpack_from("<I", data, section + 4)
    for index in range(count):
        pid, offset = struct.unpack_from("<II", data, section + 8 + 8 * index)
        (kind,) = struct.unpack_from("<I", data, section + offset)
        yield pid, kind, section + offset + 4


def rewritten(stream: bytes, package_code: str, epoch: str | None) -> bytes:
    data = bytearray(stream)
    done = set()
    for pid, kind, value in properties(stream):
        if pid == PACKAGE_CODE and kind == VT_LPSTR:
            (size,) = struct.unpack_from("<I", data, value)
            text = package_code.encode("ascii") + b"\0"
            # A code of the same length, so that the stream keeps its size,
            # which is all olefile can write in place.
            if size != len(text):
                raise SystemExit(f"msi_summary.py: the package code takes {size} bytes")
            data[value + 4 : value + 4 + size] = text
            done.add(pid)
        elif pid in (CREATED, LAST_SAVED) and kind == VT_FILETIME and epoch is not None:
            struct.pack_into("<Q", data, value, FILETIME_AT_1970 + int(epoch) * 10**7)
            done.add(pid)
    wanted = {PACKAGE_CODE} | ({CREATED, LAST_SAVED} if epoch is not None else set())
    if done != wanted:
        raise SystemExit(f"msi_summary.py: the summary lacks properties {sorted(wanted - done)}")
    return bytes(data)


def main() -> None:
    if len(sys.argv) != 3:
        raise SystemExit(__doc__)
    package = olefile.OleFileIO(sys.argv[1], write_mode=True)
    try:
        stream = package.openstream(SUMMARY).read()
        epoch = os.environ.get("SOURCE_DATE_EPOCH") or None
        package.write_stream(SUMMARY, rewritten(stream, "{%s}" % sys.argv[2], epoch))
    finally:
        package.close()


if __name__ == "__main__":
    main()
