// CArray's growth rule, removal and emptying, on entries of the size of a
// process snapshot record.
#include <vector>

#include <gtest/gtest.h>

#include "TestSupport.h"

namespace {

struct Record {
    DWORD id;
    char name[292];
};
static_assert(sizeof(Record) == 296, "the size of a process record");

Record MakeRecord(DWORD id)
{
    Record r = {};
    r.id = id;
    r.name[0] = (char)('A' + id % 26);
    r.name[291] = (char)id;
    return r;
}

TEST(ArrayTest, CapacityGrowsByTheRuleWhenAppendingOneAtATime)
{
    // Every capacity taken while appending 1 .. 90 entries to an empty array.
    const std::vector<INT_PTR> expected = {1, 5, 9, 13, 17, 21, 25, 29, 33, 37, 41, 46, 51, 57, 64, 72, 81, 91};
    CArray<Record, const Record&> arr;
    EXPECT_EQ(0, arr.GetAllocSize());
    std::vector<INT_PTR> capacities;
    for (DWORD i = 0; i < 90; ++i) {
        EXPECT_EQ((INT_PTR)i, arr.Add(MakeRecord(i)));
        if (capacities.empty() || capacities.back() != arr.GetAllocSize())
            capacities.push_back(arr.GetAllocSize());
    }
    EXPECT_EQ(expected, capacities);
    ASSERT_EQ(90, arr.GetSize());
    for (DWORD i = 0; i < 90; ++i) {
        EXPECT_EQ(i, arr[i].id);
        EXPECT_EQ((char)i, arr[i].name[291]);
    }
}

TEST(ArrayTest, GrowthStepTable)
{
    struct Case {
        INT_PTR startSize;  // reached with one SetSize from empty: capacity == size
        INT_PTR newSize;
        INT_PTR expectedCapacity;
    } cases[] = {
        {5, 6, 9},             // step 4 at least
        {5, 100, 100},         // a larger size wins over the step
        {80, 81, 90},          // 80 / 8
        {9000, 9001, 10024},   // at most 1024
        {7, 3, 7},             // shrinking keeps the buffer
    };
    for (const Case& c : cases) {
        CArray<HWND, HWND> arr;
        arr.SetSize(c.startSize);
        EXPECT_EQ(c.startSize, arr.GetAllocSize());
        arr.SetSize(c.newSize);
        EXPECT_EQ(c.expectedCapacity, arr.GetAllocSize()) << c.startSize << " -> " << c.newSize;
        EXPECT_EQ(c.newSize, arr.GetSize());
    }
}

TEST(ArrayTest, RemoveAtClosesUpInOrderAndKeepsCapacity)
{
    CArray<HWND, HWND> arr;
    for (INT_PTR i = 0; i < 5; ++i)
        arr.Add((HWND)(i + 1));
    INT_PTR capacity = arr.GetAllocSize();
    arr.RemoveAt(1);
    std::vector<HWND> left(arr.GetData(), arr.GetData() + arr.GetSize());
    EXPECT_EQ((std::vector<HWND>{(HWND)1, (HWND)3, (HWND)4, (HWND)5}), left);
    arr.RemoveAt(1, 2);
    EXPECT_EQ(2, arr.GetSize());
    EXPECT_EQ((HWND)1, arr[0]);
    EXPECT_EQ((HWND)5, arr[1]);
    arr.RemoveAt(1, 5);  // beyond the end: nothing happens
    arr.RemoveAt(-1);
    EXPECT_EQ(2, arr.GetSize());
    EXPECT_EQ(capacity, arr.GetAllocSize());

    // Slots uncovered again are zero, not the removed entries.
    arr.SetSize(5);
    EXPECT_EQ((HWND)0, arr[2]);
    EXPECT_EQ((HWND)0, arr[4]);
}

TEST(ArrayTest, RemoveAllReleasesTheBuffer)
{
    CArray<Record, const Record&> arr;
    for (DWORD i = 0; i < 6; ++i)
        arr.Add(MakeRecord(i));
    EXPECT_EQ(9, arr.GetAllocSize());
    arr.RemoveAll();
    EXPECT_EQ(0, arr.GetSize());
    EXPECT_EQ(0, arr.GetAllocSize());
    EXPECT_EQ(nullptr, arr.GetData());
    arr.Add(MakeRecord(7));  // starts again as from empty
    EXPECT_EQ(1, arr.GetAllocSize());
}

TEST(ArrayTest, AddingAnEntryOfTheArrayItselfWhileGrowing)
{
    CArray<Record, const Record&> arr;
    arr.Add(MakeRecord(3));
    ASSERT_EQ(1, arr.GetAllocSize());  // full: the next Add moves the buffer
    arr.Add(arr[0]);
    EXPECT_EQ(3u, arr[1].id);
    EXPECT_EQ((char)3, arr[1].name[291]);
}

} // namespace
