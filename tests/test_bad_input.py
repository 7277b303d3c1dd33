"""Every parameter of every method, fed each kind of wrong value.

The parameter lists come from the methods' own text signatures, so a new
method or parameter is covered (or, with an unknown parameter name, fails
here) without editing this file. What each wrong value must do depends only
on the parameter's conversion kind, and for accepted text on what the text
names (a zone, a unit, a pattern...).
"""

import operator
import warnings

import numpy as np
import pytest

import quendreltime
from support import FIELD_HELP, UNIT_HELP, D, T

INT, TEXT, OPT_TEXT, OPT_BOOL, TIME, OPT_TIME, DURATION, INT_LIST, TEXT_LIST = (
    "integer", "text", "optional text", "optional bool", "time", "optional time", "duration", "list of ints",
    "list of texts")

# Conversion kind by parameter name, then the few names whose kind depends on
# the method.
KIND = {
    "timezone": OPT_TEXT, "input": TEXT, "pattern": TEXT, "unit": TEXT, "field": TEXT, "locale": OPT_TEXT,
    "inclusivity": OPT_TEXT, "amount": INT, "value": INT, "unix_ms": INT, "unix_seconds": INT, "other": TIME,
    "start": TIME, "end": TIME, "first": TIME, "second": TIME, "reference": OPT_TIME, "duration": DURATION,
    "components": INT_LIST, "unix_millis": INT_LIST, "inputs": TEXT_LIST, "as_float": OPT_BOOL,
    "without_suffix": OPT_BOOL, "with_suffix": OPT_BOOL,
}
KIND_BY_METHOD = {
    (T, "to_timezone", "timezone"): TEXT, (T, "__new__", "input"): OPT_TEXT, (T, "is_between", "unit"): OPT_TEXT,
    (T, "duration", "unit"): OPT_TEXT, (D, "__new__", "unit"): OPT_TEXT, (D, "add", "other"): DURATION,
    (D, "subtract", "other"): DURATION,
}

A_TIME = T.from_unix_ms(1_710_072_000_000, "UTC")
A_DURATION = D(1, None)
GOOD_INPUT = "2024-03-10 12:00"
GOOD_PATTERN = "YYYY-MM-DD HH:mm"

# Valid arguments by parameter name. Every integer is 1 and every flag True,
# so that True, numpy integers and numpy bools can be checked against them.
GOOD = {
    "timezone": "Europe/Paris", "input": GOOD_INPUT, "pattern": GOOD_PATTERN, "unit": "day", "field": "hour",
    "locale": "fr", "inclusivity": "[]", "amount": 1, "value": 1, "unix_ms": 1, "unix_seconds": 1,
    "other": A_TIME, "start": A_TIME, "end": A_TIME, "first": A_TIME, "second": A_TIME, "reference": A_TIME,
    "duration": A_DURATION, "components": [2024, 2, 10], "unix_millis": [0], "inputs": [GOOD_INPUT],
    "as_float": True, "without_suffix": True, "with_suffix": True,
}

NON_ASCII = "Zürich ☃"
BAD = {
    "none": None, "float": 1.5, "huge": 2**70, "neg_huge": -(2**70), "int64_max": 2**63 - 1,
    "int64_min": -(2**63), "bool": True, "empty": "", "spaces": "   ", "non_ascii": NON_ASCII, "surrogate": "\ud800",
    "list": [1, 2], "list_of_extremes": [2**63 - 1, -(2**63)], "tuple": ("a", "b"), "set": {1, 2},
    "generator": None, "np_int": np.int64(1), "np_float": np.float64(1.0), "np_bool": np.bool_(True),
    "time": A_TIME, "duration": A_DURATION,
}
TEXTS = ("empty", "spaces", "non_ascii")


def bad_value(label):
    return (n for n in [1]) if label == "generator" else BAD[label]


def numpy_bool_as_integer():
    """An integer is anything with __index__, and whether NumPy's bool has one
    is NumPy's choice: 2.2 gives it with a deprecation warning, later
    versions refuse it. The module follows NumPy either way."""
    with warnings.catch_warnings():
        warnings.simplefilter("ignore", DeprecationWarning)
        try:
            operator.index(np.bool_(True))
        except TypeError:
            return TYPE
    return SAME


# What a wrong value does, per kind; a label not listed is the prefixed
# TypeError of argument conversion.
OK, SAME, TYPE, OVERFLOW, UNICODE, STR_TO_VEC, ROLE, RANGE = (
    "ok", "same", "type", "overflow", "unicode", "vec", "role", "range")
EXPECT = {
    # bool is an int; a numpy integer converts through __index__; the 64-bit
    # extremes convert and then either work or fail as out of range.
    INT: {"bool": SAME, "np_int": SAME, "np_bool": numpy_bool_as_integer(), "huge": OVERFLOW, "neg_huge": OVERFLOW, "int64_max": RANGE,
          "int64_min": RANGE},
    # Any str converts; what it then means is up to the parameter.
    TEXT: {**dict.fromkeys(TEXTS, ROLE), "surrogate": UNICODE},
    OPT_TEXT: {**dict.fromkeys(TEXTS, ROLE), "surrogate": UNICODE, "none": ROLE},
    # Only True, False, None and numpy's bool: neither 1 nor a numpy integer.
    OPT_BOOL: {"none": OK, "bool": SAME, "np_bool": SAME},
    TIME: {"time": OK},
    OPT_TIME: {"none": OK, "time": OK},
    DURATION: {"duration": OK},
    # Any sequence but str; the tuple holds texts, which are not integers.
    INT_LIST: {**dict.fromkeys((*TEXTS, "surrogate"), STR_TO_VEC), "list": OK, "list_of_extremes": RANGE},
    TEXT_LIST: {**dict.fromkeys((*TEXTS, "surrogate"), STR_TO_VEC), "tuple": ROLE},
}


def role_message(method, name, text):
    """The ValueError message for text that converts but names nothing, or
    None when the text is acceptable there."""
    if name == "timezone":
        return None if text is None or not text.strip() else "Invalid timezone: " + text
    if name == "locale":
        return None if text is None or not text.strip() else "Invalid locale: " + text
    if name in ("input", "inputs"):
        text = text[0] if name == "inputs" else text  # the first text of a list is read first
        if text is None:
            return None
        return "Invalid date input: " + text + (f" (format: {GOOD_PATTERN})" if "format" in method else "")
    if name == "pattern":
        return f"Invalid date input: {GOOD_INPUT} (format: {text})" if method.startswith("parse") else None
    if text is None:
        return None
    if name == "unit":
        return "Invalid unit: " + text + UNIT_HELP
    if name == "field":
        return "Invalid field: " + text + FIELD_HELP
    if name == "inclusivity":
        return "Invalid inclusivity: " + text + ". Use one of: (), (], [), []"
    raise AssertionError(f"no text meaning for {name}")


def parameters(cls, name):
    # The class itself carries the constructor's signature.
    text = (cls if name == "__new__" else getattr(cls, name)).__text_signature__.strip("()")
    return [p for p in text.split(", ") if p and p != "$self"]


def public_methods(cls):
    return [name for name in dir(cls) if not name.startswith("_")]


def call(cls, method, args, receiver):
    return cls(**args) if method == "__new__" else getattr(receiver or cls, method)(**args)


def comparable(result):
    if isinstance(result, T):
        return result.unix_ms(), result.timezone()
    return result.as_milliseconds() if isinstance(result, D) else result


def receiver_of(cls, method):
    raw = vars(cls)[method] if method != "__new__" else None
    if raw is None or isinstance(raw, staticmethod):
        return None
    return A_TIME if cls is T else A_DURATION


CASES = [
    pytest.param(cls, method, name, id=f"{cls.__name__}.{method}.{name}")
    for cls in (T, D) for method in ["__new__", *public_methods(cls)] for name in parameters(cls, method)
]


def check(cls, method, name, label, good_args):
    """True when the wrong value does what its kind says, else what it did."""
    kind = KIND_BY_METHOD.get((cls, method, name), KIND[name])
    expect = EXPECT[kind].get(label, TYPE)
    value = bad_value(label)
    args = {**good_args, name: value}
    receiver = receiver_of(cls, method)
    if expect == ROLE:
        message = role_message(method, name, value)
        expect = OK if message is None else ("value", message)
    try:
        with warnings.catch_warnings():
            if label == "np_bool":
                warnings.simplefilter("ignore", DeprecationWarning)
            result = call(cls, method, args, receiver)
    except Exception as exc:
        error = exc
    else:
        if expect == SAME:
            return comparable(result) == comparable(call(cls, method, good_args, receiver)) or "changed result"
        return expect in (OK, RANGE) or f"succeeded with {result!r}"
    text = str(error)
    if expect == TYPE:
        return type(error) is TypeError and text.startswith(f"argument '{name}': ") or repr(error)
    if expect == STR_TO_VEC:
        return type(error) is TypeError and text == f"argument '{name}': Can't extract `str` to `Vec`" or repr(error)
    if expect == OVERFLOW:
        return type(error) is OverflowError and not text.startswith("argument") or repr(error)
    if expect == UNICODE:
        return type(error) is UnicodeEncodeError or repr(error)
    if expect == RANGE:
        return type(error) is ValueError and (
            text == "Date arithmetic overflow" or text.startswith("Invalid timestamp (ms): ")) or repr(error)
    if isinstance(expect, tuple):
        return type(error) is ValueError and text == expect[1] or f"{error!r} instead of {expect[1]!r}"
    return repr(error)


@pytest.mark.parametrize("cls, method, name", CASES)
def test_every_parameter_refuses_wrong_values(cls, method, name):
    # A parameter without a row in KIND fails here with a KeyError.
    good_args = {p: GOOD[p] for p in parameters(cls, method)}
    failures = {label: check(cls, method, name, label, good_args) for label in BAD}
    assert {label: outcome for label, outcome in failures.items() if outcome is not True} == {}


@pytest.mark.parametrize("cls", [T, D], ids=["time", "duration"])
def test_receivers_of_instance_methods_are_type_checked(cls):
    other = A_DURATION if cls is T else A_TIME
    for method in public_methods(cls):
        if isinstance(vars(cls)[method], staticmethod):
            continue
        good_args = [GOOD[p] for p in parameters(cls, method)]
        for label in [*BAD, "other type"]:
            value = other if label == "other type" else bad_value(label)
            if isinstance(value, cls):
                continue
            with pytest.raises(TypeError):
                getattr(cls, method)(value, *good_args)


@pytest.mark.parametrize("function", [quendreltime.supported_units, quendreltime.supported_locales])
def test_module_functions_take_no_arguments(function):
    for label in BAD:
        with pytest.raises(TypeError):
            function(bad_value(label))


class Shrinking:
    """An item whose conversion empties the list being read."""

    def __init__(self, items):
        self.items = items

    def __index__(self):
        self.items.clear()
        return 1


@pytest.mark.parametrize("call", [
    lambda items: T.from_array(items, None),
    lambda items: T.format_batch(items, "YYYY", None, None),
], ids=["from_array", "format_batch"])
def test_a_list_changed_while_it_is_read_gives_the_list_as_passed(call):
    items = [2024]
    items += [Shrinking(items), 3]
    assert repr(call(items)) == repr(call([2024, 1, 3]))
