// Text written and read while the program's locale has a decimal comma.
#include <locale.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <ostream>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "gmath/gmath.h"
#include "support/gmath_test.h"
#include "textio/text_file.h"

namespace {

using gmath::test::TextFile;

constexpr std::uint32_t kRoom = 100;

// What printf itself does: the test of a locale that matters here.
bool DecimalComma() {
  char text[8];
  std::snprintf(text, sizeof text, "%.1f", 0.5);
  return text[1] == ',';
}

// The name under which this C runtime knows a German locale, or null:
// Windows' runtimes know it by other names.
const char* FindGermanName() {
  const std::string previous = setlocale(LC_ALL, nullptr);
  const char* found = nullptr;
  for (const char* name : {"de_DE.UTF-8", "de-DE", "German_Germany.1252"}) {
    if (setlocale(LC_ALL, name) != nullptr && DecimalComma()) {
      found = name;
      break;
    }
  }
  setlocale(LC_ALL, previous.c_str());
  return found;
}

// Switches the whole program to the German locale, as a program calling
// setlocale(LC_ALL, "") does in Germany, and back again.
class GermanLocale {
 public:
  explicit GermanLocale(const char* name) : previous_(setlocale(LC_ALL, nullptr)) {
    setlocale(LC_ALL, name);
  }
  GermanLocale(const GermanLocale&) = delete;
  GermanLocale& operator=(const GermanLocale&) = delete;
  ~GermanLocale() { setlocale(LC_ALL, previous_.c_str()); }

 private:
  std::string previous_;
};

// Whether the C runtime lets a thread have a locale of its own. Microsoft's
// older runtime (msvcrt), which MinGW links, has one locale for the whole
// program, and the library cannot take its numbers out of it there.
bool ThreadLocalesAvailable() {
#ifdef _WIN32
  const int mode = _configthreadlocale(_ENABLE_PER_THREAD_LOCALE);
  if (mode == -1) return false;
  _configthreadlocale(mode);
#endif
  return true;
}

class LocaleTest : public gmath::test::GmathTest {
 protected:
  void SetUp() override {
    GmathTest::SetUp();
    german_ = FindGermanName();
    if (german_ == nullptr) {
      Skip("de_DE.UTF-8 locale is not available");
    } else if (!ThreadLocalesAvailable()) {
      Skip("this C runtime has no per-thread locale");
    }
  }

  static void Skip(const char* reason) {
    const auto* test = testing::UnitTest::GetInstance()->current_test_info();
    std::printf("SKIPPED: %s.%s: %s\n", test->test_suite_name(), test->name(), reason);
    GTEST_SKIP();
  }

  const char* german_ = nullptr;
};

// The point array of a fenced or prism value; other values have none.
template <class T>
void AttachPoints(T&, GPosition*) {}
void AttachPoints(GPtFence& f, GPosition* points) { f.m_points = points; }
void AttachPoints(GPtFrustum& f, GPosition* points) { f.m_fence.m_points = points; }
void AttachPoints(GRtPrism& p, GPosition* points) { p.m_points = points; }

// Everything a read leaves behind: its code, every byte of the value and of
// its points, padding included, and where the stream stands.
struct Outcome {
  long code;
  std::string bytes;
  long position;
  bool operator==(const Outcome& o) const {
    return code == o.code && bytes == o.bytes && position == o.position;
  }
};

// The bytes are too many to show; a failure shows the rest.
void PrintTo(const Outcome& o, std::ostream* out) {
  *out << "code " << o.code << ", stream at " << o.position;
}

template <class T>
Outcome ReadOutcome(const std::string& text, T& value, std::vector<GPosition>& points) {
  std::memset(static_cast<void*>(&value), 0xAB, sizeof value);
  std::memset(static_cast<void*>(points.data()), 0xAB, points.size() * sizeof(GPosition));
  AttachPoints(value, points.data());
  TextFile file(text);
  long code = -1;
  GRead_from_File(file.get(), value, &code);
  std::string bytes(reinterpret_cast<const char*>(&value), sizeof value);
  bytes.append(reinterpret_cast<const char*>(points.data()), points.size() * sizeof(GPosition));
  return {code, bytes, std::ftell(file.get())};
}

template <class T>
std::string Dump(const T& value) {
  TextFile file;
  long err = -1;
  GPrint_to_File(file.get(), value, &err);
  return std::to_string(err) + ":" + file.All();
}

// Each type with the text of one value: '#' stands for a number.
template <class F>
void ForEachType(F&& check) {
  check(GMatrix{}, "# # #  # # #  # # #");
  check(GTransf{}, "# # #  # # #  # # #  # # #  #  1 0 1");
  check(GBox{}, "# # #  # # #");
  check(G4x4{}, "# # # # # # # # # # # # # # # #");
  check(GBoreLine{}, "# # #  # # #  # # #");
  check(GBoreCone{}, "# # #  # # #  # # #  # # #");
  check(GPtFence{}, "2  # # #  # # #  # # #  # #");
  check(GPtFrustum{}, "2  # # #  # # #  # # #  # #  # # #");
  check(GRtPrism{}, "# # #  # # #  # # #  # # #  #  0 1 0  2  # # #  # # #  #");
  check(GBox2d{}, "# #  # #");
  check(GMatrix2d{}, "# #  # #");
  check(GTransf2d{}, "# #  # #  # #  #  1 1 0");
}

// Finite doubles of every magnitude, subnormals included, with seventeen
// significant digits: every bit of each survives the text.
std::string WithNumbers(const char* layout, std::mt19937_64& generator) {
  std::string text;
  for (const char* c = layout; *c != '\0'; ++c) {
    if (*c != '#') {
      text += *c;
      continue;
    }
    double d;
    do {
      const std::uint64_t bits = generator();
      std::memcpy(&d, &bits, sizeof d);
    } while (!std::isfinite(d));
    char number[40];
    std::snprintf(number, sizeof number, "%.17g", d);
    text += number;
  }
  return text;
}

// Every value reads to the same bits and prints the same text, with
// decimal points, under the German locale as under "C".
TEST_F(LocaleTest, EveryTypePrintsWithPointsAndReadsBackBitForBit) {
  std::mt19937_64 generator(gmath::test::BaseSeed() + 17);
  ForEachType([&](auto value, const char* layout) {
    std::vector<GPosition> points(kRoom);
    for (int draw = 0; draw < 20; ++draw) {
      const std::string text = WithNumbers(layout, generator);
      const Outcome inC = ReadOutcome(text, value, points);
      const std::string dumpInC = Dump(value);
      ASSERT_EQ(inC.code, 0) << text;
      GermanLocale german(german_);
      const Outcome inGerman = ReadOutcome(text, value, points);
      EXPECT_EQ(inGerman, inC) << text;
      // A value read otherwise may count more points than it holds.
      if (inGerman == inC) {
        EXPECT_EQ(Dump(value), dumpInC);
      }
      EXPECT_TRUE(DecimalComma()) << "the program's locale was not given back";
    }
  });
}

std::vector<std::string> CorpusInputs() {
  const auto corpus =
      std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / "fuzz" / "corpus";
  std::vector<std::string> inputs;
  for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
    std::ifstream in(entry.path(), std::ios::binary);
    inputs.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  return inputs;
}

// Signs, hex, nan(...), partial tokens and a decimal comma are taken or left
// exactly as in "C", and the stream stops at the same byte.
TEST_F(LocaleTest, CorpusReadsTheSameUnderBothLocales) {
  std::vector<std::string> inputs = CorpusInputs();
  ASSERT_GT(inputs.size(), 10u);
  inputs.push_back("1,5 2,25 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18");
  for (const std::string& text : inputs) {
    ForEachType([&](auto value, const char*) {
      std::vector<GPosition> points(kRoom);
      const Outcome inC = ReadOutcome(text, value, points);
      GermanLocale german(german_);
      EXPECT_EQ(ReadOutcome(text, value, points), inC) << text;
    });
  }
}

#ifdef _WIN32
// A thread of its own with the given locale, the program's left as it is.
class ThreadLocale {
 public:
  explicit ThreadLocale(const char* name) : mode_(_configthreadlocale(_ENABLE_PER_THREAD_LOCALE)) {
    setlocale(LC_ALL, name);
  }
  ThreadLocale(const ThreadLocale&) = delete;
  ThreadLocale& operator=(const ThreadLocale&) = delete;
  ~ThreadLocale() { _configthreadlocale(mode_); }

 private:
  int mode_;
};
#else
class ThreadLocale {
 public:
  explicit ThreadLocale(const char* name)
      : own_(newlocale(LC_ALL_MASK, name, locale_t{})), previous_(uselocale(own_)) {}
  ThreadLocale(const ThreadLocale&) = delete;
  ThreadLocale& operator=(const ThreadLocale&) = delete;
  ~ThreadLocale() {
    uselocale(previous_);
    freelocale(own_);
  }

 private:
  locale_t own_;
  locale_t previous_;
};
#endif

// Two threads, one German and one in "C", print and read at once: each
// prints points and finds its own locale again after every call.
TEST_F(LocaleTest, ThreadsWithDifferentLocalesPrintAndReadAtOnce) {
  G4x4 g;
  for (int i = 0; i < 16; ++i) g.m_matrix[i] = (i - 7) * 0.3125;
  const std::string expected = Dump(g);
  const auto printAndRead = [&](const char* locale, bool comma) {
    ThreadLocale own(locale);
    for (int round = 0; round < 200; ++round) {
      TextFile file;
      long err = -1;
      GPrint_to_File(file.get(), g, &err);
      std::rewind(file.get());
      G4x4 read{};
      GRead_from_File(file.get(), read, &err);
      EXPECT_EQ(err, 0);
      EXPECT_EQ("0:" + file.All(), expected);
      EXPECT_EQ(std::memcmp(&read, &g, sizeof g), 0);
      EXPECT_EQ(DecimalComma(), comma);
    }
  };
  std::thread german(printAndRead, german_, true);
  std::thread c(printAndRead, "C", false);
  german.join();
  c.join();
}

}  // namespace
