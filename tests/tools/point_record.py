#!/usr/bin/python3
"""Prints the group codes of the survey record of a drawing, as an independent reader sees them.

Usage: point_record.py DRAWING.dxf
Reads the extension record "ARPENTA4_JALO_DATA" of layer "0"'s extension dictionary with ezdxf and
prints one line: the group codes in order, separated by blanks ("absent" when there is none).
"""
import sys

import ezdxf


def main():
    doc = ezdxf.readfile(sys.argv[1])
    layer = doc.layers.get("0")
    if not layer.has_extension_dict:
        print("absent")
        return 0
    record = layer.get_extension_dict().get("ARPENTA4_JALO_DATA")
    if record is None:
        print("absent")
        return 0
    print(" ".join(str(tag.code) for tag in record.tags))
    return 0


if __name__ == "__main__":
    sys.exit(main())
