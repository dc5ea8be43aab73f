"""Prints the SHA-256 digest of what an MSI package holds, its signature
left out: a signed package and the same package unsigned give the same
digest, as a signature is streams of its own added to the package, and so
does a package made again from the same commit (make release).

    msi_content.py MSI...
"""
import hashlib
import sys

import olefile

# Where Authenticode keeps an MSI package's signature.
SIGNATURE = {"\x05DigitalSignature", "\x05MsiDigitalSignatureEx"}


def content_digest(path: str) -> str:
    digest = hashlib.sha256()
    package = olefile.OleFileIO(path)
    try:
        digest.update(package.root.clsid.encode())
        for name in sorted(package.listdir(streams=True, storages=False)):
            if len(name) == 1 and name[0] in SIGNATURE:
                continue
            data = package.openstream(name).read()
            digest.update("/".join(name).encode("utf-8") + b"\0")
            digest.update(len(data).to_bytes(8, "little") + data)
    finally:
        package.close()
    return digest.hexdigest()


if __name__ == "__main__":
    if len(sys.argv) < 2:
        raise SystemExit(__doc__)
    for path in sys.argv[1:]:
        print(content_digest(path) + "  " + path)
