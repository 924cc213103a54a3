import os
import pathlib
import subprocess

import pytest


def test_the_wheel_installs_and_imports_in_a_fresh_environment(tmp_path):
    wheel = os.environ.get("GMATH_WHEEL")
    if not wheel:
        pytest.skip("GMATH_WHEEL names no wheel (scripts/run-tests sets it)")
    venv = tmp_path / "venv"
    subprocess.run(["/usr/bin/python3", "-m", "venv", "--system-site-packages", str(venv)],
                   check=True)
    python = str(venv / "bin" / "python")
    subprocess.run([python, "-m", "pip", "install", "--no-index", "--no-deps", "-q", wheel],
                   check=True)
    out = subprocess.run([python, "-c", "import gmath; print(gmath.__file__)"], cwd=tmp_path,
                         capture_output=True, check=True, text=True).stdout
    assert pathlib.Path(out.strip()).is_relative_to(venv)


def test_the_version_is_the_cmake_projects():
    import gmath
    cmake = (pathlib.Path(__file__).parents[2] / "CMakeLists.txt").read_text()
    assert f"project(gmath VERSION {gmath.__version__} " in cmake
