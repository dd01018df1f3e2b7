#!/usr/bin/python3
"""Prints what a drawing holds, as ezdxf reads it, one sorted line each: entities by kind in each
block (layouts included), table records, and extended data by application. Two files whose
censuses agree hold the same things; the test compares a drawing from another program with what
our save of it became.

Usage: drawing_census.py FILE.dxf [IGNORED_KIND ...]
"""
import collections
import os
import sys
import tempfile

import ezdxf


def read(path):
    """ezdxf refuses a byte-order mark: it reads the same file without it."""
    with open(path, "rb") as file:
        data = file.read()
    if not data.startswith(b"\xef\xbb\xbf"):
        return ezdxf.readfile(path)
    with tempfile.NamedTemporaryFile(suffix=".dxf", delete=False) as copy:
        copy.write(data[3:])
    try:
        return ezdxf.readfile(copy.name)
    finally:
        os.unlink(copy.name)


def main(argv):
    doc = read(argv[1])
    ignored = set(argv[2:])
    lines = collections.Counter()
    for block in doc.blocks:
        # Anonymous blocks are named by their writer; only their count matters.
        name = "*anonyme" if block.name.startswith("*") and not block.name.lower().startswith(
            ("*model_space", "*paper_space")) else block.name.upper()
        for entity in block:
            kind = entity.dxftype()
            if kind in ignored:
                continue
            lines[f"entité {name} {kind}"] += 1
            if entity.xdata is not None:
                for app in entity.xdata.data:
                    lines[f"xdata {kind} {app}"] += 1
    for table in ("layers", "linetypes", "styles", "appids"):
        for record in getattr(doc, table):
            lines[f"table {table} {record.dxf.name.upper()}"] += 1
    for line in sorted(lines):
        print(f"{line} {lines[line]}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
