"""The type stubs describe the module that is built: the same names, method kinds and parameters.

mypy's stubtest checks the types too (tools/check_dist.sh); this quick comparison keeps the
stubs from drifting in every test run, where mypy may not be installed.
"""

import ast
import inspect
import pathlib

import pytest

import quendreltime

STUB = ast.parse((pathlib.Path(__file__).resolve().parent.parent / "quendreltime.pyi").read_text())


def stub_functions(body):
    """{name: (kind, parameter names, docstring)} of the public functions in a stub body."""
    found = {}
    for node in body:
        if isinstance(node, ast.FunctionDef) and (not node.name.startswith("_") or node.name == "__new__"):
            static = any(isinstance(d, ast.Name) and d.id == "staticmethod" for d in node.decorator_list)
            names = [arg.arg for arg in node.args.posonlyargs + node.args.args]
            kind = "static" if static else "instance"
            found[node.name] = (kind, names if static else names[1:], ast.get_docstring(node))
    return found


def runtime_methods(cls):
    """{name: (kind, parameter names)} of a class's methods as the module publishes them."""
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


class TestStubs:
    def test_module_names(self):
        assert [(name, cls.name) for name, cls in stub_classes()] == [
            ("quendrel_time", "QuendrelTime"), ("quendrel_duration", "QuendrelDuration")]
        functions = stub_functions(STUB.body)
        assert {name: spec[:2] for name, spec in functions.items()} == {
            "supported_units": ("instance", []), "supported_locales": ("instance", [])}
        declared = next(node.value for node in STUB.body
                        if isinstance(node, ast.Assign) and node.targets[0].id == "__all__")
        assert ast.literal_eval(declared) == quendreltime.__all__

    @pytest.mark.parametrize(("attribute", "node"), stub_classes(), ids=lambda item: getattr(item, "name", item))
    def test_every_method_with_its_kind_and_parameters(self, attribute, node):
        cls = getattr(quendreltime, attribute)
        assert node.name == cls.__name__
        stub = {name: spec[:2] for name, spec in stub_functions(node.body).items()}
        assert stub == runtime_methods(cls)

    def test_every_function_has_a_docstring(self):
        functions = stub_functions(STUB.body)
        for _, node in stub_classes():
            functions |= {f"{node.name}.{name}": spec for name, spec in stub_functions(node.body).items()}
        assert [name for name, (_, _, doc) in functions.items() if not doc] == []
