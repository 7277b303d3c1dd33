"""The published surface and the argument-binding rules of every method."""

import inspect
import pydoc
import subprocess
import sys

import numpy as np
import pytest

import quendreltime

T = quendreltime.quendrel_time
D = quendreltime.quendrel_duration

TIME_METHODS = [
    ("now", "static", "timezone"), ("parse", "static", "input, timezone"),
    ("parse_format", "static", "input, pattern, timezone"), ("parse_batch", "static", "inputs, timezone"),
    ("parse_format_batch", "static", "inputs, pattern, timezone"),
    ("format_batch", "static", "unix_millis, pattern, timezone, locale"),
    ("from_array", "static", "components, timezone"), ("from_unix_ms", "static", "unix_ms, timezone"),
    ("from_unix", "static", "unix_seconds, timezone"), ("duration", "static", "value, unit"),
    ("to_iso", "instance", ""), ("format", "instance", "pattern"), ("format_locale", "instance", "pattern, locale"),
    ("unix_ms", "instance", ""), ("unix", "instance", ""), ("value_of", "instance", ""),
    ("timezone", "instance", ""), ("to_array", "instance", ""), ("utc_offset", "instance", ""),
    ("is_utc", "instance", ""), ("is_dst", "instance", ""), ("to_timezone", "instance", "timezone"),
    ("add", "instance", "amount, unit"), ("add_duration", "instance", "duration"),
    ("subtract", "instance", "amount, unit"), ("subtract_duration", "instance", "duration"),
    ("start_of", "instance", "unit"), ("end_of", "instance", "unit"), ("diff", "instance", "other, unit, as_float"),
    ("is_valid", "instance", ""), ("days_in_month", "instance", ""), ("is_leap_year", "instance", ""),
    ("get", "instance", "field"), ("set", "instance", "field, value"),
    *[(name, "instance", "") for name in ("year", "month", "date", "day", "hour", "minute", "second", "millisecond")],
    *[(f"set_{name}", "instance", "value")
      for name in ("year", "month", "date", "day", "hour", "minute", "second", "millisecond")],
    ("day_of_year", "instance", ""), ("quarter", "instance", ""), ("set_quarter", "instance", "value"),
    ("iso_weekday", "instance", ""), ("set_iso_weekday", "instance", "value"),
    ("set_day_of_year", "instance", "value"), ("iso_week", "instance", ""), ("set_iso_week", "instance", "value"),
    ("iso_week_year", "instance", ""), ("week_of_year", "instance", ""), ("week", "instance", ""),
    ("weeks_in_year", "instance", ""), ("iso_weeks_in_year", "instance", ""), ("days_in_year", "instance", ""),
    ("set_week", "instance", "value"), ("is_today", "instance", ""), ("is_yesterday", "instance", ""),
    ("is_tomorrow", "instance", ""), ("is_before", "instance", "other"), ("is_after", "instance", "other"),
    ("is_same", "instance", "other"), ("is_before_unit", "instance", "other, unit"),
    ("is_after_unit", "instance", "other, unit"), ("is_same_unit", "instance", "other, unit"),
    ("is_same_or_before", "instance", "other"), ("is_same_or_after", "instance", "other"),
    ("is_same_or_before_unit", "instance", "other, unit"), ("is_same_or_after_unit", "instance", "other, unit"),
    ("is_between", "instance", "start, end, unit, inclusivity"), ("from_time", "instance", "other, without_suffix"),
    ("to_time", "instance", "other, without_suffix"), ("from_now", "instance", "without_suffix"),
    ("to_now", "instance", "without_suffix"), ("calendar", "instance", "reference, locale"),
    ("min", "static", "first, second"), ("max", "static", "first, second"), ("clamp", "instance", "start, end"),
    ("clone_time", "instance", ""),
]

DURATION_METHODS = [
    *[(f"from_{unit}", "static", "value")
      for unit in ("milliseconds", "seconds", "minutes", "hours", "days", "weeks", "months", "years")],
    *[(f"as_{unit}", "instance", "")
      for unit in ("milliseconds", "seconds", "minutes", "hours", "days", "weeks", "months", "years")],
    ("humanize", "instance", "with_suffix"), ("add", "instance", "other"), ("subtract", "instance", "other"),
    ("negate", "instance", ""), ("abs", "instance", ""),
]

DOC_BODIES = {
    "parse_batch": "Batch parse ISO/naive datetime strings and return unix timestamps (ms).",
    "format_batch": "Batch format unix timestamps with locale support.",
    "format_locale": "Locale-aware format helper for month/day names and meridiem output.",
}


def methods_of(cls):
    return [name for name, value in vars(cls).items() if not name.startswith("__") and callable(value)
            or isinstance(value, staticmethod)]


class TestModule:
    def test_names(self):
        assert quendreltime.__all__ == [
            "QuendrelDuration", "QuendrelTime", "quendrel_duration", "quendrel_time", "supported_units",
            "supported_locales"]
        assert quendreltime.QuendrelTime is T and quendreltime.QuendrelDuration is D
        assert quendreltime.__doc__ == ""

    @pytest.mark.parametrize("cls, name", [(T, "QuendrelTime"), (D, "QuendrelDuration")])
    def test_classes_name_their_module(self, cls, name):
        # pickle and pydoc find a class through __module__ and __qualname__.
        assert (cls.__module__, cls.__name__, cls.__qualname__) == ("quendreltime", name, name)
        assert repr(cls) == f"<class 'quendreltime.{name}'>"
        assert sorted(name for name in vars(cls) if name.startswith("__")) == [
            "__doc__", "__module__", "__new__", "__repr__"]

    def test_star_import_brings_every_listed_name(self):
        names = {}
        exec("from quendreltime import *", names)
        assert [names[name] for name in quendreltime.__all__] == [getattr(quendreltime, name)
                                                                 for name in quendreltime.__all__]

    def test_import_raises_no_warning(self):
        # A project that turns warnings into errors must still be able to import the module.
        process = subprocess.run([sys.executable, "-W", "error", "-c", "import quendreltime"],
                                 capture_output=True, text=True, timeout=60)
        assert (process.returncode, process.stderr) == (0, "")

    @pytest.mark.parametrize("cls, shown", [
        (T, ["class QuendrelTime(builtins.object)", "add(self, /, amount, unit)", "parse_batch(inputs, timezone)",
             "Batch parse ISO/naive datetime strings and return unix timestamps (ms)."]),
        (D, ["class QuendrelDuration(builtins.object)", "from_days(value)", "humanize(self, /, with_suffix)"]),
        (quendreltime, ["class QuendrelTime(builtins.object)", "class QuendrelDuration(builtins.object)",
                        "supported_units()", "clone_time(self, /)", "abs(self, /)"]),
    ], ids=["time", "duration", "module"])
    def test_help_lists_the_methods(self, cls, shown):
        text = pydoc.render_doc(cls, renderer=pydoc.plaintext)
        assert [line for line in shown if line not in text] == []

    def test_functions(self):
        units = quendreltime.supported_units()
        assert units == ["millisecond", "second", "minute", "hour", "day", "week", "month", "quarter", "year"]
        units.clear()
        assert len(quendreltime.supported_units()) == 9
        assert quendreltime.supported_locales() == ["en", "fr", "es", "de", "pt"]
        assert quendreltime.supported_units.__text_signature__ == "()"
        assert quendreltime.supported_locales.__text_signature__ == "()"

    def test_class_signatures(self):
        assert str(inspect.signature(T)) == "(input, timezone)"
        assert str(inspect.signature(D)) == "(value, unit)"

    def test_reimport_returns_the_same_module(self):
        import importlib
        import sys

        saved = sys.modules.pop("quendreltime")
        try:
            assert importlib.import_module("quendreltime") is saved
        finally:
            sys.modules["quendreltime"] = saved


@pytest.mark.parametrize("cls, table", [(T, TIME_METHODS), (D, DURATION_METHODS)], ids=["time", "duration"])
def test_method_tables(cls, table):
    assert methods_of(cls) == [name for name, _, _ in table]
    for name, kind, params in table:
        raw = vars(cls)[name]
        assert isinstance(raw, staticmethod) == (kind == "static"), name
        expected = params if kind == "static" else ("$self, " + params if params else "$self")
        method = getattr(cls, name)
        assert method.__text_signature__ == f"({expected})", name
        body = DOC_BODIES.get(name) if cls is T else None
        if body:
            assert method.__doc__ == body
    assert T.calendar.__doc__.splitlines()[1:] == [
        "", "Buckets:", "- same day: Today at HH:mm", "- +/-1 day: Tomorrow/Yesterday at HH:mm",
        "- +/-6 days: Weekday at HH:mm", "- otherwise: YYYY-MM-DD HH:mm"]
    assert not T.calendar.__doc__.endswith("\n")
    assert T.parse_format_batch.__doc__


class TestTypes:
    @pytest.mark.parametrize("cls", [T, D])
    def test_cannot_be_subclassed(self, cls):
        with pytest.raises(TypeError, match="not an acceptable base type"):
            type("Sub", (cls,), {})

    def test_no_instance_attributes(self):
        v = T.from_unix_ms(0, None)
        with pytest.raises(AttributeError):
            v.extra = 1

    def test_identity_equality(self):
        a, b = T.from_unix_ms(0, "UTC"), T.from_unix_ms(0, "UTC")
        assert a != b and a == a
        assert hash(a) != hash(b)

    def test_str_is_repr(self):
        v = T.from_unix_ms(0, None)
        assert str(v) == repr(v) == "QuendrelTime(iso='1970-01-01T00:00:00.000Z', timezone='UTC')"


class TestBinding:
    @pytest.mark.parametrize(
        "call, message",
        [
            (lambda: T.now(), "QuendrelTime.now() missing 1 required positional argument: 'timezone'"),
            (lambda: T.from_unix_ms(), "QuendrelTime.from_unix_ms() missing 2 required positional arguments: "
                                       "'unix_ms' and 'timezone'"),
            (lambda: T.format_batch([]), "QuendrelTime.format_batch() missing 3 required positional arguments: "
                                         "'pattern', 'timezone', and 'locale'"),
            (lambda: T.now(None, None), "QuendrelTime.now() takes 1 positional arguments but 2 were given"),
            (lambda: T.now(zone=None), "QuendrelTime.now() got an unexpected keyword argument 'zone'"),
            (lambda: T.now(None, timezone=None), "QuendrelTime.now() got multiple values for argument 'timezone'"),
            (lambda: T(None), "QuendrelTime.__new__() missing 1 required positional argument: 'timezone'"),
            (lambda: T(None, None, x=1), "QuendrelTime.__new__() got an unexpected keyword argument 'x'"),
            (lambda: T.from_unix_ms("0", None), "argument 'unix_ms': 'str' object cannot be interpreted as an integer"),
            (lambda: T.from_unix_ms(1.0, None), "argument 'unix_ms': 'float' object cannot be interpreted as an integer"),
            (lambda: T.from_unix_ms(0, 5), "argument 'timezone': 'int' object cannot be cast as 'str'"),
            (lambda: T(5, None), "argument 'input': 'int' object cannot be cast as 'str'"),
            (lambda: T.parse(None, None), "argument 'input': 'NoneType' object cannot be cast as 'str'"),
            (lambda: T.from_array("2024", None), "argument 'components': Can't extract `str` to `Vec`"),
            (lambda: T.from_array({2024}, None), "argument 'components': 'set' object cannot be cast as 'Sequence'"),
            (lambda: T.from_array(iter([2024]), None), "argument 'components': 'list_iterator' object cannot be cast as 'Sequence'"),
            (lambda: T.from_array([2024, "1"], None), "argument 'components': 'str' object cannot be interpreted as an integer"),
            (lambda: T.from_unix_ms(0, None).to_timezone(None), "argument 'timezone': 'NoneType' object cannot be cast as 'str'"),
        ],
    )
    def test_type_errors(self, call, message):
        with pytest.raises(TypeError) as info:
            call()
        assert str(info.value) == message

    @pytest.mark.parametrize("value", [2**63, -(2**63) - 1, 10**30])
    def test_integers_past_64_bits_raise_overflow_without_prefix(self, value):
        with pytest.raises(OverflowError) as info:
            T.from_unix_ms(value, None)
        assert not str(info.value).startswith("argument")

    def test_keywords_and_index_objects(self):
        v = T.from_unix_ms(unix_ms=np.int64(5), timezone=None)
        assert v.unix_ms() == 5
        assert T.from_unix_ms(True, None).unix_ms() == 1
        assert T.from_array((2024, np.int32(1), 29), None).to_iso() == "2024-02-29T00:00:00.000Z"
        assert T.from_array(np.array([2024, 1, 29]), None).to_iso() == "2024-02-29T00:00:00.000Z"

    def test_lone_surrogates_raise_the_encoding_error(self):
        with pytest.raises(UnicodeEncodeError):
            T.parse("2024-01-01\ud800", None)

    def test_receiver_is_checked(self):
        with pytest.raises(TypeError):
            T.to_iso(5)
        with pytest.raises(TypeError):
            T.unix_ms(D)
