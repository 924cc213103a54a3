"""One set of tolerances at a time in a worker process.

gmath's tolerances are process-wide, and a worker runs several tasks at
once on its threads. Tasks that want the same tolerances share them; a task
that wants others waits until the running ones are done, and while it waits
no newcomer with the tolerances in force jumps ahead of it.
"""

import collections
import contextlib
import threading
from typing import Counter, Iterator, Optional, Tuple

from .. import _tolerances

Tolerances = Tuple[float, float, float]


class ToleranceGate:
    def __init__(self) -> None:
        self._changed = threading.Condition()
        self._in_force: Optional[Tolerances] = None
        self._saved: Optional[Tolerances] = None
        self._running = 0
        self._waiting: Counter[Tolerances] = collections.Counter()

    def _may_enter(self, wanted: Tolerances) -> bool:
        if self._running == 0:
            return True
        others_waiting = sum(self._waiting.values()) - self._waiting[wanted]
        return wanted == self._in_force and others_waiting == 0

    @contextlib.contextmanager
    def holding(self, wanted: Tolerances) -> Iterator[None]:
        """Runs the block with the tolerances `wanted` in force; the ones in
        force before the first holder came back when the last one leaves."""
        with self._changed:
            self._waiting[wanted] += 1
            try:
                self._changed.wait_for(lambda: self._may_enter(wanted))
            finally:
                self._waiting[wanted] -= 1
                if not self._waiting[wanted]:
                    del self._waiting[wanted]
            if self._running == 0:
                self._saved = _tolerances._current()
                _tolerances._apply(*wanted)
                self._in_force = wanted
            self._running += 1
        try:
            yield
        finally:
            with self._changed:
                self._running -= 1
                if self._running == 0:
                    assert self._saved is not None
                    _tolerances._apply(*self._saved)
                    self._in_force = None
                self._changed.notify_all()


gate = ToleranceGate()
