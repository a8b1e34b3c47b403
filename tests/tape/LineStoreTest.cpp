// The line store: CurrentLine's contract, what the model announces, and the compact texts. A line
// as reported is drawn in GeometryTest; lines hidden by undo and redrawn are covered by the replay
// equivalence test.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "TapeFixture.h"

namespace reckora {
namespace {

TEST_F(TapeFixture, CurrentLineOutsideTheStoreIsRefused) {
    AddLines(3);
    EXPECT_THROW(lines.SetCurrentLine(4), Failure);
    EXPECT_THROW(lines.SetCurrentLine(-1), Failure);
    EXPECT_EQ(lines.CurrentLine(), 3);
    try {
        lines.SetCurrentLine(10);
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.Kind(), FailureKind::OutOfRange);
    }
}

// Whoever keeps a copy writes again only what an announcement names: a change that names too
// little loses lines, one that changed nothing must not be announced.
TEST(TapeModel, AnnouncesWhereEachChangeBeganAndWhatWasRewrittenInPlace) {
    using Rewritten = std::optional<std::vector<std::int32_t>>;
    using Kind = TapeChangeKind;
    const auto entries = [](std::vector<std::string> texts) {
        std::vector<TapeEntry> made;
        for (const std::string& text : texts) {
            made.push_back(CodedEntry(text, 2, true));
        }
        return made;
    };
    const LineExtras rent{"rent", "", false};
    TapeModel model;
    model.LoadLines(entries({"1", "2", "3", "4"}), {{2, rent}});
    std::vector<TapeChange> heard;
    model.Listen([&heard](const TapeChange& change) { heard.push_back(change); });
    struct Step {
        const char* what;
        std::function<void()> change;
        std::optional<TapeChange> announced;
    };
    const Step steps[] = {
        {"add", [&] { model.AddLine(CodedEntry("5", 2, true)); }, {{Kind::Added, {4, {}}}}},
        {"undo", [&] { model.SetCurrentLine(3); }, {{Kind::CurrentMoved, {3, {}}}}},
        {"undo to where it is", [&] { model.SetCurrentLine(3); }, {}},
        {"correct line 3 in place",
         [&] {
             model.ReplaceLinesFrom(2, entries({"2", "30"}), {{2, rent}});
         },
         {{Kind::Replaced, {1, Rewritten{{3}}}}}},
        {"only an extra differs; one past the lines is dropped",
         [&] {
             model.ReplaceLinesFrom(2, entries({"2", "30"}), {{3, rent}, {9, rent}});
         },
         {{Kind::Replaced, {1, Rewritten{{2, 3}}}}}},
        {"a correction that adds a line",
         [&] {
             model.ReplaceLinesFrom(3, entries({"3", "4"}), {});
         },
         {{Kind::Replaced, {2, {}}}}},
        {"note", [&] { model.SetExtras(1, rent); }, {{Kind::ExtrasSet, {0, Rewritten{{1}}}}}},
        {"the same note", [&] { model.SetExtras(1, rent); }, {}},
        {"a note off the tape", [&] { model.SetExtras(9, rent); }, {}},
        {"clear", [&] { model.ClearAll(); }, {{Kind::Cleared, {0, {}}}}},
    };
    for (const Step& step : steps) {
        heard.clear();
        step.change();
        ASSERT_EQ(heard.size(), step.announced ? 1u : 0u) << step.what;
        if (step.announced) {
            EXPECT_EQ(heard[0].kind, step.announced->kind) << step.what;
            EXPECT_EQ(heard[0].lines, step.announced->lines) << step.what;
        }
    }
    EXPECT_EQ(model.StoredLines(), 0);
    EXPECT_TRUE(model.AllExtras().empty());
}

// A drawing that fails must not keep the keeper from hearing of the line; the failure still
// reaches the engine.
TEST(TapeModel, EveryListenerHearsOfAChangeAListenerFailedOn) {
    TapeModel model;
    int heard = 0;
    model.Listen([](const TapeChange&) { throw Failure(FailureKind::Overflow, "no surface"); });
    model.Listen([&heard](const TapeChange&) { ++heard; });
    EXPECT_THROW(model.AddLine(CodedEntry("1", 2, true)), Failure);
    EXPECT_EQ(heard, 1);
    EXPECT_EQ(model.CurrentLine(), 1);
}

// The changes of one command add up to what a copy must write again.
TEST(LineChanges, AddUpToTheFewerLinesKeptAndAllRewrites) {
    using Rewritten = std::optional<std::vector<std::int32_t>>;
    const LineChanges inPlace{5, Rewritten{{6, 9}}};
    EXPECT_EQ(LineChanges::None(10).Then(inPlace), inPlace);
    EXPECT_EQ(inPlace.Then({2, Rewritten{{3, 9}}}), (LineChanges{2, Rewritten{{3, 6, 9}}}));
    EXPECT_EQ(inPlace.Then({7, std::nullopt}), (LineChanges{5, std::nullopt}));
    EXPECT_EQ((LineChanges{3, std::nullopt}).Then(inPlace), (LineChanges{3, std::nullopt}));
}

TEST(TapeText, HoldsShortTextsInsideAndLongOnesOnTheHeap) {
    const std::string shortText = "-1,234,567,890,123.45";  // 21 bytes
    const std::string longText = "1\u202f234\u202f567\u202f890\u202f123,45";
    TapeText a(shortText);
    TapeText b(longText);
    EXPECT_TRUE(a.IsInline());
    EXPECT_FALSE(b.IsInline());
    EXPECT_EQ(a.View(), shortText);
    EXPECT_EQ(b.View(), longText);
    EXPECT_EQ(TapeText("").View(), "");
    EXPECT_EQ(TapeText(std::string(22, 'x')).IsInline(), true);
    EXPECT_EQ(TapeText(std::string(23, 'x')).IsInline(), false);

    TapeText copy = b;
    TapeText moved = std::move(copy);
    EXPECT_EQ(moved.View(), longText);
    EXPECT_EQ(copy.View(), "");  // NOLINT: a moved-from text is empty
    a = moved;
    EXPECT_EQ(a.View(), longText);
    const TapeText& same = a;
    a = same;
    EXPECT_EQ(a.View(), longText);
    b = TapeText(shortText);
    EXPECT_EQ(b.View(), shortText);
    EXPECT_TRUE(b.IsInline());
}

}  // namespace
}  // namespace reckora
