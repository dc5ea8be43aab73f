"""Packs a folder into a .zip that is the same bytes in every build: its
files in the order of their names, under one top folder, each with the
time of SOURCE_DATE_EPOCH, ordinary modes and no owner.

    zip_folder.py OUTPUT FOLDER TOP
"""
import os
import sys
import time
import zipfile

# The earliest time a .zip can record.
EARLIEST = 315532800  # 1980-01-01


def entry(name: str, epoch: int, folder: bool) -> zipfile.ZipInfo:
    info = zipfile.ZipInfo(name, time.gmtime(max(epoch, EARLIEST))[:6])
    info.create_system = 3  # Unix, so that the modes below are read
    mode = 0o40755 if folder else 0o100644
    info.external_attr = mode << 16 | (0x10 if folder else 0)
    info.compress_type = zipfile.ZIP_STORED if folder else zipfile.ZIP_DEFLATED
    return info


def main() -> None:
    if len(sys.argv) != 4:
        raise SystemExit(__doc__)
    output, folder, top = sys.argv[1:]
    epoch = int(os.environ.get("SOURCE_DATE_EPOCH") or time.time())
    names = sorted(
        os.path.relpath(os.path.join(root, name), folder)
        for root, _, files in os.walk(folder)
        for name in files
    )
    if any(os.sep in name for name in names):
        raise SystemExit("zip_folder.py: only a flat folder is packed")
    with zipfile.ZipFile(output, "w") as archive:
        archive.writestr(entry(top + "/", epoch, True), b"")
        for name in names:
            with open(os.path.join(folder, name), "rb") as source:
                archive.writestr(entry(f"{top}/{name}", epoch, False), source.read(),
                                 compresslevel=9)


if __name__ == "__main__":
    main()
