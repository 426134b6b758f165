#!/usr/bin/env python3
"""Writes devices.mdb: a Jet 4 database with one table, laid out as mdbtools reads it.

    python3 make_devices_mdb.py devices.mdb

Table Devices: ID (long), Rate (double), Name (text), Note (text, one row null)."""
import struct
import sys

PAGE = 4096


def rc4(key, data):
    s = list(range(256))
    j = 0
    for i in range(256):
        j = (j + s[i] + key[i % len(key)]) & 0xFF
        s[i], s[j] = s[j], s[i]
    out = bytearray()
    i = j = 0
    for b in data:
        i = (i + 1) & 0xFF
        j = (j + s[i]) & 0xFF
        s[i], s[j] = s[j], s[i]
        out.append(b ^ s[(s[i] + s[j]) & 0xFF])
    return bytes(out)


def header_page():
    page = bytearray(PAGE)
    page[0:4] = b"\x00\x01\x00\x00"
    page[4:20] = b"Standard Jet DB\x00"
    struct.pack_into("<I", page, 0x14, 1)  # Jet 4
    plain = bytearray(128)
    struct.pack_into("<H", plain, 0x3C - 0x18, 1252)  # code page
    struct.pack_into("<H", plain, 0x6E - 0x18, 1033)  # sort order / language
    page[0x18:0x18 + 128] = rc4(struct.pack("<I", 0x6B39DAC7), bytes(plain))
    return page


def data_page(owner, rows):
    """Rows stored from the end of the page downwards, their offsets after the head."""
    page = bytearray(PAGE)
    page[0] = 0x01
    page[1] = 0x01
    struct.pack_into("<I", page, 4, owner)
    struct.pack_into("<H", page, 12, len(rows))
    end = PAGE
    for i, row in enumerate(rows):
        start = end - len(row)
        page[start:end] = row
        struct.pack_into("<H", page, 14 + 2 * i, start)
        end = start
    free = end - (14 + 2 * len(rows))
    struct.pack_into("<H", page, 2, free)
    return page


TYPES = {"long": (0x04, 4), "double": (0x07, 8), "text": (0x0A, 510), "ole": (0x0B, 0), "int": (0x03, 2)}


def columns(pairs):
    """(name, type) pairs: fixed ones first in the row, then the variable ones."""
    cols, fixed_off, var_no = [], 0, 0
    for num, (name, kind) in enumerate(pairs):
        code, size = TYPES[kind]
        fixed = kind in ("long", "double", "int")
        cols.append(dict(name=name, kind=kind, code=code, size=size, num=num, fixed=fixed,
                         off=fixed_off if fixed else 0, var=0 if fixed else var_no))
        if fixed:
            fixed_off += size
        else:
            var_no += 1
    return cols


def tdef_page(cols, num_rows, usage_map, free_map, system):
    page = bytearray(PAGE)
    page[0] = 0x02
    page[1] = 0x01
    page[2:4] = b"VC"
    struct.pack_into("<I", page, 16, num_rows)
    page[40] = 0x53 if system else 0x4E
    nvar = sum(1 for c in cols if not c["fixed"])
    struct.pack_into("<H", page, 41, len(cols))
    struct.pack_into("<H", page, 43, nvar)
    struct.pack_into("<H", page, 45, len(cols))
    struct.pack_into("<I", page, 47, 0)
    struct.pack_into("<I", page, 51, 0)
    struct.pack_into("<I", page, 55, usage_map)
    struct.pack_into("<I", page, 59, free_map)
    pos = 63
    for c in cols:
        entry = bytearray(25)
        entry[0] = c["code"]
        struct.pack_into("<H", entry, 5, c["num"])
        struct.pack_into("<H", entry, 7, c["var"])
        struct.pack_into("<H", entry, 9, c["num"])
        if c["kind"] == "text":
            struct.pack_into("<H", entry, 11, 1033)  # sort order of the texts
        entry[15] = 0x03 if c["fixed"] else 0x02
        struct.pack_into("<H", entry, 21, c["off"])
        struct.pack_into("<H", entry, 23, c["size"])
        page[pos:pos + 25] = entry
        pos += 25
    for c in cols:
        name = c["name"].encode("utf-16-le")
        struct.pack_into("<H", page, pos, len(name))
        page[pos + 2:pos + 2 + len(name)] = name
        pos += 2 + len(name)
    struct.pack_into("<I", page, 8, pos)
    return page


def row(cols, values):
    n = len(cols)
    fixed = bytearray(sum(c["size"] for c in cols if c["fixed"]))
    var_data, offsets = bytearray(), []
    nulls = bytearray((n + 7) // 8)
    fixed_len = 2 + len(fixed)
    for c, v in zip(cols, values):
        if v is not None:
            nulls[c["num"] // 8] |= 1 << (c["num"] % 8)
        if c["fixed"]:
            if v is not None:
                fmt = {"long": "<i", "double": "<d", "int": "<h"}[c["kind"]]
                struct.pack_into(fmt, fixed, c["off"], v)
        else:
            offsets.append(fixed_len + len(var_data))
            if v is not None:
                var_data += v.encode("utf-16-le")
    offsets.append(fixed_len + len(var_data))
    out = bytearray(struct.pack("<H", n)) + fixed + var_data
    for off in reversed(offsets):
        out += struct.pack("<H", off)
    out += struct.pack("<H", len(offsets) - 1)
    return bytes(out + nulls)


def usage_map(page_no):
    bitmap = bytearray(page_no // 8 + 1)
    bitmap[page_no // 8] |= 1 << (page_no % 8)
    return bytes(b"\x00" + struct.pack("<I", 0) + bitmap)


def main(path):
    msys = columns([("Id", "long"), ("Type", "int"), ("Flags", "long"), ("Name", "text"), ("LvProp", "ole")])
    devices = columns([("ID", "long"), ("Rate", "double"), ("Name", "text"), ("Note", "text")])
    records = [
        (1, 1.5, "Pump", "left side"),
        (2, 0.25, "Valve 2", None),
        (3, -3.0, "M\u00fcller & Co", "\u00e4rger, \"quoted\""),
    ]
    # page 1 holds the page maps: row 0/1 for the catalog, 2/3 for Devices
    maps = data_page(0, [usage_map(4), b"\x00" + bytes(5), usage_map(5), b"\x00" + bytes(5)])
    catalog_rows = [
        row(msys, (2, 1, -2147483646, "MSysObjects", None)),
        row(msys, (3, 1, 0, "Devices", None)),
    ]
    pages = [
        header_page(),
        maps,
        tdef_page(msys, len(catalog_rows), (1 << 8) | 0, (1 << 8) | 1, True),
        tdef_page(devices, len(records), (1 << 8) | 2, (1 << 8) | 3, False),
        data_page(2, catalog_rows),
        data_page(3, [row(devices, r) for r in records]),
    ]
    with open(path, "wb") as f:
        for p in pages:
            f.write(p)


if __name__ == "__main__":
    main(sys.argv[1])
