// UTF-8 conversion never fails and keeps every valid character.
#include <gtest/gtest.h>

#include "services/text_convert.h"

namespace orv {
namespace {

TEST(TextConvert, KeepsTextInSeveralScripts) {
    EXPECT_EQ(WidenUtf8(reinterpret_cast<const char*>(u8"Caf\u00e9 \u0424\u043e\u0442\u043e \u4e2d\u6587 \U0001F600")),
              L"Caf\u00e9 \u0424\u043e\u0442\u043e \u4e2d\u6587 \U0001F600");
}

TEST(TextConvert, MalformedBytesBecomeReplacementCharacters) {
    EXPECT_EQ(WidenUtf8("a\xff" "b"), L"a\ufffd" L"b");
    EXPECT_EQ(WidenUtf8("\xe2\x82"), L"\ufffd\ufffd");       // cut short
    EXPECT_EQ(WidenUtf8("\xc0\xaf"), L"\ufffd\ufffd");       // over-long
    EXPECT_EQ(WidenUtf8("\xed\xa0\x80"), L"\ufffd\ufffd\ufffd");  // surrogate
}

}  // namespace
}  // namespace orv
