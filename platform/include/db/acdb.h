// Enumerations of the host's database interface.
#pragma once

namespace AcDb {
enum OpenMode { kForRead = 0, kForWrite = 1, kForNotify = 2 };

enum SaveType { kDwg = 0, kDxf = 1 };
enum AcDbDwgVersion { kDHL_CURRENT = 0, kDHL_1012 = 1, kDHL_1015 = 2, kDHL_1018 = 3, kDHL_1021 = 4 };

enum TextHorzMode { kTextLeft = 0, kTextCenter = 1, kTextRight = 2, kTextAlign = 3, kTextMid = 4, kTextFit = 5 };
enum TextVertMode { kTextBase = 0, kTextBottom = 1, kTextVertMid = 2, kTextTop = 3 };

enum Visibility { kVisible = 0, kInvisible = 1 };

enum LineWeight {
  kLnWt000 = 0, kLnWt005 = 5, kLnWt009 = 9, kLnWt013 = 13, kLnWt015 = 15, kLnWt018 = 18,
  kLnWt020 = 20, kLnWt025 = 25, kLnWt030 = 30, kLnWt035 = 35, kLnWt040 = 40, kLnWt050 = 50,
  kLnWt053 = 53, kLnWt060 = 60, kLnWt070 = 70, kLnWt080 = 80, kLnWt090 = 90, kLnWt100 = 100,
  kLnWt106 = 106, kLnWt120 = 120, kLnWt140 = 140, kLnWt158 = 158, kLnWt200 = 200, kLnWt211 = 211,
  kLnWtByLayer = -1, kLnWtByBlock = -2, kLnWtByLwDefault = -3
};

enum Poly2dType { k2dSimplePoly = 0, k2dFitCurvePoly = 1, k2dQuadSplinePoly = 2, k2dCubicSplinePoly = 3 };
enum Poly3dType { k3dSimplePoly = 0, k3dQuadSplinePoly = 1, k3dCubicSplinePoly = 2 };
enum PolyMeshType { kSimpleMesh = 0, kQuadSurfaceMesh = 1, kCubicSurfaceMesh = 2, kBezierSurfaceMesh = 3 };
enum Vertex2dType { k2dVertex = 0, k2dSplineCtlVertex = 1, k2dSplineFitVertex = 2, k2dCurveFitVertex = 3 };
enum Vertex3dType { k3dSimpleVertex = 0, k3dControlVertex = 1, k3dFitVertex = 2 };

enum Intersect { kOnBothOperands = 0, kExtendThis = 1, kExtendArg = 2, kExtendBoth = 3 };

enum Planarity { kNonPlanar = 0, kPlanar = 1, kLinear = 2 };

enum DuplicateRecordCloning {
  kDrcNotApplicable = 0, kDrcIgnore = 1, kDrcReplace = 2, kDrcXrefMangleName = 3,
  kDrcMangleName = 4, kDrcUnmangleName = 5
};

enum CellType { kUnknownCell = 0, kTextCell = 1, kBlockCell = 2 };
enum RowType { kUnknownRow = 0, kDataRow = 1, kTitleRow = 2, kHeaderRow = 4 };
enum CellAlignment {
  kTopLeft = 1, kTopCenter = 2, kTopRight = 3, kMiddleLeft = 4, kMiddleCenter = 5,
  kMiddleRight = 6, kBottomLeft = 7, kBottomCenter = 8, kBottomRight = 9
};

// DXF group codes named by the host; the values are the group codes themselves.
enum DxfCode {
  kDxfInvalid = -9999,
  kDxfXDictionary = -6,
  kDxfPReactors = -5,
  kDxfOperator = -4,
  kDxfXDataStart = -3,
  kDxfHeaderId = -2,
  kDxfFirstEntId = -2,
  kDxfEnd = -1,
  kDxfStart = 0,
  kDxfText = 1,
  kDxfXRefPath = 1,
  kDxfShapeName = 2,
  kDxfBlockName = 2,
  kDxfAttributeTag = 2,
  kDxfSymbolTableName = 2,
  kDxfMstyleName = 2,
  kDxfSymTableRecName = 2,
  kDxfAttributePrompt = 3,
  kDxfDimStyleName = 3,
  kDxfLinetypeProse = 3,
  kDxfTextFontFile = 3,
  kDxfDescription = 3,
  kDxfDimPostStr = 3,
  kDxfTextBigFontFile = 4,
  kDxfDimAPostStr = 4,
  kDxfCLShapeName = 4,
  kDxfSymTableRecComments = 4,
  kDxfHandle = 5,
  kDxfDimBlk = 5,
  kDxfLinetypeName = 6,
  kDxfTextStyleName = 7,
  kDxfLayerName = 8,
  kDxfCLShapeText = 9,
  kDxfXCoord = 10,
  kDxfYCoord = 20,
  kDxfZCoord = 30,
  kDxfElevation = 38,
  kDxfThickness = 39,
  kDxfReal = 40,
  kDxfTxtSize = 40,
  kDxfTxtStyleXScale = 41,
  kDxfTxtStylePSize = 42,
  kDxfAngle = 50,
  kDxfViewportHeight = 40,
  kDxfVisibility = 60,
  kDxfLayerLinetype = 61,
  kDxfColor = 62,
  kDxfHasSubentities = 66,
  kDxfViewportVisibility = 67,
  kDxfViewportActive = 68,
  kDxfViewportNumber = 69,
  kDxfInt16 = 70,
  kDxfViewMode = 71,
  kDxfCircleSides = 72,
  kDxfViewportZoom = 73,
  kDxfViewportIcon = 74,
  kDxfViewportSnap = 75,
  kDxfViewportGrid = 76,
  kDxfViewportSnapStyle = 77,
  kDxfViewportSnapPair = 78,
  kDxfRegAppFlags = 71,
  kDxfTxtStyleFlags = 71,
  kDxfLinetypeAlign = 72,
  kDxfLinetypePDC = 73,
  kDxfInt32 = 90,
  kDxfVertexIdentifier = 91,
  kDxfSubclass = 100,
  kDxfEmbeddedObjectStart = 101,
  kDxfControlString = 102,
  kDxfDimVarHandle = 105,
  kDxfUCSOrg = 110,
  kDxfUCSOriX = 111,
  kDxfUCSOriY = 112,
  kDxfXReal = 140,
  kDxfViewBrightness = 141,
  kDxfViewContrast = 142,
  kDxfInt64 = 160,
  kDxfXInt16 = 170,
  kDxfNormalX = 210,
  kDxfNormalY = 220,
  kDxfNormalZ = 230,
  kDxfXXInt16 = 270,
  kDxfInt8 = 280,
  kDxfRenderMode = 281,
  kDxfBool = 290,
  kDxfXTextString = 300,
  kDxfBinaryChunk = 310,
  kDxfArbHandle = 320,
  kDxfSoftPointerId = 330,
  kDxfHardPointerId = 340,
  kDxfSoftOwnershipId = 350,
  kDxfHardOwnershipId = 360,
  kDxfLineWeight = 370,
  kDxfPlotStyleNameType = 380,
  kDxfPlotStyleNameId = 390,
  kDxfXXXInt16 = 400,
  kDxfLayoutName = 410,
  kDxfColorRGB = 420,
  kDxfColorName = 430,
  kDxfAlpha = 440,
  kDxfGradientObjType = 450,
  kDxfGradientPatType = 451,
  kDxfGradientTintType = 452,
  kDxfGradientColCount = 453,
  kDxfGradientAngle = 460,
  kDxfGradientShift = 461,
  kDxfGradientTintVal = 462,
  kDxfGradientColVal = 463,
  kDxfGradientName = 470,
  kDxfComment = 999,
  kDxfXdAsciiString = 1000,
  kDxfRegAppName = 1001,
  kDxfXdControlString = 1002,
  kDxfXdLayerName = 1003,
  kDxfXdBinaryChunk = 1004,
  kDxfXdHandle = 1005,
  kDxfXdXCoord = 1010,
  kDxfXdYCoord = 1020,
  kDxfXdZCoord = 1030,
  kDxfXdWorldXCoord = 1011,
  kDxfXdWorldYCoord = 1021,
  kDxfXdWorldZCoord = 1031,
  kDxfXdWorldXDisp = 1012,
  kDxfXdWorldYDisp = 1022,
  kDxfXdWorldZDisp = 1032,
  kDxfXdWorldXDir = 1013,
  kDxfXdWorldYDir = 1023,
  kDxfXdWorldZDir = 1033,
  kDxfXdReal = 1040,
  kDxfXdDist = 1041,
  kDxfXdScale = 1042,
  kDxfXdInteger16 = 1070,
  kDxfXdInteger32 = 1071,
};
}  // namespace AcDb
