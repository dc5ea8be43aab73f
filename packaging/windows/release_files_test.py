#!/usr/bin/env python3
"""What the Windows release files say of themselves, read on Linux.

Usage: release_files_test.py WINDRES MSIINFO PUBLISHER VERSION PROGRAM SETUP MSI LICENSE

- the program's and the installer's version blocks name the publisher;
- the program's icon has every size Windows asks for, the 32-pixel one in
  256 colours;
- the MSI package names the product, the publisher and the version, installs
  for all users, records the Cyrillic code page, and lists its files with
  their sizes (which Windows adds up for the installed size).
"""
import os
import re
import subprocess
import sys

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def resources(windres, path):
    return subprocess.run([windres, "-i", path, "-O", "rc"], check=True, capture_output=True,
                          text=True, errors="replace").stdout


def version_text(script, name):
    """A VALUE of the version block, its L"\\x0420..." escapes decoded."""
    found = re.search(r'VALUE "%s", L?"((?:[^"\\]|\\.)*)"' % name, script)
    if not found:
        return None
    text = found.group(1)
    text = re.sub(r"\\x([0-9a-fA-F]{4})", lambda m: chr(int(m.group(1), 16)), text)
    return re.sub(r"\\([0-7]{3})", lambda m: chr(int(m.group(1), 8)), text)


def msi_table(msiinfo, msi, table):
    out = subprocess.run([msiinfo, "export", msi, table], check=True, capture_output=True).stdout
    return [line.split("\t") for line in out.decode("utf-8").replace("\r", "").split("\n")[3:] if line]


def main():
    if len(sys.argv) != 9:
        sys.exit(__doc__)
    windres, msiinfo, publisher, version, program, setup, msi, license_file = sys.argv[1:]

    script = resources(windres, program)
    check(version_text(script, "CompanyName") == publisher,
          f"the program's CompanyName is {version_text(script, 'CompanyName')!r}")
    check(publisher in (version_text(script, "LegalCopyright") or ""),
          "the program's LegalCopyright does not name the publisher")
    sizes = {}
    for width, bits in re.findall(r'"\\(\d{3})\\\d{3}\\000\\000", 1, (\d+),', script):
        sizes[int(width, 8) or 256] = int(bits)
    check(sorted(sizes) == [16, 20, 24, 32, 40, 48, 64, 256], f"icon sizes {sorted(sizes)}")
    check(sizes.get(32) == 8, "the 32-pixel icon is not in 256 colours")

    setup_script = resources(windres, setup)
    check(version_text(setup_script, "CompanyName") == publisher,
          f"the installer's CompanyName is {version_text(setup_script, 'CompanyName')!r}")

    properties = dict(row[:2] for row in msi_table(msiinfo, msi, "Property"))
    for name, expected in (("ProductName", "Различни цифри"), ("Manufacturer", publisher),
                           ("ProductVersion", version), ("ALLUSERS", "1")):
        check(properties.get(name) == expected, f"the MSI's {name} is {properties.get(name)!r}")
    codepage = subprocess.run([msiinfo, "export", msi, "_ForceCodepage"], check=True,
                              capture_output=True).stdout.split()
    check(codepage[:1] == [b"1251"], f"the MSI's code page is {codepage[:1]}")
    files = {row[2]: int(row[3]) for row in msi_table(msiinfo, msi, "File")}
    check(files == {"distinct-digits.exe": os.path.getsize(program),
                    "LICENSE.txt": os.path.getsize(license_file)},
          f"the MSI's files {files}")

    for failure in failures:
        print("FAILED:", failure, file=sys.stderr)
    if failures:
        sys.exit(1)
    print("The release files name the publisher, carry every icon size and list their files.")


if __name__ == "__main__":
    main()
