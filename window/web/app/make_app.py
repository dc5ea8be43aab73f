#!/usr/bin/python3
"""Writes the folder to publish the web page from as an installable app that
works offline: the page as index.html with its manifest named in its head,
the manifest, the icons at 192 and 512 pixels (and a maskable one, the icon
on the window's colour with room around it for any mask), and the service
worker with the list of files and their digest in it.

Usage: make_app.py DESIGN_JSON ICON_SVG SERVICE_WORKER RSVG_CONVERT PNGQUANT PAGE OUT_DIR
"""
import hashlib
import json
import os
import subprocess
import sys
import tempfile

# The page's policy, written by the script beside this one's folder.
sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
import csp  # noqa: E402

NAME = "Различни цифри"
# What the page's head gains: its manifest, and for iPhones and iPads, which
# take neither their home screen icon nor the bar's colour from it, an
# opaque icon and the colour.
HEAD = """<link rel="manifest" href="manifest.webmanifest">
<link rel="apple-touch-icon" href="apple-touch-icon.png">
<meta name="theme-color" content="{theme}">
"""
ICONS = [  # file, size, purpose
    ("icon-192.png", 192, "any"),
    ("icon-512.png", 512, "any"),
    ("icon-maskable-512.png", 512, "maskable"),
]
# iOS rounds the corners of an opaque 180-pixel icon itself.
APPLE_ICON = ("apple-touch-icon.png", 180)
# A maskable icon's safe zone is the circle of 80 % of its width: the
# icon's card, inside 70 %, stays whole under any mask.
MASKABLE = """<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink"
     width="512" height="512" viewBox="0 0 512 512">
  <rect width="512" height="512" fill="{background}"/>
  <image x="76.8" y="76.8" width="358.4" height="358.4" xlink:href="{icon}"/>
</svg>
"""


def render(rsvg, pngquant, svg, size, out):
    """The SVG at `size` pixels, as a palette PNG of at most 256 colours."""
    with tempfile.TemporaryDirectory() as work:
        full = os.path.join(work, "full.png")
        subprocess.run([rsvg, "-w", str(size), "-h", str(size), "-o", full, svg], check=True)
        subprocess.run([pngquant, "--force", "--strip", "--output", out, "256", full], check=True)


def main(facts, icon, worker, rsvg, pngquant, page, out):
    with open(facts, encoding="utf-8") as source:
        colours = json.load(source)
    os.makedirs(out, exist_ok=True)
    with open(page, encoding="utf-8") as source:
        html = source.read()
    if "</head>" not in html:
        sys.exit(page + " has no </head>")
    html = html.replace("</head>", HEAD.format(theme=colours["theme"]) + "</head>", 1)
    # Its policy lets it load its own manifest, the icons the manifest names
    # and its service worker besides.
    html = csp.with_policy(html, manifest_src="'self'", img_src="'self'", worker_src="'self'")
    with open(os.path.join(out, "index.html"), "w", encoding="utf-8") as target:
        target.write(html)
    with tempfile.TemporaryDirectory() as work:
        # librsvg reads an image beside the SVG that names it.
        with open(icon, "rb") as source, open(os.path.join(work, "icon.svg"), "wb") as target:
            target.write(source.read())
        maskable = os.path.join(work, "maskable.svg")
        with open(maskable, "w", encoding="utf-8") as target:
            target.write(MASKABLE.format(background=colours["background"], icon="icon.svg"))
        for name, size, purpose in ICONS:
            render(rsvg, pngquant, maskable if purpose == "maskable" else icon, size,
                   os.path.join(out, name))
        render(rsvg, pngquant, maskable, APPLE_ICON[1], os.path.join(out, APPLE_ICON[0]))
    manifest = {
        "name": NAME,
        "short_name": NAME,
        "lang": "bg",
        "dir": "ltr",
        "start_url": "./",
        "scope": "./",
        "display": "standalone",
        "theme_color": colours["theme"],
        "background_color": colours["background"],
        "icons": [{"src": name, "sizes": "%dx%d" % (size, size), "type": "image/png",
                   "purpose": purpose} for name, size, purpose in ICONS],
    }
    with open(os.path.join(out, "manifest.webmanifest"), "w", encoding="utf-8") as target:
        json.dump(manifest, target, ensure_ascii=False, indent=2)
        target.write("\n")
    files = ["index.html", "manifest.webmanifest"] + [name for name, _, _ in ICONS] + [APPLE_ICON[0]]
    digest = hashlib.sha256()
    for name in files:
        with open(os.path.join(out, name), "rb") as source:
            digest.update(name.encode() + b"\0" + source.read())
    with open(worker, encoding="utf-8") as source:
        script = source.read()
    # The same policy as a header. It names no frame-ancestors: a school's
    # page, Moodle or Google Sites may show the app in a frame, as the app
    # keeps nothing and sends nothing that a framing page could abuse.
    policy = csp.policy_of(html)
    script = (script.replace("@VERSION@", digest.hexdigest()[:16])
              .replace("@FILES@", json.dumps(files)).replace("@POLICY@", policy))
    with open(os.path.join(out, "service-worker.js"), "w", encoding="utf-8") as target:
        target.write(script)


if __name__ == "__main__":
    if len(sys.argv) != 8:
        sys.exit(__doc__)
    main(*sys.argv[1:])
