"""The exceptions raised for the library's result codes."""


class GmathError(Exception):
    """A gmath call failed: ``code`` is the library's result code, ``message``
    the message it reported (also sent to the ``gmath`` logger)."""

    def __init__(self, code: int, message: str) -> None:
        super().__init__(message)
        self.code = code
        self.message = message

    def __reduce__(self):  # type: ignore[no-untyped-def]
        # The default passes only the message back to __init__; workers of a
        # cluster send errors to the client pickled.
        return (type(self), (self.code, self.message), self.__dict__)


class RejectedError(GmathError, ValueError):
    """Code 2: the library rejected an argument, or found no result."""


class CapacityError(GmathError):
    """Code 1: a point count read from text is above what the value can hold."""


def error_of_code(code: int, message: str) -> GmathError:
    """The exception of a non-zero result code."""
    if code == 1:
        return CapacityError(code, message)
    return RejectedError(code, message)
