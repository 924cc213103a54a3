import pytest
from hypothesis import settings

# The machines running the tests are shared: time limits would fail on load.
settings.register_profile("gmath", deadline=None)
settings.load_profile("gmath")

import gmath


@pytest.fixture(autouse=True)
def default_tolerances():
    """Every test starts from, and leaves, the library's default tolerances."""
    with gmath.tolerances(1e-6, 1e-10, 1e-3):
        yield
