#!/usr/bin/python3
"""Writes the drawings of tests/data/dxf/foreign/ with ezdxf, an independent DXF writer: one drawing
per DXF version it writes, each with every entity kind it can write there (add-ons included:
dimensions, tables, MText, hatches, images, 3D solids), and the byte-level variants other programs
produce (byte-order mark, CR LF, lower-case hex or padded group codes) and a binary DXF.

Usage: make_foreign_corpus.py OUTPUT_FOLDER
"""
import os
import sys

import ezdxf
from ezdxf.addons import MTextExplode  # noqa: F401  (add-ons are importable: the version has them)
from ezdxf.render import forms

VERSIONS = ["R12", "R2000", "R2004", "R2007", "R2010", "R2013", "R2018"]


def add_common(msp, doc):
    msp.add_line((0, 0), (10, 5), dxfattribs={"layer": "LIGNES", "color": 1})
    msp.add_circle((5, 5), 2.5)
    msp.add_arc((0, 0), 3, 10, 120)
    msp.add_point((1, 2, 3))
    msp.add_text("Borne n°12", dxfattribs={"height": 0.5}).set_placement((3, 4))
    msp.add_polyline2d([(0, 0), (4, 0), (4, 4)], close=True)
    msp.add_polyline3d([(0, 0, 0), (1, 1, 1), (2, 0, 3)])
    msp.add_3dface([(0, 0, 0), (1, 0, 0), (1, 1, 1), (0, 1, 0)])
    msp.add_solid([(0, 0), (1, 0), (0, 1)])
    msp.add_trace([(2, 0), (3, 0), (2, 1), (3, 1)])
    mesh = msp.add_polymesh(size=(3, 3))
    for m in range(3):
        for n in range(3):
            mesh.set_mesh_vertex((m, n), (m, n, (m * n) % 2))
    face = msp.add_polyface()
    face.append_face([(0, 0, 0), (1, 0, 0), (1, 1, 0)])
    block = doc.blocks.new("BORNE")
    block.add_circle((0, 0), 0.2)
    block.add_attdef("NUMPT", (0.3, 0.3), dxfattribs={"height": 0.2})
    ref = msp.add_blockref("BORNE", (20, 20))
    ref.add_attrib("NUMPT", "P12", (20.3, 20.3))
    doc.appids.new("ARPENTA_TEST")
    line = msp.add_line((0, 10), (10, 10))
    line.set_xdata("ARPENTA_TEST", [(1000, "marque"), (1040, 2.5), (1070, 7)])
    msp.add_linear_dim(base=(0, -3), p1=(0, 0), p2=(10, 0)).render()


def add_modern(msp, doc):
    msp.add_lwpolyline([(0, 0, 0, 0, 0.5), (5, 0), (5, 5)], format="xyseb", close=True)
    msp.add_ellipse((0, 0), major_axis=(4, 0), ratio=0.5)
    msp.add_spline([(0, 0), (2, 3), (5, 1), (8, 4)])
    msp.add_mtext("Première ligne\\PDeuxième", dxfattribs={"char_height": 0.4}).set_location((0, 30))
    msp.add_ray((0, 0), (1, 1))
    msp.add_xline((0, 0), (1, 0))
    hatch = msp.add_hatch(color=3)
    hatch.paths.add_polyline_path([(0, 0), (3, 0), (3, 3), (0, 3)], is_closed=True)
    leader = msp.add_leader([(0, 0), (2, 2), (4, 2)])
    leader.dxf.layer = "COTES"
    msp.add_radius_dim(center=(5, 5), radius=2.5, angle=45).render()
    msp.add_aligned_dim(p1=(0, 0), p2=(3, 4), distance=1).render()
    image_def = doc.add_image_def(filename="plan.png", size_in_pixel=(640, 480))
    msp.add_image(image_def, insert=(0, 0), size_in_units=(6.4, 4.8))
    msp.add_wipeout([(0, 0), (1, 0), (1, 1)])
    doc.layouts.new("Mise en page")
    doc.objects.add_xrecord(doc.rootdict.dxf.handle).reset([(1, "texte"), (40, 1.5)])


def add_recent(msp):
    mesh = forms.cube().render_mesh(msp)  # noqa: F841  (a MESH entity)
    msp.add_mline([(0, 0), (5, 0), (5, 5)])
    table_block = msp.add_body()  # an ACIS body without data, as writers emit placeholders
    del table_block
    msp.add_3dsolid()
    msp.add_region()
    msp.add_helix(radius=2, pitch=1, turns=3)


def drawing(version):
    doc = ezdxf.new(version, setup=True)
    msp = doc.modelspace()
    add_common(msp, doc)
    if version != "R12":
        add_modern(msp, doc)
    if version >= "R2007":
        add_recent(msp)
    return doc


def main(argv):
    out = argv[1]
    os.makedirs(out, exist_ok=True)
    for version in VERSIONS:
        doc = drawing(version)
        doc.saveas(os.path.join(out, f"ezdxf_{version.lower()}.dxf"))
    # Byte-level variants of one R2000 drawing.
    base = drawing("R2000")
    path = os.path.join(out, "ezdxf_r2000.dxf")
    text = open(path, "rb").read()
    open(os.path.join(out, "variant_bom.dxf"), "wb").write(b"\xef\xbb\xbf" + text)
    open(os.path.join(out, "variant_crlf.dxf"), "wb").write(text.replace(b"\n", b"\r\n"))
    lines = text.split(b"\n")
    padded = [(b"  " + l.strip() + b"  ") if i % 2 == 0 and l.strip() else l for i, l in enumerate(lines)]
    open(os.path.join(out, "variant_padded_codes.dxf"), "wb").write(b"\n".join(padded))
    # Handles written in lower case, as some writers do.
    lower = [l.lower() if i % 2 == 1 and lines[i - 1].strip() in (b"5", b"105", b"330", b"340", b"350", b"360")
             else l for i, l in enumerate(lines)]
    open(os.path.join(out, "variant_lower_handles.dxf"), "wb").write(b"\n".join(lower))
    base.saveas(os.path.join(out, "variant_binary.dxf"), fmt="bin")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
