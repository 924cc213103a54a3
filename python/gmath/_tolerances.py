"""The tolerance context."""

import contextlib
from typing import Iterator, Optional, Tuple

from . import _gmath


def _apply(distance: float, relative: float, fit: float) -> None:
    # Each setter checks its value against the other two as they are now,
    # so the order is chosen for the new triple to pass step by step: a
    # larger fit and a smaller relative tolerance first make room for the
    # distance tolerance, the others follow it.
    old_relative = _gmath.get_relative_tolerance()
    old_fit = _gmath.get_fit_tolerance()
    if fit > old_fit:
        _gmath.set_fit_tolerance(fit)
    if relative < old_relative:
        _gmath.set_relative_tolerance(relative)
    _gmath.set_distance_tolerance(distance)
    if fit < old_fit:
        _gmath.set_fit_tolerance(fit)
    if relative > old_relative:
        _gmath.set_relative_tolerance(relative)


def _current() -> Tuple[float, float, float]:
    return (_gmath.get_distance_tolerance(), _gmath.get_relative_tolerance(),
            _gmath.get_fit_tolerance())


@contextlib.contextmanager
def tolerances(distance: Optional[float] = None, relative: Optional[float] = None,
               fit: Optional[float] = None) -> Iterator[Tuple[float, float, float]]:
    """Sets the tolerances for the block and restores the previous ones on exit.

    The tolerances are PROCESS-WIDE, not per thread: while the block runs,
    every thread sees the new values, and two threads using this context at
    once undo each other's settings. Values left as None keep their current
    value. A rejected combination raises RejectedError and leaves the
    tolerances as they were. Yields (distance, relative, fit) in force.
    """
    saved = _current()
    wanted = (saved[0] if distance is None else distance,
              saved[1] if relative is None else relative,
              saved[2] if fit is None else fit)
    try:
        _apply(*wanted)
    except Exception:
        _apply(*saved)
        raise
    try:
        yield _current()
    finally:
        _apply(*saved)
