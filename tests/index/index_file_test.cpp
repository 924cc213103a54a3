#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "index/crc32.h"
#include "index/index_test.h"

namespace {

using namespace gmath::test;
using namespace gmath::index_cases;

using BoxIndexFile = GmathTest;

std::vector<unsigned char> Bytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Seal(std::vector<unsigned char>& file) {
  const auto put = [&](std::size_t at, std::uint32_t crc) {
    for (int i = 0; i < 4; ++i) file[at + static_cast<std::size_t>(i)] = static_cast<unsigned char>(crc >> (8 * i));
  };
  put(40, gmath::detail::Crc32(file.data() + 64, file.size() - 64));
  put(60, gmath::detail::Crc32(file.data(), 60));
}

long Load(const std::vector<unsigned char>& file) {
  GBoxIndex* index = nullptr;
  const long code = ReadBoxIndexFromMemory(file.data(), file.size(), &index);
  EXPECT_EQ(code == kBoxIndexOk, index != nullptr);
  FreeBoxIndex(index);
  return code;
}

struct Written {
  std::vector<GBox> boxes;
  std::vector<std::uint64_t> ids;
  std::vector<unsigned char> file;
};

Written WriteModel(Random& random, const std::filesystem::path& path, std::size_t count) {
  Written written{ModelBoxes(random, count, 50), ModelIds(random, count), {}};
  const IndexPtr index = MakeIndex(written.boxes, written.ids);
  EXPECT_EQ(WriteBoxIndex(index.get(), path.string().c_str()), kBoxIndexOk);
  written.file = Bytes(path);
  return written;
}

// Read back, the index answers as the scan of the boxes it was built from.
TEST_F(BoxIndexFile, ReadBackAnswersAsTheScan) {
  const std::filesystem::path folder = ScratchDirectory() / "index";
  std::filesystem::create_directory(folder);
  const std::filesystem::path path = folder / "model.gbi";
  ForSeeds("models", 10, [&](Random& random) {
    const Written written = WriteModel(random, path, static_cast<std::size_t>(random.Uniform(0, 800)));
    GBoxIndex* read = nullptr;
    ASSERT_EQ(ReadBoxIndex(path.string().c_str(), &read), kBoxIndexOk);
    const IndexPtr index(read, FreeBoxIndex);
    EXPECT_EQ(BoxIndexCount(read), written.boxes.size());
    for (int q = 0; q < 10; ++q) {
      const GBoreLine bore = QueryBore(random, written.boxes, 50);
      EXPECT_EQ(IndexIds(read, bore),
                ScanIds(written.boxes, written.ids, [&](const GBox& b) { return (bore && b) != 0; }));
      const GBox box = QueryBox(random, written.boxes, 50);
      EXPECT_EQ(IndexIds(read, box),
                ScanIds(written.boxes, written.ids, [&](const GBox& b) { return !(box & b).IsNull(); }));
    }
  });
  TakeMessages();
  // Nothing but the index itself is left in the folder.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder),
                          std::filesystem::directory_iterator()), 1);
}

// Every damaged or truncated file is refused; none crashes the reader.
TEST_F(BoxIndexFile, DamagedFilesAreRefused) {
  const std::filesystem::path path = ScratchDirectory() / "model.gbi";
  ForSeeds("files", 40, [&](Random& random) {
    std::vector<unsigned char> file = WriteModel(random, path, 50).file;
    const std::size_t at = Pick(random, file.size());
    if (random.Uniform(0, 1) < 0.5) {
      file[at] = static_cast<unsigned char>(file[at] ^ (1u << Pick(random, 8)));
    } else {
      file.resize(at);
    }
    EXPECT_EQ(Load(file), kBoxIndexBadFile);
  });
  EXPECT_EQ(TakeMessages().size(), 40u);
}

// Crafted files with valid checksums are refused by what is wrong in them.
TEST_F(BoxIndexFile, CraftedFilesAreRefusedWithTheirReason) {
  Random random(1);
  const std::filesystem::path path = ScratchDirectory() / "model.gbi";
  const std::vector<unsigned char> good = WriteModel(random, path, 200).file;
  ASSERT_EQ(Load(good), kBoxIndexOk);
  TakeMessages();
  const auto refusal = [&](auto craft) {
    std::vector<unsigned char> file = good;
    craft(file);
    Seal(file);
    EXPECT_EQ(Load(file), kBoxIndexBadFile);
    const std::vector<std::string> messages = TakeMessages();
    return messages.size() == 1 ? messages[0] : std::string("?");
  };
  EXPECT_EQ(refusal([](auto& f) { f[0] = 'G'; }), "GBoxIndex file: not a box index");
  EXPECT_EQ(refusal([](auto& f) { f[8] = 2; }),
            "GBoxIndex file: a version this library does not read");
  EXPECT_EQ(refusal([](auto& f) { f[16 + 7] = 0x40; }),
            "GBoxIndex file: sizes that do not match the file");
  EXPECT_EQ(refusal([](auto& f) { f[24] = static_cast<unsigned char>(f[16] + 1); }),
            "GBoxIndex file: sizes that do not match the file");
  EXPECT_EQ(refusal([](auto& f) { f.resize(f.size() + 56); }),
            "GBoxIndex file: sizes that do not match the file");
  // The first tree box made NaN: a bound would lose it.
  EXPECT_EQ(refusal([](auto& f) { std::memset(&f[64], 0xFF, 8); }),
            "GBoxIndex file: a box on the wrong side of the tree");
}

TEST_F(BoxIndexFile, FileErrorsAreReported) {
  const GBox box = BuildBox(0, 0, 0, 1, 1, 1);
  const IndexPtr index = MakeIndex({box}, {7});
  const std::string missing = (ScratchDirectory() / "no such folder" / "x.gbi").string();
  EXPECT_EQ(WriteBoxIndex(index.get(), missing.c_str()), kBoxIndexFileError);
  GBoxIndex* read = nullptr;
  EXPECT_EQ(ReadBoxIndex(missing.c_str(), &read), kBoxIndexFileError);
  EXPECT_EQ(read, nullptr);
  EXPECT_EQ(WriteBoxIndex(index.get(), nullptr), kBoxIndexBadArgument);
  EXPECT_EQ(TakeMessages(), (std::vector<std::string>{"GBoxIndex: cannot write the file",
                                                       "GBoxIndex: cannot read the file",
                                                       "GBoxIndex: NULL pointer"}));
}

// A second write replaces the first whole.
TEST_F(BoxIndexFile, WritingReplacesAnOldIndex) {
  const std::string path = (ScratchDirectory() / "model.gbi").string();
  const IndexPtr first = MakeIndex({BuildBox(0, 0, 0, 1, 1, 1)}, {1});
  const IndexPtr second = MakeIndex({BuildBox(0, 0, 0, 1, 1, 1), BuildBox(2, 2, 2, 3, 3, 3)}, {2, 3});
  ASSERT_EQ(WriteBoxIndex(first.get(), path.c_str()), kBoxIndexOk);
  ASSERT_EQ(WriteBoxIndex(second.get(), path.c_str()), kBoxIndexOk);
  GBoxIndex* read = nullptr;
  ASSERT_EQ(ReadBoxIndex(path.c_str(), &read), kBoxIndexOk);
  EXPECT_EQ(IndexIds(read, BuildBox(-9, -9, -9, 9, 9, 9)), (std::vector<std::uint64_t>{2, 3}));
  FreeBoxIndex(read);
}

}  // namespace
