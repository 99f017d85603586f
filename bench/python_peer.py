#!/usr/bin/env python3
"""The order totals of an orders file, computed the plain Python way.

Reads the file (Latin-1, ";"-separated, header line first) with the csv
module and forms the same sums and averages the main window keeps for the
orders list: every record whose area (field 10, square metres) is an integer
above 0 counts. The benchmark times this whole process as a point of
comparison for the main window's own reading of the file.

    python3 python_peer.py <orders file>
"""

import csv
import sys

INT_MIN = -(2**31)
INT_MAX = 2**31 - 1


def to_int(text):
    """A field as a base-10 integer, NULs dropped; 0 when it is no integer."""
    if "\0" in text:
        text = text.replace("\0", "")
    if "_" in text:
        return 0
    try:
        value = int(text)
    except ValueError:
        return 0
    return value if INT_MIN <= value <= INT_MAX else 0


NOT_DIGITS = {c: None for c in range(256) if not 48 <= c <= 57}


def digits_value(text):
    """The ASCII digits of a text read as one number (0 without any)."""
    if text.isascii() and text.isdigit():
        return int(text)
    digits = text.translate(NOT_DIGITS) if text.isascii() else "".join(c for c in text if "0" <= c <= "9")
    return int(digits) if digits else 0


def duration_minutes(text):
    """A duration "H:MM" in minutes; only the digits of each part count, a
    text without ":" counts as hours."""
    parts = text.split(":")
    hours = digits_value(parts[0])
    minutes = digits_value(parts[1]) if len(parts) > 1 else 0
    return min(hours * 60 + minutes, INT_MAX)


def field(fields, index):
    return fields[index] if index < len(fields) else ""


def ratio(numerator, denominator):
    return numerator / denominator if denominator else None


def main():
    if len(sys.argv) != 2:
        print("usage: python_peer.py <orders file>", file=sys.stderr)
        return 2

    area = field_minutes = road_minutes = harvest_minutes = 0.0
    field_km = harvest_km = road_km = 0.0
    field_fuel = road_fuel = empty_run_metres = harvest_fuel = bunker_loads = 0.0
    orders = 0

    with open(sys.argv[1], encoding="latin-1", newline="") as handle:
        reader = csv.reader(handle, delimiter=";", quoting=csv.QUOTE_NONE)
        next(reader, None)  # the header
        for fields in reader:
            area_m2 = to_int(field(fields, 10))
            if area_m2 <= 0:
                continue
            orders += 1
            field_metres = to_int(field(fields, 16))
            harvest_metres = to_int(field(fields, 17))
            area += area_m2 / 10000.0
            field_minutes += duration_minutes(field(fields, 11))
            road_minutes += duration_minutes(field(fields, 14))
            harvest_minutes += duration_minutes(field(fields, 30))
            field_km += field_metres / 1000.0
            harvest_km += harvest_metres / 1000.0
            road_km += to_int(field(fields, 18)) / 1000.0
            field_fuel += to_int(field(fields, 19)) / 1000.0
            road_fuel += to_int(field(fields, 20)) / 1000.0
            empty_run_metres += field_metres - harvest_metres
            harvest_fuel += to_int(field(fields, 37)) / 1000.0
            bunker_loads += to_int(field(fields, 33)) / 100.0

    figures = [
        ("orders counted", orders),
        ("area [ha]", area),
        ("field time [min]", field_minutes),
        ("road time [min]", road_minutes),
        ("harvest time [min]", harvest_minutes),
        ("field distance [km]", field_km),
        ("harvest distance [km]", harvest_km),
        ("road distance [km]", road_km),
        ("field fuel [l]", field_fuel),
        ("road fuel [l]", road_fuel),
        ("empty run [m]", empty_run_metres),
        ("harvest fuel [l]", harvest_fuel),
        ("bunker loads", bunker_loads),
        ("ha per hour", ratio(60.0 * area, field_minutes)),
        ("harvest speed [km/h]", ratio(60.0 * harvest_km, harvest_minutes)),
        ("empty run [m/ha]", ratio(empty_run_metres, area)),
        ("harvest fuel [l/ha]", ratio(harvest_fuel, area)),
        ("field fuel [l/ha]", ratio(field_fuel, area)),
        ("bunker loads [1/ha]", ratio(bunker_loads, area)),
    ]
    for name, value in figures:
        if value is None:
            text = "-"
        elif isinstance(value, int):
            text = str(value)
        else:
            text = "%.3f" % value
        print("%s\t%s" % (name, text))
    return 0


if __name__ == "__main__":
    sys.exit(main())
