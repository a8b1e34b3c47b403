// A kept tape means the same under every locale: typed under one and read under another, it
// shows the same numbers in the reader's separators. Stores of the first format version, made by
// that version under a comma and under a full-stop locale, are migrated once and read right.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <set>
#include <string>

#include "../tapestore/StoreFixture.h"
#include "NumberNotation.h"
#include "RandomKeys.h"
#include "RunScript.h"
#include "ScriptSession.h"
#include "StoreMigration.h"

namespace reckora::script {
namespace {

namespace fs = std::filesystem;

const NumberLocale Period{".", ","};
const NumberLocale Comma{",", "."};
const NumberLocale French{",", "\u202F"};

class KeptFormatTest : public store::StoreFixture {
protected:
    fs::path Store() const { return folder / "tapes.sqlite"; }
};

// What a reader sees of a kept session: the visible fields and the tape saved as CSV (the tape's
// visibility is a setting, not part of the kept tape).
std::string Seen(ScriptSession& session) {
    const std::set<std::string> notKept{"sheet", "messages", "beeps", "clipboard", "tapeVisible"};
    std::string seen;
    for (const auto& [field, value] : session.Fields()) {
        if (!notKept.contains(field)) {
            seen += field + "=" + value + "\n";
        }
    }
    return seen + session.Core().KeptTapes().TapeCsv();
}

// Random sessions typed under one locale, kept, and reopened under the other read exactly as the
// same keys typed under the second; pasted numbers included (the same value in each locale's
// writing), and a correction.
TEST_F(KeptFormatTest, ASessionKeptUnderOneLocaleReadsAsTypedUnderAnother) {
    std::mt19937 random(20261207);
    std::discrete_distribution<int> pick = RandomKeys(2);
    const char* pasted[] = {"1250.5", "-3", "0.001", "1234567.25", "1e+14"};
    const std::pair<NumberLocale, NumberLocale> pairs[] = {
        {Comma, Period}, {Period, Comma}, {French, Period}, {Period, French}};
    for (int round = 0; round < 24; ++round) {
        std::vector<int> keys(40 + random() % 40);
        for (int& key : keys) {
            key = pick(random);
        }
        const std::string clip = pasted[random() % std::size(pasted)];
        const std::string correction = pasted[random() % std::size(pasted)];
        // Half the keys, a correction of the first line that takes one, the other half.
        const auto type = [&](ScriptSession& session, const NumberLocale& locale) {
            session.SetClipboard(FromNeutral(clip, locale));
            session.Core().Run(ChooseTaxRate{7.7});
            const auto half = keys.begin() + static_cast<std::ptrdiff_t>(keys.size() / 2);
            std::for_each(keys.begin(), half, [&](int key) { PressRandomKey(session, key, true); });
            for (std::int32_t line = 1; line <= session.Lines().CurrentLine(); ++line) {
                if (session.Core().TapeWork().CanCorrect(line)) {
                    session.Core().TapeWork().CorrectEntry(line, FromNeutral(correction, locale));
                    session.Tick();
                    break;
                }
            }
            std::for_each(half, keys.end(), [&](int key) { PressRandomKey(session, key, true); });
        };
        for (const auto& [writer, reader] : pairs) {
            SCOPED_TRACE("round " + std::to_string(round) + ", written with " + writer.decimalSep +
                         ", read with " + reader.decimalSep);
            fs::remove(Store());
            {
                ScriptSession written(writer, SessionOptions{.tapeStore = Store()});
                type(written, writer);
                written.End();
            }
            ScriptSession read(reader, SessionOptions{.tapeStore = Store()});
            ScriptSession typed(reader);
            type(typed, reader);
            ASSERT_EQ(Seen(read), Seen(typed));
        }
    }
}

// The same tape, kept once under each locale by the first format version: both read the same (in
// the reader's separators, as any kept tape under another locale does above), the lines can still
// be corrected and found, and the old file is kept beside the migrated one exactly as it was.
TEST_F(KeptFormatTest, VersionOneStoresMigrateOnceUnderEitherLocale) {
    const std::string expected = R"(
expect tape [["1,250",2,true],["5.5",2,true],["80.75",2,true],["20.5",1,true],["1,315.75",104,true],["9",3,true],["0",8,true],["-Error-",-1,false],["0",0,true],["4.00",4,true],["2.50",8,true],["10.00",-2,true],["15.00",6,true],["3.30",5,true]]
expect display "12.5 "
expect memory "11.7 "
expect entry "12.5"
expect option 2
expect notes {"2":"Miete März"}
expect corrections [[3,"75.25"]]
expect changed [5]
find 80.75
correct 1 2,000
expect tape [["2,000",2,true],["5.5",2,true],["80.75",2,true],["20.5",1,true],["2,065.75",104,true],["9",3,true],["0",8,true],["-Error-",-1,false],["0",0,true],["4.00",4,true],["2.50",8,true],["10.00",-2,true],["15.00",6,true],["3.30",5,true]]
expect corrections [[1,"1,250"],[3,"75.25"]]
)";
    for (const char* file : {"v1-comma.sqlite", "v1-period.sqlite"}) {
        SCOPED_TRACE(file);
        const fs::path original = fs::path(RECKORA_TEST_DATA) / "v1" / file;
        fs::remove_all(folder);
        fs::create_directories(folder);
        fs::copy_file(original, Store());
        const std::string output =
            RunScript("locale . ,\njournal " + Store().string() + expected + "dump\n");
        EXPECT_EQ(output.find("expect"), std::string::npos) << output;
        EXPECT_NE(output.find(R"({"found":[3]})"), std::string::npos) << output;
        EXPECT_EQ(store::FileText(store::OldVersionCopyPath(Store(), 1)),
                  store::FileText(original));
        // Migrated once: a second start finds the current version and copies nothing again.
        RunScript("locale . ,\njournal " + Store().string() + "\n");
        EXPECT_EQ(store::FileText(store::OldVersionCopyPath(Store(), 1)),
                  store::FileText(original));
    }
}

// A tape kept by the version before the business functions opens as it was (its copy kept beside
// it), and takes the new lines: a non-add number is journaled, kept and corrected after a restart.
TEST_F(KeptFormatTest, AVersionTwoStoreOpensAsItWasAndTakesTheNewLines) {
    const fs::path original = fs::path(RECKORA_TEST_DATA) / "v2" / "v2-comma.sqlite";
    fs::copy_file(original, Store());
    const std::string output = RunScript("locale , .\njournal " + Store().string() + R"(
expect tape [["1.250",2,true],["80,75",2,true],["20,5",1,true],["1.310,25",103,true],["4,00",4,true],["2,50",8,true],["10,00",-2,true],["15,00",6,true]]
expect entry "12,5"
expect notes {"2":"Miete März"}
expect corrections [[2,"75,25"]]
correct 1 2.000
key nonadd
restart
correct 9 13
expect tape [["2.000",2,true],["80,75",2,true],["20,5",1,true],["2.060,25",103,true],["4,00",4,true],["2,50",8,true],["10,00",-2,true],["15,00",6,true],["13",12,true]]
expect corrections [[1,"1.250"],[2,"75,25"],[9,"12,5"]]
sheets
)");
    EXPECT_EQ(output.find("expect"), std::string::npos) << output;
    EXPECT_NE(output.find(R"("name":"Dezember")"), std::string::npos) << output;
    EXPECT_EQ(store::FileText(store::OldVersionCopyPath(Store(), 2)), store::FileText(original));
}

}  // namespace
}  // namespace reckora::script
