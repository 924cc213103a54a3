"""What every value class shares: repr, comparison and pickling, all from the
fields the C++ class gives (``_fields``), which are its constructor's arguments."""

import math
import struct
from typing import Any

import numpy as np

_CANONICAL_NAN = struct.unpack("<Q", struct.pack("<d", float("nan")))[0]


def float_from_bits(bits: int) -> float:
    """The double whose IEEE 754 bit pattern is ``bits`` (NaN payloads kept)."""
    return struct.unpack("<d", struct.pack("<Q", bits))[0]


def _bits(x: float) -> int:
    return struct.unpack("<Q", struct.pack("<d", x))[0]


def _repr_of(value: Any) -> str:
    if isinstance(value, float):
        if math.isnan(value):
            bits = _bits(value)
            return ("float('nan')" if bits == _CANONICAL_NAN
                    else "gmath.float_from_bits(%#x)" % bits)
        if math.isinf(value):
            return "float('inf')" if value > 0 else "-float('inf')"
        return repr(value)
    if isinstance(value, np.ndarray):
        return _repr_of(value.tolist())
    if isinstance(value, (tuple, list)):
        inner = ", ".join(_repr_of(v) for v in value)
        return "(%s,)" % inner if isinstance(value, tuple) and len(value) == 1 else (
            "(%s)" % inner if isinstance(value, tuple) else "[%s]" % inner)
    return repr(value)


def _same(a: Any, b: Any, bitwise: bool) -> bool:
    if isinstance(a, float) and isinstance(b, float):
        return _bits(a) == _bits(b) if bitwise else a == b
    if isinstance(a, np.ndarray) or isinstance(b, np.ndarray):
        a, b = np.asarray(a, dtype=np.float64), np.asarray(b, dtype=np.float64)
        if a.shape != b.shape:
            return False
        return bool((a.view(np.uint64) == b.view(np.uint64)).all() if bitwise else (a == b).all())
    if isinstance(a, (tuple, list)) and isinstance(b, (tuple, list)):
        return len(a) == len(b) and all(_same(x, y, bitwise) for x, y in zip(a, b))
    if hasattr(a, "_fields") and type(a) is type(b):
        return _same(a._fields(), b._fields(), bitwise)
    return bool(a == b)


def _repr(self: Any) -> str:
    arguments = ", ".join(_repr_of(field) for field in self._fields())
    return "gmath.%s(%s)" % (type(self).__name__, arguments)


def _eq(self: Any, other: Any) -> Any:
    if type(other) is not type(self):
        return NotImplemented
    return _same(self._fields(), other._fields(), False)


def _ne(self: Any, other: Any) -> Any:
    equal = _eq(self, other)
    return equal if equal is NotImplemented else not equal


def same_bits(self: Any, other: Any) -> bool:
    """True when every field of other has the same bits as in self (NaN == NaN of
    the same payload, -0.0 != 0.0)."""
    return type(other) is type(self) and _same(self._fields(), other._fields(), True)


def _reduce(self: Any) -> Any:
    return (type(self), tuple(self._fields()))


def _copy(self: Any) -> Any:
    return type(self)(*self._fields())


def _deepcopy(self: Any, memo: Any) -> Any:
    return _copy(self)


def complete(cls: Any) -> None:
    """Gives a bound value class its Python protocol."""
    cls.__repr__ = _repr
    cls.__eq__ = _eq
    cls.__ne__ = _ne
    cls.__hash__ = None
    cls.same_bits = same_bits
    cls.__reduce__ = _reduce
    cls.__copy__ = _copy
    cls.__deepcopy__ = _deepcopy
