#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Zantek Games
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks the pages that come with the game.

  check_pages.py manual MANUAL.html
      Every help context number has its anchor and a link from the contents;
      every picture and every linked file exists; every link within the page
      finds its anchor.
  check_pages.py games INDEX.html SCREENSHOT.png
      Loads the games page in headless chromium, checks that every link,
      picture and stylesheet of the page as the browser built it resolves to
      a file beside it, and takes a screenshot. Exits 77 (skipped) when
      chromium is not installed.
"""
import html.parser
import os
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import urllib.parse

CONTEXTS = ["41003", "41005", "41008", "41009", "41010"]
SKIPPED = 77


class Page(html.parser.HTMLParser):
    """The anchors of a page and every address it refers to."""

    def __init__(self):
        super().__init__()
        self.anchors = set()
        self.refs = []  # (tag, address)
        self.has_title = False

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        for name in ("name", "id"):
            if attrs.get(name) and (name == "id" or tag == "a"):
                self.anchors.add(attrs[name])
        for name in ("href", "src"):
            if attrs.get(name):
                self.refs.append((tag, attrs[name]))
        self.has_title |= tag == "title"


def css_refs(path):
    """The url(...) addresses of a stylesheet."""
    text = pathlib.Path(path).read_text(encoding="utf-8")
    return [("css", m.strip("'\"")) for m in re.findall(r"url\(\s*([^)]*?)\s*\)", text)]


def broken_refs(page_path, markup):
    """Parses a page; returns it and what in it does not resolve to a file."""
    page = Page()
    page.feed(markup)
    base = pathlib.Path(page_path).resolve().as_uri()
    errors = []
    pending = list(page.refs)
    while pending:
        tag, address = pending.pop()
        target = urllib.parse.urlsplit(urllib.parse.urljoin(base, address))
        # A link may lead to the maker's site; nothing the page shows may.
        if target.scheme == "https" and tag == "a":
            continue
        if target.scheme != "file":
            errors.append(f"<{tag}> {address} leaves the game's folder")
            continue
        path = urllib.parse.unquote(target.path)
        if not os.path.isfile(path):
            errors.append(f"<{tag}> {address}: there is no {path}")
        elif target.fragment and path.endswith(".html"):
            anchors = page.anchors
            if not os.path.samefile(path, page_path):
                other = Page()
                other.feed(pathlib.Path(path).read_text(encoding="utf-8"))
                anchors = other.anchors
            if target.fragment not in anchors:
                errors.append(f"<{tag}> {address}: {path} has no anchor {target.fragment}")
        elif path.endswith(".css"):
            base_css = pathlib.Path(path).as_uri()
            pending += [(t, urllib.parse.urljoin(base_css, a)) for t, a in css_refs(path)]
    return page, errors


def check_manual(manual):
    page, errors = broken_refs(manual, pathlib.Path(manual).read_text(encoding="utf-8"))
    links = {a for _, a in page.refs}
    for context in CONTEXTS:
        if context not in page.anchors:
            errors.append(f"no anchor for help context {context}")
        if "#" + context not in links:
            errors.append(f"the contents do not link to help context {context}")
    if not any(tag == "img" for tag, _ in page.refs):
        errors.append("the manual shows no pictures")
    return errors


def chromium(*args):
    browser = shutil.which("chromium") or shutil.which("chromium-browser")
    with tempfile.TemporaryDirectory() as profile:
        command = [browser, "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic",
                   "--no-first-run", "--disable-background-networking",
                   "--disable-component-update", "--disable-sync",
                   f"--user-data-dir={profile}", *args]
        return subprocess.run(command, capture_output=True, text=True, timeout=180)


def check_games_page(index, screenshot):
    if not (shutil.which("chromium") or shutil.which("chromium-browser")):
        print("chromium is not installed: the games page is not checked")
        sys.exit(SKIPPED)
    url = pathlib.Path(index).resolve().as_uri()
    dump = chromium("--dump-dom", url)
    if dump.returncode != 0 or "<body" not in dump.stdout:
        return [f"chromium did not load {url}: {dump.stderr[-2000:]}"]
    page, errors = broken_refs(index, dump.stdout)
    if not page.has_title:
        errors.append("the page as loaded has no title")
    if not any(tag == "img" for tag, _ in page.refs):
        errors.append("the page as loaded shows no pictures")

    if os.path.exists(screenshot):
        os.remove(screenshot)
    shot = chromium("--hide-scrollbars", f"--screenshot={screenshot}", "--window-size=1280,900", url)
    if not os.path.isfile(screenshot):
        errors.append(f"chromium took no screenshot: {shot.stderr[-2000:]}")
    elif pathlib.Path(screenshot).read_bytes()[:8] != b"\x89PNG\r\n\x1a\n":
        errors.append(f"{screenshot} is not a PNG picture")
    else:
        print(f"screenshot: {screenshot}")
    return errors


def main(argv):
    if len(argv) == 3 and argv[1] == "manual":
        errors = check_manual(argv[2])
    elif len(argv) == 4 and argv[1] == "games":
        errors = check_games_page(argv[2], argv[3])
    else:
        print(__doc__, file=sys.stderr)
        return 2
    for error in errors:
        print(error, file=sys.stderr)
    return 1 if errors else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
