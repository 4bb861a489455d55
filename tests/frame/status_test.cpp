#include <string>

#include "tests/common.h"

namespace {

TEST(StatusString, KnownAndUnknownCodes) {
    struct Case { ZorStatus code; const char* text; };
    const Case cases[] = {
        {0, "No error, it's OK"},
        {zorStsNullPtrErr, "Null pointer error"},
        {zorStsSizeErr, "Wrong value of data size"},
        {zorStsContextMatchErr, "Context parameter doesn't match the operation"},
        {zorStsDivByZero, "Zero value(s) of the divisor in the function Div"},
        {28, "4th vertex of destination quad is not equal to customer's one"},
        {-178, "ECC: Bad ephemeral key"},
        {-9998, "The target cpu is not supported"},
        {-9999, "The requested mode is currently not supported"},
        {-1, "Unknown Status Code"},
        {-3, "Unknown Status Code"},
        {29, "Unknown Status Code"},
        {-68, "Unknown Status Code"},
        {-84, "Unknown Status Code"},
        {-89, "Unknown Status Code"},
        {-165, "Unknown Status Code"},
        {-179, "Unknown Status Code"},
        {-9997, "Unknown Status Code"},
        {-10000, "Unknown Status Code"},
        {INT32_MIN, "Unknown Status Code"},
        {INT32_MAX, "Unknown Status Code"},
    };
    for (const Case& c : cases) EXPECT_STREQ(zorGetStatusString(c.code), c.text) << "code " << c.code;
}

TEST(StatusString, RepeatedMessagesKeepTheirOwnCodes) {
    for (auto [a, b] : {std::pair{-73, -99}, std::pair{-74, -100}, std::pair{-75, -101}}) {
        EXPECT_STREQ(zorGetStatusString(a), zorGetStatusString(b));
        EXPECT_STRNE(zorGetStatusString(a), "Unknown Status Code");
    }
}

TEST(StatusString, ExactlyTheTableIsKnown) {
    // 199 codes: 0..28, -2, -4..-67, -69..-83, -90..-164, -166..-178, -9998, -9999.
    int known = 0;
    for (int code = -10000; code <= 1000; ++code) {
        const char* s = zorGetStatusString(code);
        ASSERT_NE(s, nullptr);
        const bool in_table = (code >= 0 && code <= 28) || code == -2 || (code <= -4 && code >= -67) ||
                              (code <= -69 && code >= -83) || (code <= -90 && code >= -164) ||
                              (code <= -166 && code >= -178) || code == -9998 || code == -9999;
        EXPECT_EQ(std::string(s) != "Unknown Status Code", in_table) << "code " << code;
        known += in_table;
    }
    EXPECT_EQ(known, 199);
}

}  // namespace
