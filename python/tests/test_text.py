import numpy as np
import pytest
from hypothesis import given, settings, strategies as st

import gmath
from test_values import values

# The dump prints "%20.15le" (the bore radius "%15.15lf"): a double that went
# through that text once comes back from it unchanged, bit for bit.
dumped = st.floats(width=64).map(lambda v: float(f"{v:.15e}"))
dumped_fixed = st.floats(width=64).map(lambda v: float(f"{v:.15f}"))
# Any double but those that round up past the largest double (they print as
# 1.797693134862316e+308, which reads back as infinity).
printable = st.floats(width=64).filter(lambda v: not 1.7976931348623155e308 <= abs(v) < np.inf)


def redraw(data, value, floats):
    """value with every double drawn anew; counts and flags kept."""
    if isinstance(value, float):
        return data.draw(floats)
    if isinstance(value, (tuple, list)):
        return type(value)(redraw(data, v, floats) for v in value)
    if isinstance(value, np.ndarray):
        return np.array(redraw(data, value.tolist(), floats))
    if hasattr(value, "_fields"):
        fields = [redraw(data, f, floats) for f in value._fields()]
        if isinstance(value, gmath.BoreLine) and floats is dumped:
            fields[4] = data.draw(dumped_fixed)
        return type(value)(*fields)
    return value


@pytest.mark.parametrize("template", values(), ids=lambda v: type(v).__name__)
@settings(max_examples=40)
@given(data=st.data())
def test_str_parses_back_bit_exact(template, data):
    value = redraw(data, template, dumped)
    text = str(value)
    assert text.startswith("G") or type(value) is gmath.G4x4
    assert type(value).parse(text).same_bits(value), text


@pytest.mark.parametrize("template", values(), ids=lambda v: type(v).__name__)
@settings(max_examples=40)
@given(data=st.data())
def test_any_value_reaches_its_text_after_one_parse(template, data):
    text = str(redraw(data, template, printable))
    assert str(type(template).parse(text)) == text


@pytest.mark.parametrize("text, error, where", [
    ("GBox:\n lo: 1 2 3\n high: 4 5 6", gmath.RejectedError, 'line 2: expected "low:"'),
    ("GBox:\n low: 1 2 x\n high: 4 5 6", gmath.RejectedError, '"x" is not a number'),
    ("1 2 3 4 5", gmath.RejectedError, "ends early"),
    ("1 2 3 4 5 6 7", gmath.RejectedError, "after the value"),
    ("GPtFence:\n number of points: 101", gmath.CapacityError, "above the 100"),
    ("GClipVolume:\n number of planes: 7", gmath.CapacityError, "above the 6"),
])
def test_parse_errors_say_where(text, error, where):
    cls = {"GPtFence": gmath.PtFence, "GClipVolume": gmath.ClipVolume}.get(text.split(":")[0],
                                                                         gmath.Box)
    with pytest.raises(error, match=where) as raised:
        cls.parse(text)
    assert raised.value.code == (1 if error is gmath.CapacityError else 2)


def test_bare_numbers_read_as_the_library_reads_them():
    assert gmath.Box.parse("1 2 3\n4 5 6").same_bits(gmath.build_box(1, 2, 3, 4, 5, 6))
    assert gmath.Position.parse(" -0.0 nan inf").same_bits(
        gmath.Position(-0.0, float("nan"), float("inf")))
