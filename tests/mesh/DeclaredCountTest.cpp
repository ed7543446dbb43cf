// Structured meshes whose node count comes from counts alone (regular grids, axis lists): a
// file of a few numbers may declare at most 2^24 nodes, so that it cannot make the drawing code
// build geometry for billions of nodes; grids that carry a value per node are bounded by the file.
#include "MeshFieldSupport.h"

#include <Gridlux/base/PoGridlux.h>
#include <Gridlux/mesh/nodes/PoParalCartesianGrid2D.h>
#include <Gridlux/mesh/nodes/PoParalCartesianGrid3D.h>
#include <Gridlux/mesh/nodes/PoRegularCartesianGrid2D.h>
#include <Gridlux/mesh/nodes/PoRegularCartesianGrid3D.h>
#include <Gridlux/mesh/nodes/PoRegularMesh1D.h>

#include <support/ErrorCatcher.h>

#include <gtest/gtest.h>

#include <string>

using namespace meshfield;

namespace {

class DeclaredCount : public ::testing::Test {
protected:
  void SetUp() override { PoGridlux::init(); }
};

// n values 0 1 2 ... as an axis list.
std::string axis(int n)
{
  std::string text;
  for (int i = 0; i < n; i++)
    text += std::to_string(i) + " ";
  return text;
}

// Reads @p text into @p field; true when it read. A refused text must name the limit and keep
// the field's @p before nodes.
template <class Field>
bool readsWithin(Field& field, const std::string& text, int before)
{
  ErrorCatcher errors(ErrorCatcher::ALL);
  const bool read = field.set(text.c_str());
  if (!read) {
    EXPECT_TRUE(errors.contains("declared by counts alone")) << text.substr(0, 40);
    EXPECT_EQ(field.getValue().getNumNodes(), before);
  }
  else
    EXPECT_EQ(errors.count(), 0) << errors.messages()[0];
  return read;
}

} // namespace

TEST_F(DeclaredCount, RegularGridsUpToTheLimitRead)
{
  Ref<PoRegularCartesianGrid2D> grid2(new PoRegularCartesianGrid2D);
  grid2->mesh.setGeometry(2, 2, 0, 0, 1, 1);
  EXPECT_FALSE(readsWithin(grid2->mesh, "20000 20000 0 0 1 1 0 0 0", 4));
  EXPECT_FALSE(readsWithin(grid2->mesh, "4097 4096 0 0 1 1 0 0 0", 4));
  ASSERT_TRUE(readsWithin(grid2->mesh, "4096 4096 0 0 1 1 0 0 0", 4));
  EXPECT_EQ(grid2->mesh.getValue().getNumNodes(), 4096 * 4096);

  Ref<PoRegularCartesianGrid3D> grid3(new PoRegularCartesianGrid3D);
  ASSERT_TRUE(readsWithin(grid3->mesh, "2 2 2 0 0 0 1 1 1 0 0", 0));
  EXPECT_FALSE(readsWithin(grid3->mesh, "257 256 256 0 0 0 1 1 1 0 0", 8));
  EXPECT_FALSE(readsWithin(grid3->mesh, "600 600 600 0 0 0 1 1 1 0 0", 8));
  ASSERT_TRUE(readsWithin(grid3->mesh, "256 256 256 0 0 0 1 1 1 0 0", 8));
  EXPECT_EQ(grid3->mesh.getValue().getNumNodes(), 256 * 256 * 256);

  Ref<PoRegularMesh1D> line(new PoRegularMesh1D);
  ASSERT_TRUE(readsWithin(line->mesh, "3 0 1 0 0 0", 0));
  EXPECT_FALSE(readsWithin(line->mesh, "2000000000 0 1 0 0 0", 3));
  EXPECT_FALSE(readsWithin(line->mesh, "16777217 0 1 0 0 0", 3));
}

TEST_F(DeclaredCount, AxisListsBoundTheirProduct)
{
  // 4097 + 4096 numbers in the file make 4097 x 4096 nodes: refused without z, whose values
  // would have to be in the file too.
  Ref<PoParalCartesianGrid2D> grid2(new PoParalCartesianGrid2D);
  ASSERT_TRUE(readsWithin(grid2->mesh, "3 2 " + axis(3) + axis(2) + "0 0 0", 0));
  EXPECT_FALSE(readsWithin(grid2->mesh, "4097 4096 " + axis(4097) + axis(4096) + "0 0 0", 6));
  ASSERT_TRUE(readsWithin(grid2->mesh, "4096 4096 " + axis(4096) + axis(4096) + "0 0 0", 6));
  EXPECT_EQ(grid2->mesh.getValue().getNumNodes(), 4096 * 4096);
  // With z, one value a node: the 3 x 2 grid reads, a short z list does not.
  ASSERT_TRUE(grid2->mesh.set(("3 2 " + axis(3) + axis(2) + "1 " + axis(6) + "0 0").c_str()));
  EXPECT_EQ(grid2->mesh.getValue().getNumNodes(), 6);

  Ref<PoParalCartesianGrid3D> grid3(new PoParalCartesianGrid3D);
  EXPECT_FALSE(readsWithin(grid3->mesh, "257 256 256 " + axis(257) + axis(256) + axis(256) + "0 0", 0));
  ASSERT_TRUE(readsWithin(grid3->mesh, "4 3 2 " + axis(4) + axis(3) + axis(2) + "0 0", 0));
  EXPECT_EQ(grid3->mesh.getValue().getNumNodes(), 24);
}

TEST_F(DeclaredCount, CountsWhoseProductOverflowsAreRefused)
{
  // Three counts near 2^31: their product overflows even 64 bits, which must be seen before it
  // is made (the undefined-behaviour sanitizer stops on it otherwise).
  Ref<PoParalCartesianGrid3D> grid3(new PoParalCartesianGrid3D);
  for (const char* counts : {"2000000000 2000000000 2000000000 ", "111111111 11111 11111111 ", "1 1 2147483647 "}) {
    ErrorCatcher errors(ErrorCatcher::ALL);
    EXPECT_FALSE(grid3->mesh.set((std::string(counts) + "0 1 0 1 0 1 0 0").c_str())) << counts;
    EXPECT_TRUE(errors.contains("too many nodes")) << counts;
  }
  // One count 0: no nodes, whatever the others (an empty grid).
  Ref<PoRegularCartesianGrid3D> regular(new PoRegularCartesianGrid3D);
  ErrorCatcher errors(ErrorCatcher::ALL);
  regular->mesh.set("0 2000000000 2000000000 0 0 0 1 1 1 0 0");
  EXPECT_FALSE(errors.contains("too many nodes"));
}
