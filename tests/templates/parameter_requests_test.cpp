#include "templates/parameter_requests.h"

#include <gtest/gtest.h>

#include "fake_variables.h"

namespace templates {
namespace {

std::string Fill(const char* text, std::vector<std::string> answers, CaretPlace* caret = nullptr) {
    FakeVariables source;
    const Expansion expansion = ExpandTemplate(text, source);
    MergedRequests merged = MergeRequests(expansion.asks);
    for (std::size_t i = 0; i < answers.size() && i < merged.requests.size(); ++i)
        merged.requests[i].value = answers[i];
    const FilledText filled = InsertAnswers(expansion, merged);
    if (caret != nullptr)
        *caret = PlaceCaret(filled.text, filled.caretOffset, {10, 5});
    return filled.text;
}

TEST(ParameterRequestsTest, MergesSamePromptsKeepingTheFirstDefault) {
    FakeVariables source;
    const Expansion e =
        ExpandTemplate("$(ask(A)/1)-$(ask(B))-$(ask(A)/2)-$(ask(a))-$(ask(A))", source);
    const MergedRequests merged = MergeRequests(e.asks);
    ASSERT_EQ(merged.requests.size(), 3u);
    EXPECT_EQ(merged.requests[0].prompt, "A");
    EXPECT_EQ(merged.requests[0].value, "1");
    EXPECT_EQ(merged.requests[0].positions, (std::vector<std::size_t>{4, 2, 0}));
    EXPECT_EQ(merged.requests[2].prompt, "a");
    EXPECT_EQ(merged.requestOfAsk, (std::vector<std::size_t>{0, 1, 0, 2, 0}));
}

TEST(ParameterRequestsTest, InsertsAnswersWhereTheirAsksStood) {
    const struct {
        const char* text;
        std::vector<std::string> answers;
        const char* expected;
    } rows[] = {
        {"for ($(ask(I)/i) < $(ask(N)); ++$(ask(I)))", {"k", "10"}, "for (k < 10; ++k)"},
        {"<$(ask(First))$(ask(Second))$(ask(First))>", {"1", "2"}, "<121>"},
        {"$(ask(X))", {""}, ""},
        {"$(toupper($(ask(X)) y))!", {"ab"}, "ab Y!"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(Fill(row.text, row.answers), row.expected) << row.text;
}

TEST(ParameterRequestsTest, CaretFollowsTheAnswersBeforeIt) {
    const struct {
        const char* text;
        CaretPlace caret;
    } rows[] = {
        {"ab$(cursor)", {10, 7}},
        {"{\r\n$(cursor)\r\n}", {11, 1}},
        {"$(ask(N))$(cursor)$(ask(N))", {10, 8}},
        {"x\r\n\t$(ask(N))\t$(cursor)", {11, 9}},
    };
    for (const auto& row : rows) {
        CaretPlace caret;
        Fill(row.text, {"abc"}, &caret);
        EXPECT_EQ(caret.line, row.caret.line) << row.text;
        EXPECT_EQ(caret.column, row.caret.column) << row.text;
    }
}

}  // namespace
}  // namespace templates
