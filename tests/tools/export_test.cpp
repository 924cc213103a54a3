// gmath export, run in process: the OBJ read back against the value it
// draws, the SVG against the OBJ, and the messages and errors.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "gmath/gmath.h"
#include "run.h"

namespace {

struct Output {
  int status;
  std::string out;
  std::string err;
};

std::string Contents(FILE* file) {
  std::rewind(file);
  std::string text;
  for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file)) text += static_cast<char>(c);
  std::fclose(file);
  return text;
}

Output Gmath(std::vector<std::string> args, const std::string& input) {
  args.insert(args.begin(), "gmath");
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(&arg[0]);
  FILE* in = std::tmpfile();
  FILE* out = std::tmpfile();
  FILE* err = std::tmpfile();
  std::fputs(input.c_str(), in);
  std::rewind(in);
  const int status = RunTool(static_cast<int>(argv.size()), argv.data(), {in, out, err});
  std::fclose(in);
  return {status, Contents(out), Contents(err)};
}

struct Obj {
  std::vector<GPosition> vertices;
  std::vector<std::vector<std::size_t>> faces;  // 0-based
};

Obj ReadObj(const std::string& text) {
  Obj obj;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    std::istringstream words(line);
    std::string kind;
    words >> kind;
    if (kind == "v") {
      GPosition p{};
      words >> p.m_x >> p.m_y >> p.m_z;
      obj.vertices.push_back(p);
    } else if (kind == "f") {
      obj.faces.emplace_back();
      for (std::size_t i = 0; words >> i;) obj.faces.back().push_back(i - 1);
    }
  }
  return obj;
}

GPosition Sub(const GPosition& a, const GPosition& b) {
  return {a.m_x - b.m_x, a.m_y - b.m_y, a.m_z - b.m_z};
}

GPosition Centroid(const Obj& obj, const std::vector<std::size_t>& face) {
  GPosition c{0, 0, 0};
  for (std::size_t i : face) {
    c.m_x += obj.vertices[i].m_x / static_cast<double>(face.size());
    c.m_y += obj.vertices[i].m_y / static_cast<double>(face.size());
    c.m_z += obj.vertices[i].m_z / static_cast<double>(face.size());
  }
  return c;
}

// A hundredth of the way from a face's centre towards a point inside.
GPosition Towards(const GPosition& from, const GPosition& to) {
  return {from.m_x + 0.01 * (to.m_x - from.m_x), from.m_y + 0.01 * (to.m_y - from.m_y),
          from.m_z + 0.01 * (to.m_z - from.m_z)};
}

// Closed and outward: every edge is met once each way, and the signed
// volume is positive.
void ExpectClosedOutward(const Obj& obj) {
  std::map<std::pair<std::size_t, std::size_t>, int> edges;
  double volume = 0.0;
  for (const auto& face : obj.faces) {
    for (std::size_t k = 0; k < face.size(); ++k) {
      ++edges[{face[k], face[(k + 1) % face.size()]}];
    }
    const GPosition& a = obj.vertices[face[0]];
    for (std::size_t k = 1; k + 1 < face.size(); ++k) {
      const GPosition b = Sub(obj.vertices[face[k]], a);
      const GPosition c = Sub(obj.vertices[face[k + 1]], a);
      volume += a.m_x * (b.m_y * c.m_z - b.m_z * c.m_y) + a.m_y * (b.m_z * c.m_x - b.m_x * c.m_z) +
                a.m_z * (b.m_x * c.m_y - b.m_y * c.m_x);
    }
  }
  for (const auto& edge : edges) {
    EXPECT_EQ(edge.second, 1) << "edge " << edge.first.first << "-" << edge.first.second;
    EXPECT_EQ(edges.count({edge.first.second, edge.first.first}), 1u);
  }
  EXPECT_GT(volume, 0.0);
}

std::string Numbers(const std::vector<double>& values) {
  std::ostringstream text;
  text.precision(17);
  for (double v : values) text << v << ' ';
  return text.str();
}

int Count(const std::string& text, const std::string& word) {
  int count = 0;
  for (std::size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) {
    ++count;
  }
  return count;
}

TEST(GmathExport, RandomBoxesKeepEveryCornerExactlyWithOutwardFaces) {
  std::mt19937 random(7);
  std::uniform_real_distribution<double> coordinate(-50.0, 50.0);
  for (int round = 0; round < 20; ++round) {
    std::vector<double> low(3);
    std::vector<double> high(3);
    for (std::size_t i = 0; i < 3; ++i) {
      low[i] = coordinate(random);
      high[i] = low[i] + std::abs(coordinate(random)) + 0.1;
    }
    std::vector<double> both = low;
    both.insert(both.end(), high.begin(), high.end());
    const Output run = Gmath({"export", "box", "--format", "obj"}, Numbers(both));
    ASSERT_EQ(run.status, 0) << run.err;
    const Obj obj = ReadObj(run.out);
    ASSERT_EQ(obj.vertices.size(), 8u);
    ASSERT_EQ(obj.faces.size(), 6u);
    for (const GPosition& v : obj.vertices) {
      EXPECT_TRUE(v.m_x == low[0] || v.m_x == high[0]);
      EXPECT_TRUE(v.m_y == low[1] || v.m_y == high[1]);
      EXPECT_TRUE(v.m_z == low[2] || v.m_z == high[2]);
    }
    ExpectClosedOutward(obj);
  }
}

// The tool's own test values, each drawn as a closed solid, and its SVG
// holding one polygon per face of the OBJ.
TEST(GmathExport, EveryVolumeAndTransformIsClosedAndItsSvgHasItsFaces) {
  const std::map<std::string, std::string> values = {
      {"box", "-1 -2 -3 0.1 0.2 0.3"},
      {"matrix", "0 1 0 -1 0 0 0 0 1"},
      {"transf", "0 1 0 -1 0 0 0 0 -1 1 2 3 2 1 1 0"},
      {"4x4", "0 2 0 -2 0 0 0 0 2 5 6 7 0 0 0 1"},
      {"boreline", "0 0 0 1 0 0 2 -1 0.5"},
      {"borecone", "0 0 0 0 0 1 1 -1 0.5 0 0 2"},
      {"prism", "1 0 0 0 1 0 0 0 1 0 0 0 1 1 0 0 5 0 0 0 1 0 0 1 1 0 0 1 0 0 0 0 2"},
      {"fence", "5 0 0 0 0 1 0 1 1 0 1 0 0 0 0 0 0 0 1 1 0"},
      {"frustum", "5 -1 -1 0 1 -1 0 1 1 0 -1 1 0 -1 -1 0 0 0 1 1 -1 0 0 2"},
      {"clipvolume", "4 0 0 1 0 1 0 0 0 0 1 0 0 -1 -1 -1 3"},
  };
  for (const auto& value : values) {
    SCOPED_TRACE(value.first);
    const Output obj = Gmath({"export", value.first, "--format", "obj"}, value.second);
    ASSERT_EQ(obj.status, 0) << obj.err;
    EXPECT_EQ(obj.err, "");
    const Obj mesh = ReadObj(obj.out);
    ExpectClosedOutward(mesh);
    const Output svg = Gmath({"export", value.first, "--format", "svg"}, value.second);
    ASSERT_EQ(svg.status, 0) << svg.err;
    EXPECT_EQ(Count(svg.out, "<polygon "), static_cast<int>(mesh.faces.size()));
  }
}

TEST(GmathExport, SvgIsWellFormedInAFittedView) {
  const std::string fence = "5 0 0 0 1 0 0 1 1 0 0 1 0 0 0 0 0 0 1 1 0";
  const Output svg = Gmath({"export", "fence", "--format", "svg"}, fence);
  ASSERT_EQ(svg.status, 0) << svg.err;
  EXPECT_EQ(svg.out.rfind("<?xml", 0), 0u);
  EXPECT_EQ(Count(svg.out, "<svg "), 1);
  EXPECT_EQ(Count(svg.out, "</svg>"), 1);
  EXPECT_EQ(Count(svg.out, "<"), Count(svg.out, ">"));
  // The unit square seen from above, y up: x 0 to 1 and the file's y -1 to 0
  // with a margin of a twentieth.
  EXPECT_NE(svg.out.find("viewBox=\"-0.05 -1.05 1.1 1.1\""), std::string::npos) << svg.out;
}

// Planes through a point near the origin with random inward normals: the
// polyhedron's corners hold every plane, and a face's centre moved inward
// is inside by the library's own test.
TEST(GmathExport, ClipVolumeCornersHoldEveryPlaneAndFaceCentresAreInside) {
  std::mt19937 random(11);
  std::normal_distribution<double> normal(0.0, 1.0);
  for (int round = 0; round < 30; ++round) {
    const unsigned count = 4 + static_cast<unsigned>(round % 3);
    std::vector<double> planes;
    for (unsigned i = 0; i < count; ++i) {
      const double a = normal(random), b = normal(random), c = normal(random);
      const double length = std::sqrt(a * a + b * b + c * c);
      planes.insert(planes.end(),
                    {a / length, b / length, c / length, 2.0 + std::abs(normal(random))});
    }
    std::vector<double> text = {static_cast<double>(count)};
    text.insert(text.end(), planes.begin(), planes.end());
    const Output run = Gmath({"export", "clipvolume", "--format", "obj"}, Numbers(text));
    ASSERT_EQ(run.status, 0) << run.err;
    const Obj obj = ReadObj(run.out);
    ExpectClosedOutward(obj);
    const GClipVolume volume = BuildClipVolume(count, planes.data());
    GPosition centre{0, 0, 0};
    for (const GPosition& v : obj.vertices) {
      for (unsigned i = 0; i < count; ++i) {
        const double* p = &planes[4 * i];
        EXPECT_GE(p[0] * v.m_x + p[1] * v.m_y + p[2] * v.m_z + p[3], -1e-9);
      }
      centre = {centre.m_x + v.m_x, centre.m_y + v.m_y, centre.m_z + v.m_z};
    }
    const double n = static_cast<double>(obj.vertices.size());
    centre = {centre.m_x / n, centre.m_y / n, centre.m_z / n};
    for (const auto& face : obj.faces) {
      const GPosition c = Centroid(obj, face);
      const GPosition inward = Towards(c, centre);
      int inside = 0;
      long err = 0;
      IsPtInClipVolume(volume, inward, &inside, &err);
      EXPECT_NE(inside, 0);
    }
  }
}

// Random bore lines: every corner lies on the circle of the radius at the
// back or front depth, and a face's centre moved towards the middle is inside
// by the library's own point test.
TEST(GmathExport, BoreLineCornersLieOnItsCylinder) {
  std::mt19937 random(5);
  std::normal_distribution<double> normal(0.0, 1.0);
  for (int round = 0; round < 20; ++round) {
    const double a = normal(random), b = normal(random), c = normal(random);
    const double length = std::sqrt(a * a + b * b + c * c);
    GBoreLine bore{{normal(random), normal(random), normal(random)},
                   {a / length, b / length, c / length},
                   1.0 + std::abs(normal(random)),
                   -std::abs(normal(random)),
                   0.1 + std::abs(normal(random))};
    const Output run =
        Gmath({"export", "boreline", "--format", "obj"},
              Numbers({bore.m_point.m_x, bore.m_point.m_y, bore.m_point.m_z, bore.m_direction.m_x,
                       bore.m_direction.m_y, bore.m_direction.m_z, bore.m_front, bore.m_back,
                       bore.m_radius}));
    ASSERT_EQ(run.status, 0) << run.err;
    const Obj obj = ReadObj(run.out);
    ExpectClosedOutward(obj);
    for (const GPosition& v : obj.vertices) {
      const double depth = bore.Evaluate(v);
      const GPosition off = Sub(v, bore.Evaluate(depth));
      EXPECT_NEAR(std::sqrt(off.m_x * off.m_x + off.m_y * off.m_y + off.m_z * off.m_z),
                  bore.m_radius, 1e-12);
      EXPECT_TRUE(std::abs(depth - bore.m_back) < 1e-12 || std::abs(depth - bore.m_front) < 1e-12);
    }
    const GPosition middle = bore.Evaluate((bore.m_back + bore.m_front) / 2);
    for (const auto& face : obj.faces) {
      const GPosition centre = Centroid(obj, face);
      const GPosition inward = Towards(centre, middle);
      EXPECT_TRUE(bore >> inward);
    }
  }
}

// Unbounded values are cut to the extent given, and the tool says so.
TEST(GmathExport, UnboundedValuesAreCutToTheExtentWithAMessage) {
  const std::vector<std::pair<std::string, std::string>> unbounded = {
      {"boreline", "0 0 0 1 0 0 1e30 -1e30 0.5"},
      {"box", "-1e30 -1e30 -1e30 1e30 1e30 1e30"},
      {"clipvolume", "2 1 0 0 0 0 1 0 0"},
      {"fence", "5 0 0 0 1 0 0 1 1 0 0 1 0 0 0 0 0 0 1 1e30 0"},
  };
  for (const auto& value : unbounded) {
    SCOPED_TRACE(value.first);
    const Output run = Gmath(
        {"export", value.first, "--format", "obj", "--extent", "-3", "-3", "-3", "3", "3", "3"},
        value.second);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "gmath: the " + value.first +
                           " reaches beyond the extent; drawn within -3 -3 -3 3 3 3 (--extent "
                           "sets it)\n");
    const Obj obj = ReadObj(run.out);
    ExpectClosedOutward(obj);
    for (const GPosition& v : obj.vertices) {
      EXPECT_LE(std::abs(v.m_x), 3.0);
      EXPECT_LE(std::abs(v.m_y), 3.0);
      EXPECT_LE(std::abs(v.m_z), 3.0);
    }
  }
  const Output beside = Gmath({"export", "boreline", "--format", "svg"}, "0 20 0 1 0 0 1e30 0 0.5");
  EXPECT_EQ(beside.status, 1);
  EXPECT_EQ(beside.out, "");
  EXPECT_EQ(beside.err, "gmath: nothing of the boreline to draw within -10 -10 -10 10 10 10\n");
}

TEST(GmathExport, BadCommandLinesAndInputsFailInOneLine) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{"export", "box"}, "export needs --format obj|svg or an --output FILE.obj|.svg"},
      {{"export", "box", "--format", "png"}, "unknown format 'png' (known: obj, svg)"},
      {{"export", "box", "-o", "out.txt"},
       "cannot tell the format from 'out.txt': give --format obj|svg"},
      {{"export", "box", "--format", "obj", "--extent", "0", "0", "0", "1", "1"},
       "option '--extent' needs six numbers (see gmath export --help)"},
      {{"export", "box", "--format", "obj", "--extent", "0", "0", "0", "1", "-1", "1"},
       "--extent: each low (XLO YLO ZLO) must be below its high (XHI YHI ZHI)"},
      {{"export", "box", "--format", "obj", "--extent", "0", "0", "0", "1", "x", "1"},
       "--extent: 'x' is not a finite number below 1e30"},
      {{"print", "box", "--format", "obj"},
       "--extent, --format and --output are options of export, not of print"},
      {{"export", "cube", "--format", "obj"},
       "unknown type 'cube' (known: matrix, transf, box, 4x4, boreline, borecone, prism, fence, "
       "frustum, box2d, matrix2d, transf2d, clipvolume)"},
      {{"export", "box", "--format", "obj"}, "standard input: short input: the box is incomplete"},
  };
  for (const auto& c : cases) {
    const Output run = Gmath(c.first, "1 2 3");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "gmath: " + c.second + "\n");
  }
  const Output planes = Gmath({"export", "clipvolume", "--format", "obj"}, "7 1 0 0 0");
  EXPECT_EQ(planes.err, "gmath: standard input: the clipvolume has more than 6 planes\n");
}

}  // namespace
