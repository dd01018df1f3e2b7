#!/usr/bin/python3
"""Writes examples/parcelle.dxf: a small survey plan (parcel boundary, building, survey points as
blocks with attributes, texts) as another CAD program would write it. Run with python3-ezdxf."""
import sys
import ezdxf

doc = ezdxf.new("R2000", setup=False)
doc.header["$INSUNITS"] = 6
for name, color in (("LIMITE", 1), ("BATI", 3), ("POINTS", 7), ("TEXTE", 2), ("NUMPT", 4), ("ALTI", 5)):
    doc.layers.add(name, color=color)

blk = doc.blocks.new("PTTOPO", base_point=(0, 0))
blk.add_circle((0, 0), 0.25)
blk.add_line((-0.25, 0), (0.25, 0))
blk.add_line((0, -0.25), (0, 0.25))
blk.add_attdef("NUMPT", (0.75, 0.5), dxfattribs={"height": 1.0, "layer": "NUMPT"})
blk.add_attdef("CODE", (0.75, 2.0), dxfattribs={"height": 1.0, "flags": 1})
blk.add_attdef("Z", (0.75, -1.0), dxfattribs={"height": 1.0, "layer": "ALTI"})
blk.add_attdef("OBS", (0.75, -2.5), dxfattribs={"height": 1.0})

msp = doc.modelspace()
corners = [(1000.0, 2000.0), (1042.5, 2003.2), (1047.1, 2041.8), (1003.9, 2038.6)]
msp.add_lwpolyline([(x, y, 0, 0, 0.2 if i == 1 else 0) for i, (x, y) in enumerate(corners)],
                   format="xyseb", close=True, dxfattribs={"layer": "LIMITE"})
msp.add_lwpolyline([(1015, 2012), (1030, 2012), (1030, 2024), (1015, 2024)], close=True,
                   dxfattribs={"layer": "BATI"})
for n, ((x, y), z) in enumerate(zip(corners, (101.25, 101.80, 102.35, 101.9)), start=1):
    ref = msp.add_blockref("PTTOPO", (x, y), dxfattribs={"layer": "POINTS"})
    ref.add_auto_attribs({"NUMPT": str(n), "CODE": "1", "Z": f"{z:.2f}", "OBS": "borne"})
msp.add_text("Parcelle cadastrée AB 127", dxfattribs={"layer": "TEXTE", "height": 2.0, "rotation": 4.3}
             ).set_placement((1010, 2030))
msp.add_text("Maison", dxfattribs={"layer": "TEXTE", "height": 1.2}).set_placement((1022.5, 2018))
msp.add_circle((1036.0, 2030.0), 1.5, dxfattribs={"layer": "BATI"})
msp.add_line((1000, 2000), (1047.1, 2041.8), dxfattribs={"layer": "LIMITE", "linetype": "Continuous"})
doc.saveas(sys.argv[1] if len(sys.argv) > 1 else "parcelle.dxf")
