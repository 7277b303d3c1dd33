// Declarative method tables.
//
// One line binds a Python method to a core operation:
//
//   instance<"QuendrelTime", "add", time_ops::add, "amount", "unit">()
//
// The operation's C++ parameter types choose the conversions (Arg<T> in
// convert.h), the parameter names drive argument binding, and the docstring
// with its text signature ("add($self, amount, unit)\n--\n\n") is built from
// the same names at compile time, so a table cannot drift from its
// operations. The docstring's body is the method's text from docs/api,
// which tools/docgen.py compiles into method_docs.h; a method without a
// text there does not compile. An instance operation takes the receiver's record
// (const TimeValue& or const DurationValue&) as its first parameter. The
// operations a table binds live in qt::time_ops and qt::duration_ops, named
// after their methods, apart from the core's own names.
#pragma once

#include <exception>
#include <new>
#include <tuple>
#include <type_traits>
#include <utility>

#include "module/convert.h"
#include "module/fixed_string.h"
#include "method_docs.h"

namespace qt::py {

// ------------------------------------------------------------- binding

struct Signature {
    std::string_view qualified;  // "QuendrelTime.add()"
    const char* const* names;
    Py_ssize_t count;
};

// Places positional and keyword arguments into `slots` (borrowed), raising
// the binding TypeErrors (missing, surplus, unexpected, duplicate).
bool bind_arguments(const Signature& sig, PyObject* const* args, Py_ssize_t nargs, PyObject* kwnames,
                    PyObject** slots);

// Re-raises a TypeError from converting `name` as "argument 'NAME': ...".
void prefix_argument_error(const char* name);

PyObject* raise_internal_failure(const char* what);

// Runs the body of an entry point from Python. A C++ exception must not
// unwind through the interpreter's C frames (it would abort the process), so
// any that escapes the body becomes a Python exception here: MemoryError for
// an allocation failure, the internal-failure error for anything else.
template <class Body>
PyObject* guarded(Body&& body) noexcept {
    try {
        return body();
    } catch (const std::bad_alloc&) {
        return PyErr_NoMemory();
    } catch (const std::exception& e) {
        return raise_internal_failure(e.what());
    } catch (...) {
        return raise_internal_failure("unknown C++ exception");
    }
}

// ------------------------------------------------------------- traits

template <class F>
struct OpTraits;
template <class R, class... A>
struct OpTraits<R (*)(A...)> {
    using Args = std::tuple<A...>;
    static constexpr size_t arity = sizeof...(A);
};

template <class Receiver>
const Receiver& receiver_of(PyObject* self) {
    if constexpr (std::is_same_v<Receiver, TimeValue>) return time_of(self);
    else return duration_of(self);
}

// ------------------------------------------------------------- methods

// The docstring body written for `owner`'s `name` (the owner is a class
// name, or "quendreltime" for the module), or "" when there is none.
constexpr std::string_view method_doc(std::string_view owner, std::string_view name) {
    for (const MethodDocText& text : kMethodDocTexts)
        if (text.owner == owner && text.name == name) return text.body;
    return {};
}

// A text signature block, "name(a, b)\n--\n\n", followed by `body`.
template <size_t Length, size_t N>
constexpr StaticText<Length> signed_doc(std::string_view name, const std::array<std::string_view, N>& params,
                                        std::string_view body) {
    const auto list = comma_list<Length>(params);
    return join_text<Length>(name, "(", std::string_view(list.c_str(), comma_list_length(params)), ")\n--\n\n",
                             body);
}

// The texts of one method: its qualified name for messages, its parameter
// names and its docstring.
template <FixedString Class, FixedString Name, bool Instance, FixedString... Params>
struct MethodText {
    static constexpr size_t kCount = sizeof...(Params);
    static constexpr auto qualified =
        join_text<Class.view().size() + Name.view().size() + 3>(Class.view(), ".", Name.view(), "()");

    static constexpr auto param_names = [] {
        if constexpr (Instance) return std::array<std::string_view, kCount + 1>{"$self", Params.view()...};
        else return std::array<std::string_view, kCount>{Params.view()...};
    }();
    static constexpr std::string_view body = method_doc(Class.view(), Name.view());
    static_assert(!body.empty(), "every method needs its text in docs/api");
    static constexpr auto doc = signed_doc<Name.view().size() + comma_list_length(param_names) + 7 + body.size()>(
        Name.view(), param_names, body);
    // A constructor's text is the class docstring, signed with the class name.
    static constexpr auto class_doc =
        signed_doc<Class.view().size() + comma_list_length(param_names) + 7 + body.size()>(Class.view(),
                                                                                            param_names, body);
    static constexpr std::array<const char*, kCount> names{Params.text...};
    static constexpr int flags =
        Instance && kCount == 0 ? METH_NOARGS : METH_FASTCALL | METH_KEYWORDS | (Instance ? 0 : METH_STATIC);

    static Signature signature() {
        return {qualified.c_str(), names.data(), static_cast<Py_ssize_t>(kCount)};
    }
};

template <class Fast>
PyCFunction as_cfunction(Fast f) {
    return reinterpret_cast<PyCFunction>(reinterpret_cast<void (*)()>(f));
}

template <FixedString Class, FixedString Name, auto Op, bool Instance, FixedString... Params>
struct Method {
    using Text = MethodText<Class, Name, Instance, Params...>;
    using Traits = OpTraits<decltype(Op)>;
    static constexpr size_t kOffset = Instance ? 1 : 0;
    static constexpr size_t kCount = sizeof...(Params);
    static_assert(Traits::arity == kOffset + kCount, "parameter names must match the operation");
    static constexpr const auto& names = Text::names;

    // A list of texts leaves the check of its items until the batch reads
    // them. When a later argument fails first, those checks run now, so that
    // errors still come in parameter order.
    template <size_t J, class A>
    static bool settle(A& arg) {
        if constexpr (requires { arg.check_items(); }) {
            PyObject *type, *value, *traceback;
            PyErr_Fetch(&type, &value, &traceback);
            if (arg.check_items()) {
                PyErr_Restore(type, value, traceback);
                return true;
            }
            prefix_argument_error(names[J]);
            Py_XDECREF(type);
            Py_XDECREF(value);
            Py_XDECREF(traceback);
            return false;
        }
        return true;
    }

    template <size_t Failed, class Args, size_t... J>
    static void settle_before(Args& args, std::index_sequence<J...>) {
        static_cast<void>((settle<J>(std::get<J>(args)) && ...));
    }

    template <size_t Failed, class Args>
    static void report_failure(Args& args) {
        prefix_argument_error(names[Failed]);
        settle_before<Failed>(args, std::make_index_sequence<Failed>{});
    }

    template <size_t... I>
    static PyObject* invoke(PyObject* self, PyObject* const* slots, std::index_sequence<I...>) {
        std::tuple<Arg<std::tuple_element_t<I + kOffset, typename Traits::Args>>...> args;
        bool ok = true;
        // Convert in parameter order; the first failure ends the call.
        ((ok = ok && (std::get<I>(args).convert(slots[I]) || (report_failure<I>(args), false))), ...);
        if (!ok) return nullptr;
        if constexpr (Instance) {
            using Receiver = std::remove_cvref_t<std::tuple_element_t<0, typename Traits::Args>>;
            return to_python(Op(receiver_of<Receiver>(self), std::get<I>(args).get()...));
        } else {
            return to_python(Op(std::get<I>(args).get()...));
        }
    }

    static PyObject* fastcall(PyObject* self, PyObject* const* args, Py_ssize_t nargs, PyObject* kwnames) {
        // Binding words its surplus message for two or more given arguments;
        // a method without parameters is bound as METH_NOARGS instead.
        static_assert(kCount > 0, "only methods with parameters go through bind_arguments");
        return guarded([&]() -> PyObject* {
            // The common call, every argument by position, needs no binding.
            if (!kwnames && nargs == static_cast<Py_ssize_t>(kCount))
                return invoke(self, args, std::make_index_sequence<kCount>{});
            PyObject* slots[kCount + 1] = {};
            if (!bind_arguments(Text::signature(), args, nargs, kwnames, slots)) return nullptr;
            return invoke(self, slots, std::make_index_sequence<kCount>{});
        });
    }

    static PyObject* noargs(PyObject* self, PyObject*) {
        return guarded([&] { return invoke(self, nullptr, std::index_sequence<>{}); });
    }

    static constexpr PyMethodDef def() {
        if constexpr (Text::flags == METH_NOARGS)
            return {Name.text, as_cfunction(+noargs), Text::flags, Text::doc.c_str()};
        else
            return {Name.text, as_cfunction(+fastcall), Text::flags, Text::doc.c_str()};
    }
};

template <FixedString Class, FixedString Name, auto Op, FixedString... Params>
constexpr PyMethodDef instance() {
    return Method<Class, Name, Op, true, Params...>::def();
}

template <FixedString Class, FixedString Name, auto Op, FixedString... Params>
constexpr PyMethodDef static_method() {
    return Method<Class, Name, Op, false, Params...>::def();
}

// A module function without parameters: "name()" and its text.
template <FixedString Name>
constexpr auto function_doc = signed_doc<Name.view().size() + 7 + method_doc("quendreltime", Name.view()).size()>(
    Name.view(), std::array<std::string_view, 0>{}, method_doc("quendreltime", Name.view()));

// ------------------------------------------------------------- constructors

// Calls a binder method with a tuple and a dict, as tp_new receives them.
// Every argument is held by a strong reference for the whole call.
PyObject* call_with_tuple(PyObject* (*fastcall)(PyObject*, PyObject* const*, Py_ssize_t, PyObject*),
                          PyObject* args, PyObject* kwargs);

}  // namespace qt::py
