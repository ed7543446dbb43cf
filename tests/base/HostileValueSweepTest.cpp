// Hostile values in every field of every registered library node class: each setting must be
// drawn, bounded, picked, traversed, written and read back without a crash, with messages in the
// library's format. The class list comes from the type system, so new classes join by themselves.
#include "support/ErrorCatcher.h"
#include "support/SceneText.h"

#include "offscreen/OsMesaContext.h"

#include <Gridlux/base/PoGridlux.h>
#include <Gridlux/mesh/nodes/PoSFMesh.h>

#include <Inventor/SbViewportRegion.h>
#include <Inventor/SoDB.h>
#include <Inventor/SoInput.h>
#include <Inventor/SoPickedPoint.h>
#include <Inventor/SoPrimitiveVertex.h>
#include <Inventor/actions/SoCallbackAction.h>
#include <Inventor/actions/SoGLRenderAction.h>
#include <Inventor/actions/SoGetBoundingBoxAction.h>
#include <Inventor/actions/SoGetPrimitiveCountAction.h>
#include <Inventor/actions/SoRayPickAction.h>
#include <Inventor/actions/SoSearchAction.h>
#include <Inventor/elements/SoGLCacheContextElement.h>
#include <Inventor/fields/SoFields.h>
#include <Inventor/lists/SoFieldList.h>
#include <Inventor/lists/SoTypeList.h>
#include <Inventor/nodekits/SoBaseKit.h>
#include <Inventor/nodes/SoDirectionalLight.h>
#include <Inventor/nodes/SoMarkerSet.h>
#include <Inventor/nodes/SoOrthographicCamera.h>
#include <Inventor/nodes/SoSeparator.h>
#include <Inventor/nodes/SoShape.h>

#include <GL/osmesa.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cmath>
#include <dirent.h>
#include <fstream>
#include <functional>
#include <limits>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace {

const float kNaN = std::numeric_limits<float>::quiet_NaN();
const float kInf = std::numeric_limits<float>::infinity();
const int kLongList = 2000;

// Classes with faults known and being fixed where they are built; each is skipped with its
// fault until the fix lands (GRIDLUX_SWEEP_KNOWN_FAULTS=1 runs them anyway). Keep this list
// short and say why.
const std::map<std::string, std::string> kKnownFaults = {
};

// ---------------------------------------------------------------------------------------------
// The classes swept.

std::vector<std::string> sweptClasses()
{
  PoGridlux::init();
  SoTypeList types;
  SoType::getAllDerivedFrom(SoNode::getClassTypeId(), types);
  std::vector<std::string> names;
  for (int i = 0; i < types.getLength(); i++) {
    const SoType type = types[i];
    const std::string name = type.getName().getString();
    const bool library = type.isDerivedFrom(SoType::fromName("PoBase")) ||
                         type.isDerivedFrom(SoType::fromName("PoNode")) ||
                         type.isDerivedFrom(SoType::fromName("PoBaseView"));
    if (library && type.canCreateInstance())
      names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

// ---------------------------------------------------------------------------------------------
// Scenes around the node: the mesh or series it reads, and nodes that read what it sets.

const char* const kGrid2D = R"(
PoRegularCartesianGrid2D {
  fields [ PoSFRegularCartesianGrid2D mesh ]
  mesh
    3 3   # num_x, num_y
    0 0   # x_min, y_min
    2 2   # x_max, y_max
    1   # 3D mesh
    # z coordinates of mesh
    0 0.1 0 0.1 0.3 0.1 0 0.1 0
    0   # number of string data-set
    1   # number of scalar data-set
    1   # number of vector data-set
    # set of scalars, index 0, binding per node
    "s" # set name
    0 0.5 1 0.25 0.75 0.5 1 0.2 0.1
    # set of vectors, index 0
    "v" # set name
    1 0 0  0 1 0  1 1 0  -1 0 0  0 -1 0  1 -1 0  0.5 0.5 0  -0.5 0.5 0  1 0 0
}
)";

const char* const kGrid3D = R"(
PoRegularCartesianGrid3D {
  fields [ PoSFRegularCartesianGrid3D mesh ]
  mesh
    2 2 3   # num_x, num_y, num_z
    0 0 0   # x_min, y_min, z_min
    1 1 2   # x_max, y_max, z_max
    0   # number of string data-set
    1   # number of scalar data-set
    1   # number of vector data-set
    # set of scalars, index 0, binding per node
    "s" # set name
    0 0.2 0.4 0.6 0.8 1 0.3 0.9 0.1 0.5 0.7 0.2
    # set of vectors, index 0
    "v" # set name
    1 0 0  0 1 0  0 0 1  1 1 0  0 1 1  1 0 1  1 0 0  0 1 0  0 0 1  1 1 1  0.5 0 0  0 0.5 0
}
)";

const char* const kSeries1D = R"(
PoIrregularMesh1D {
  fields [ PoSFIrregularMesh1D mesh ]
  mesh
    5   # size
    # x coordinates of mesh nodes
    0 1 2 3 4
    0   # number of string data-set
    2   # number of scalar data-set
    0   # number of vector data-set
    # set of scalars, index 0, binding per node
    "y" # set name
    1 3 2 4 0.5
    # set of scalars, index 1, binding per node
    "w" # set name
    10 20 5 40 15
}
)";

// What reads the state that attribute nodes set.
const char* const kAttributeReaders =
  "PoMeshFilled {} PoMeshContouring {} PoLinearAxis {} PoLinearValueLegend {}";

bool isA(const SoType& type, const char* name)
{
  const SoType base = SoType::fromName(name);
  return !base.isBad() && type.isDerivedFrom(base);
}

// A colour mapping and levels, for the classes that colour by value.
const char* const kColoring = R"(
PoNonLinearDataMapping2 { value [ 0, 0.5, 1 ] color [ 0 0 1, 0 1 0, 1 0 0 ] }
PoIsovaluesList { isovaluesList [ 0, 0.25, 0.5, 0.75, 1 ] }
)";

struct Context {
  std::string before;
  std::string after;
  std::string fields; ///< set on the node before the sweep, where the defaults draw nothing
};

// Field values that give the class something to draw; each field's sweep returns to them.
std::string startingFields(const SoType& type)
{
  const std::pair<const char*, const char*> rows[] = {
    {"PoBaseStreamLine", "startPoints [ 0.5 0.5 0.5, 0.2 0.3 1.5 ]"},
    {"PoCurve", "point [ 0 1, 1 3, 2 2, 3 4, 4 0.5 ]"},
    {"PoLabelField", "point [ 0 0, 1 1, 2 0.5 ] string [ \"a\", \"b\", \"c\" ] value [ 1, 2, 3 ]"},
    {"PoItemLegend", "item [ \"one\", \"two\", \"three\" ]"},
    {"PoCellShape", "cellIndex 1"},
    {"PoMeshProbePoint", "position 0.5 0.5 0.5"},
    {"PoPieChart", "sliceValue [ 1, 2, 3 ] sliceText [ \"a\", \"b\", \"c\" ] "
                   "sliceColor [ 1 0 0, 0 1 0, 0 0 1 ]"},
    {"PoSingleHistogram", "value [ 1, 3, 2 ] name [ \"a\", \"b\", \"c\" ]"},
    {"PoMultipleHistogram", "numRows 2 numColumns 3 value [ 1, 2, 3, 4, 5, 6 ] rowName [ \"r\", \"s\" ] "
                            "columnName [ \"a\", \"b\", \"c\" ]"},
  };
  for (const auto& row : rows)
    if (isA(type, row.first))
      return row.second;
  return "";
}

Context contextOfFamily(const SoType& type);

Context contextFor(const SoType& type)
{
  Context context = contextOfFamily(type);
  context.fields = startingFields(type);
  return context;
}

Context contextOfFamily(const SoType& type)
{
  const std::string name = type.getName().getString();
  if (isA(type, "PoMeshProperty")) {
    if (name.find("1D") != std::string::npos)
      return {"", "PoCurve {} PoLinearBar {} PoScatter {}"};
    if (name.find("2D") != std::string::npos)
      return {"", "PoMeshFilled {} PoMeshLines {} PoMeshContouring {} PoMeshSides {} PoMeshLimit {} PoMesh2DVec {}"};
    return {"", "PoMeshSkin {} PoMeshLevelSurf {} PoMeshCrossSection {} PoMeshSkeleton {} PoMesh3DVec {} "
                "PoMeshCrossContour {} PoStreamLine { startPoints [ 0.5 0.5 0.5 ] }"};
  }
  if (isA(type, "PoChart"))
    return {std::string(kSeries1D) + kColoring, ""};
  if (isA(type, "PoMesh2D"))
    return {std::string(kGrid2D) + kColoring, ""};
  if (isA(type, "PoMesh"))
    return {std::string(kGrid3D) + kColoring, ""};
  if (isA(type, "PoValueLegend"))
    return {kColoring, ""};
  if (isA(type, "PoMesh1DFilter") || isA(type, "PoMesh1DHints"))
    return {kSeries1D, "PoCurve {} PoLinearBar {}"};
  if (isA(type, "PoNode"))
    return {kGrid2D, kAttributeReaders};
  return {};
}

// ---------------------------------------------------------------------------------------------
// Hostile values by field type. Each case sets the field; the sweep resets it afterwards.

struct Case {
  std::string label;
  std::function<void(SoField*)> apply;
  bool readsBack = true; ///< false where the toolkit itself cannot write the value (an unnamed enum)
};

template <class SF, class T>
void addSingle(std::vector<Case>& cases, const std::vector<std::pair<std::string, T>>& values)
{
  for (const auto& v : values) {
    const T value = v.second;
    cases.push_back({v.first, [value](SoField* f) { static_cast<SF*>(f)->setValue(value); }});
  }
}

// Empty, one hostile element, a hostile mix, one shorter and one longer than the default (so
// the field no longer matches its siblings), and a very long list.
template <class MF, class T>
void addMulti(std::vector<Case>& cases, const std::vector<T>& hostile, std::function<T(int)> longValue)
{
  cases.push_back({"empty list", [](SoField* f) { static_cast<MF*>(f)->setNum(0); }});
  const T first = hostile.front();
  cases.push_back({"one hostile element", [first](SoField* f) { static_cast<MF*>(f)->setValue(first); }});
  cases.push_back({"hostile mix", [hostile](SoField* f) {
                     static_cast<MF*>(f)->setValues(0, int(hostile.size()), hostile.data());
                     static_cast<MF*>(f)->setNum(int(hostile.size()));
                   }});
  cases.push_back({"one shorter", [](SoField* f) {
                     MF* mf = static_cast<MF*>(f);
                     if (mf->getNum() > 0)
                       mf->deleteValues(mf->getNum() - 1);
                   }});
  const T last = hostile.back();
  cases.push_back({"one longer", [last](SoField* f) {
                     MF* mf = static_cast<MF*>(f);
                     mf->set1Value(mf->getNum(), last);
                   }});
  cases.push_back({"long list", [longValue](SoField* f) {
                     std::vector<T> values(kLongList);
                     for (int i = 0; i < kLongList; i++)
                       values[i] = longValue(i);
                     static_cast<MF*>(f)->setValues(0, kLongList, values.data());
                     static_cast<MF*>(f)->setNum(kLongList);
                   }});
}

std::vector<std::pair<std::string, float>> hostileFloats()
{
  return {{"NaN", kNaN},     {"+infinity", kInf}, {"-infinity", -kInf},
          {"huge", 1e30f},   {"-huge", -1e30f},   {"-1", -1.0f},
          {"0", 0.0f}};
}

template <class V>
std::vector<std::pair<std::string, V>> hostileVectors()
{
  auto all = [](float x) {
    V v;
    for (int i = 0; i < int(sizeof(V) / sizeof(float)); i++)
      v[i] = x;
    return v;
  };
  V mixed = all(1.0f);
  mixed[0] = kNaN;
  return {{"NaN", all(kNaN)},   {"NaN component", mixed}, {"+infinity", all(kInf)},
          {"huge", all(1e30f)}, {"-huge", all(-1e30f)},   {"zero", all(0.0f)},
          {"-1", all(-1.0f)}};
}

template <class V>
std::vector<V> valuesOf(const std::vector<std::pair<std::string, V>>& labelled)
{
  std::vector<V> values;
  for (const auto& v : labelled)
    values.push_back(v.second);
  return values;
}

template <class V>
V longVector(int i)
{
  V v;
  for (int k = 0; k < int(sizeof(V) / sizeof(float)); k++)
    v[k] = float((i * (k + 3)) % 17) * 0.25f - 1.0f;
  return v;
}

// Text mutations of a mesh field's file value: each structural count or coordinate on a
// commented line replaced by a hostile number, then the text cut short.
std::vector<Case> meshCases(const std::string& sample)
{
  std::vector<Case> cases;
  std::vector<std::string> lines;
  std::istringstream in(sample);
  for (std::string line; std::getline(in, line);)
    lines.push_back(line);
  auto joined = [](const std::vector<std::string>& parts) {
    std::string text;
    for (const std::string& p : parts)
      text += p + "\n";
    return text;
  };
  const char* replacements[] = {"-1", "0", "2147483647", "1e30"};
  int mutatedLines = 0;
  for (size_t l = 0; l < lines.size() && mutatedLines < 8; l++) {
    const std::string& line = lines[l];
    const size_t hash = line.find('#');
    if (hash == std::string::npos || hash == 0)
      continue;
    std::istringstream tokens(line.substr(0, hash));
    std::vector<std::string> words;
    for (std::string w; tokens >> w;)
      words.push_back(w);
    if (words.empty() || words[0][0] == '"')
      continue;
    ++mutatedLines;
    for (size_t w = 0; w < words.size(); w++) {
      for (const char* r : replacements) {
        std::vector<std::string> changed = lines;
        std::string text;
        for (size_t k = 0; k < words.size(); k++)
          text += (k == w ? std::string(r) : words[k]) + " ";
        changed[l] = text;
        const std::string mutated = joined(changed);
        cases.push_back({"line " + std::to_string(l) + " word " + std::to_string(w) + " = " + r,
                         [mutated](SoField* f) { f->set(mutated.c_str()); }});
      }
    }
  }
  // Hostile values in a mesh that reads: NaN and huge scalars, NaN vectors.
  auto withValues = [sample](const char* label, float a, float b, bool vectors) {
    return Case{label, [sample, a, b, vectors](SoField* f) {
                  f->set(sample.c_str());
                  PoSFMesh* mesh = static_cast<PoSFMesh*>(f);
                  const int numNodes = mesh->getMesh().getNumNodes();
                  if (numNodes <= 0)
                    return;
                  std::vector<float> values(numNodes);
                  std::vector<SbVec3f> vecs(numNodes);
                  for (int i = 0; i < numNodes; i++) {
                    values[i] = i % 2 ? a : b;
                    vecs[i].setValue(values[i], values[i], values[i]);
                  }
                  if (vectors)
                    mesh->addVecsSet(0, vecs.data(), "hostile");
                  else
                    mesh->addValuesSet(0, values.data(), "hostile");
                }};
  };
  cases.push_back({"sample", [sample](SoField* f) { f->set(sample.c_str()); }});
  cases.push_back(withValues("NaN scalars", kNaN, kNaN, false));
  cases.push_back(withValues("NaN and 1 scalars", kNaN, 1.0f, false));
  cases.push_back(withValues("huge scalars", 1e30f, -1e30f, false));
  cases.push_back(withValues("infinite scalars", kInf, -kInf, false));
  cases.push_back(withValues("NaN vectors", kNaN, 1.0f, true));
  cases.push_back(withValues("huge vectors", 1e30f, -1e30f, true));
  for (int part = 1; part <= 3; part++) {
    const std::string cut = sample.substr(0, sample.size() * part / 4);
    cases.push_back({"cut at " + std::to_string(part) + "/4", [cut](SoField* f) { f->set(cut.c_str()); }});
  }
  return cases;
}

// The text of a full mesh of the field's kind from the example scenes, or its own value.
std::string meshSample(SoField* field)
{
  const std::string typeName = field->getTypeId().getName().getString();
  const std::string dir = std::string(GRIDLUX_TEST_BASELINES) + "/../../examples/scenes";
  if (DIR* d = opendir(dir.c_str())) {
    std::vector<std::string> files;
    while (dirent* e = readdir(d))
      files.push_back(e->d_name);
    closedir(d);
    std::sort(files.begin(), files.end());
    for (const std::string& file : files) {
      if (file.size() < 4 || file.compare(file.size() - 3, 3, ".iv") != 0)
        continue;
      std::ifstream stream(dir + "/" + file);
      std::stringstream text;
      text << stream.rdbuf();
      if (text.str().find("[ " + typeName + " mesh ]") == std::string::npos)
        continue;
      SoSeparator* scene = readFromString(text.str());
      if (!scene)
        continue;
      scene->ref();
      std::string value;
      SoSearchAction search;
      search.setInterest(SoSearchAction::ALL);
      search.setType(SoNode::getClassTypeId());
      search.apply(scene);
      for (int i = 0; i < search.getPaths().getLength() && value.empty(); i++) {
        SoField* mesh = search.getPaths()[i]->getTail()->getField("mesh");
        if (mesh && mesh->getTypeId() == field->getTypeId()) {
          SbString s;
          mesh->get(s);
          value = s.getString();
        }
      }
      scene->unref();
      if (!value.empty() && value.size() < 6000)
        return value;
    }
  }
  SbString own;
  field->get(own);
  return own.getString();
}

std::vector<Case> casesFor(SoField* field)
{
  std::vector<Case> cases;
  const SoType t = field->getTypeId();
  if (t.isDerivedFrom(SoSFNode::getClassTypeId()) || t.isDerivedFrom(SoMFNode::getClassTypeId()) ||
      t.isDerivedFrom(SoSFPath::getClassTypeId()) || t.isDerivedFrom(SoMFPath::getClassTypeId()) ||
      t.isDerivedFrom(SoSFEngine::getClassTypeId()) || t.isDerivedFrom(SoMFEngine::getClassTypeId()) ||
      t.isDerivedFrom(SoSFTrigger::getClassTypeId()))
    return cases; // parts and connections, not values
  if (t.isDerivedFrom(SoSFFloat::getClassTypeId()))
    addSingle<SoSFFloat>(cases, hostileFloats());
  else if (t.isDerivedFrom(SoSFDouble::getClassTypeId())) {
    std::vector<std::pair<std::string, double>> doubles;
    for (const auto& v : hostileFloats())
      doubles.push_back({v.first, double(v.second)});
    doubles.push_back({"largest", std::numeric_limits<double>::max()});
    addSingle<SoSFDouble>(cases, doubles);
  }
  else if (t.isDerivedFrom(SoMFFloat::getClassTypeId()))
    addMulti<SoMFFloat, float>(cases, {kNaN, kInf, -kInf, 1e30f, -1e30f, -1.0f, 0.0f},
                               [](int i) { return float(i % 97) * 1.5f - 20.0f; });
  else if (t.isDerivedFrom(SoMFDouble::getClassTypeId()))
    addMulti<SoMFDouble, double>(cases, {double(kNaN), double(kInf), -1e300, -1.0, 0.0},
                                 [](int i) { return double(i % 97) * 1.5 - 20.0; });
  else if (t.isDerivedFrom(SoSFInt32::getClassTypeId()))
    addSingle<SoSFInt32, int32_t>(cases, {{"0", 0}, {"-1", -1}, {"INT_MIN", INT_MIN},
                                          {"INT_MAX", INT_MAX}, {"-1000000", -1000000}});
  else if (t.isDerivedFrom(SoMFInt32::getClassTypeId()))
    addMulti<SoMFInt32, int32_t>(cases, {-1, INT_MIN, INT_MAX, 1000000, 0},
                                 [](int i) { return int32_t(i % 11) - 1; });
  else if (t.isDerivedFrom(SoSFUInt32::getClassTypeId()))
    addSingle<SoSFUInt32, uint32_t>(cases, {{"0", 0u}, {"UINT_MAX", UINT_MAX}, {"2^31", 0x80000000u}});
  else if (t.isDerivedFrom(SoMFUInt32::getClassTypeId()))
    addMulti<SoMFUInt32, uint32_t>(cases, {UINT_MAX, 0u, 0x80000000u},
                                   [](int i) { return uint32_t(i % 11); });
  else if (t.isDerivedFrom(SoSFShort::getClassTypeId()))
    addSingle<SoSFShort, short>(cases, {{"0", short(0)}, {"-1", short(-1)},
                                        {"SHRT_MIN", short(SHRT_MIN)}, {"SHRT_MAX", short(SHRT_MAX)}});
  else if (t.isDerivedFrom(SoMFShort::getClassTypeId()))
    addMulti<SoMFShort, short>(cases, {short(-1), short(SHRT_MIN), short(SHRT_MAX), short(0)},
                               [](int i) { return short(i % 11 - 1); });
  else if (t.isDerivedFrom(SoSFUShort::getClassTypeId()))
    addSingle<SoSFUShort, unsigned short>(cases, {{"0", (unsigned short)0}, {"65535", (unsigned short)65535}});
  else if (t.isDerivedFrom(SoSFBitMask::getClassTypeId()))
    addSingle<SoSFBitMask, int>(cases, {{"no bits", 0}, {"every bit", -1}});
  else if (t.isDerivedFrom(SoSFEnum::getClassTypeId()) || t.isDerivedFrom(SoMFEnum::getClassTypeId())) {
    // Out of range: below, just past the largest value, far past it.
    int largest = 0;
    if (t.isDerivedFrom(SoSFEnum::getClassTypeId())) {
      SoSFEnum* e = static_cast<SoSFEnum*>(field);
      SbName name;
      for (int i = 0; i < e->getNumEnums(); i++)
        largest = std::max(largest, e->getEnum(i, name));
      addSingle<SoSFEnum, int>(cases, {{"-1", -1}, {"past the last", largest + 1}, {"far past", 99999}});
      for (Case& c : cases)
        c.readsBack = false;
    }
    else {
      SoMFEnum* e = static_cast<SoMFEnum*>(field);
      SbName name;
      for (int i = 0; i < e->getNumEnums(); i++)
        largest = std::max(largest, e->getEnum(i, name));
      addMulti<SoMFEnum, int>(cases, {-1, largest + 1, 99999}, [](int i) { return i % 3; });
      for (Case& c : cases)
        c.readsBack = c.label == "empty list" || c.label == "one shorter" || c.label == "long list";
    }
  }
  else if (t.isDerivedFrom(SoSFBool::getClassTypeId()))
    addSingle<SoSFBool, SbBool>(cases, {{"false", FALSE}, {"true", TRUE}});
  else if (t.isDerivedFrom(SoSFString::getClassTypeId()) || t.isDerivedFrom(SoSFName::getClassTypeId())) {
    const std::vector<std::pair<std::string, std::string>> strings = {
      {"empty", ""},
      {"long", std::string(3000, 'W')},
      {"format and file characters", "%s%n%d%% \\ \" { } [ ] #\n\t"},
      {"bytes that are not UTF-8", "\xff\xfe\xc3("}};
    const bool isName = t.isDerivedFrom(SoSFName::getClassTypeId());
    for (const auto& s : strings) {
      const std::string value = s.second;
      cases.push_back({s.first, [value, isName](SoField* f) {
                         if (isName)
                           static_cast<SoSFName*>(f)->setValue(SbName(value.c_str()));
                         else
                           static_cast<SoSFString*>(f)->setValue(SbString(value.c_str()));
                       }});
    }
  }
  else if (t.isDerivedFrom(SoMFString::getClassTypeId()))
    addMulti<SoMFString, SbString>(cases, {SbString(""), SbString(std::string(3000, 'W').c_str()),
                                           SbString("%s%n\n\t\"\\"), SbString("\xff\xfe")},
                                   [](int i) { return SbString().sprintf("label %d", i); });
  else if (t.isDerivedFrom(SoSFVec2f::getClassTypeId()))
    addSingle<SoSFVec2f>(cases, hostileVectors<SbVec2f>());
  else if (t.isDerivedFrom(SoSFVec3f::getClassTypeId()))
    addSingle<SoSFVec3f>(cases, hostileVectors<SbVec3f>());
  else if (t.isDerivedFrom(SoSFVec4f::getClassTypeId()))
    addSingle<SoSFVec4f>(cases, hostileVectors<SbVec4f>());
  else if (t.isDerivedFrom(SoSFColor::getClassTypeId())) {
    std::vector<std::pair<std::string, SbColor>> colors;
    for (const auto& v : hostileVectors<SbVec3f>())
      colors.push_back({v.first, SbColor(v.second[0], v.second[1], v.second[2])});
    addSingle<SoSFColor>(cases, colors);
  }
  else if (t.isDerivedFrom(SoMFVec2f::getClassTypeId()))
    addMulti<SoMFVec2f, SbVec2f>(cases, valuesOf(hostileVectors<SbVec2f>()), longVector<SbVec2f>);
  else if (t.isDerivedFrom(SoMFVec3f::getClassTypeId()))
    addMulti<SoMFVec3f, SbVec3f>(cases, valuesOf(hostileVectors<SbVec3f>()), longVector<SbVec3f>);
  else if (t.isDerivedFrom(SoMFVec4f::getClassTypeId()))
    addMulti<SoMFVec4f, SbVec4f>(cases, valuesOf(hostileVectors<SbVec4f>()), longVector<SbVec4f>);
  else if (t.isDerivedFrom(SoMFColor::getClassTypeId())) {
    std::vector<SbColor> colors;
    for (const auto& v : hostileVectors<SbVec3f>())
      colors.push_back(SbColor(v.second[0], v.second[1], v.second[2]));
    addMulti<SoMFColor, SbColor>(cases, colors, [](int i) { return SbColor(longVector<SbVec3f>(i).getValue()); });
  }
  else if (t.isDerivedFrom(SoSFRotation::getClassTypeId())) {
    cases.push_back({"NaN", [](SoField* f) { static_cast<SoSFRotation*>(f)->setValue(kNaN, kNaN, kNaN, kNaN); }});
    cases.push_back({"zero axis", [](SoField* f) {
                       static_cast<SoSFRotation*>(f)->setValue(SbVec3f(0, 0, 0), 1.0f);
                     }});
  }
  else if (t.isDerivedFrom(SoSFMatrix::getClassTypeId())) {
    cases.push_back({"NaN", [](SoField* f) {
                       SbMatrix m;
                       for (int r = 0; r < 4; r++)
                         for (int c = 0; c < 4; c++)
                           m[r][c] = kNaN;
                       static_cast<SoSFMatrix*>(f)->setValue(m);
                     }});
    cases.push_back({"zero", [](SoField* f) {
                       SbMatrix m;
                       m.makeIdentity();
                       m[0][0] = m[1][1] = m[2][2] = m[3][3] = 0.0f;
                       static_cast<SoSFMatrix*>(f)->setValue(m);
                     }});
  }
  else if (t.isDerivedFrom(SoSFPlane::getClassTypeId())) {
    cases.push_back({"NaN", [](SoField* f) {
                       static_cast<SoSFPlane*>(f)->setValue(SbPlane(SbVec3f(kNaN, kNaN, kNaN), kNaN));
                     }});
  }
  else if (t.getName().getString()[0] == 'P' && t.getName().getString()[1] == 'o')
    cases = meshCases(meshSample(field));
  else {
    // Any other kind: values given as text, which must be read or refused cleanly.
    for (const char* text : {"", "-1", "nan", "1e39", "[ -1, 0, 1e30 ]"}) {
      const std::string value = text;
      cases.push_back({"text '" + value + "'", [value](SoField* f) { f->set(value.c_str()); }});
    }
  }
  return cases;
}

// ---------------------------------------------------------------------------------------------
// The sweep.

bool finite(const SbVec3f& v) { return std::isfinite(v[0]) && std::isfinite(v[1]) && std::isfinite(v[2]); }

struct Traversal {
  int vertices = 0;
  int nanVertices = 0;
};

void countVertex(Traversal* t, const SoPrimitiveVertex* v)
{
  ++t->vertices;
  const SbVec3f& p = v->getPoint();
  if (std::isnan(p[0]) || std::isnan(p[1]) || std::isnan(p[2]))
    ++t->nanVertices;
}

void onTriangle(void* data, SoCallbackAction*, const SoPrimitiveVertex* a, const SoPrimitiveVertex* b,
                const SoPrimitiveVertex* c)
{
  for (const SoPrimitiveVertex* v : {a, b, c})
    countVertex(static_cast<Traversal*>(data), v);
}

void onLine(void* data, SoCallbackAction*, const SoPrimitiveVertex* a, const SoPrimitiveVertex* b)
{
  countVertex(static_cast<Traversal*>(data), a);
  countVertex(static_cast<Traversal*>(data), b);
}

void onPoint(void* data, SoCallbackAction*, const SoPrimitiveVertex* a)
{
  countVertex(static_cast<Traversal*>(data), a);
}

// Draws straight into an OSMesa buffer of its own. The toolkit's offscreen renderer asks its GLX
// glue for the largest picture size at every drawing, which now and then crashes inside the
// toolkit under the sanitizer; thousands of drawings a run would meet that.
class DirectRenderer {
public:
  explicit DirectRenderer(int size)
    : m_size(size), m_buffer(size_t(size) * size * 4), m_context(OSMesaCreateContextExt(OSMESA_RGBA, 24, 0, 0, nullptr)),
      m_cacheContext(SoGLCacheContextElement::getUniqueCacheContext())
  {
  }
  ~DirectRenderer()
  {
    if (m_context)
      OSMesaDestroyContext(m_context);
  }
  DirectRenderer(const DirectRenderer&) = delete;
  DirectRenderer& operator=(const DirectRenderer&) = delete;

  bool render(SoNode* root)
  {
    if (!m_context || !OSMesaMakeCurrent(m_context, m_buffer.data(), GL_UNSIGNED_BYTE, m_size, m_size))
      return false;
    glClearColor(kBackground, kBackground, kBackground, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_DEPTH_TEST);
    const SbViewportRegion viewport{static_cast<short>(m_size), static_cast<short>(m_size)};
    SoGLRenderAction action(viewport);
    action.setCacheContext(m_cacheContext);
    action.apply(root);
    glFinish();
    return true;
  }

  /** Pixels of the last drawing that are not the background. */
  int drawnPixels() const
  {
    const int background = int(kBackground * 255.0f + 0.5f);
    int drawn = 0;
    for (size_t i = 0; i < m_buffer.size(); i += 4)
      for (int c = 0; c < 3; c++)
        if (std::abs(int(m_buffer[i + c]) - background) > 2) {
          ++drawn;
          break;
        }
    return drawn;
  }

private:
  static constexpr float kBackground = 0.25f;
  int m_size;
  std::vector<unsigned char> m_buffer;
  OSMesaContext m_context;
  uint32_t m_cacheContext;
};

const std::regex& libraryFormat()
{
  static const std::regex format(
    R"(^(Arvanta error in |Arvanta warning in |Arvanta: in )[A-Za-z_][A-Za-z0-9_]*(::~?[A-Za-z_][A-Za-z0-9_]*)*\(\): [^\s][\s\S]*$)");
  return format;
}

class HostileValueSweep : public ::testing::TestWithParam<std::string> {
protected:
  static constexpr int kSize = 48;

  void SetUp() override
  {
    PoGridlux::init();
    gridlux::offscreen::OsMesaContext::install();
    std::string reason;
    ASSERT_TRUE(gridlux::offscreen::OsMesaContext::probe(&reason)) << "no offscreen GL context: " << reason;
  }

  // Builds camera, light, context and the node; null when the class cannot be created.
  SoSeparator* makeScene(const SoType& type, SoNode*& node)
  {
    const Context context = contextFor(type);
    SoSeparator* root = new SoSeparator;
    root->ref();
    SoOrthographicCamera* camera = new SoOrthographicCamera;
    camera->position.setValue(1.0f, 1.0f, 10.0f);
    camera->height = 4.0f;
    camera->nearDistance = 0.1f;
    camera->farDistance = 100.0f;
    root->addChild(camera);
    root->addChild(new SoDirectionalLight);
    if (!context.before.empty())
      addText(root, context.before);
    node = static_cast<SoNode*>(type.createInstance());
    if (!context.fields.empty())
      EXPECT_TRUE(node->set(context.fields.c_str())) << context.fields;
    root->addChild(node);
    if (!context.after.empty())
      addText(root, context.after);
    return root;
  }

  static void addText(SoSeparator* root, const std::string& text)
  {
    SoSeparator* part = readFromString("#Inventor V2.1 ascii\n" + text);
    ASSERT_NE(part, nullptr) << text;
    part->ref();
    for (int i = 0; i < part->getNumChildren(); i++)
      root->addChild(part->getChild(i));
    part->unref();
  }

  // Every action over the scene, and the node through a file and back.
  void exercise(SoSeparator* root, SoNode* node, const std::string& what, ErrorCatcher& errors,
                bool readsBack = true)
  {
    const SbViewportRegion viewport(kSize, kSize);
    EXPECT_TRUE(m_renderer->render(root)) << what << ": no OSMesa context to draw in";

    SoGetBoundingBoxAction bbox(viewport);
    bbox.apply(root);
    const SbBox3f box = bbox.getBoundingBox();
    if (!box.isEmpty()) {
      EXPECT_FALSE(std::isnan(box.getMin()[0]) || std::isnan(box.getMin()[1]) || std::isnan(box.getMin()[2]) ||
                   std::isnan(box.getMax()[0]) || std::isnan(box.getMax()[1]) || std::isnan(box.getMax()[2]))
        << what << ": bounding box with NaN";
    }

    SoRayPickAction pick(viewport);
    pick.setPoint(SbVec2s(kSize / 2, kSize / 2));
    pick.setPickAll(TRUE);
    pick.apply(root);
    pick.getPickedPointList().getLength();

    Traversal traversal;
    SoCallbackAction callback(viewport);
    callback.addTriangleCallback(SoShape::getClassTypeId(), onTriangle, &traversal);
    callback.addLineSegmentCallback(SoShape::getClassTypeId(), onLine, &traversal);
    callback.addPointCallback(SoShape::getClassTypeId(), onPoint, &traversal);
    callback.apply(root);

    SoGetPrimitiveCountAction count(viewport);
    count.apply(root);

    // A value that cannot be drawn must be said, not drawn as NaN vertices in silence.
    if (traversal.nanVertices > 0)
      EXPECT_GT(errors.count(), 0) << what << ": " << traversal.nanVertices << " of " << traversal.vertices
                                   << " vertices are NaN and nothing was said";

    const std::string text = writeToString(node);
    EXPECT_FALSE(text.empty()) << what << ": nothing written";
    SoSeparator* back = readFromString(text);
    if (back) {
      back->ref();
      back->unref();
    }
    else if (readsBack && text.find("nan") == std::string::npos && text.find("inf") == std::string::npos)
      ADD_FAILURE() << what << ": the written node does not read back:\n" << text.substr(0, 2000);

    for (const std::string& message : errors.messages())
      EXPECT_TRUE(std::regex_match(message, libraryFormat())) << what << ": message not in the library's format: "
                                                              << message;
  }

  DirectRenderer* m_renderer = nullptr;
};

TEST_P(HostileValueSweep, EveryFieldTakesHostileValues)
{
  const std::string className = GetParam();
  const auto known = kKnownFaults.find(className);
  if (known != kKnownFaults.end() && !std::getenv("GRIDLUX_SWEEP_KNOWN_FAULTS"))
    GTEST_SKIP() << "known fault: " << known->second;

  const SoType type = SoType::fromName(className.c_str());
  ASSERT_FALSE(type.isBad());
  DirectRenderer renderer(kSize);
  m_renderer = &renderer;

  SoNode* pristine = static_cast<SoNode*>(type.createInstance());
  pristine->ref();
  const std::string starting = contextFor(type).fields;
  if (!starting.empty())
    pristine->set(starting.c_str());
  SoNode* node = nullptr;
  SoSeparator* root = makeScene(type, node);
  ASSERT_NE(node, nullptr);

  ErrorCatcher coinErrors(ErrorCatcher::ALL); // Coin's own read and debug messages, kept quiet
  ErrorCatcher errors;
  exercise(root, node, className + " as made", errors);

  SoFieldList fields;
  node->getFields(fields);
  int swept = 0, sweptFields = 0;
  for (int i = 0; i < fields.getLength(); i++) {
    SoField* field = fields[i];
    SbName fieldName;
    node->getFieldName(field, fieldName);
    SoField* original = pristine->getField(fieldName);
    ASSERT_NE(original, nullptr) << fieldName.getString();
    const std::vector<Case> cases = casesFor(field);
    sweptFields += cases.empty() ? 0 : 1;
    for (const Case& c : cases) {
      const std::string what = className + "." + fieldName.getString() + " " + c.label;
      errors.clear();
      c.apply(field);
      const int failuresBefore = ::testing::UnitTest::GetInstance()->current_test_info()->result()->total_part_count();
      exercise(root, node, what, errors, c.readsBack);
      field->copyFrom(*original);
      ++swept;
      // One fault per field is enough to see; the next field may show another.
      if (::testing::UnitTest::GetInstance()->current_test_info()->result()->total_part_count() > failuresBefore)
        break;
    }
  }
  errors.clear();
  exercise(root, node, className + " reset", errors);
  RecordProperty("settings", swept);
  RecordProperty("fields", sweptFields);
  root->unref();
  pristine->unref();
}

// Where a size, radius, angle or place is NaN the figure cannot be drawn: the class must say so
// and draw nothing rather than hand NaN vertices to the renderer.
struct NaNRow {
  const char* className;
  const char* field;
};
const NaNRow kNaNDrawsNothing[] = {
  {"PoCircleCenterRadius", "radius"}, {"PoCircleCenterRadius", "center"},
  {"PoRectangle", "p"},               {"PoParallelogram3", "r"},
  {"PoCircleArcCtrRadTwoAngle", "startAngle"}, {"PoCircleArcCtrRadTwoAngle", "radius"},
  {"PoLinearBar", "threshold"},       {"PoDomain", "max"},
  {"PoSingleHistogram", "start"},     {"PoMultipleHistogram", "end"},
};

class HostileValues : public HostileValueSweep {};

// The sweep's drawings must reach the picture, or it would only exercise the traversal.
TEST_F(HostileValues, DrawingsReachThePicture)
{
  SoNode* node = nullptr;
  SoSeparator* root = makeScene(SoType::fromName("PoRectangle"), node);
  ASSERT_TRUE(node->set("p 0 0 q 2 2"));
  DirectRenderer renderer(kSize);
  ASSERT_TRUE(renderer.render(root));
  // The camera sees (-1, -1) to (3, 3): the square fills a quarter of the picture.
  EXPECT_NEAR(renderer.drawnPixels(), kSize * kSize / 4, kSize * 2);

  root->unref();
}

TEST_F(HostileValues, FiguresAndBarsSayWhyAndDrawNoVertex)
{
  for (const NaNRow& row : kNaNDrawsNothing) {
    const SoType type = SoType::fromName(row.className);
    ASSERT_FALSE(type.isBad()) << row.className;
    SoNode* node = nullptr;
    SoSeparator* root = makeScene(type, node);
    SoField* field = node->getField(row.field);
    ASSERT_NE(field, nullptr) << row.className << "." << row.field;
    auto vertices = [&]() {
      Traversal traversal;
      SoCallbackAction callback(SbViewportRegion(kSize, kSize));
      callback.addTriangleCallback(SoShape::getClassTypeId(), onTriangle, &traversal);
      callback.addLineSegmentCallback(SoShape::getClassTypeId(), onLine, &traversal);
      callback.addPointCallback(SoShape::getClassTypeId(), onPoint, &traversal);
      callback.apply(root);
      return traversal;
    };
    EXPECT_GT(vertices().vertices, 0) << row.className << " draws nothing even as made";
    {
      ErrorCatcher errors;
      if (field->isOfType(SoSFFloat::getClassTypeId()))
        static_cast<SoSFFloat*>(field)->setValue(kNaN);
      else if (field->isOfType(SoSFVec2f::getClassTypeId()))
        static_cast<SoSFVec2f*>(field)->setValue(kNaN, kNaN);
      else
        static_cast<SoSFVec3f*>(field)->setValue(kNaN, kNaN, kNaN);
      const Traversal drawn = vertices();
      EXPECT_EQ(drawn.nanVertices, 0) << row.className << "." << row.field;
      if (!isA(type, "PoNode"))
        EXPECT_EQ(drawn.vertices, 0) << row.className << "." << row.field << " NaN still draws";
      EXPECT_GE(errors.count(), 1) << row.className << "." << row.field << " NaN said nothing";
      for (const std::string& message : errors.messages())
        EXPECT_TRUE(std::regex_match(message, libraryFormat())) << message;
    }
    root->unref();
  }
}

// The faults the sweep found, each checked for what it must now do.
TEST_F(HostileValues, UnknownScatterMarkersAreLeftOutWithAWarning)
{
  SoNode* node = nullptr;
  SoSeparator* root = makeScene(SoType::fromName("PoScatter"), node);
  static_cast<SoMFInt32*>(node->getField("markerIndex"))->setValues(0, 3, std::vector<int32_t>{2, 99999, -5}.data());
  ErrorCatcher errors;
  m_renderer = nullptr;
  SoCallbackAction callback;
  callback.apply(root);
  ASSERT_EQ(errors.count(), 1);
  EXPECT_EQ(errors.messages()[0], "Arvanta warning in PoScatter::rebuild(): marker index 99999 is not a defined "
                                  "marker (0 to " + std::to_string(SoMarkerSet::getNumDefinedMarkers() - 1) +
                                  "); no marker drawn there");
  SoGroup* scatter = static_cast<SoGroup*>(static_cast<SoBaseKit*>(node)->getPart("scatter", FALSE));
  ASSERT_NE(scatter, nullptr);
  SoMarkerSet* markers = nullptr;
  for (int i = 0; i < scatter->getNumChildren(); i++)
    if (scatter->getChild(i)->isOfType(SoMarkerSet::getClassTypeId()))
      markers = static_cast<SoMarkerSet*>(scatter->getChild(i));
  ASSERT_NE(markers, nullptr);
  const SoMFInt32& drawn = markers->markerIndex;
  // Five points cycle the three indices: the two unknown ones become "no marker".
  const int32_t expected[] = {2, SoMarkerSet::NONE, SoMarkerSet::NONE, 2, SoMarkerSet::NONE};
  ASSERT_EQ(drawn.getNum(), 5);
  for (int i = 0; i < 5; i++)
    EXPECT_EQ(drawn[i], expected[i]) << i;
  root->unref();
}

TEST_F(HostileValues, InfiniteDomainKeepsThePreviousOne)
{
  SoSeparator* root = new SoSeparator;
  root->ref();
  addText(root, "PoDomain { min 0 0 0 max 2 4 1 } PoRectangle { p 0 0 q 2 4 }");
  SoField* max = root->getChild(0)->getField("max");
  auto box = [&]() {
    SoGetBoundingBoxAction bbox(SbViewportRegion(kSize, kSize));
    bbox.apply(root);
    return bbox.getBoundingBox();
  };
  const SbBox3f before = box();
  ASSERT_FALSE(before.isEmpty());
  ErrorCatcher errors;
  static_cast<SoSFVec3f*>(max)->setValue(kInf, 4, 1);
  const SbBox3f after = box();
  EXPECT_TRUE(errors.contains("PoDomain::updateDomain(): empty or inverted domain (0 0 0) to (inf 4 1), "
                              "not of finite size; the previous one is kept"));
  EXPECT_EQ(after.getMin(), before.getMin());
  EXPECT_EQ(after.getMax(), before.getMax());
  root->unref();
}

TEST_F(HostileValues, UnnamedAxisEnumValuesAreReadAsTheFirstName)
{
  SoNode* node = nullptr;
  SoSeparator* root = makeScene(SoType::fromName("PoLinearAxis"), node);
  SoSFEnum* visibility = static_cast<SoSFEnum*>(node->getField("gradVisibility"));
  ASSERT_NE(visibility, nullptr);
  SbName first;
  visibility->getEnum(0, first);
  ErrorCatcher errors;
  visibility->setValue(99);
  SoCallbackAction callback;
  callback.apply(root);
  ASSERT_EQ(errors.count(), 1);
  EXPECT_EQ(errors.messages()[0], std::string("Arvanta error in PoAxis::saveAxisAttr(): gradVisibility 99 is none "
                                              "of its names; ") +
                                    first.getString() + " is used");
  // The field keeps what was set; named values say nothing.
  EXPECT_EQ(visibility->getValue(), 99);
  errors.clear();
  visibility->setValue(1);
  callback.apply(root);
  EXPECT_EQ(errors.count(), 0);
  root->unref();
}

std::string classParamName(const ::testing::TestParamInfo<std::string>& info) { return info.param; }

INSTANTIATE_TEST_SUITE_P(AllClasses, HostileValueSweep, ::testing::ValuesIn(sweptClasses()), classParamName);

} // namespace
