#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/tag.h"

namespace quindle::engine {
namespace {

std::optional<Tag> Recognize(std::string_view text) {
  return RecognizeTag(text, 0);
}

TEST(TagRecognizerTest, KeyTagsCarryTheirVirtualKeyAndFixedLength) {
  struct Case {
    std::string_view text;
    TagKind kind;
    int vk;
  };
  const Case cases[] = {
      {"<TAB>", TagKind::Key, 9},
      {"<ENTER>", TagKind::Key, 13},
      {"<BACKSPACE>", TagKind::Key, 8},
      {"<PAGE UP>", TagKind::Key, 33},
      {"<PAGE DOWN>", TagKind::Key, 34},
      {"<LEFT ARROW>", TagKind::Key, 37},
      {"<RIGHT ARROW>", TagKind::Key, 39},
      {"<RIGHTWIN>", TagKind::Key, 92},
      {"<F1>", TagKind::Key, 112},
      {"<F10>", TagKind::Key, 121},
      {"<F24>", TagKind::Key, 135},
      {"<KEYP0>", TagKind::Key, 96},
      {"<KEYP9>", TagKind::Key, 105},
      {"<KEYP*>", TagKind::Key, 106},
      {"<KEYP->", TagKind::Key, 109},
      {"<KEYP/>", TagKind::Key, 111},
      {"<PA1>", TagKind::Key, 253},
      {"<PRTSCR>", TagKind::Key, 44},
      {"<ZOOM>", TagKind::Key, 251},
      {"<RIGHT MOUSE>", TagKind::MouseKey, 2},
      {"<MIDDLE MOUSE>", TagKind::MouseKey, 4},
      {"<CTLD>", TagKind::KeyDown, 17},
      {"<ALTU>", TagKind::KeyUp, 18},
      {"<WIND>", TagKind::KeyDown, 91},
      {"<SHFU>", TagKind::KeyUp, 16},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const std::string text = std::string(c.text) + "tail";
    const auto tag = Recognize(text);
    ASSERT_TRUE(tag);
    EXPECT_EQ(tag->kind, c.kind);
    EXPECT_EQ(tag->vk, c.vk);
    EXPECT_EQ(tag->length, c.text.size());
  }
}

TEST(TagRecognizerTest, ControlTagsWithoutArguments) {
  EXPECT_EQ(Recognize("<SHIFT>")->kind, TagKind::OneShotShift);
  EXPECT_EQ(Recognize("<CTRL>")->kind, TagKind::OneShotCtrl);
  EXPECT_EQ(Recognize("<ALT>")->kind, TagKind::OneShotAlt);
  EXPECT_EQ(Recognize("<PAUSE>")->kind, TagKind::PauseCentre);
  EXPECT_EQ(Recognize("<TEST>")->kind, TagKind::Nothing);
  EXPECT_EQ(Recognize("<ENDCLIP>")->kind, TagKind::Nothing);
  EXPECT_EQ(Recognize("<ENDCLIP>")->length, 9u);
  EXPECT_EQ(Recognize("<BEGCLIP>")->kind, TagKind::BegClip);
  EXPECT_EQ(Recognize("<PROMPTREP>")->length, 11u);
  EXPECT_EQ(Recognize("<ENDREP>")->kind, TagKind::EndRep);
  EXPECT_EQ(Recognize("<CLIPC>")->kind, TagKind::ClipCopy);
  EXPECT_EQ(Recognize("<CLIPP>")->kind, TagKind::ClipPaste);
  EXPECT_EQ(Recognize("<BEEP>")->kind, TagKind::Beep);
  for (const std::string_view text : {"<I>", "<II>", "<III>", "<IIII>"}) {
    const auto width = static_cast<int>(text.size()) - 2;
    const auto tag = Recognize(text);
    ASSERT_TRUE(tag);
    EXPECT_EQ(tag->kind, TagKind::PassNumber);
    EXPECT_EQ(tag->a, width);
    EXPECT_EQ(tag->length, text.size());
  }
  EXPECT_EQ(Recognize("<LDCLK>")->mouse, MouseAction::LeftDouble);
  EXPECT_EQ(Recognize("<RUP>")->mouse, MouseAction::RightUp);
  EXPECT_EQ(Recognize("<MCLK>")->mouse, MouseAction::MiddleClick);
}

TEST(TagRecognizerTest, NamesAreCaseSensitiveAndNeedTheirFullText) {
  EXPECT_FALSE(Recognize("<Tab>"));
  EXPECT_FALSE(Recognize("<tab>"));
  EXPECT_FALSE(Recognize("<FOO>"));
  EXPECT_FALSE(Recognize("<F25>"));
  EXPECT_FALSE(Recognize("<hh:mm{n}>"));
  EXPECT_FALSE(Recognize("a<TAB>"));
  EXPECT_TRUE(RecognizeTag("a<TAB>", 1));
  EXPECT_FALSE(RecognizeTag("<TAB>", 5));
  EXPECT_FALSE(RecognizeTag("", 0));
}

TEST(TagRecognizerTest, FixedWidthTagNeedsItsCloseWhereTheWidthPutsIt) {
  EXPECT_FALSE(Recognize("<DELAY:1>"));
  EXPECT_FALSE(Recognize("<DELAY:000001>"));
  EXPECT_FALSE(Recognize("<MSD:12345>"));
  EXPECT_FALSE(Recognize("<REPEAT:3>ab<ENDREP>"));
  EXPECT_FALSE(Recognize("<SPKEY:100>"));
  EXPECT_FALSE(Recognize("<WFW:03>"));
  EXPECT_FALSE(Recognize("<MMS:1,2>"));
  EXPECT_FALSE(Recognize("<ALT:65>"));
  EXPECT_FALSE(Recognize("<ALT4:065>"));
  // The scan goes on after the literal "<": the next tag is found where it stands.
  const std::string_view text = "<DELAY:5><TAB>";
  EXPECT_FALSE(RecognizeTag(text, 0));
  EXPECT_EQ(RecognizeTag(text, 9)->vk, 9);

  const auto delay = Recognize("<DELAY:00001>x");
  ASSERT_TRUE(delay);
  EXPECT_EQ(delay->kind, TagKind::Delay);
  EXPECT_DOUBLE_EQ(delay->x, 1.0);
  EXPECT_EQ(delay->length, 13u);
  EXPECT_DOUBLE_EQ(Recognize("<DELAY:01.50>")->x, 1.5);
  EXPECT_EQ(Recognize("<MSD:0250>")->a, 250);
  EXPECT_EQ(Recognize("<MSD:0250>")->length, 10u);
  EXPECT_EQ(Recognize("<SPKEY:0100>")->a, 100);
  EXPECT_EQ(Recognize("<SPMSE:0000>")->kind, TagKind::SpMse);
  EXPECT_EQ(Recognize("<SPMSE:0000>")->length, 12u);
}

TEST(TagRecognizerTest, SpeedReportsWhetherTheWholeFieldConverted) {
  const auto half = Recognize("<SPEED:00.50>");
  ASSERT_TRUE(half);
  EXPECT_TRUE(half->converted);
  EXPECT_DOUBLE_EQ(half->x, 0.5);
  const auto bad = Recognize("<SPEED:0x.y0>");
  ASSERT_TRUE(bad);
  EXPECT_EQ(bad->kind, TagKind::Speed);
  EXPECT_FALSE(bad->converted);
  EXPECT_DOUBLE_EQ(bad->x, 0.0);
  EXPECT_TRUE(Recognize("<SPEED:00000>")->converted);
}

TEST(TagRecognizerTest, RepeatCountAndWheelDirection) {
  EXPECT_EQ(Recognize("<REPEAT:0003>ab<ENDREP>")->a, 3);
  EXPECT_EQ(Recognize("<REPEAT:0003>ab<ENDREP>")->length, 13u);
  EXPECT_EQ(Recognize("<REPEAT:9999>")->a, 9999);
  // A negative count would wrap to 65535 passes as a 16-bit count; it plays once instead.
  EXPECT_EQ(Recognize("<REPEAT:-001>")->a, 0);
  EXPECT_EQ(Recognize("<REPEAT:abcd>")->a, 0);
  EXPECT_EQ(Recognize("<WFW:012>")->a, 12);
  EXPECT_EQ(Recognize("<WBW:003>")->a, -3);
  EXPECT_EQ(Recognize("<WBW:003>")->kind, TagKind::Wheel);
}

TEST(TagRecognizerTest, MouseMovesReadTwoRealFieldsAnySeparator) {
  const auto screen = Recognize("<MMS:00512,00384>");
  ASSERT_TRUE(screen);
  EXPECT_EQ(screen->kind, TagKind::MoveScreen);
  EXPECT_DOUBLE_EQ(screen->x, 512);
  EXPECT_DOUBLE_EQ(screen->y, 384);
  EXPECT_EQ(screen->length, 17u);
  const auto window = Recognize("<MMW:010.5;-0002>");
  ASSERT_TRUE(window);
  EXPECT_EQ(window->kind, TagKind::MoveWindow);
  EXPECT_DOUBLE_EQ(window->x, 10.5);
  EXPECT_DOUBLE_EQ(window->y, -2);
}

TEST(TagRecognizerTest, AltCodesKeepTheirDigitFieldAsWritten) {
  const auto three = Recognize("<ALT:065>");
  ASSERT_TRUE(three);
  EXPECT_EQ(three->kind, TagKind::AltCode);
  EXPECT_EQ(three->text, "065");
  EXPECT_EQ(three->length, 9u);
  const auto four = Recognize("<ALT4:0169>");
  ASSERT_TRUE(four);
  EXPECT_EQ(four->text, "0169");
  EXPECT_EQ(four->length, 11u);
}

TEST(TagRecognizerTest, PauseAtReadsItsFieldsWithoutCheckingSeparators) {
  const auto pause = Recognize("<PAUSE:050,100Please insert the disk>next");
  ASSERT_TRUE(pause);
  EXPECT_EQ(pause->kind, TagKind::PauseAt);
  EXPECT_EQ(pause->a, 50);
  EXPECT_EQ(pause->b, 100);
  EXPECT_EQ(pause->text, "Please insert the disk");
  EXPECT_EQ(pause->length, 37u);
  const auto empty = Recognize("<PAUSE:010x020>");
  ASSERT_TRUE(empty);
  EXPECT_EQ(empty->b, 20);
  EXPECT_TRUE(empty->text.empty());
  EXPECT_EQ(empty->length, 15u);
  // Fields complete, no close: the message runs to the end of the text.
  EXPECT_EQ(Recognize("<PAUSE:010,020Wait")->text, "Wait");
  EXPECT_FALSE(Recognize("<PAUSE:010,02"));
}

TEST(TagRecognizerTest, WindowTagsGiveActionTargetAndFields) {
  const auto size = Recognize("<WSIZE:0640,0480\"CURRENT\">");
  ASSERT_TRUE(size);
  EXPECT_EQ(size->kind, TagKind::Window);
  EXPECT_EQ(size->window, WindowAction::Size);
  EXPECT_EQ(size->a, 640);
  EXPECT_EQ(size->b, 480);
  EXPECT_EQ(size->text, "\"CURRENT\"");
  EXPECT_EQ(size->length, 26u);
  const auto pos = Recognize("<WPOS:0010x0020Notepad>");
  ASSERT_TRUE(pos);
  EXPECT_EQ(pos->window, WindowAction::Pos);
  EXPECT_EQ(pos->a, 10);
  EXPECT_EQ(pos->b, 20);
  EXPECT_EQ(pos->text, "Notepad");
  EXPECT_FALSE(Recognize("<WPOS:0010,002"));
  EXPECT_EQ(Recognize("<WMAX:Notepad>")->window, WindowAction::Max);
  EXPECT_EQ(Recognize("<WRES:x>")->window, WindowAction::Restore);
  EXPECT_EQ(Recognize("<WCLS:x>")->window, WindowAction::Close);
  EXPECT_EQ(Recognize("<WSHUT:x>")->window, WindowAction::Shut);
  EXPECT_TRUE(Recognize("<WHIDE:>")->text.empty());
}

TEST(TagRecognizerTest, VariableArgumentRunsToTheFirstCloseOrTheEnd) {
  const auto rem = Recognize("<REM:a>b>");
  ASSERT_TRUE(rem);
  EXPECT_EQ(rem->kind, TagKind::Nothing);
  EXPECT_EQ(rem->text, "a");
  EXPECT_EQ(rem->length, 7u);
  const auto open = Recognize("<CHDIR:c:\\work");
  ASSERT_TRUE(open);
  EXPECT_EQ(open->kind, TagKind::ChDir);
  EXPECT_EQ(open->text, "c:\\work");
  EXPECT_EQ(open->length, 14u);
  EXPECT_EQ(Recognize("<HTTP:http://www.example.com>")->text, "http://www.example.com");
  EXPECT_EQ(Recognize("<WAV1:a.wav>")->flag, true);
  EXPECT_EQ(Recognize("<WAV2:a.wav>")->flag, false);
  EXPECT_EQ(Recognize("<ACTIVATE:Untitled>")->text, "Untitled");
}

TEST(TagRecognizerTest, ArgumentIsCutTo255CharactersButTheTagEndsAtItsClose) {
  const std::string longPath(300, 'x');
  const std::string text = "<TFILE:" + longPath + ">rest";
  const auto tag = Recognize(text);
  ASSERT_TRUE(tag);
  EXPECT_EQ(tag->text.size(), kMaxArgument);
  EXPECT_EQ(tag->length, 7u + 300u + 1u);
  const std::string exact = "<SWAP:" + std::string(255, 'y') + ">";
  EXPECT_EQ(Recognize(exact)->text.size(), 255u);
}

TEST(TagRecognizerTest, PairSplitsAtTheSemicolonBeforeTheClose) {
  const auto copy = Recognize("<COPYFILE:a.txt;b.txt>");
  ASSERT_TRUE(copy);
  EXPECT_EQ(copy->kind, TagKind::CopyFile);
  EXPECT_EQ(copy->text, "a.txt");
  EXPECT_EQ(copy->text2, "b.txt");
  const auto single = Recognize("<RENFILE:old.txt>x;y>");
  ASSERT_TRUE(single);
  EXPECT_EQ(single->text, "old.txt");
  EXPECT_TRUE(single->text2.empty());
  EXPECT_EQ(single->length, 17u);
  const auto open = Recognize("<RENFILE:a;b");
  ASSERT_TRUE(open);
  EXPECT_EQ(open->text2, "b");
  EXPECT_EQ(open->length, 12u);
}

TEST(TagRecognizerTest, LaunchSplitsProgramAndParametersAtParam) {
  const auto withParam = Recognize("<LAUNCH:notepad.exe<PARAM>c:\\a.txt>more");
  ASSERT_TRUE(withParam);
  EXPECT_EQ(withParam->kind, TagKind::Launch);
  EXPECT_EQ(withParam->text2, "notepad.exe");
  EXPECT_EQ(withParam->text3, "c:\\a.txt");
  EXPECT_EQ(withParam->length, 35u);
  const auto plain = Recognize("<LAUNCH:calc.exe>");
  EXPECT_EQ(plain->text2, "calc.exe");
  EXPECT_TRUE(plain->text3.empty());
  EXPECT_EQ(plain->length, 17u);
  // "<PARAM" without its ">" still extends the reading to the next ">".
  const auto unsplit = Recognize("<LAUNCH:a<PARAMb>c>d");
  EXPECT_EQ(unsplit->text2, "a<PARAMb>c");
  EXPECT_EQ(unsplit->length, 19u);
  const auto trailing = Recognize("<LAUNCH:a<PARAM>");
  EXPECT_EQ(trailing->text2, "a");
  EXPECT_TRUE(trailing->text3.empty());
  EXPECT_EQ(trailing->length, 16u);
}

TEST(TagRecognizerTest, LaunchWaitReadsSecondsTitleAndSkipsEightCharacters) {
  const std::string_view text = "<LAUNCHNO:05Untitled - Notepad<LAUNCH:notepad.exe>";
  const auto no = Recognize(text);
  ASSERT_TRUE(no);
  EXPECT_EQ(no->kind, TagKind::LaunchNo);
  EXPECT_EQ(no->a, 5);
  EXPECT_EQ(no->text, "Untitled - Notepad");
  EXPECT_EQ(no->text2, "notepad.exe");
  EXPECT_EQ(no->length, text.size());
  const auto yes = Recognize("<LAUNCHYES:12App<LAUNCH:app.exe<PARAM>/x>");
  ASSERT_TRUE(yes);
  EXPECT_EQ(yes->kind, TagKind::LaunchYes);
  EXPECT_EQ(yes->a, 12);
  EXPECT_EQ(yes->text, "App");
  EXPECT_EQ(yes->text2, "app.exe");
  EXPECT_EQ(yes->text3, "/x");
  // The eight characters after the title are skipped whatever they are.
  EXPECT_EQ(Recognize("<LAUNCHNO:10T<XXXXXXXprog>")->text2, "prog");
  // A text that ends inside the title or the skipped characters gives an empty program.
  const auto cut = Recognize("<LAUNCHNO:05Title<LAU");
  ASSERT_TRUE(cut);
  EXPECT_EQ(cut->text, "Title");
  EXPECT_TRUE(cut->text2.empty());
  EXPECT_EQ(cut->length, 21u);
  EXPECT_FALSE(Recognize("<LAUNCHNO:0"));
}

TEST(TagRecognizerTest, DateTagsShortAndLongForm) {
  const auto ymd = Recognize("<MM/DD/YY{Y}>x");
  ASSERT_TRUE(ymd);
  EXPECT_EQ(ymd->kind, TagKind::Date);
  EXPECT_EQ(ymd->a, 1);
  EXPECT_TRUE(ymd->flag);
  EXPECT_EQ(ymd->b, 0);
  EXPECT_EQ(ymd->length, 13u);
  const auto future = Recognize("<DD Mmm YYYY{NF007}>");
  ASSERT_TRUE(future);
  EXPECT_EQ(future->a, 24);
  EXPECT_FALSE(future->flag);
  EXPECT_EQ(future->b, 7);
  EXPECT_EQ(future->length, 20u);
  EXPECT_EQ(Recognize("<YYYY-MM-DD{YP001}>")->b, -1);
  EXPECT_EQ(Recognize("<Day of Week 3{N}>")->a, 50);
  EXPECT_EQ(Recognize("<Mmm DD, YY{N}>")->a, 28);
  // Only "Y" means zeros and only "P" means past; the long form's "}>" is not looked at.
  EXPECT_FALSE(Recognize("<MM{y}>")->flag);
  EXPECT_EQ(Recognize("<DD{NX005}>")->b, 5);
  const auto unchecked = Recognize("<DD{YP010xxrest");
  ASSERT_TRUE(unchecked);
  EXPECT_EQ(unchecked->a, 41);
  EXPECT_EQ(unchecked->b, -10);
  EXPECT_EQ(unchecked->length, 11u);
  EXPECT_FALSE(Recognize("<MM/DD/YY{Y}"));
  EXPECT_FALSE(Recognize("<MM/DD/YY{YP00"));
  EXPECT_FALSE(Recognize("<MM/DD/YY>"));
}

TEST(TagRecognizerTest, TimeTagsNeedTheCompleteEnding) {
  const auto plain = Recognize("<hh:mm am{N}>");
  ASSERT_TRUE(plain);
  EXPECT_EQ(plain->kind, TagKind::Time);
  EXPECT_EQ(plain->a, 12);
  EXPECT_FALSE(plain->flag);
  EXPECT_EQ(plain->length, 13u);
  const auto zeros = Recognize("<hh{Y}>");
  ASSERT_TRUE(zeros);
  EXPECT_EQ(zeros->a, 9);
  EXPECT_TRUE(zeros->flag);
  EXPECT_EQ(Recognize("<hh:mma{N}>")->a, 24);
  EXPECT_EQ(Recognize("<hh,mm,ss AM{Y}>")->a, 23);
  EXPECT_FALSE(Recognize("<hh:mm{X}>"));
  EXPECT_FALSE(Recognize("<hh:mm{N}"));
  EXPECT_FALSE(Recognize("<hh:mm{NF001}>"));
}

// Every tag cut short at every length must be read only inside the cut text. The copy lives in an
// allocation of exactly its size so that AddressSanitizer reports any read past it.
TEST(TagRecognizerTest, EveryPrefixOfEveryTagStaysInsideTheText) {
  const std::string_view tags[] = {
      "<TAB>",
      "<PAUSE:050,100Please insert the disk>",
      "<PAUSE>",
      "<DELAY:01.50>",
      "<SPEED:00.50>",
      "<MSD:0100>",
      "<REM:comment>",
      "<WSHUT:\"CURRENT\">",
      "<WSIZE:0640,0480\"CURRENT\">",
      "<WPOS:0010,0020Notepad>",
      "<ALT:065>",
      "<ALT4:0169>",
      "<IIII>",
      "<CLIPF:c:\\a.txt>",
      "<REPEAT:0003>",
      "<SPKEY:0100>",
      "<SPMSE:0100>",
      "<HTTP:http://x>",
      "<WFW:003>",
      "<WBW:003>",
      "<MMS:00512,00384>",
      "<MMW:00512,00384>",
      "<F24>",
      "<WAV1:a.wav>",
      "<COPYFILE:a;b>",
      "<RENFILE:a;b>",
      "<ACTIVATE:x>",
      "<LAUNCH:notepad.exe<PARAM>c:\\a.txt>",
      "<LAUNCHNO:05Untitled - Notepad<LAUNCH:notepad.exe<PARAM>a.txt>",
      "<LAUNCHYES:05Untitled - Notepad<LAUNCH:notepad.exe>",
      "<KEYP+>",
      "<WRES:x>",
      "<MM/DD/YY{Y}>",
      "<DD Mmm YYYY{NF007}>",
      "<Day of Week 4{YP365}>",
      "<hh:mm:ss AM{Y}>",
      "<hh,mma{N}>",
  };
  for (const std::string_view whole : tags) {
    ASSERT_TRUE(Recognize(whole)) << whole;
    for (std::size_t size = 1; size <= whole.size(); ++size) {
      SCOPED_TRACE(std::string(whole.substr(0, size)));
      const auto buffer = std::make_unique<char[]>(size);
      std::copy_n(whole.data(), size, buffer.get());
      const std::string_view text(buffer.get(), size);
      const auto tag = RecognizeTag(text, 0);
      if (!tag) continue;
      EXPECT_GT(tag->length, 0u);
      EXPECT_LE(tag->length, size);
      for (const std::string_view arg : {tag->text, tag->text2, tag->text3}) {
        if (arg.empty()) continue;
        EXPECT_GE(arg.data(), text.data());
        EXPECT_LE(arg.data() + arg.size(), text.data() + text.size());
      }
    }
  }
}

TEST(ConvertFieldTest, WellFormedNumbers) {
  struct Case {
    std::string_view field;
    bool real;
    double value;
  };
  const Case cases[] = {
      {"0005", false, 5},    {"  12", false, 12},  {"-003", false, -3},   {"+7", false, 7},
      {"00000", false, 0},   {"01.50", true, 1.5}, {"00.25", true, 0.25}, {"00002", true, 2},
      {" -1.5", true, -1.5}, {".5", true, 0.5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.field);
    const FieldValue result = ConvertField(c.field, c.real);
    EXPECT_TRUE(result.ok);
    EXPECT_DOUBLE_EQ(result.value, c.value);
  }
}

TEST(ConvertFieldTest, MalformedFieldsFailAndReadAsZero) {
  struct Case {
    std::string_view field;
    bool real;
  };
  const Case cases[] = {
      {"", false},     {"   ", false},   {"-", false},  {"+", true},     {"1 ", false},
      {"0x.y0", true}, {"01.50", false}, {"1.", true},  {"1.2.3", true}, {"12a", false},
      {"- 1", false},  {"\t1", false},   {"1e3", true}, {"--1", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.field);
    const FieldValue result = ConvertField(c.field, c.real);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.value, 0.0);
  }
}

TEST(ConvertFieldTest, VeryLongFractionStaysFinite) {
  const std::string field = "1." + std::string(400, '9');
  const FieldValue result = ConvertField(field, true);
  EXPECT_TRUE(result.ok);
  EXPECT_NEAR(result.value, 2.0, 1e-9);
}

}  // namespace
}  // namespace quindle::engine
