#!/usr/bin/python3
"""Independent check of cadhost's drawing files with ezdxf.

Usage: ezdxf_roundtrip.py CADHOST WORKDIR

Writes with ezdxf a drawing holding every entity kind the host models, layers, text styles,
extended data, an extension record on layer "0", an anonymous group and a block with attributes;
has cadhost open it and save it; reads the saved file with ezdxf, audits it, runs dxf-validate when
present, and compares what came back with what went in. Exit 0 when everything matches; otherwise
prints one line per difference and exits 1.
"""
import math
import os
import subprocess
import sys

import ezdxf
from ezdxf.lldxf.tags import binary_data_to_dxf_tags

from validator import find_validator

VALIDATOR = find_validator()
BINARY = bytes(range(256)) + bytes(44)  # 300 bytes: three 310 chunks


def build(path):
    doc = ezdxf.new("R2007", setup=False)
    doc.appids.new("MYSURVEY")
    doc.linetypes.new("DASHED", dxfattribs={"description": "Dashed __ __ __",
                                             "pattern": [0.75, 0.5, -0.25]})
    doc.layers.new("SURVEY_PTS", dxfattribs={"color": 3, "linetype": "DASHED"})
    doc.layers.new("Pente_é", dxfattribs={"color": 1})
    doc.styles.new("ROMANS", dxfattribs={"font": "romans.shx"})

    block = doc.blocks.new("SURVPT", dxfattribs={"description": "Survey point symbol"})
    block.add_circle((0, 0), 0.5)
    block.add_attdef("PTNO", (0.7, 0.2), dxfattribs={"height": 0.25})
    block.add_attdef("ELEV", (0.7, -0.3), dxfattribs={"height": 0.25})

    msp = doc.modelspace()
    msp.add_line((0, 0, 0), (10.5, 20.25, 1), dxfattribs={"layer": "SURVEY_PTS"})
    msp.add_arc((5, 5), 2.5, 30, 120)
    msp.add_circle((1, 2, 0), 3.75, dxfattribs={"color": 5})
    msp.add_point((7.125, -3.5, 2))
    text = msp.add_text("Texte aligné é", dxfattribs={"height": 0.5, "style": "ROMANS",
                                                      "layer": "Pente_é"})
    text.set_pos((10, 10), (20, 10), align="ALIGNED")
    centred = msp.add_text("Centre", dxfattribs={"height": 0.3})
    centred.set_pos((3, 4), align="MIDDLE_CENTER")
    msp.add_mtext("ligne 1\\Pligne 2 ∑", dxfattribs={"insert": (0, -4), "char_height": 0.4,
                                                     "width": 10})
    msp.add_lwpolyline([(0, 0, 0.5), (5, 0, 0), (5, 5, -0.25), (0, 5, 0)], format="xyb",
                       close=True, dxfattribs={"elevation": 12.5})
    msp.add_polyline2d([(0, 0), (3, 1), (6, 0)], dxfattribs={"layer": "SURVEY_PTS"})
    msp.add_polyline3d([(0, 0, 0), (1, 2, 3), (4, 5, 6.5)])
    face = msp.add_polyface()
    face.append_face([(0, 0, 0), (1, 0, 0), (1, 1, 0), (0, 1, 0)])
    mesh = msp.add_polymesh(size=(2, 2))
    for m in range(2):
        for n in range(2):
            mesh.set_mesh_vertex((m, n), (m, n, m * n))
    msp.add_3dface([(0, 0, 0), (1, 0, 0), (1, 1, 1), (0, 1, 1)])
    msp.add_spline(fit_points=None, degree=3).set_open_uniform(
        [(0, 0, 0), (1, 2, 0), (3, 1, 0), (4, 4, 0)])
    msp.add_ray((0, 0, 0), (math.sqrt(0.5), math.sqrt(0.5), 0))
    msp.add_xline((1, 1, 0), (1, 0, 0))
    insert = msp.add_blockref("SURVPT", (100, 200), dxfattribs={"layer": "SURVEY_PTS",
                                                                "rotation": 15})
    insert.add_auto_attribs({"PTNO": "101", "ELEV": "12.34"})
    insert.set_xdata("MYSURVEY", [(1000, "point-id"), (1002, "{"), (1040, 12.34), (1041, 2.5),
                                  (1070, 7), (1071, 123456), (1011, (100, 200, 0)),
                                  (1002, "}"), (1000, "Zoë")])
    group = doc.groups.new()  # anonymous: "*A1"
    members = [e for e in msp if e.dxftype() in ("LINE", "CIRCLE")]
    group.extend(members)

    layer0 = doc.layers.get("0")
    xdict = layer0.new_extension_dict()
    record = xdict.add_xrecord("MYSURVEY_DATA")
    tags = [(90, 12345)]
    tags.extend(binary_data_to_dxf_tags(BINARY, length_group_code=92, value_group_code=310,
                                        value_size=127))
    tags.extend([(300, "some string"), (40, 3.14159), (10, (1.0, 2.0, 3.0)),
                 (330, insert.dxf.handle)])
    record.reset(tags)

    paper = doc.layout("Layout1")
    paper.add_viewport(center=(100, 100), size=(200, 150), view_center_point=(5, 5),
                       view_height=50)
    paper.add_line((0, 0), (420, 297))
    doc.saveas(path)


def near(a, b, tol=1e-9):
    return abs(a - b) <= tol * max(1.0, abs(a), abs(b))


def same(a, b):
    if isinstance(a, float) or isinstance(b, float):
        return isinstance(a, (int, float)) and isinstance(b, (int, float)) and near(a, b)
    if isinstance(a, (tuple, list)) and isinstance(b, (tuple, list)):
        return len(a) == len(b) and all(same(x, y) for x, y in zip(a, b))
    return a == b


def vec(v):
    return tuple(float(c) for c in v)


def geometry(entity):
    """The values that define an entity, for comparison."""
    t = entity.dxftype()
    d = entity.dxf
    g = {"layer": d.layer, "color": d.get("color", 256)}
    if t == "LINE":
        g.update(start=vec(d.start), end=vec(d.end))
    elif t in ("CIRCLE", "ARC"):
        g.update(center=vec(d.center), radius=d.radius)
        if t == "ARC":
            g.update(start_angle=d.start_angle, end_angle=d.end_angle)
    elif t == "POINT":
        g.update(location=vec(d.location))
    elif t in ("TEXT", "ATTRIB", "ATTDEF"):
        g.update(text=d.text, insert=vec(d.insert), height=d.height,
                 halign=d.get("halign", 0), valign=d.get("valign", 0),
                 style=d.get("style", "Standard"), rotation=d.get("rotation", 0.0))
        if d.get("halign", 0) or d.get("valign", 0):
            g["align_point"] = vec(d.align_point)
        if t != "TEXT":
            g["tag"] = d.tag
    elif t == "MTEXT":
        g.update(text=entity.text, insert=vec(d.insert), char_height=d.char_height,
                 width=d.get("width", 0.0))
    elif t == "LWPOLYLINE":
        g.update(points=[vec(p) for p in entity.get_points("xyseb")], closed=entity.closed,
                 elevation=d.get("elevation", 0.0))
    elif t == "POLYLINE":
        g.update(mode=entity.get_mode(), flags=d.flags,
                 vertices=[(vec(v.dxf.location), v.dxf.flags) for v in entity.vertices])
        if entity.get_mode() in ("AcDbPolyFaceMesh", "AcDbPolygonMesh"):
            g.update(m=d.get("m_count", 0), n=d.get("n_count", 0))
        if entity.get_mode() == "AcDbPolyFaceMesh":
            g["faces"] = [tuple(v.get_dxf_attrib(f"vtx{i}", 0) for i in range(4))
                          for v in entity.vertices if v.is_face_record]
    elif t == "3DFACE":
        g.update(vertices=[vec(d.get(f"vtx{i}")) for i in range(4)], invisible=d.get("invisible", 0))
    elif t == "SPLINE":
        # The planar flag (8) is derived from the points; a writer may add it.
        g.update(degree=d.degree, control_points=[vec(p) for p in entity.control_points],
                 knots=list(entity.knots), flags=d.flags & ~8)
    elif t in ("RAY", "XLINE"):
        g.update(start=vec(d.start), direction=vec(d.unit_vector))
    elif t == "INSERT":
        g.update(name=d.name, insert=vec(d.insert), rotation=d.get("rotation", 0.0),
                 scale=(d.get("xscale", 1.0), d.get("yscale", 1.0), d.get("zscale", 1.0)),
                 attribs=[geometry(a) for a in entity.attribs])
    elif t == "VIEWPORT":
        g.update(center=vec(d.center), width=d.width, height=d.height,
                 view_center=vec(d.view_center_point), view_height=d.view_height)
    return g


def layout_entities(layout):
    return [(e.dxftype(), geometry(e)) for e in layout]


def compare(label, before, after, problems):
    if same(before, after):
        return
    if isinstance(before, dict) and isinstance(after, dict):
        for key in sorted(set(before) | set(after)):
            if not same(before.get(key), after.get(key)):
                compare(f"{label}.{key}", before.get(key), after.get(key), problems)
    elif (isinstance(before, list) and isinstance(after, list) and len(before) == len(after)
          and any(isinstance(x, dict) for x in before)):
        for i, (x, y) in enumerate(zip(before, after)):
            compare(f"{label}[{i}]", x, y, problems)
    else:
        problems.append(f"{label}: expected {before!r}, got {after!r}")


def audit(path, problems):
    try:
        doc = ezdxf.readfile(path)
    except Exception as error:  # the file does not even load
        problems.append(f"ezdxf cannot load {os.path.basename(path)}: {error}")
        return None
    auditor = doc.audit()
    for error in auditor.errors:
        problems.append(f"ezdxf audit error in {os.path.basename(path)}: {error.message}")
    if VALIDATOR:
        result = subprocess.run([VALIDATOR, "--quiet", path], capture_output=True, text=True)
        if result.returncode != 0:
            problems.append(f"dxf-validate exit {result.returncode}: {result.stdout.strip()}")
    return doc


def check(before_path, after_path):
    problems = []
    before = ezdxf.readfile(before_path)
    after = audit(after_path, problems)
    if after is None:
        return problems
    if after.dxfversion != "AC1021":
        problems.append(f"version {after.dxfversion}, expected AC1021")

    msp_before = layout_entities(before.modelspace())
    msp_after = layout_entities(after.modelspace())
    compare("model space types", [t for t, _ in msp_before], [t for t, _ in msp_after], problems)
    for (t, g1), (_, g2) in zip(msp_before, msp_after):
        compare(f"{t}", g1, g2, problems)
    compare("paper space", layout_entities(before.layout("Layout1")),
            layout_entities(after.layout("Layout1")), problems)

    for name in ("SURVPT",):
        b1, b2 = before.blocks.get(name), after.blocks.get(name)
        if b2 is None:
            problems.append(f"block {name} lost")
            continue
        compare(f"block {name} entities", layout_entities(b1), layout_entities(b2), problems)
        compare(f"block {name} description", b1.block.dxf.get("description", ""),
                b2.block.dxf.get("description", ""), problems)
        compare(f"block {name} base", vec(b1.block.dxf.base_point), vec(b2.block.dxf.base_point),
                problems)

    # ezdxf puts paper space viewports on a layer it does not define; a reader defines such layers
    # (colour 7, Continuous), as the host does.
    layers_before = {(l.dxf.name, l.dxf.color, l.dxf.linetype) for l in before.layers}
    defined = {name.lower() for name, _, _ in layers_before}
    for layout in before.layouts_and_blocks():
        for entity in layout:
            if entity.dxf.layer.lower() not in defined:
                defined.add(entity.dxf.layer.lower())
                layers_before.add((entity.dxf.layer, 7, "Continuous"))
    compare("layers", sorted(layers_before),
            sorted((l.dxf.name, l.dxf.color, l.dxf.linetype) for l in after.layers), problems)
    compare("text styles", sorted((s.dxf.name, s.dxf.font) for s in before.styles),
            sorted((s.dxf.name, s.dxf.font) for s in after.styles), problems)
    compare("linetypes", sorted(l.dxf.name.upper() for l in before.linetypes),
            sorted(l.dxf.name.upper() for l in after.linetypes), problems)

    def insert_of(doc):
        return next(e for e in doc.modelspace() if e.dxftype() == "INSERT")

    compare("INSERT handle", insert_of(before).dxf.handle, insert_of(after).dxf.handle, problems)
    compare("xdata", [tuple(t) for t in insert_of(before).get_xdata("MYSURVEY")],
            [tuple(t) for t in insert_of(after).get_xdata("MYSURVEY")], problems)

    def xrecord_of(doc):
        layer = doc.layers.get("0")
        if not layer.has_extension_dict:
            return None
        record = layer.get_extension_dict().get("MYSURVEY_DATA")
        return None if record is None else [(t.code, t.value) for t in record.tags]

    record_before, record_after = xrecord_of(before), xrecord_of(after)
    if record_after is None:
        problems.append("xrecord on layer 0 lost")
    else:
        def joined(tags):
            # Binary chunks may be cut differently; their bytes must be the same.
            out, data = [], b""
            for code, value in tags:
                if code == 310:
                    data += bytes(value)
                else:
                    out.append((code, value))
            return out, data
        compare("xrecord items", joined(record_before), joined(record_after), problems)
        if joined(record_after)[1] != BINARY:
            problems.append("xrecord binary data differs")

    def groups_of(doc):
        return {name: (group.dxf.unnamed, sorted(e.dxf.handle for e in group))
                for name, group in doc.groups}

    compare("groups", groups_of(before), groups_of(after), problems)
    return problems


def main(argv):
    if len(argv) != 3:
        print(__doc__)
        return 2
    cadhost, workdir = argv[1], argv[2]
    os.makedirs(workdir, exist_ok=True)
    source = os.path.join(workdir, "ezdxf_in.dxf")
    target = os.path.join(workdir, "cadhost_out.dxf")
    build(source)
    if os.path.exists(target):
        os.remove(target)
    result = subprocess.run([cadhost, source, "--save", target], capture_output=True, text=True)
    if result.returncode != 0:
        print(f"cadhost failed ({result.returncode}): {result.stderr.strip()}")
        return 1
    if result.stdout.strip():
        print(f"cadhost reported: {result.stdout.strip()}")
    problems = check(source, target)
    for problem in problems:
        print(problem)
    print(f"{len(problems)} difference(s)")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
