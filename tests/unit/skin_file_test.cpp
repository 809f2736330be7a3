// Reading skin files, good and broken.
#include <gtest/gtest.h>

#include "ports/failure.h"
#include "services/skin_file.h"

namespace orv {
namespace {

const std::wstring kFile = L"C:\\Orvendale\\x\\o.cjs";

std::wstring ProblemWith(std::string_view bytes) {
    try {
        ParseSkin(bytes, kFile);
    } catch (const Failure& failure) {
        return failure.description();
    }
    return L"(accepted)";
}

TEST(SkinFile, ReadsEveryKeyWithCommentsBlanksAndAByteOrderMark) {
    const auto skin = ParseSkin(
        "\xEF\xBB\xBF# comment\r\n\r\n  window.background = #102030\r\nbutton.face=#ffffff\n"
        "button.text = #000000\nbutton.hot = #111111\nbutton.pressed = #222222\nbutton.border = #333333\n"
        "button.focus = #444444\nlist.background = #555555\nlist.text = #666666\n   # indented comment\n"
        "list.header = #AbCdEf",
        kFile);
    EXPECT_EQ(skin.windowBackground, Colour::Rgb(0x10, 0x20, 0x30));
    EXPECT_EQ(skin.buttonFace, kWhite);
    EXPECT_EQ(skin.listHeader, Colour::Rgb(0xAB, 0xCD, 0xEF));
    EXPECT_TRUE(skin.buttonFocus.has_value());
}

TEST(SkinFile, EmptyFileLeavesEveryPartAsDesigned) {
    const auto skin = ParseSkin("", kFile);
    EXPECT_FALSE(skin.windowBackground.has_value());
    EXPECT_FALSE(skin.listText.has_value());
}

TEST(SkinFile, BrokenFilesNameTheFileTheLineAndTheProblem) {
    EXPECT_EQ(ProblemWith("window.background = #102030\ncolour.sky = #000000\n"),
              L"The skin file \"C:\\Orvendale\\x\\o.cjs\", line 2: unknown key \"colour.sky\"");
    EXPECT_EQ(ProblemWith("button.face = red"),
              L"The skin file \"C:\\Orvendale\\x\\o.cjs\", line 1: \"red\" is not a colour of the form #RRGGBB");
    EXPECT_EQ(ProblemWith("\n\nbutton.face #FFFFFF"),
              L"The skin file \"C:\\Orvendale\\x\\o.cjs\", line 3: expected \"key = value\"");
    EXPECT_EQ(ProblemWith("list.text = #000000\nlist.text = #FFFFFF"),
              L"The skin file \"C:\\Orvendale\\x\\o.cjs\", line 2: \"list.text\" is set twice");
    EXPECT_NE(ProblemWith("button.face = #12345").find(L"line 1"), std::wstring::npos);
    EXPECT_NE(ProblemWith("button.face = #12345G").find(L"line 1"), std::wstring::npos);
    EXPECT_NE(ProblemWith("button.face = #1234567").find(L"line 1"), std::wstring::npos);
}

TEST(SkinFile, FilesThatAreNotTextOrTooLargeAreRefused) {
    EXPECT_EQ(ProblemWith(std::string_view("MZ\x90\0\x03", 5)),
              L"The skin file \"C:\\Orvendale\\x\\o.cjs\": the file is not UTF-8 text");
    EXPECT_EQ(ProblemWith("button.face = #FFFFFF # \xff\xfe"),
              L"The skin file \"C:\\Orvendale\\x\\o.cjs\": the file is not UTF-8 text");
    const std::string large(kMaxSkinFileBytes + 1, '#');
    EXPECT_EQ(ProblemWith(large), L"The skin file \"C:\\Orvendale\\x\\o.cjs\": the file is larger than 64 KiB");
    const std::string justFits(kMaxSkinFileBytes, '#');
    EXPECT_EQ(ProblemWith(justFits), L"(accepted)");
}

}  // namespace
}  // namespace orv
