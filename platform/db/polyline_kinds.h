// For drawing readers: the classes behind the POLYLINE and VERTEX types of drawing files.
//
// One DXF type, POLYLINE, stands for four kinds of polyline told apart by its flags (70): 8 a 3D
// polyline, 16 a polygon mesh, 64 a polyface mesh, otherwise a 2D polyline. Its VERTEX followers
// are told apart by their own flags: 32 a 3D polyline vertex, 64 a polygon mesh vertex, 128 + 64 a
// polyface mesh vertex, 128 alone a face record, otherwise a 2D vertex. AcRxClass::findByDxfName
// gives AcDb2dPolyline and AcDb2dVertex for these names; a reader that has peeked at the flags
// asks here instead.
#pragma once

class AcDbEntity;

// A new polyline of the kind the POLYLINE flags give.
AcDbEntity* createPolylineForFlags(int flags70);
// A new vertex for a VERTEX item: of the kind its polyline takes (a polyface mesh's flags tell a
// vertex, 128 + 64, from a face record, 128), or by its flags alone when polyline is null.
AcDbEntity* createVertexForFlags(int flags70, const AcDbEntity* polyline = nullptr);
