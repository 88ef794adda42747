#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "framework/objects/StringList.h"

TEST(StringList, TextSplitsAtEveryLineEndAndStopsAtNul)
{
  TStringList list;
  list.SetText(std::string("a\r\nb\rc\nd\r\n\r\ne\0ignored\r\n", 24));
  EXPECT_EQ((std::vector<std::string>{"a", "b", "c", "d", "", "e"}), list.ToVector());
  EXPECT_EQ("a\r\nb\r\nc\r\nd\r\n\r\ne\r\n", list.Text());
  list.SetText("");
  EXPECT_EQ(0, list.Count());
}

TEST(StringList, ObjectsTravelWithTheirLines)
{
  TStringList list;
  TStringList marker;
  list.Add("note");
  list.AddObject("file", &marker);
  list.PutData(0, 7);
  list.Exchange(0, 1);
  EXPECT_EQ(&marker, list.Objects(0));
  EXPECT_EQ(7, list.Data(1));
  list.Move(0, 1);
  EXPECT_EQ("file", list[1]);
  EXPECT_EQ(&marker, list.Objects(1));
  list.Put(1, "renamed");
  EXPECT_EQ(&marker, list.Objects(1));
  EXPECT_EQ(1, list.IndexOfObject(&marker));
}

TEST(StringList, UpdatesGiveOneChangeNotification)
{
  TStringList list;
  int changes = 0, changing = 0;
  list.OnChange = [&](TObject*) { ++changes; };
  list.OnChanging = [&](TObject*) { ++changing; };
  list.Add("x");
  EXPECT_EQ(1, changes);
  list.BeginUpdate();
  list.BeginUpdate();
  list.Add("y");
  list.Delete(0);
  list.EndUpdate();
  EXPECT_EQ(1, changes);
  list.EndUpdate();
  EXPECT_EQ(2, changes);
  list.BeginUpdate();
  list.EndUpdate();  // nothing changed
  EXPECT_EQ(2, changes);
  list.SetText("a\nb\nc");
  EXPECT_EQ(3, changes);
  list.EndUpdate();  // unbalanced: ignored
  EXPECT_EQ(0, list.UpdateCount());
}

TEST(StringList, AssignCopiesLinesAndObjects)
{
  TStringList a, b;
  a.AddObject("one", &b);
  a.Add("two");
  int changes = 0;
  b.Add("old");
  b.OnChange = [&](TObject*) { ++changes; };
  b.Assign(&a);
  EXPECT_EQ(a.ToVector(), b.ToVector());
  EXPECT_EQ(&b, b.Objects(0));
  EXPECT_EQ(1, changes);
  b.AddStrings(b);
  EXPECT_EQ(4, b.Count());
  EXPECT_TRUE(a.Equals(a));
  EXPECT_FALSE(a.Equals(b));
}

TEST(StringList, IndexErrorsNameTheIndex)
{
  TStringList list;
  list.Add("a");
  EXPECT_THAT([&] { list.Get(3); },
              testing::ThrowsMessage<EStringListError>(testing::StrEq("List index out of bounds (3)")));
  EXPECT_THROW(list.Delete(-1), EStringListError);
  EXPECT_THROW(list.Insert(2, "x"), EStringListError);
  list.Insert(1, "end");
  EXPECT_EQ("end", list[1]);
}

TEST(StringList, SortedListsFindIgnoringCaseAndHandleDuplicates)
{
  TStringList list;
  for (const char* s : {"pear", "Apple", "fig"}) list.Add(s);
  list.SetSorted(true);
  EXPECT_EQ((std::vector<std::string>{"Apple", "fig", "pear"}), list.ToVector());
  EXPECT_EQ(1, list.IndexOf("FIG"));
  EXPECT_EQ(1, list.Add("banana"));
  EXPECT_EQ(0, list.Add("apple"));  // ignored duplicate
  EXPECT_EQ(4, list.Count());
  list.SetDuplicates(dupError);
  EXPECT_THROW(list.Add("PEAR"), EStringListError);
  EXPECT_THROW(list.Insert(0, "x"), EStringListError);
  EXPECT_EQ(-1, list.IndexOf("kiwi"));
  TStringList plain;
  plain.Add("B");
  EXPECT_EQ(0, plain.IndexOf("b"));
}
