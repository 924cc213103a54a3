import pathlib
import subprocess
import sys

import pytest

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


def code_blocks(text):
    """(marker line before the fence, language, code) of each fenced block."""
    blocks, lines, i = [], text.splitlines(), 0
    while i < len(lines):
        if lines[i].startswith("```"):
            end = lines.index("```", i + 1)
            blocks.append((lines[i - 1] if i else "", lines[i][3:], "\n".join(lines[i + 1:end])))
            i = end
        i += 1
    return blocks


@pytest.mark.parametrize("name", ["python.md", "distributed.md"])
def test_the_pages_run_as_written(tmp_path, name):
    page = pathlib.Path(__file__).resolve().parents[2] / "docs" / name
    if not page.exists():
        pytest.skip("not in the source tree")
    blocks = code_blocks(page.read_text())
    for i, (marker, language, code) in enumerate(blocks):
        if marker.startswith("<!-- not run:") or marker == "<!-- output -->":
            continue
        assert language == "python", f"block {i} is neither run nor marked: {code[:60]}"
        result = subprocess.run([sys.executable, "-c", code], capture_output=True, text=True,
                                cwd=tmp_path)
        assert result.returncode == 0, result.stderr
        after = blocks[i + 1] if i + 1 < len(blocks) else ("", "", "")
        if after[0] == "<!-- output -->":
            assert result.stdout.rstrip("\n") == after[2], code
