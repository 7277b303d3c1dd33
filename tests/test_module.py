"""The published surface: names, types, help, the type stubs, and how arguments bind."""

import ast
import doctest
import importlib
import inspect
import io
import pathlib
import pydoc
import re
import subprocess
import sys

import numpy as np
import pytest

import quendreltime
from support import D, T, message_of

ROOT = pathlib.Path(__file__).resolve().parent.parent
STUB_TEXT = (ROOT / "quendreltime.pyi").read_text(encoding="utf-8")
STUB = ast.parse(STUB_TEXT)
sys.path.insert(0, str(ROOT / "tools"))
import docgen  # noqa: E402  the method texts of docs/api, which the module, the stubs and the site carry


class TestModule:
    def test_names(self):
        assert quendreltime.__all__ == [
            "QuendrelDuration", "QuendrelTime", "quendrel_duration", "quendrel_time", "supported_units",
            "supported_locales"]
        assert quendreltime.QuendrelTime is T and quendreltime.QuendrelDuration is D
        names = {}
        exec("from quendreltime import *", names)
        assert [names[name] for name in quendreltime.__all__] == [getattr(quendreltime, n) for n in quendreltime.__all__]

    @pytest.mark.parametrize("cls, name", [(T, "QuendrelTime"), (D, "QuendrelDuration")])
    def test_classes_name_their_module(self, cls, name):
        # pickle and pydoc find a class through __module__ and __qualname__.
        assert (cls.__module__, cls.__name__, cls.__qualname__) == ("quendreltime", name, name)
        assert repr(cls) == f"<class 'quendreltime.{name}'>"
        assert sorted(name for name in vars(cls) if name.startswith("__")) == [
            "__doc__", "__module__", "__new__", "__repr__"]
        with pytest.raises(TypeError, match="not an acceptable base type"):
            type("Sub", (cls,), {})

    def test_import_raises_no_warning(self):
        # A project that turns warnings into errors must still be able to import the module.
        process = subprocess.run([sys.executable, "-W", "error", "-c", "import quendreltime"],
                                 capture_output=True, text=True, timeout=60)
        assert (process.returncode, process.stderr) == (0, "")

    def test_reimport_returns_the_same_module(self):
        saved = sys.modules.pop("quendreltime")
        try:
            assert importlib.import_module("quendreltime") is saved
        finally:
            sys.modules["quendreltime"] = saved

    def test_functions(self):
        units = quendreltime.supported_units()
        assert units == ["millisecond", "second", "minute", "hour", "day", "week", "month", "quarter", "year"]
        units.clear()  # a fresh list each call
        assert len(quendreltime.supported_units()) == 9
        assert quendreltime.supported_locales() == ["en", "fr", "es", "de", "pt"]
        assert quendreltime.supported_units.__text_signature__ == quendreltime.supported_locales.__text_signature__ == "()"


def test_values_compare_by_identity_and_take_no_attributes():
    a, b = T.from_unix_ms(0, "Asia/Kolkata"), T.from_unix_ms(0, "Asia/Kolkata")
    assert a != b and a == a and hash(a) != hash(b)
    assert str(a) == repr(a) == "QuendrelTime(iso='1970-01-01T05:30:00.000+05:30', timezone='Asia/Kolkata')"
    with pytest.raises(AttributeError):
        a.extra = 1


def stub_functions(body):
    """{name: (kind, parameter names, docstring)} of the public functions in a stub body."""
    found = {}
    for node in body:
        if isinstance(node, ast.FunctionDef) and (not node.name.startswith("_") or node.name == "__new__"):
            static = any(isinstance(d, ast.Name) and d.id == "staticmethod" for d in node.decorator_list)
            names = [arg.arg for arg in node.args.posonlyargs + node.args.args]
            found[node.name] = ("static" if static else "instance", names if static else names[1:],
                                ast.get_docstring(node))
    return found


def runtime_methods(cls):
    """{name: (kind, parameter names)} of a class's methods as the module publishes them, in order."""
    found = {"__new__": ("instance", list(inspect.signature(cls).parameters))}
    for name, value in vars(cls).items():
        if not name.startswith("__"):
            kind = "static" if isinstance(value, staticmethod) else "instance"
            names = list(inspect.signature(getattr(cls, name)).parameters)
            found[name] = (kind, names if kind == "static" else names[1:])
    return found


def stub_classes():
    """(runtime attribute, stub class node) for each class the stub aliases."""
    classes = {node.name: node for node in STUB.body if isinstance(node, ast.ClassDef)}
    return [(node.target.id, classes[node.value.id]) for node in STUB.body
            if isinstance(node, ast.AnnAssign) and isinstance(node.value, ast.Name) and node.value.id in classes]


# mypy's stubtest checks the types too (tools/check_dist.sh); this quick
# comparison keeps the stubs from drifting in every run, where mypy may be missing.
class TestStubs:
    def test_module_names(self):
        assert [(name, cls.name) for name, cls in stub_classes()] == [
            ("quendrel_time", "QuendrelTime"), ("quendrel_duration", "QuendrelDuration")]
        assert {name: spec[:2] for name, spec in stub_functions(STUB.body).items()} == {
            "supported_units": ("instance", []), "supported_locales": ("instance", [])}
        declared = next(node.value for node in STUB.body
                        if isinstance(node, ast.Assign) and node.targets[0].id == "__all__")
        assert ast.literal_eval(declared) == quendreltime.__all__

    @pytest.mark.parametrize(("attribute", "node"), stub_classes(), ids=lambda item: getattr(item, "name", item))
    def test_every_method_with_its_kind_and_parameters(self, attribute, node):
        cls = getattr(quendreltime, attribute)
        assert node.name == cls.__name__
        assert {name: spec[:2] for name, spec in stub_functions(node.body).items()} == runtime_methods(cls)

    def test_docstrings_are_the_method_texts(self):
        assert docgen.render_stub(STUB_TEXT, docgen.read_sources()) == STUB_TEXT, "run python tools/docgen.py stubs"


def published():
    """(name, object) of each class and every public method and module function, as published."""
    found = [(name, getattr(quendreltime, name)) for name in ("supported_units", "supported_locales")]
    for cls in (T, D):
        found += [(cls.__name__, cls)] + [(f"{cls.__name__}.{name}", getattr(cls, name))
                                          for name in vars(cls) if not name.startswith("__")]
    return found


class TestDocs:
    def test_every_function_has_a_signature_a_paragraph_and_an_example(self):
        help_text = pydoc.render_doc(quendreltime, renderer=pydoc.plaintext)
        for name, function in published():
            paragraph = function.__doc__.split("\n\n")[0]
            assert function.__text_signature__ and paragraph.strip() and "\n>>> " in function.__doc__, name
            assert all(line in help_text for line in paragraph.splitlines()), name

    def test_every_example_of_the_site_runs(self):
        # The site shows each method's text and the pages' ```python blocks; the README's
        # samples, included in the tour and performance pages, run in test_readme.py.
        examples = [(name, function.__doc__) for name, function in published()] + [(quendreltime.__name__, quendreltime.__doc__)]
        examples += [(page.name, "".join(re.findall(r"^```python\n(.*?)^```$", page.read_text(encoding="utf-8"), re.S | re.M)))
                     for page in sorted((ROOT / "docs").glob("*.md"))]
        runner, report = doctest.DocTestRunner(optionflags=doctest.ELLIPSIS), io.StringIO()
        for name, text in examples:
            globs = {"quendreltime": quendreltime, "T": T, "D": D}  # the names the module docstring gives
            runner.run(doctest.DocTestParser().get_doctest(text, globs, name, name, 0), out=report.write)
        assert not report.getvalue(), report.getvalue()


class TestBinding:
    # What the binder says about calls that do not fit a signature, one row
    # per kind of mistake; the wrong-type prefix of every parameter is checked
    # in test_bad_input.py.
    @pytest.mark.parametrize("call, message", [
        (lambda: T.now(), "QuendrelTime.now() missing 1 required positional argument: 'timezone'"),
        (lambda: T.from_unix_ms(), "QuendrelTime.from_unix_ms() missing 2 required positional arguments: "
                                   "'unix_ms' and 'timezone'"),
        (lambda: T.format_batch([]), "QuendrelTime.format_batch() missing 3 required positional arguments: "
                                     "'pattern', 'timezone', and 'locale'"),
        (lambda: T.now(None, None), "QuendrelTime.now() takes 1 positional arguments but 2 were given"),
        (lambda: T.now(zone=None), "QuendrelTime.now() got an unexpected keyword argument 'zone'"),
        (lambda: T.now(None, timezone=None), "QuendrelTime.now() got multiple values for argument 'timezone'"),
        (lambda: T(None), "QuendrelTime.__new__() missing 1 required positional argument: 'timezone'"),
        (lambda: T.from_unix_ms("0", None), "argument 'unix_ms': 'str' object cannot be interpreted as an integer"),
        (lambda: T.from_unix_ms(0, 5), "argument 'timezone': 'int' object cannot be cast as 'str'"),
        (lambda: T.parse(None, None), "argument 'input': 'NoneType' object cannot be cast as 'str'"),
        (lambda: T.from_array("2024", None), "argument 'components': Can't extract `str` to `Vec`"),
        (lambda: T.from_array({2024}, None), "argument 'components': 'set' object cannot be cast as 'Sequence'"),
        (lambda: T.from_array(iter([2024]), None),
         "argument 'components': 'list_iterator' object cannot be cast as 'Sequence'"),
        (lambda: T.from_array([2024, "1"], None),
         "argument 'components': 'str' object cannot be interpreted as an integer"),
    ])
    def test_type_errors(self, call, message):
        assert message_of(call, TypeError) == message

    def test_keywords_and_index_objects(self):
        assert T.from_unix_ms(unix_ms=np.int64(5), timezone=None).unix_ms() == 5
        assert T.from_unix_ms(True, None).unix_ms() == 1
        assert T.from_array((2024, np.int32(1), 29), None).to_iso() == "2024-02-29T00:00:00.000Z"
        assert T.from_array(np.array([2024, 1, 29]), None).to_iso() == "2024-02-29T00:00:00.000Z"

    def test_lone_surrogates_raise_the_encoding_error(self):
        with pytest.raises(UnicodeEncodeError):
            T.parse("2024-01-01\ud800", None)
