#include "base/Alert.h"
#include "base/ErrorCodes.h"
#include "base/ScriptedMessageBox.h"
#include "resources/StringTable.h"

#include <gtest/gtest.h>

namespace {

class AlertTest : public testing::Test {
protected:
    void TearDown() override { setAlertArgs(); }
    ScriptedMessageBox box;
};

TEST_F(AlertTest, TheLeadingDigitPicksTheIconAndTheTextUpToTheNextPercentIsTheTitle)
{
    box.answerNext(alertAnswer::no);
    EXPECT_EQ(alert(messages::revert, alertFlags::yesNo), alertAnswer::no);
    alert(messages::writeProtected, alertFlags::ok);
    alert(messages::readFailed, alertFlags::ok);

    const auto& asked = box.requests();
    ASSERT_EQ(asked.size(), 3u);
    EXPECT_EQ(asked[0].title, "確認");
    EXPECT_EQ(asked[0].body, "この絵を最初からやり直しますか？");
    EXPECT_EQ(asked[0].flags, alertFlags::yesNo | alertFlags::iconExclamation | alertFlags::foreground);
    EXPECT_EQ(asked[1].title, "停止");
    EXPECT_EQ(asked[1].flags, alertFlags::iconInformation | alertFlags::foreground);
    EXPECT_EQ(asked[2].title, "エラー");
    EXPECT_EQ(asked[2].flags, alertFlags::iconStop | alertFlags::foreground);
    EXPECT_EQ(box.messageIds(), (std::vector<int>{152, 133, 136}));
}

TEST_F(AlertTest, TextsWithoutATitleGetTheDefaultOne)
{
    alert(strings::none, alertFlags::ok); // "なし": no leading percent sign
    alert(9999, alertFlags::ok);          // no such string
    EXPECT_EQ(box.requests()[0].title, "Alert");
    EXPECT_EQ(box.requests()[0].body, "なし");
    EXPECT_EQ(box.requests()[1].title, "Alert");
    EXPECT_EQ(box.requests()[1].body, "");
}

TEST_F(AlertTest, SubstitutionPointsExpandAndUnknownCaretsStay)
{
    setAlertArgs("a.bmp", std::nullopt, "two");
    showMessage("^0|^1|^2|^5|^|^3", "T", alertFlags::ok);
    EXPECT_EQ(box.requests()[0].body, "a.bmp||two|^5|^|");
    EXPECT_EQ(box.requests()[0].messageId, 0);
}

TEST_F(AlertTest, NoTableTextIsCutAndLongExpansionsAreCutOnACharacterBoundary)
{
    setAlertArgs("x", "/very/long/folder/name.bmp");
    alert(messages::accessDenied, alertFlags::ok); // 155 bytes before expansion
    EXPECT_EQ(box.requests()[0].body,
              "/very/long/folder/name.bmp\nこのファイルにアクセスできません。\n\nネットワークドライブのアクセス権を確認"
              "してください。");

    std::string wide;
    for (int i = 0; i < 300; ++i)
        wide += "あ";
    setAlertArgs(wide);
    showMessage("^0", "T", alertFlags::ok);
    std::string expected;
    for (int i = 0; i < 255; ++i)
        expected += "あ";
    EXPECT_EQ(box.requests()[1].body, expected);
}

struct ParseRow {
    const char* text;
    const char* title;
    const char* body;
    uint32_t icon;
};

class AlertParseTest : public testing::TestWithParam<ParseRow> {};

TEST_P(AlertParseTest, SplitsIconTitleAndBody)
{
    AlertText parsed = parseAlertText(GetParam().text);
    EXPECT_EQ(parsed.title, GetParam().title);
    EXPECT_EQ(parsed.body, GetParam().body);
    EXPECT_EQ(parsed.iconFlags, GetParam().icon);
}

INSTANTIATE_TEST_SUITE_P(Rows, AlertParseTest,
                         testing::Values(ParseRow{"%%100 done", "Alert", "%100 done", 0},
                                         ParseRow{"%1%body", "Alert", "body", alertFlags::iconExclamation},
                                         ParseRow{"%2only body", "Alert", "only body", alertFlags::iconInformation},
                                         ParseRow{"%0警告%本文%続き", "警告", "本文%続き", alertFlags::iconStop},
                                         ParseRow{"%9title%body", "9title", "body", 0},
                                         ParseRow{"plain", "Alert", "plain", 0}, ParseRow{"", "Alert", "", 0}));

struct ReportRow {
    int32_t code;
    int messageId;
    int shownId;
};

class ReportErrorTest : public AlertTest, public testing::WithParamInterface<ReportRow> {};

TEST_P(ReportErrorTest, PicksTheMessageByCodeThenByCallerThenGeneric)
{
    const ReportRow& row = GetParam();
    reportError(row.code, row.messageId, "pic.bmp");
    ASSERT_EQ(box.requests().size(), 1u);
    EXPECT_EQ(box.requests()[0].messageId, row.shownId);
    EXPECT_EQ(box.requests()[0].flags & alertFlags::buttonsMask, alertFlags::ok);
}

INSTANTIATE_TEST_SUITE_P(Rows, ReportErrorTest,
                         testing::Values(ReportRow{-1, 0, 135}, ReportRow{-2, 0, 136}, ReportRow{-3, 0, 137},
                                         ReportRow{-4, 0, 138}, ReportRow{-5, 137, 139}, ReportRow{-30008, 0, 135},
                                         ReportRow{-30019, 137, 133}, ReportRow{-30029, 0, 137},
                                         ReportRow{-30030, 0, 136}, ReportRow{-30005, 136, 134},
                                         ReportRow{-30002, 136, 136}, ReportRow{-30002, 0, 141}, ReportRow{-7, 0, 140},
                                         ReportRow{-7, 137, 137}));

TEST_F(AlertTest, ReportErrorPutsTheNumberAndNameInAndResetsTheArguments)
{
    reportError(systemError(systemFileNotFound), messages::readFailed, "pic.bmp");
    EXPECT_EQ(box.requests()[0].body, "pic.bmp\nファイルの読み込みに失敗しました。(2)");
    reportError(-7, 0, std::nullopt);
    EXPECT_EQ(box.requests()[1].body, "予期せぬ内部エラー(-7)です。");
    reportError(systemError(systemFileNotFound), 0, std::nullopt);
    EXPECT_EQ(box.requests()[2].body, "システムエラー(2)です。");
    showMessage("^0^1", "T", alertFlags::ok);
    EXPECT_EQ(box.requests()[3].body, "") << "the arguments are reset after the report";
}

TEST_F(AlertTest, QuietCodesShowNothing)
{
    reportError(errorNone, 136, "a");
    reportError(errorQuiet, 136, "a");
    EXPECT_TRUE(box.requests().empty());
}

} // namespace
