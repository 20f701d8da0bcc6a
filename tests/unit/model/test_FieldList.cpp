#include "model/FieldList.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "model/uCalendarClass.h"
#include "model/uCheckBoxListClass.h"
#include "model/uSingleLineClass.h"
#include "model/uZwFieldClass.h"

namespace {

template <class T>
std::unique_ptr<T> Field(const std::string& name) {
  auto f = std::make_unique<T>();
  f->Name = name;
  return f;
}

std::unique_ptr<TCheckBoxList> List(const std::string& name,
                                    std::initializer_list<const char*> items) {
  auto list = Field<TCheckBoxList>(name);
  for (const char* item : items) list->Items.push_back(Field<TCheckBoxFieldSimple>(item));
  return list;
}

std::string Names(const FieldList& fields) {
  std::string names;
  for (const auto& f : fields) names += (names.empty() ? "" : ",") + f->Name;
  return names;
}

TEST(FieldListTest, FindFieldByNameReportsTheLastMatch) {
  FieldList fields;
  fields.Add(Field<TEinzField>("name"));     // 0
  fields.Add(List("opts", {"a", "b"}));      // 1
  fields.Add(Field<TEinzField>("Name"));     // 2
  fields.Add(Field<TEinzField>("email"));    // 3
  fields.Add(Field<TEinzField>("name"));     // 4
  fields.Add(List("more", {"email", "c"}));  // 5

  struct Case {
    const char* name;
    int position;
  } cases[] = {
      {"name", 4},                 // the later of two equal names
      {"Name", 2},                 // letter case matters
      {"NAME", -1}, {"b", 1},      // an item reports its list
      {"opts", 1},  {"email", 5},  // an item's name after a field's
      {"c", 5},     {"x", -1},
  };
  for (const Case& c : cases) EXPECT_EQ(fields.FindFieldByName(c.name), c.position) << c.name;
  EXPECT_EQ(FieldList().FindFieldByName("name"), -1);
}

TEST(FieldListTest, HasCalendarFieldNeedsACalendarEntry) {
  FieldList fields;
  EXPECT_FALSE(fields.HasCalendarField());
  fields.Add(Field<TEinzField>("text"));
  fields.Add(List("list", {"a"}));
  EXPECT_FALSE(fields.HasCalendarField());
  fields.Insert(1, Field<TCalField>("date"));
  EXPECT_TRUE(fields.HasCalendarField());
  fields.Delete(1);
  EXPECT_FALSE(fields.HasCalendarField());
}

TEST(FieldListTest, CopiesAreDeep) {
  FieldList original;
  auto cal = Field<TCalField>("date");
  cal->StartYear = 2000;
  original.Add(std::move(cal));
  original.Add(List("list", {"a", "b"}));

  FieldList copy(original);
  FieldList assigned;
  assigned.Add(Field<TZwField>("old"));
  assigned = original;

  for (FieldList* changed : {&copy, &assigned}) {
    ASSERT_EQ(changed->Count(), 2);
    auto* copiedCal = dynamic_cast<TCalField*>(&(*changed)[0]);
    ASSERT_NE(copiedCal, nullptr);  // the class survives the copy
    EXPECT_EQ(copiedCal->StartYear, 2000);
    copiedCal->Name = "changed";
    auto& copiedList = dynamic_cast<TCheckBoxList&>((*changed)[1]);
    ASSERT_EQ(copiedList.Items.size(), 2u);
    copiedList.Items[1]->Name = "changed";
    copiedList.Items.pop_back();
  }
  EXPECT_EQ(original[0].Name, "date");
  const auto& list = dynamic_cast<const TCheckBoxList&>(original[1]);
  ASSERT_EQ(list.Items.size(), 2u);
  EXPECT_EQ(list.Items[1]->Name, "b");
}

TEST(FieldListTest, InsertDeleteAndExchangeKeepTheOrder) {
  FieldList fields;
  fields.Add(Field<TEinzField>("a"));
  fields.Add(Field<TEinzField>("b"));
  fields.Insert(0, Field<TEinzField>("first"));
  fields.Insert(fields.Count(), Field<TEinzField>("last"));
  fields.Insert(2, Field<TEinzField>("mid"));
  EXPECT_EQ(Names(fields), "first,a,mid,b,last");

  fields.Exchange(0, 4);
  EXPECT_EQ(Names(fields), "last,a,mid,b,first");
  fields.Exchange(1, 1);
  fields.Delete(2);
  EXPECT_EQ(Names(fields), "last,a,b,first");
  fields.Delete(3);
  fields.Delete(0);
  EXPECT_EQ(Names(fields), "a,b");

  EXPECT_THROW(fields.Insert(3, Field<TEinzField>("x")), std::out_of_range);
  EXPECT_THROW(fields.Insert(-1, Field<TEinzField>("x")), std::out_of_range);
  EXPECT_THROW(fields.Delete(2), std::out_of_range);
  EXPECT_THROW(fields.Delete(-1), std::out_of_range);
  EXPECT_THROW(fields.Exchange(0, 2), std::out_of_range);
  EXPECT_EQ(Names(fields), "a,b");
}

}  // namespace
