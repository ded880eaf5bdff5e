#include "ui/NiceSize.h"

#include <gtest/gtest.h>

using namespace kv::FileUtilities;

namespace {

TEST(NiceSize, EveryUnitBoundary) {
    const struct {
        const char* bytes;
        const char* expected;
    } cases[] = {
        {"0", "0 bytes"},
        {"1", "1 bytes"},
        {"1023", "1023 bytes"},
        {"1024", "1 KB"},
        {"1536", "1 KB"},
        {"1048575", "1023 KB"},
        {"1048576", "1 MB"},
        {"1572864", "1.5 MB"},
        {"2097151", "1.99 MB"},
        {"1073741823", "1023.99 MB"},
        {"1073741824", "1 GB"},
        {"1610612736", "1.5 GB"},
        {"1099511627775", "1023.99 GB"},
        {"1099511627776", "1 TB"},
        {"1649267441664", "1.5 TB"},
        {"999999999999999", "909.49 TB"},
        {"1000000000000000", ""},
        {"9223372036854775807", ""},
        // From 2^63 the count reads as a negative number, which falls in the first row.
        {"9223372036854775808", "9223372036854775808 bytes"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(niceSize(QString::fromLatin1(c.bytes)), QString::fromLatin1(c.expected))
            << c.bytes;
}

TEST(Trunc, CutsWithoutRoundingOrPadding) {
    const struct {
        double value;
        int places;
        const char* expected;
    } cases[] = {
        {2.999, 2, "2.99"},
        {2.999, 0, "2"},
        {1.5, 2, "1.5"},
        {5.0, 2, "5"},
        {0.125, 1, "0.1"},
        {-1.25, 1, "-1.2"},
        {1023.999999, 2, "1023.99"},
        // Fewer places than zero cut into the whole part, one character for each.
        {123.45, -1, "123"},
        {123.45, -2, "12"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Trunc(c.value, c.places), QString::fromLatin1(c.expected))
            << c.value << " " << c.places;
}

} // namespace
