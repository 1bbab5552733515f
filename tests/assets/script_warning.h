#pragma once
// Runs a database script that is expected to stop with exactly one warning of the
// given title, and returns the warning's text ("" when there was none).
#include <string>

#include <gtest/gtest.h>

#include "test_support.h"

template <class Database>
std::string RunFailing(Database& db, const std::string& script, const char* title)
{
    vorntest::DiagnosticsRecorder rec;
    EXPECT_FALSE(db.RunScript(script));
    EXPECT_EQ(rec.warnings.size(), 1u);
    if (rec.warnings.empty())
        return "";
    EXPECT_EQ(rec.warnings[0].first, title);
    return rec.warnings[0].second;
}
