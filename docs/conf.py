"""Sphinx configuration of the documentation site.

The pages are MyST Markdown, the theme is furo, and the reference pages are written at every
build by tools/docgen.py from the method texts in docs/api, with the typed signatures of
quendreltime.pyi. Build with: sphinx-build -W --keep-going -n -b html docs docs/_build/html
"""

import pathlib
import sys

DOCS = pathlib.Path(__file__).resolve().parent
sys.path.insert(0, str(DOCS.parent / "tools"))
import docgen  # noqa: E402

docgen.write_reference(DOCS / "reference", docgen.read_sources())

project = "quendreltime"
author = "the quendreltime developers"
copyright = "the quendreltime developers"
extensions = ["myst_parser"]
source_suffix = {".md": "markdown", ".rst": "restructuredtext"}
exclude_patterns = ["_build", "api"]
html_theme = "furo"
html_title = "quendreltime"
# Method texts are also docstrings: `name` is code there, as in the Markdown pages.
default_role = "literal"
# Every cross-reference must resolve; builtin and typing names have no page of their own here.
nitpicky = True
nitpick_ignore = [("py:class", name) for name in (
    "str", "int", "float", "bool", "list", "None", "Sequence", "SupportsIndex", "Literal")]
# The tour and the performance page include README sections, whose headings start at level 3.
suppress_warnings = ["myst.header"]
myst_heading_anchors = 3
# Messages are shown exactly as the module writes them: straight quotes, no dashes made of hyphens.
smartquotes = False
