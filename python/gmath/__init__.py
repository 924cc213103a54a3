"""gmath: tolerance-aware geometry mathematics.

Values (Position, Vector, Box, Transf, G4x4, the volumes and the planar
types) are classes over the C++ library's structs; the functions keep the
library's names in snake_case (BuildBox -> build_box). The tests are
tolerance-aware: see ``tolerances`` for the process-wide tolerances they
use, and ``capture_messages`` for the messages the library reports.
"""

from . import _gmath
from ._errors import CapacityError as CapacityError
from ._errors import GmathError as GmathError
from ._errors import RejectedError as RejectedError
from ._gmath import *  # noqa: F401,F403
from ._messages import capture_messages as capture_messages
from ._tolerances import tolerances as tolerances
from ._values import complete
from ._values import float_from_bits as float_from_bits

__version__: str = _gmath.__version__

VALUE_CLASSES = (
    _gmath.Position, _gmath.Vector, _gmath.UnitVector, _gmath.Matrix, _gmath.Transf,
    _gmath.G4x4, _gmath.Box, _gmath.BoreLine, _gmath.BoreCone, _gmath.ClipVolume,
    _gmath.PtFence, _gmath.PtFrustum, _gmath.RtPrism, _gmath.Position2d, _gmath.Vector2d,
    _gmath.UnitVector2d, _gmath.Matrix2d, _gmath.Transf2d, _gmath.Box2d,
)
for _cls in VALUE_CLASSES:
    _cls.__module__ = __name__
    complete(_cls)

__all__ = [name for name in dir(_gmath) if not name.startswith("_")] + [
    "CapacityError", "GmathError", "RejectedError", "capture_messages", "tolerances",
    "float_from_bits", "VALUE_CLASSES",
]
