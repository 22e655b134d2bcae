// How much memory reading "Buchungen.dat" takes at most, read from the
// allocator: the member's buffer and the journal built from it stay within
// kMaxOpenMemory at the size limit, whatever shape the records have.
#include "AllocationProbe.h"

#include "core/BuchungenFormat.h"
#include "core/CBinStream.h"
#include "core/CBuchungen.h"

#include <gtest/gtest.h>

#include <string>

namespace fmt = buchungen_format;

namespace {

// A member of `records` copies of one record's bytes.
std::string Member(std::uint32_t records, const std::string& record)
{
    std::string bytes = "KBBF";
    for (int i = 0; i < 4; ++i)
        bytes += static_cast<char>((records >> (8 * i)) & 0xFF);
    bytes.reserve(bytes.size() + std::size_t(records) * record.size());
    for (std::uint32_t k = 0; k < records; ++k)
        bytes += record;
    return bytes;
}

std::string Text(int n) { return std::string(1, char(n)) + '\0' + std::string(std::size_t(n), 't'); }

// A record with the given texts and `lines` lines, each line with texts of
// length `lineText`.
std::string Record(int notiz, int lines, int lineText)
{
    std::string r(8, '\0');
    r += Text(notiz) + Text(notiz) + '\0';
    r += static_cast<char>(lines & 0xFF);
    r += static_cast<char>(lines >> 8);
    for (int j = 0; j < lines; ++j)
        r += Text(lineText) + Text(lineText) + std::string(16, '\0') + std::string(2, '\0');
    return r;
}

// Peak of live heap bytes while the member is taken into a stream (as the
// archive reader hands it over) and read, and whether the read succeeded.
std::size_t PeakOfReading(const std::string& member, int expectedRecords)
{
    AllocationProbe probe;
    {
        CBinStream stream{std::string(member)};
        CBuchungen journal;
        EXPECT_TRUE(journal.Read(stream));
        EXPECT_EQ(journal.GetCount(), expectedRecords);
    }
    return probe.Peak();
}

TEST(BuchungenSpeicher, EveryRecordShapeStaysWithinTheShareOfTheMemoryBound)
{
    // At an eighth of the limit each shape may take an eighth of the bound.
    struct Form {
        const char* name;
        std::string record;
    };
    const Form formen[] = {
        {"empty records", Record(0, 0, 0)},
        {"one empty line each", Record(0, 1, 0)},
        {"33 lines each (room for 64 when grown line by line)", Record(0, 33, 0)},
        {"texts just too long to live in the record", Record(16, 1, 16)},
    };
    const std::uint64_t size = fmt::kMaxFileSize / 8;
    for (const Form& f : formen) {
        SCOPED_TRACE(f.name);
        const auto records = static_cast<std::uint32_t>((size - fmt::kHeaderSize) / f.record.size());
        const std::string member = Member(records, f.record);
        const std::size_t peak = PeakOfReading(member, static_cast<int>(records));
        EXPECT_LE(peak, fmt::kMaxOpenMemory / 8) << peak;
    }
}

TEST(BuchungenSpeicher, WorstShapeAtTheSizeLimitStaysWithinTheBound)
{
    const std::string record = Record(0, 0, 0);
    const auto records = static_cast<std::uint32_t>((fmt::kMaxFileSize - fmt::kHeaderSize) / record.size());
    const std::string member = Member(records, record);
    ASSERT_LE(member.size(), fmt::kMaxFileSize);
    const std::size_t peak = PeakOfReading(member, static_cast<int>(records));
    EXPECT_LE(peak, fmt::kMaxOpenMemory) << peak;
    RecordProperty("peak_bytes", std::to_string(peak));
    // The bound is not loose either: most of it is really taken.
    EXPECT_GT(peak, fmt::kMaxOpenMemory / 10 * 9) << peak;
}

} // namespace
