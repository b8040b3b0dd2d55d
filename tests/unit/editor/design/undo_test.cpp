#include "editor/design/undo.h"

#include <gtest/gtest.h>

#include <memory>

TEST(CUndo, KeepsTheTenNewestRecordsNewestFirst) {
  CUndo undo;
  UndoRecord out;
  out.kind = 77;
  EXPECT_EQ(undo.Pop(out), 0);
  EXPECT_EQ(out.kind, 77);  // untouched

  std::weak_ptr<void> oldest;
  for (int i = 0; i < 11; ++i) {
    UndoRecord r;
    r.kind = UndoRecord::kControlsDeleted;
    r.data = std::make_shared<int>(i);
    r.count = i;
    if (i == 0) oldest = r.data;
    undo.Push(r);
  }
  EXPECT_TRUE(oldest.expired());  // the dropped record released its data
  for (int i = 10; i >= 1; --i) {
    ASSERT_EQ(undo.Pop(out), 1);
    EXPECT_EQ(out.kind, UndoRecord::kControlsDeleted);
    EXPECT_EQ(out.count, i);
    EXPECT_EQ(*std::static_pointer_cast<int>(out.data), i);
  }
  EXPECT_EQ(undo.Pop(out), 0);
}

TEST(CUndo, ARecordComesBackAsItWasPushed) {
  CUndo undo;
  auto data = std::make_shared<int>(5);
  UndoRecord r;
  r.kind = UndoRecord::kJournalEntry;
  r.data = data;
  r.count = 3;
  r.mask = UndoRecord::kTargetDialog | UndoRecord::kTargetIdentifiers;
  const uint64_t serial = undo.Push(r);
  EXPECT_EQ(undo.TopSerial(), serial);
  // The same record pushed again, even on another stack, is told apart.
  CUndo other;
  EXPECT_NE(other.Push(r), serial);
  UndoRecord out;
  ASSERT_EQ(undo.Pop(out), 1);
  EXPECT_EQ(out.kind, r.kind);
  EXPECT_EQ(out.data.get(), data.get());
  EXPECT_EQ(out.count, 3);
  EXPECT_EQ(out.mask, 3u);
  EXPECT_EQ(out.serial, serial);
  EXPECT_EQ(undo.TopSerial(), 0u);
}
