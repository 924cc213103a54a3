import pathlib
import re
import subprocess
import sys

import pytest

PAGE = pathlib.Path(__file__).parents[2] / "docs" / "python.md"
FENCE = re.compile(r"^```(\w*)\n(.*?)^```\n", re.S | re.M)


def blocks():
    """(language, code, expected stdout or None) of each block that is to run."""
    text = PAGE.read_text()
    found = list(FENCE.finditer(text))
    for i, block in enumerate(found):
        before = text[:block.start()].rstrip().splitlines()[-1]
        if before.startswith("<!-- not run:") or before == "<!-- output -->":
            continue
        following = found[i + 1] if i + 1 < len(found) else None
        expected = (following.group(2) if following and text[block.end():following.start()]
                    .strip() == "<!-- output -->" else None)
        yield block.group(1), block.group(2), expected


@pytest.mark.parametrize("language, code, expected", list(blocks()),
                         ids=lambda v: v.splitlines()[-1][:30] if isinstance(v, str) else "")
def test_code_blocks_run_and_print_what_the_page_shows(language, code, expected, tmp_path):
    assert language == "python", "mark a block that is not Python <!-- not run: why -->"
    result = subprocess.run([sys.executable, "-c", code], capture_output=True, text=True,
                            cwd=tmp_path)
    assert result.returncode == 0, result.stderr
    if expected is not None:
        assert result.stdout == expected
