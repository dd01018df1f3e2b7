#!/usr/bin/python3
"""Lists with ezdxf what the drawing tools leave in a saved drawing, one line per item, numbers
rounded to 6 decimals:

  LINE x1 y1 x2 y2
  TEXT x y rotation_deg halign valign|text            (x y: the alignment point unless left-aligned)
  LWPOLYLINE closed x1 y1 x2 y2 ...
  INSERT x y
  ATTRIB tag x y|text
  GROUP anonymous member_count

Usage: outils_dump.py FILE.dxf   Exit 1 when the file does not load or fails ezdxf's audit.
"""
import sys

import ezdxf


def n(value):
    text = f"{value:.6f}".rstrip("0").rstrip(".")
    return "0" if text in ("-0", "") else text


def main(path):
    doc = ezdxf.readfile(path)
    if doc.audit().has_errors:
        print("audit errors")
        return 1
    for e in doc.modelspace():
        kind = e.dxftype()
        if kind == "LINE":
            s, f = e.dxf.start, e.dxf.end
            print("LINE", n(s.x), n(s.y), n(f.x), n(f.y))
        elif kind == "TEXT":
            left = e.dxf.halign == 0 and e.dxf.valign == 0
            p = e.dxf.insert if left else e.dxf.align_point
            print("TEXT", n(p.x), n(p.y), n(e.dxf.rotation), e.dxf.halign, e.dxf.valign,
                  "|" + e.dxf.text, sep=" ")
        elif kind == "LWPOLYLINE":
            points = " ".join(f"{n(x)} {n(y)}" for x, y in e.get_points("xy"))
            print("LWPOLYLINE", int(e.closed), points)
        elif kind == "INSERT":
            print("INSERT", n(e.dxf.insert.x), n(e.dxf.insert.y))
            for a in e.attribs:
                print("ATTRIB", a.dxf.tag, n(a.dxf.insert.x), n(a.dxf.insert.y), "|" + a.dxf.text)
    for name, group in doc.groups:
        print("GROUP", int(name.startswith("*")), len(group))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
