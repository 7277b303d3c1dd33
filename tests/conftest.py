import zoneinfo

import pytest

import quendreltime

# The machine's own zone files carry backzone history for many links; only
# the pinned tzdata package holds the release the module is compiled from.
zoneinfo.reset_tzpath(to=[])


@pytest.fixture(scope="session")
def T():
    return quendreltime.quendrel_time


@pytest.fixture(scope="session")
def D():
    return quendreltime.quendrel_duration
