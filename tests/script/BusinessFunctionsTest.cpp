// Worked examples of the business functions, each checked by hand against a decimal calculation:
// the lines they put on the tape under the option, the tax rate and the rounding direction in
// force.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "KeyCommand.h"
#include "RandomKeys.h"
#include "ScriptRunner.h"
#include "ScriptSession.h"

namespace reckora::script {
namespace {

using Lines = std::vector<std::pair<std::string, std::int64_t>>;

struct Example {
    const char* what;
    int option;
    double taxRate;
    const char* keys;  // the key scripts' words and digits
    const char* tape;  // each line as its text, a colon and its code
};

// Marks by their line codes: + 2, - 1, result -2, subtotal 11, non-add 12, tax 13, T+ 14, T- 15,
// after tax 16, cost 17, sell 18, margin 19, margin amount 20, total 100 + items, grand total
// -100 - totals.
const Example Examples[] = {
    {"three columns and their grand total", 6, 0,
     "1 2 point 5 add 7 point 2 5 add total 1 0 0 add 2 0 0 sub total 3 add 4 add 5 add total "
     "grandtotal",
     "12.5:2 7.25:2 19.75:102 100:2 200:1 -100:102 3:2 4:2 5:2 12:103 -68.25:-103"},
    {"a subtotal in the middle of a column", 6, 0, "1 0 add 2 0 add subtotal 5 add total",
     "10:2 20:2 30:11 5:2 35:103"},
    {"a non-add number inside a column", 2, 0, "1 0 add 4 7 1 1 nonadd 5 add total",
     "10.00:2 4711:12 5.00:2 15.00:102"},
    {"tax+ at 19 %, integer", 0, 19, "1 2 3 point 4 5 taxplus", "123:14 23:13 146:16"},
    {"tax+ at 19 %, one decimal (a half to the even digit)", 1, 19, "1 2 3 point 4 5 taxplus",
     "123.4:14 23.4:13 146.8:16"},
    {"tax+ at 19 %, two decimals", 2, 19, "1 2 3 point 4 5 taxplus",
     "123.45:14 23.46:13 146.91:16"},
    {"tax+ at 19 %, three decimals", 3, 19, "1 2 3 point 4 5 taxplus",
     "123.450:14 23.456:13 146.906:16"},
    {"tax+ at 19 %, four decimals", 4, 19, "1 2 3 point 4 5 taxplus",
     "123.4500:14 23.4555:13 146.9055:16"},
    {"tax+ at 19 %, hundredths typed", 5, 19, "1 2 3 4 5 taxplus", "123.45:14 23.46:13 146.91:16"},
    {"tax+ at 19 %, floating point", 6, 19, "1 2 3 point 4 5 taxplus",
     "123.45:14 23.4555:13 146.9055:16"},
    {"tax- at 19 %, two decimals", 2, 19, "1 4 6 point 9 1 taxminus",
     "146.91:15 23.46:13 123.45:16"},
    {"tax+ at 7.7 %, two decimals", 2, 7.7, "1 2 3 point 4 5 taxplus",
     "123.45:14 9.51:13 132.96:16"},
    {"tax- at 7.7 %, integer", 0, 7.7, "1 3 2 point 9 6 taxminus", "133:15 10:13 123:16"},
    {"tax- at 7.7 %, one decimal", 1, 7.7, "1 3 2 point 9 6 taxminus", "133.0:15 9.5:13 123.5:16"},
    {"tax- at 7.7 %, two decimals", 2, 7.7, "1 3 2 point 9 6 taxminus",
     "132.96:15 9.51:13 123.45:16"},
    {"tax- at 7.7 %, three decimals", 3, 7.7, "1 3 2 point 9 6 taxminus",
     "132.960:15 9.506:13 123.454:16"},
    {"tax- at 7.7 %, four decimals", 4, 7.7, "1 3 2 point 9 6 taxminus",
     "132.9600:15 9.5060:13 123.4540:16"},
    {"tax- at 7.7 %, hundredths typed", 5, 7.7, "1 3 2 9 6 taxminus",
     "132.96:15 9.51:13 123.45:16"},
    {"tax on the total shown, not typed", 2, 19, "4 0 add 6 0 add total taxplus",
     "40.00:2 60.00:2 100.00:102 100.00:14 19.00:13 119.00:16"},
    {"cost 80 with a 20 % margin sells at 100", 6, 0, "8 0 cost 2 0 margin",
     "80:17 20:19 100:18 20:20"},
    {"selling 100 on a cost of 80 is a 20 % margin", 6, 0, "8 0 cost 1 0 0 sell",
     "80:17 100:18 20:19 20:20"},
    {"selling 100 at a 20 % margin costs 80", 6, 0, "1 0 0 sell 2 0 margin",
     "100:18 20:19 80:17 20:20"},
    {"the cost stays for another margin", 2, 0, "8 0 cost 2 0 margin 2 5 margin",
     "80.00:17 20.00:19 100.00:18 20.00:20 25.00:19 106.67:18 26.67:20"},
};

Lines TapeOf(ScriptSession& session) {
    Lines lines;
    const TapeModel& tape = session.Lines();
    for (std::int32_t position = 1; position <= tape.CurrentLine(); ++position) {
        const TapeLine& line = tape.Line(position);
        lines.emplace_back(std::string(line.text.View()), TapeLineCode(line.mark, line.itemCount));
    }
    return lines;
}

void Type(ScriptSession& session, const std::string& keys) {
    std::istringstream words(keys);
    std::string word;
    while (words >> word) {
        const std::optional<Key> key = word.size() == 1 && word[0] >= '0' && word[0] <= '9'
                                           ? AnyKeyAt(word[0] - '0')
                                           : KeyWithWord(word);
        ASSERT_TRUE(key.has_value()) << word;
        PressRandomKey(session, KeyNumber(*key), true);
    }
}

Lines LinesOf(const std::string& tape) {
    Lines lines;
    std::istringstream words(tape);
    std::string word;
    while (words >> word) {
        const std::size_t colon = word.rfind(':');
        lines.emplace_back(word.substr(0, colon), std::stoll(word.substr(colon + 1)));
    }
    return lines;
}

TEST(BusinessFunctions, WorkedExamples) {
    for (const Example& example : Examples) {
        SCOPED_TRACE(example.what);
        ScriptSession session(NumberLocale{});
        session.SelectOption(*RoundingOptionAt(example.option));
        session.Core().Run(ChooseTaxRate{example.taxRate});
        Type(session, example.keys);
        EXPECT_EQ(TapeOf(session), LinesOf(example.tape));
    }
}

// Each rounding direction on halves and on negative results, under the integer option: a chain
// result rounds as the option says.
TEST(BusinessFunctions, RoundingDirectionsOnHalvesAndNegatives) {
    const char* chains =
        "5 div 2 total clearall 5 sub div 2 total clearall 2 1 div 1 0 total "
        "clearall 2 1 sub div 1 0 total clearall 2 9 div 1 0 total clearall 2 9 "
        "sub div 1 0 total";
    // 2.5, -2.5, 2.1, -2.1, 2.9, -2.9
    const std::pair<RoundingDirection, std::vector<std::string>> directions[] = {
        {RoundingDirection::Designed, {"2", "-2", "2", "-2", "3", "-3"}},
        {RoundingDirection::HalfUp, {"3", "-3", "2", "-2", "3", "-3"}},
        {RoundingDirection::Up, {"3", "-3", "3", "-3", "3", "-3"}},
        {RoundingDirection::Down, {"2", "-2", "2", "-2", "2", "-2"}},
    };
    for (const auto& [direction, results] : directions) {
        SCOPED_TRACE(std::string(NameOf(direction)));
        ScriptSession session(NumberLocale{});
        session.SelectOption(RoundingOption::Integer);
        session.Core().Run(ChooseRoundingDirection{direction});
        Type(session, chains);
        std::vector<std::string> shown;
        for (const auto& [text, code] : TapeOf(session)) {
            if (code == TapeLineCode(TapeMark::PendingResult, 0)) {
                shown.push_back(text);
            }
        }
        EXPECT_EQ(shown, results);
    }
}

}  // namespace
}  // namespace reckora::script
