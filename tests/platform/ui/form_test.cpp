#include "tessera/platform/ui/form.hpp"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "tessera/platform/runtime/error.hpp"

namespace tessera::platform {
namespace {

TEST(TextFieldTest, TypingGoesThroughTheFilterAtTheCaretAndReplacesOrDeletesSelections) {
  TextField field("ed", {});
  std::vector<std::string> changes;
  field.Change = [&] { changes.push_back(field.Text()); };
  field.KeyPress = [](int32_t& key) {
    if (key == 'x') key = 0;
  };
  for (const int32_t key : {int32_t{'1'}, int32_t{'x'}, int32_t{'2'}, int32_t{0xF6}}) field.TypeKey(key);
  EXPECT_EQ(field.Text(), "12ö");
  EXPECT_EQ(field.SelStart(), 3);  // characters, not bytes
  field.SelStart(1);
  field.TypeKey(kKeyBack);
  field.TypeKey(kKeyBack);  // at the start: nothing to delete, no change
  EXPECT_EQ(field.Text(), "2ö");
  EXPECT_EQ(changes, (std::vector<std::string>{"1", "12", "12ö", "2ö"}));

  field.Text("2ö");  // the same text: no change
  field.Text("7");
  EXPECT_EQ(field.SelStart(), 0);
  field.SelStart(9);
  EXPECT_EQ(field.SelStart(), 1);
  field.Enabled(false);
  field.TypeKey('3');
  EXPECT_EQ(changes.back(), "7");
  EXPECT_THROW(field.SelStart(-1), RuntimeError);
  // A selection is replaced by a passed character and deleted by backspace or Delete; a refused
  // character leaves it; Delete, which types no character, still runs Change. Positions count
  // characters, a malformed byte as one.
  struct Case {
    const char* text;
    int32_t start, length;
    int32_t key;  // 0 for the Delete key
    const char* after;
    int32_t caret, still_selected;
  };
  for (const Case& c : std::initializer_list<Case>{{"-12,5", 1, 2, '7', "-7,5", 2, 0},
                                                   {"-12,5", 1, 2, 'x', "-12,5", 1, 2},
                                                   {"-12,5", 0, 9, kKeyBack, "", 0, 0},
                                                   {"-12,5", 3, 2, 0, "-12", 3, 0},
                                                   {"-12,5", 0, 0, 0, "12,5", 0, 0},
                                                   {"-12,5", 5, 0, 0, "-12,5", 5, 0},
                                                   {"-12,5", 1, 1, '1', "-12,5", 2, 0},
                                                   {"ä€😀x", 3, 0, kKeyBack, "ä€x", 2, 0},
                                                   {"ä€😀x", 1, 1, 0, "ä😀x", 1, 0},
                                                   {"a\xE2\x82"
                                                    "b",
                                                    3, 0, kKeyBack,
                                                    "a\xE2"
                                                    "b",
                                                    2, 0}}) {
    TextField field("ed", {});
    field.Text(c.text);
    field.KeyPress = [](int32_t& key) {
      if (key == 'x') key = 0;
    };
    int changes = 0;
    field.Change = [&] { ++changes; };
    field.SelStart(c.start);
    field.SelLength(c.length);
    c.key == 0 ? field.PressDelete() : field.TypeKey(c.key);
    EXPECT_EQ(field.Text(), c.after) << c.text << " " << c.key;
    EXPECT_EQ(field.SelStart(), c.caret) << c.text << " " << c.key;
    EXPECT_EQ(field.SelLength(), c.still_selected) << c.text << " " << c.key;
    EXPECT_EQ(changes, std::string(c.after) != c.text ? 1 : 0) << c.text << " " << c.key;
  }
}

TEST(FormTest, ControlsAnswerOnlyWhenEnabledAndFormsUnloadOnceAndPlaceLikeSetWindowPos) {
  Button button("pb", {}, "&Ok");
  int clicks = 0;
  button.OnClick = [&] { ++clicks; };
  button.Click();
  button.Enabled(false);
  button.Click();
  EXPECT_EQ(clicks, 1);

  CheckBox box("cb", {}, "&Relativ", 1);
  std::vector<int16_t> seen;
  box.OnClick = [&] { seen.push_back(box.Value()); };
  box.Click();
  box.Click();
  EXPECT_EQ(seen, (std::vector<int16_t>{0, 1}));

  TabControl tabs("tab", {}, {"a", "b"}, 1);
  std::vector<int16_t> previous;
  tabs.Change = [&](int16_t page) { previous.push_back(page); };
  tabs.Tab(0);
  tabs.Tab(0);
  tabs.ClickTab(1);
  tabs.Enabled(false);
  tabs.ClickTab(0);
  EXPECT_EQ(previous, (std::vector<int16_t>{1, 0}));
  EXPECT_THROW(tabs.Tab(2), RuntimeError);

  Form form("f", {3000, 2400, 6135, 1380});
  Button ok("pbOk", {}, "ok"), cancel("pbCancel", {}, "cancel");
  ok.Default = true;
  cancel.Cancel = true;
  form.Add(ok);
  form.Add(cancel);
  std::vector<std::string> log;
  ok.OnClick = [&] { log.push_back("ok"); };
  cancel.OnClick = [&] { log.push_back("cancel"); };
  form.OnActivate = [&] { log.push_back("activate"); };
  form.OnUnload = [&] { log.push_back("unload"); };
  form.Activate();  // not loaded yet
  form.Show();
  form.PressKey(FormKey::kEnter);
  ok.Enabled(false);
  form.PressKey(FormKey::kEnter);
  form.PressKey(FormKey::kEscape);
  form.Unload();
  form.Unload();
  EXPECT_EQ(log, (std::vector<std::string>{"activate", "ok", "cancel", "unload"}));
  EXPECT_EQ(form.Find("pbCancel"), &cancel);
  EXPECT_EQ(form.Find("nope"), nullptr);

  form.SetWindowPos(HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE);
  EXPECT_TRUE(form.Topmost());
  EXPECT_EQ(form.Position().left, 0);
  EXPECT_EQ(form.Position().top, 0);
  EXPECT_EQ(form.Position().width, 6135);
  form.SetWindowPos(0, 10, 20, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
  EXPECT_EQ(form.Position().left, 0);
}

}  // namespace
}  // namespace tessera::platform
