#!/usr/bin/python3
"""Cross-check with an independent DXF library (ezdxf).

  ezdxf_summary.py summary FILE   prints what ezdxf reads in FILE, one item a line
  ezdxf_summary.py write FILE VER writes a drawing made with ezdxf (VER: R12, R2000)
"""
import sys

import ezdxf


def num(x):
    return repr(float(x))


def out(*fields):
    print("\t".join(str(f) for f in fields))


def point(code, p):
    p = tuple(p) + (0.0, 0.0, 0.0)
    out("P", code, num(p[0]), num(p[1]), num(p[2]))


def entity(space, e):
    t = e.dxftype()
    out("E", space, t, e.dxf.handle.upper(), e.dxf.layer)
    if t == "POINT":
        point(10, e.dxf.location)
    elif t == "LINE":
        point(10, e.dxf.start)
        point(11, e.dxf.end)
    elif t in ("CIRCLE", "ARC"):
        point(10, e.dxf.center)
        out("R", 40, num(e.dxf.radius))
        if t == "ARC":
            out("R", 50, num(e.dxf.start_angle))
            out("R", 51, num(e.dxf.end_angle))
    elif t == "TEXT":
        point(10, e.dxf.insert)
        out("R", 40, num(e.dxf.height))
        out("T", 1, e.dxf.text)
    elif t in ("3DFACE", "SOLID"):
        for i in range(4):
            point(10 + i, e.dxf.get("vtx%d" % i))
    elif t == "LWPOLYLINE":
        for x, y, *_ in e.get_points():
            point(10, (x, y, 0.0))
    elif t == "POLYLINE":
        for v in e.vertices:
            point(10, v.dxf.location)
    elif t == "INSERT":
        out("T", 2, e.dxf.name)
        point(10, e.dxf.insert)
        for a in e.attribs:
            out("T", 2, a.dxf.tag)
            out("T", 1, a.dxf.text)
    elif t == "ATTDEF":
        point(10, e.dxf.insert)
        out("T", 2, e.dxf.tag)
        out("T", 1, e.dxf.text)


def summary(path):
    doc = ezdxf.readfile(path)
    for e in doc.modelspace():
        entity("M", e)
    for e in doc.layouts.active_layout():
        entity("P", e)
    for layer in doc.layers:
        out("L", layer.dxf.name, layer.dxf.color, 1 if layer.is_frozen() else 0,
            layer.dxf.linetype.upper())


def write(path, version):
    doc = ezdxf.new(version)
    doc.layers.add("Chaussée", color=3)
    doc.layers.add("GEL", color=5).freeze()
    msp = doc.modelspace()
    msp.add_point((0.1, 0.2, 0.3), dxfattribs={"layer": "Chaussée"})
    msp.add_line((1 / 3, 2 / 3, 1e22), (-4.5, 5e-300, 6))
    msp.add_circle((1, 2, 0), 2.5, dxfattribs={"layer": "GEL"})
    msp.add_arc((1, 2, 0), 3, 10, 200)
    msp.add_text("Été 20 €", dxfattribs={"height": 2.5, "insert": (4, 5, 6)})
    msp.add_3dface([(0, 0, 0), (1, 0, 1), (1, 1, 2), (0, 1, 3)])
    msp.add_solid([(0, 0), (1, 0), (0, 1), (1, 1)])
    if version != "R12":
        msp.add_lwpolyline([(0, 0), (10, 0, 0, 0, 0.5), (10, 10)])
        msp.add_mtext("ignoré")
    msp.add_polyline3d([(1, 2, 3), (4, 5, 6), (7, 8, 9.125)])
    block = doc.blocks.new("BORNE")
    block.add_circle((0, 0), 1)
    block.add_attdef("PK", (0, 1), dxfattribs={"height": 0.5})
    ref = msp.add_blockref("BORNE", (100, 200))
    ref.add_attrib("PK", "1+250", (100, 201))
    doc.saveas(path)


if __name__ == "__main__":
    if sys.argv[1] == "summary":
        summary(sys.argv[2])
    else:
        write(sys.argv[2], sys.argv[3])
