#!/usr/bin/python3
"""Writes the site to publish at the home address: the home page, the
teacher's and the administrator's guides, every release file with
SHA256SUMS, the app's folder under app/, a QR code of the app's address and
a picture of the window. Every page is Bulgarian, loads nothing from another
site and carries a Content-Security-Policy of its own.

Usage: make_site.py DIST DESIGN_JSON OUT
DIST holds the release files and their SHA256SUMS (packaging/release.sh);
DESIGN_JSON is the design the release's web build wrote (design.json), with the
home address it was made for, which the site is published at.
"""
import hashlib
import html
import json
import os
import re
import shutil
import struct
import subprocess
import sys
import tempfile
import urllib.parse
import zipfile

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(os.path.dirname(HERE), "..", "window", "web"))
import csp  # noqa: E402

# The site's pages: file, title, template.
PAGES = [
    ("index.html", "Различни цифри", "home.html"),
    ("za-uchitelya.html", "Ръководство за учителя", "teacher.html"),
    ("za-administratora.html", "Ръководство за администратора", "administrator.html"),
]
QR = "qr-prilozhenie.png"
PICTURE = "prozorec.png"

# What each release file is, by the end of its name, for the list of
# downloads; @DEBIAN@ is the Debian releases the package installs on.
WHAT = [
    ("-setup.exe", "Инсталатор за Windows 10 и 11: слага програмата в менюто „Старт“, "
                   "за всички потребители или само за текущия."),
    (".exe", "Преносимата програма за Windows 10 и 11: един файл, който не се инсталира."),
    (".msi", "MSI пакет за Windows 10 и 11, за компютри, които администратор управлява "
             "(групови правила, Intune, скрипт)."),
    (".deb", "Пакет за Linux: @DEBIAN@."),
    ("-web.zip", "Папката на приложението за уеб сървър (същата като app/ в този сайт)."),
    (".html", "Програмата като една уеб страница: отваря се във всеки браузър, без интернет "
              "и без инсталиране; става и за ресурс „Файл“ в Moodle."),
    (".buildinfo", "С какво е направено изданието: версия на кода, дата, версия на Debian и пакетите."),
    ("THIRD-PARTY-LICENSES.txt", "Лицензите на чуждия код, който файловете съдържат."),
    ("LICENSE.txt", "Лицензът на програмата (MIT)."),
    ("SHA256SUMS", "Контролните суми SHA-256 на всички файлове по-горе."),
]


def read(path, binary=False):
    with open(path, "rb" if binary else "r", **({} if binary else {"encoding": "utf-8"})) as f:
        return f.read()


def write(path, text):
    with open(path, "w", encoding="utf-8") as f:
        f.write(text)


def checked_sums(dist):
    """The release files as SHA256SUMS lists them, each checked against it."""
    files = []
    for line in read(os.path.join(dist, "SHA256SUMS")).splitlines():
        digest, name = line.split(maxsplit=1)
        name = name.lstrip("*")
        actual = hashlib.sha256(read(os.path.join(dist, name), binary=True)).hexdigest()
        if actual != digest:
            sys.exit("make_site.py: %s does not match SHA256SUMS" % name)
        files.append((name, digest))
    return files


def one(files, ending):
    """The release file whose name ends so; a site without it is no site."""
    found = [name for name, _ in files if name.endswith(ending)]
    if len(found) != 1:
        sys.exit("make_site.py: the release has no single file ending in " + ending)
    return found[0]


def describe(name):
    for ending, what in WHAT:
        if name.endswith(ending):
            return what
    sys.exit("make_site.py: no description for " + name)


def size_text(size):
    """The size as a Bulgarian reader writes it: 534 КБ, 1,2 МБ."""
    if size < 1000:
        return "%d байта" % size
    if size < 1000 * 1000:
        return "%d\u00a0КБ" % round(size / 1000)
    return ("%.1f\u00a0МБ" % (size / 1000 / 1000)).replace(".", ",")


def debian_releases(deb):
    """The Debian releases the package's name says it installs on, as words."""
    found = re.search(r"debian(\d+(?:-\d+)*)", deb)
    if not found:
        return "Debian"
    numbers = found.group(1).split("-")
    return "Debian " + (" и ".join([", ".join(numbers[:-1]), numbers[-1]])
                        if len(numbers) > 1 else numbers[0])


def signed(exe):
    """Whether a Windows program carries a signature: its certificate table
    (the fifth data directory of its optional header) is not empty."""
    data = read(exe, binary=True)
    header = struct.unpack_from("<I", data, 0x3C)[0]
    optional = header + 24
    magic = struct.unpack_from("<H", data, optional)[0]
    directories = optional + (112 if magic == 0x20B else 96)
    return struct.unpack_from("<II", data, directories + 4 * 8)[1] > 0


def msi_codes(msi):
    """The MSI package's product code and upgrade code."""
    table = subprocess.run(["msiinfo", "export", msi, "Property"], check=True,
                           capture_output=True, text=True, env=dict(os.environ, LC_ALL="C.UTF-8"))
    codes = dict(line.rstrip("\r").split("\t", 1) for line in table.stdout.splitlines()
                 if "\t" in line)
    return codes["ProductCode"], codes["UpgradeCode"]


def unpack_app(zip_path, out):
    """The app's folder, from the release's zip, without the zip's top folder."""
    with zipfile.ZipFile(zip_path) as archive:
        for info in archive.infolist():
            name = info.filename.split("/", 1)[1] if "/" in info.filename else ""
            if not name or info.is_dir():
                continue
            if name.startswith("/") or ".." in name.split("/"):
                sys.exit("make_site.py: an unsafe name in the app's zip: " + info.filename)
            target = os.path.join(out, name)
            os.makedirs(os.path.dirname(target), exist_ok=True)
            with archive.open(info) as source, open(target, "wb") as copy:
                shutil.copyfileobj(source, copy)


def qr_code(address, out):
    """A QR code of the address, its modules whole pixels, for the board."""
    subprocess.run(["qrencode", "--type=PNG", "--size=8", "--margin=4", "--level=M",
                    "--output=" + out, address], check=True)


def picture_of_the_window(page, out):
    """The window after a compute, as Chromium draws the one-file page at
    twice the pixels, for sharp screens."""
    from selenium import webdriver
    from selenium.webdriver.chrome.service import Service
    from selenium.webdriver.common.by import By
    from selenium.webdriver.support.ui import WebDriverWait

    profile = tempfile.mkdtemp(prefix="dd-site-chromium-")
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for flag in ["--headless", "--no-sandbox", "--disable-gpu", "--no-first-run",
                 "--disable-background-networking", "--disable-component-update",
                 "--disable-sync", "--window-size=800,600", "--force-device-scale-factor=2",
                 "--user-data-dir=" + profile]:
        options.add_argument(flag)
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    try:
        driver.get("file://" + os.path.abspath(page))
        WebDriverWait(driver, 10).until(lambda d: d.execute_script(
            "return document.documentElement.dataset.ready === 'true'"))
        driver.find_element(By.ID, "Command1(0)").click()
        WebDriverWait(driver, 10).until(lambda d: d.find_element(
            By.ID, "Text2(2)").get_property("value") != "")
        driver.execute_script("document.activeElement.blur()")
        with open(out, "wb") as target:
            target.write(driver.find_element(By.ID, "dd-window").screenshot_as_png)
    finally:
        driver.quit()
        shutil.rmtree(profile, ignore_errors=True)


def png_size(path):
    return struct.unpack(">II", read(path, binary=True)[16:24])


def downloads(dist, files, deb_words):
    """The release files, in the order of WHAT: the programs first."""
    order = [ending for ending, _ in WHAT]
    rank = lambda name: next(i for i, ending in enumerate(order) if name.endswith(ending))
    items = []
    for name, digest in sorted(files, key=lambda f: rank(f[0])) + [("SHA256SUMS", None)]:
        what = describe(name).replace("@DEBIAN@", deb_words)
        size = size_text(os.path.getsize(os.path.join(dist, name)))
        sha = ('<br>SHA-256: <code class="sum">%s</code>' % digest) if digest else ""
        items.append('<li><a href="%s">%s</a> (%s)<br>%s%s</li>' % (
            html.escape(name), html.escape(name), size, html.escape(what), sha))
    return '<ul class="files">\n' + "\n".join(items) + "\n</ul>"


def page(layout, style, name, title, body, fill):
    nav = []
    for other, _, _ in PAGES:
        label = {"index.html": "Начало", "za-uchitelya.html": "За учителя",
                 "za-administratora.html": "За администратора"}[other]
        current = ' aria-current="page"' if other == name else ""
        href = "./" if other == "index.html" else other
        nav.append('<li><a href="%s"%s>%s</a></li>' % (href, current, label))
    text = (layout.replace("@STYLE@", style).replace("@NAV@", "\n".join(nav))
            .replace("@TITLE@", html.escape(title if name == "index.html"
                                            else title + " – Различни цифри"))
            .replace("@CONTENT@", body))
    for mark, value in fill.items():
        text = text.replace("@" + mark + "@", value)
    left = re.findall(r"@[A-Z_]+@", text)
    if left:
        sys.exit("make_site.py: %s leaves %s unfilled" % (name, ", ".join(sorted(set(left)))))
    # Its own style by its hash, its own images, nothing else.
    return csp.with_policy(text, program=False, img_src="'self'")


def main(dist, facts_json, out):
    facts = json.loads(read(facts_json))
    home = facts["home"]
    host = urllib.parse.urlsplit(home).hostname
    if home.startswith("http://") and host not in ("localhost", "127.0.0.1", "::1"):
        print("make_site.py: warning: %s is not HTTPS: browsers will neither install the app "
              "from it nor keep it for use offline" % home, file=sys.stderr)
    files = checked_sums(dist)
    names = {key: one(files, ending) for key, ending in [
        ("SETUP", "-setup.exe"), ("MSI", ".msi"), ("DEB", ".deb"), ("HTML", ".html"),
        ("ZIP", "-web.zip")]}
    names["EXE"] = [n for n, _ in files if n.endswith(".exe") and n != names["SETUP"]][0]
    if os.path.isdir(out):
        shutil.rmtree(out)
    os.makedirs(out)
    for name, _ in files:
        shutil.copyfile(os.path.join(dist, name), os.path.join(out, name))
    shutil.copyfile(os.path.join(dist, "SHA256SUMS"), os.path.join(out, "SHA256SUMS"))
    unpack_app(os.path.join(dist, names["ZIP"]), os.path.join(out, "app"))
    app = home + "app/"
    qr_code(app, os.path.join(out, QR))
    picture_of_the_window(os.path.join(dist, names["HTML"]), os.path.join(out, PICTURE))
    product_code, upgrade_code = msi_codes(os.path.join(dist, names["MSI"]))
    deb_words = debian_releases(names["DEB"])
    width, height = png_size(os.path.join(out, PICTURE))
    qr_width, _ = png_size(os.path.join(out, QR))
    version = re.search(r"distinct-digits-([0-9.]+)\.msi", names["MSI"]).group(1)
    # The contact, where the publisher gave one: a made-up address is no
    # use to a reader.
    contact = facts["contact"] and html.escape(re.fullmatch(r".* <(.*)>", facts["contact"]).group(1))
    mail = '<a href="mailto:%s">%s</a>' % (contact, contact) if contact else ""
    fill = dict(names)
    fill.update({
        "CONTACT": " · " + mail if mail else "",
        "WRITE_TO_US": " Ако нещо не работи при вас, пишете ни на %s." % mail if mail else "",
        "HOME": html.escape(home), "HOME_ADDRESS": html.escape(home.split("://", 1)[1].rstrip("/")),
        "APP": html.escape(app), "VERSION": version, "QR": QR, "QR_SIZE": str(qr_width),
        "PICTURE": PICTURE, "PICTURE_WIDTH": str(width // 2), "PICTURE_HEIGHT": str(height // 2),
        "TASK": "\n".join("<p>%s</p>" % html.escape(line) for line in facts["task"].splitlines()),
        "DOWNLOADS": downloads(dist, files, deb_words), "DEBIAN": deb_words,
        "PRODUCT_CODE": product_code, "UPGRADE_CODE": upgrade_code,
        "SIGNED": ("подписани с цифров подпис" if signed(os.path.join(dist, names["EXE"]))
                   else "без цифров подпис"),
    })
    layout = read(os.path.join(HERE, "layout.html"))
    style = read(os.path.join(HERE, "site.css"))
    for name, title, template in PAGES:
        body = read(os.path.join(HERE, template))
        write(os.path.join(out, name), page(layout, style, name, title, body, fill))
    print("The site for %s is in %s" % (home, out))


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    main(*sys.argv[1:])
