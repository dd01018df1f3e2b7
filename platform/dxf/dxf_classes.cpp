#include "dxf/dxf_classes.h"

namespace dxf {

namespace {

// Types the R2007 format declares in CLASSES, as the host writes them (DXF reference, CLASSES
// section; "ObjectDBX Classes" is the host's own application name for its database classes).
constexpr DxfClassInfo kClasses[] = {
    {"ACDBDICTIONARYWDFLT", "AcDbDictionaryWithDefault", "ObjectDBX Classes", 0, false},
    {"DICTIONARYVAR", "AcDbDictionaryVar", "ObjectDBX Classes", 0, false},
    {"ACDBPLACEHOLDER", "AcDbPlaceHolder", "ObjectDBX Classes", 0, false},
    {"LAYOUT", "AcDbLayout", "ObjectDBX Classes", 0, false},
    {"TABLESTYLE", "AcDbTableStyle", "ObjectDBX Classes", 4095, false},
    {"MATERIAL", "AcDbMaterial", "ObjectDBX Classes", 1153, false},
    {"VISUALSTYLE", "AcDbVisualStyle", "ObjectDBX Classes", 4095, false},
    {"SCALE", "AcDbScale", "ObjectDBX Classes", 1153, false},
    {"MLEADERSTYLE", "AcDbMLeaderStyle", "ACDB_MLEADERSTYLE_CLASS", 4095, false},
    {"CELLSTYLEMAP", "AcDbCellStyleMap", "ObjectDBX Classes", 1152, false},
    {"SUN", "AcDbSun", "SCENEOE", 1153, false},
    {"LAYER_INDEX", "AcDbLayerIndex", "ObjectDBX Classes", 0, false},
    {"SPATIAL_INDEX", "AcDbSpatialIndex", "ObjectDBX Classes", 0, false},
    {"SPATIAL_FILTER", "AcDbSpatialFilter", "ObjectDBX Classes", 0, false},
    {"LAYER_FILTER", "AcDbLayerFilter", "ObjectDBX Classes", 0, false},
    {"IDBUFFER", "AcDbIdBuffer", "ObjectDBX Classes", 0, false},
    {"DIMASSOC", "AcDbDimAssoc", "AcDbDimAssoc", 0, false},
    {"IMAGEDEF", "AcDbRasterImageDef", "ISM", 0, false},
    {"IMAGEDEF_REACTOR", "AcDbRasterImageDefReactor", "ISM", 1, false},
    {"RASTERVARIABLES", "AcDbRasterVariables", "ISM", 0, false},
    {"SORTENTSTABLE", "AcDbSortentsTable", "ObjectDBX Classes", 0, false},
    {"FIELDLIST", "AcDbFieldList", "ObjectDBX Classes", 1152, false},
    {"GEODATA", "AcDbGeoData", "ObjectDBX Classes", 4095, false},
    {"WIPEOUTVARIABLES", "AcDbWipeoutVariables", "WipeOut", 0, false},
    {"ACAD_TABLE", "AcDbTable", "ObjectDBX Classes", 1025, true},
    {"IMAGE", "AcDbRasterImage", "ISM", 2175, true},
    {"WIPEOUT", "AcDbWipeout", "WipeOut", 127, true},
    {"MLEADER", "AcDbMLeader", "ACDB_MLEADER_CLASS", 3071, true},
    {"HELIX", "AcDbHelix", "ObjectDBX Classes", 4095, true},
    {"ARC_DIMENSION", "AcDbArcDimension", "ObjectDBX Classes", 1025, true},
};

}  // namespace

const DxfClassInfo* findDxfClass(std::string_view dxfName) {
  for (const DxfClassInfo& info : kClasses) {
    if (dxfName == info.dxfName) return &info;
  }
  return nullptr;
}

}  // namespace dxf
