import zoneinfo

# The machine's own zone files carry backzone history for many links; only
# the pinned tzdata package holds the release the module is compiled from.
zoneinfo.reset_tzpath(to=[])
