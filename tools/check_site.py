"""Checks the built documentation site the way a reader meets it.

    python tools/check_site.py [SITE_DIR]      (default docs/_build/html)

1. Every internal link of every page (href and src, fragments included) reaches a file of the
   site and, for a fragment, an element with that id.
2. Headless Chromium takes screenshots of three pages into SITE_DIR/../screenshots and the sizes
   are printed.
3. Chromium's DOM of the reference page of `start_of` shows the method's signature and its
   example, read from the same sources the page is made from, so a broken template fails here.
"""

import html.parser
import pathlib
import shutil
import struct
import subprocess
import sys
import tempfile
import urllib.parse

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
import docgen  # noqa: E402

REFERENCE_PAGE = "reference/quendrel_time/start_of.html"
SCREENSHOTS = [("index.html", "home"), ("zones.html", "topic-zones"),
               (REFERENCE_PAGE, "reference-start_of")]
VOID = {"area", "base", "br", "col", "embed", "hr", "img", "input", "link", "meta", "source", "track", "wbr"}


class Node:
    def __init__(self, tag, attrs):
        self.tag, self.attrs, self.children = tag, dict(attrs), []

    def text(self):
        return "".join(child if isinstance(child, str) else child.text() for child in self.children)

    def walk(self):
        yield self
        for child in self.children:
            if isinstance(child, Node):
                yield from child.walk()


class TreeBuilder(html.parser.HTMLParser):
    """A forgiving tree of elements and text: enough to find ids, links and an element's text."""

    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.root = Node("#document", [])
        self.stack = [self.root]

    def handle_starttag(self, tag, attrs):
        node = Node(tag, attrs)
        self.stack[-1].children.append(node)
        if tag not in VOID:
            self.stack.append(node)

    def handle_endtag(self, tag):
        for depth in range(len(self.stack) - 1, 0, -1):
            if self.stack[depth].tag == tag:
                del self.stack[depth:]
                return

    def handle_data(self, data):
        self.stack[-1].children.append(data)


def parse(text):
    builder = TreeBuilder()
    builder.feed(text)
    builder.close()
    return builder.root


def check_links(site):
    """Returns (pages, links checked, broken links)."""
    pages = {path: parse(path.read_text(encoding="utf-8")) for path in sorted(site.rglob("*.html"))}
    ids = {path: {node.attrs["id"] for node in tree.walk() if node.attrs.get("id")} for path, tree in pages.items()}
    checked, broken = 0, []
    for path, tree in pages.items():
        for node in tree.walk():
            for attribute in ("href", "src"):
                link = node.attrs.get(attribute)
                if not link:
                    continue
                parts = urllib.parse.urlsplit(link)
                if parts.scheme or parts.netloc:
                    continue  # external: not part of the site
                target = (path.parent / urllib.parse.unquote(parts.path)).resolve() if parts.path else path
                if target.is_dir():
                    target = target / "index.html"
                checked += 1
                if not target.is_file():
                    broken.append(f"{path.relative_to(site)}: {link} (no such file)")
                elif parts.fragment and target.suffix == ".html":
                    if urllib.parse.unquote(parts.fragment) not in ids.get(target, set()):
                        broken.append(f"{path.relative_to(site)}: {link} (no such anchor)")
    return len(pages), checked, broken


def chromium():
    for name in ("chromium", "chromium-browser", "google-chrome"):
        if shutil.which(name):
            return name
    raise SystemExit("check_site: no Chromium found (Debian: apt-get install chromium)")


def run_chromium(browser, profile, *arguments):
    command = [browser, "--headless", "--no-sandbox", "--disable-gpu", "--hide-scrollbars",
               f"--user-data-dir={profile}", *arguments]
    process = subprocess.run(command, capture_output=True, text=True, timeout=120)
    if process.returncode != 0:
        raise SystemExit(f"check_site: {' '.join(command)} failed:\n{process.stderr}")
    return process.stdout


def png_size(path):
    header = path.read_bytes()[:24]
    if header[:8] != b"\x89PNG\r\n\x1a\n":
        raise SystemExit(f"check_site: {path} is not a PNG")
    return struct.unpack(">II", header[16:24])


def take_screenshots(site, browser, profile):
    out = site.parent / "screenshots"
    out.mkdir(exist_ok=True)
    for page, name in SCREENSHOTS:
        path = out / f"{name}.png"
        path.unlink(missing_ok=True)
        run_chromium(browser, profile, "--window-size=1280,1000", f"--screenshot={path}", (site / page).as_uri())
        width, height = png_size(path)
        print(f"screenshot {path}: {width}x{height} px, {path.stat().st_size} bytes")


def normalised(text):
    return " ".join(text.split())


def check_reference_dom(site, browser, profile):
    """The rendered entry of start_of holds its name, typed parameters, return type and example."""
    dom = parse(run_chromium(browser, profile, "--dump-dom", (site / REFERENCE_PAGE).as_uri()))
    entries = [node for node in dom.walk() if node.attrs.get("id") == "quendreltime.quendrel_time.start_of"]
    if len(entries) != 1:
        raise SystemExit(f"check_site: the reference page has {len(entries)} entries for start_of")
    (signature_node,) = entries
    parent = next(node for node in dom.walk() if signature_node in node.children)
    siblings = [child for child in parent.children if isinstance(child, Node)]
    body = siblings[siblings.index(signature_node) + 1]
    signature_text = normalised(signature_node.text())
    signature, _ = docgen.stub_signatures()[("QuendrelTime", "start_of")]
    parameters, returns = signature.split(" -> ")
    wanted = ["start_of", parameters.strip("()"), returns]
    missing = [part for part in wanted if part not in signature_text]
    text = next(source.texts["start_of"] for source in docgen.read_sources() if source.owner == "QuendrelTime")
    lines = text.splitlines()
    first = next(i for i, line in enumerate(lines) if line.startswith(">>> "))
    example = [normalised(line) for line in lines[first:] if line.strip()]
    body_text = normalised(body.text())
    missing += [line for line in example if line not in body_text]
    if body.tag != "dd" or missing:
        raise SystemExit(f"check_site: the start_of entry lacks {missing}; signature {signature_text!r}")
    print(f"reference DOM: start_of shows {signature_text!r} and its {len(example)} example lines")


def main(argv):
    site = pathlib.Path(argv[0] if argv else "docs/_build/html").resolve()
    pages, checked, broken = check_links(site)
    print(f"links: {checked} internal links on {pages} pages checked, {len(broken)} broken")
    if broken:
        raise SystemExit("check_site: broken links:\n  " + "\n  ".join(broken))
    browser = chromium()
    with tempfile.TemporaryDirectory() as profile:
        take_screenshots(site, browser, profile)
        check_reference_dom(site, browser, profile)


if __name__ == "__main__":
    main(sys.argv[1:])
