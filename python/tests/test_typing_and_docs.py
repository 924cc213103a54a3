import inspect
import pathlib
import re
import subprocess
import sys

import gmath
import gmath.plot


def test_mypy_strict_accepts_a_typed_user_script():
    script = pathlib.Path(__file__).with_name("typed_user.py")
    result = subprocess.run([sys.executable, "-m", "mypy", "--strict", "--no-incremental",
                             str(script)], capture_output=True, text=True, cwd=script.parent)
    assert result.returncode == 0, result.stdout + result.stderr


def described(item):
    """The docstring without the signature lines pybind11 writes."""
    lines = [line for line in (item.__doc__ or "").splitlines()
             if not re.match(r"^(\d+\. )?\w+\(.*\)( -> .*)?$", line)
             and line != "Overloaded function."]
    return "\n".join(lines).strip()


def public_items():
    for module in (gmath, gmath.plot):
        for name in getattr(module, "__all__", None) or dir(module):
            item = getattr(module, name)
            if name.startswith("_") or not callable(item) or inspect.ismodule(item):
                continue
            yield name, item
            if inspect.isclass(item) and item.__module__.startswith("gmath"):
                for member, value in vars(item).items():
                    if not member.startswith("_"):
                        yield name + "." + member, value


def test_every_public_class_method_property_and_function_is_documented():
    undocumented = [name for name, item in public_items() if not described(item)]
    assert not undocumented
    assert "tolerance" in gmath.ClipVolume.__doc__
    assert "PROCESS-WIDE" in gmath.tolerances.__doc__

