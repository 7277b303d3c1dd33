"""The README's samples, its error table and the tour run as written and show what they print."""

import contextlib
import doctest
import io
import pathlib
import re
import runpy

import pytest

import quendreltime

ROOT = pathlib.Path(__file__).resolve().parent.parent
README = (ROOT / "README.md").read_text(encoding="utf-8")


def python_blocks():
    """(first line number, source) of every ```python block of the README."""
    found = re.finditer(r"^```python\n(.*?)^```$", README, re.S | re.M)
    return [(README.count("\n", 0, match.start()) + 2, match.group(1)) for match in found]


BLOCKS = python_blocks()


def run_block(line, source, globs):
    """Run one block as a doctest on a copy of `globs`; return the failure report ("" when it
    passed) and the names the block leaves behind."""
    test = doctest.DocTestParser().get_doctest(source, globs, f"README.md:{line}", "README.md", line - 1)
    report = io.StringIO()
    doctest.DocTestRunner(verbose=False).run(test, out=report.write, clear_globs=False)
    return report.getvalue(), test.globs


def setup_globals():
    """The names that the README's first block defines for all the others."""
    report, globs = run_block(*BLOCKS[0], {})
    assert report == ""
    return globs


class TestSamples:
    # Each block runs on its own after the first one, so that a sample never leans on a
    # value left behind by an earlier section.
    @pytest.mark.parametrize(("line", "source"), BLOCKS, ids=[f"line{line}" for line, _ in BLOCKS])
    def test_block_prints_what_the_readme_shows(self, line, source):
        assert ">>> " in source, "every python block must be a checked sample"
        if "import numpy as np, pandas as pd" in source:
            pytest.importorskip("pandas")  # in the test extra; a bare development venv may lack it
        globs = setup_globals() if (line, source) != BLOCKS[0] else {}
        report, _ = run_block(line, source, globs)
        assert report == "", report


def error_rows():
    section = README.split("\n## Errors\n", 1)[1].split("\n## ", 1)[0]
    rows = [line for line in section.splitlines() if line.startswith("| ") and not line.startswith("| Kind")]
    return [re.fullmatch(r"\| [^|]+ \| `(.+?)` \| `(.+?)` \|", row) or row for row in rows]


class TestErrorTable:
    @pytest.mark.parametrize("row", error_rows(), ids=lambda row: getattr(row, "group", lambda _: row)(1))
    def test_example_raises_the_message_shown(self, row):
        assert isinstance(row, re.Match), f"row not in the | kind | `call` | `message` | form: {row}"
        call, message = row.groups()
        names = setup_globals() | {"v": quendreltime.quendrel_time.now(None)}
        with pytest.raises(ValueError) as raised:
            eval(call, names)
        assert str(raised.value) == message


# Indented lines outside the samples: the commands a reader copies.
COMMANDS = [line[4:] for line in README.split("\n## Tour\n", 1)[0].splitlines() if line.startswith("    ")]


class TestCommands:
    def test_ci_runs_the_readme_test_command_verbatim(self):
        test_command = next(command for command in COMMANDS if command.endswith("python -m pytest"))
        assert test_command in (ROOT / ".ci" / "run").read_text().splitlines()

    def test_the_tour_runs(self):
        printed = io.StringIO()
        with contextlib.redirect_stdout(printed):
            runpy.run_path(str(ROOT / "examples" / "tour.py"), run_name="__main__")
        assert "Traceback" not in printed.getvalue()
        assert printed.getvalue().count("\n== ") >= 10
