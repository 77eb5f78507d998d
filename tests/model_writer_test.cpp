// The model file's record layouts and number printing.
#include "model_writer/model_writer.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>

#include "driver/byte_sink.hpp"
#include "model_writer/number_format.hpp"

namespace {

std::string format(double value) {
  char text[rxnform::kNumberChars];
  return std::string(text, rxnform::format_number(value, text));
}

std::string printf_g(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%g", value);
  return text;
}

TEST(NumberFormat, AgreesWithPrintfG) {
  const double fixed[] = {-1,     1,      0.5,     1000,     0.00001,    1e6,     1e30,
                          -1e30,  0.0001, 99999.5, 999999.5, 123456,     1234567, 1e-300,
                          5e-324, 0.1f,   -2.5,    1e100,    3.14159265, 1e-5 * 3};
  for (double v : fixed) EXPECT_EQ(format(v), printf_g(v)) << v;
  std::mt19937_64 random(42);
  for (int i = 0; i < 20000; ++i) {
    double v;
    std::uint64_t bits = random();
    std::memcpy(&v, &bits, sizeof v);
    if (std::isfinite(v) && v != 0) {
      ASSERT_EQ(format(v), printf_g(v)) << v;
    }
    double decimal =
        std::ldexp(static_cast<double>(random() % 2000000) - 1e6, -(int)(random() % 20));
    if (decimal != 0) {
      ASSERT_EQ(format(decimal), printf_g(decimal)) << decimal;
    }
  }
}

TEST(NumberFormat, ZeroAndInfinityAreSpelledForTheModel) {
  EXPECT_EQ(format(0.0), "0");
  EXPECT_EQ(format(-0.0), "0");
  EXPECT_EQ(format(std::numeric_limits<double>::infinity()), "+INF");
  EXPECT_EQ(format(-std::numeric_limits<double>::infinity()), "-INF");
}

TEST(ModelWriter, RecordLayoutsAndLineCount) {
  rxnform::StringSink sink;
  rxnform::ModelWriter model(sink);
  model.write_text("NAME          from_xls\nROWS\n");
  model.write_row('N', "g6p");
  model.write_entry("PGI", "g6p", -1);
  model.write_entry("PGI", "f6p", 0.5);
  model.write_entry("PGI", "f6p", 0.5);  // the same value again, printed again
  model.write_entry("PGI", "x", -0.0);
  model.write_entry("LONGNAMEX", "abcdefgh", -1e30);
  model.write_bound(rxnform::bound_type::lower, "Xglc", -10);
  model.write_bound(rxnform::bound_type::upper, "Xglc", std::numeric_limits<double>::infinity());
  // Longer names than the program writes shift what follows, whole.
  model.write_entry("COLUMNNAME12", "ROWNAME_LONGER_THAN_22_CHARS", 2);
  EXPECT_EQ(model.lines_written(), 11);
  ASSERT_TRUE(model.finish());
  EXPECT_EQ(sink.text(),
            "NAME          from_xls\r\n"
            "ROWS\r\n"
            " N  g6p\r\n"
            "    PGI       g6p                 -1\r\n"
            "    PGI       f6p                0.5\r\n"
            "    PGI       f6p                0.5\r\n"
            "    PGI       x                    0\r\n"
            "    LONGNAMEX abcdefgh        -1e+30\r\n"
            " LO BND       Xglc               -10\r\n"
            " UP BND       Xglc              +INF\r\n"
            "    COLUMNNAME12ROWNAME_LONGER_THAN_22_CHARS2\r\n");
}

TEST(ModelWriter, RecordLongerThanTheBufferIsWrittenWhole) {
  rxnform::StringSink sink;
  rxnform::ModelWriter model(sink);
  const std::string name(1 << 20, 'n');
  model.write_row('E', "a");
  model.write_row('E', name);
  model.write_row('E', "b");
  ASSERT_TRUE(model.finish());
  EXPECT_EQ(model.lines_written(), 3);
  EXPECT_EQ(sink.text(), " E  a\r\n E  " + name + "\r\n E  b\r\n");
}

TEST(ModelWriter, LargeOutputArrivesWholeAndInOrder) {
  rxnform::StringSink sink;
  rxnform::ModelWriter model(sink);
  std::string expected;
  for (int i = 0; i < 20000; ++i) {
    double value = i % 3 == 0 ? -1 : i * 0.25;
    model.write_entry("R" + std::to_string(i % 97), "m", value);
    std::string column = "R" + std::to_string(i % 97);
    std::string number = printf_g(value);
    expected += "    " + column + std::string(10 - column.size(), ' ') + "m" +
                std::string(21 - number.size(), ' ') + number + "\r\n";
  }
  EXPECT_TRUE(model.finish());
  EXPECT_EQ(model.lines_written(), 20000);
  EXPECT_EQ(sink.text(), expected);
}

}  // namespace
