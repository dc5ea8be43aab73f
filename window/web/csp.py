#!/usr/bin/python3
"""The page's Content-Security-Policy, written into the page itself, so that
wherever a copy is opened or served from, and however it is edited, the
browser lets it run only its own script and style and load nothing from
anywhere: no request, no form sent, no frame.

The page's one script and one style are allowed by their SHA-256 hashes; the
WebAssembly inside the script by 'wasm-unsafe-eval', the narrowest keyword
that lets it be compiled, in Chromium, WebKit and Firefox alike; its font
and its blank icon are data: URLs, which reach no network. Any other script,
style, image, font, connection, frame or form is refused, and so is an edit
of the page's own script or style, whose hash no longer matches.

    csp.py PAGE    writes the policy into PAGE (after the build has linked it)
"""
import base64
import hashlib
import re
import sys

MARK = '<meta charset="utf-8">'
POLICY = re.compile(r'\n<meta http-equiv="Content-Security-Policy" content="[^"]*">')


def hashes(html: str, tag: str) -> str:
    """The hash of each inline element `tag` of the page, as the policy names
    it: over the UTF-8 text between its tags."""
    bodies = re.findall(rf"<{tag}>(.*?)</{tag}>", html, flags=re.S)
    if not bodies:
        sys.exit(f"csp.py: the page has no <{tag}>")
    return " ".join(
        "'sha256-%s'" % base64.b64encode(hashlib.sha256(body.encode("utf-8")).digest()).decode()
        for body in bodies)


def policy_of(html: str) -> str:
    """The policy the page carries."""
    found = POLICY.search(html)
    if not found:
        sys.exit("csp.py: the page has no policy")
    return re.search(r'content="([^"]*)"', found.group(0)).group(1)


def with_policy(html: str, program: bool = True, **allowed: str) -> str:
    """The page with its policy, allowing besides its own style, and the
    program's script with its WebAssembly, font and icon where it is the
    `program`'s page, what `allowed` adds to each directive (img_src="'self'"
    for img-src)."""
    directives = {"default-src": "'none'"}
    if program:
        directives["script-src"] = hashes(html, "script") + " 'wasm-unsafe-eval'"
    directives["style-src"] = hashes(html, "style")
    if program:
        directives["font-src"] = "data:"
        directives["img-src"] = "data:"
    # Neither falls back to default-src.
    directives["base-uri"] = "'none'"
    directives["form-action"] = "'none'"
    for name, sources in allowed.items():
        name = name.replace("_", "-")
        directives[name] = (directives.get(name, "") + " " + sources).strip()
    policy = "; ".join(name + " " + sources for name, sources in directives.items())
    meta = '\n<meta http-equiv="Content-Security-Policy" content="%s">' % policy
    if MARK not in html:
        sys.exit("csp.py: the page has no " + MARK)
    # Right after the character set, before anything the policy governs.
    if POLICY.search(html):
        return POLICY.sub(lambda _: meta, html, count=1)
    return html.replace(MARK, MARK + meta, 1)


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    with open(sys.argv[1], encoding="utf-8") as source:
        page = source.read()
    with open(sys.argv[1], "w", encoding="utf-8") as target:
        target.write(with_policy(page))
