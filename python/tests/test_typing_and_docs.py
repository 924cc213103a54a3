import pathlib
import subprocess
import sys

import gmath


def test_mypy_strict_accepts_a_typed_user_script():
    script = pathlib.Path(__file__).with_name("typed_user.py")
    result = subprocess.run([sys.executable, "-m", "mypy", "--strict", "--no-incremental",
                             str(script)], capture_output=True, text=True, cwd=script.parent)
    assert result.returncode == 0, result.stdout + result.stderr


def test_every_public_class_and_function_is_documented():
    for name in gmath.__all__:
        item = getattr(gmath, name)
        if callable(item):
            assert item.__doc__ and item.__doc__.strip(), name
    assert "tolerance" in gmath.ClipVolume.__doc__
    assert "PROCESS-WIDE" in gmath.tolerances.__doc__
