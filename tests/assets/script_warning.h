#pragma once
// Runs database scripts that are expected to stop with exactly one warning of the given
// title, checking its text and what the lines before and after the error made.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "test_support.h"

// One row of a failing-script table: the script, its warning's text, a name the lines
// before the error made ("" for none) and one the lines after it would have made.
struct ScriptErrorCase {
    const char* script;
    const char* message;
    const char* kept;
    const char* dropped;
};

template <class Database, class Has>
void ExpectScriptErrors(const std::vector<ScriptErrorCase>& cases, const char* title, Has has)
{
    for (const ScriptErrorCase& c : cases) {
        Database db;
        vorntest::DiagnosticsRecorder rec;
        EXPECT_FALSE(db.RunScript(c.script)) << c.script;
        EXPECT_EQ(rec.warnings, (std::vector<std::pair<std::string, std::string>>{{title, c.message}})) << c.script;
        EXPECT_EQ(has(db, c.kept), *c.kept != 0) << c.script;
        EXPECT_FALSE(has(db, c.dropped)) << c.script;
    }
}
