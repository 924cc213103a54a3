"""Cost of volume.overlaps(box) against an empty binding taking the same
arguments (gmath._gmath._baseline_call): the ratio is the price of the
geometry over pybind11's own call overhead."""

import timeit

import gmath

box = gmath.build_box(0.0, 0.0, 0.0, 1.0, 1.0, 1.0)
volume = gmath.ClipVolume.from_box(gmath.build_box(0.5, 0.5, 0.5, 2.0, 2.0, 2.0))
baseline = gmath._gmath._baseline_call
overlaps = volume.overlaps
n = 1_000_000
empty = min(timeit.repeat(lambda: baseline(volume, box), number=n, repeat=5)) / n
call = min(timeit.repeat(lambda: overlaps(box), number=n, repeat=5)) / n
print(f"empty call {empty * 1e9:.0f} ns, overlaps {call * 1e9:.0f} ns, ratio {call / empty:.2f}")
