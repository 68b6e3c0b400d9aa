// Splits many random argument texts with random rules and checks what must hold for any input.
#include "TokenListTestSupport.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

constexpr char16_t kAlphabet[] = u"ab ,,\"\"''()[]{}\r\n\t/=\\x\u00e9\u65e5\xd83d\xdd25";

std::u16string RandomText(std::mt19937& rng, std::size_t length) {
    std::uniform_int_distribution<std::size_t> pick(0, std::size(kAlphabet) - 2);
    std::u16string text;
    text.reserve(length);
    for (std::size_t i = 0; i < length; ++i)
        text.push_back(kAlphabet[pick(rng)]);
    return text;
}

CKWTokenList RandomSplit(std::mt19937& rng, const std::u16string& text) {
    const char16_t separators[] = {u',', u' ', u'\n', u'='};
    const char16_t sep = separators[rng() % std::size(separators)];
    if (rng() % 2)
        return CKWTokenList(text.c_str(), int(rng() % 6), sep);
    return CKWTokenList(text.c_str(), sep, rng() % 2, rng() % 2, rng() % 2);
}

void CheckInvariants(std::mt19937& rng, const std::u16string& text) {
    const CKWTokenList tokens = RandomSplit(rng, text);
    ASSERT_EQ(tokens.Count() == 0, text.empty());
    const auto inOrder = TokensOf(tokens);
    std::size_t total = 0;
    for (const auto& token : inOrder)
        total += token.size();
    EXPECT_LE(total, text.size());

    // Random access, including beyond both ends, agrees with reading in order.
    std::uniform_int_distribution<int> index(-3, tokens.Count() + 3);
    for (int k = 0; k < 64; ++k) {
        const int i = index(rng);
        const char16_t* token = tokens.GetToken(i);
        ASSERT_NE(token, nullptr);
        const std::u16string want = i >= 0 && i < tokens.Count() ? inOrder[std::size_t(i)] : u"";
        ASSERT_EQ(token, want) << "token " << i << " of " << tokens.Count();
    }
    tokens.FindToken(u"a");
    tokens.FindPrefix(u"/", -1, 1 << 20);
    tokens.GetOptionInt(u"/", 0);
    tokens.GetOptionValueAfter(u"a", u'=');
}

TEST(TokenListFuzz, RandomTextsKeepTheInvariants) {
    const unsigned seed = std::random_device{}();
    SCOPED_TRACE(testing::Message() << "seed " << seed);
    std::mt19937 rng(seed);
    std::uniform_int_distribution<std::size_t> length(0, 300);
    for (int round = 0; round < 3000; ++round) {
        CheckInvariants(rng, RandomText(rng, length(rng)));
        if (HasFatalFailure())
            return;
    }
    for (const std::size_t longLength : {std::size_t(1) << 16, std::size_t(1) << 20})
        CheckInvariants(rng, RandomText(rng, longLength));
}

} // namespace
