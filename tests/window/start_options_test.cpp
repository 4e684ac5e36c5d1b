// The window program's --year and --region, read before Qt starts.

#include "start_options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

StartOptions parse(std::vector<const char*> args, bool qtOptionsLeft = true) {
    args.insert(args.begin(), "tarvinde");
    return parseStartOptions(static_cast<int>(args.size()), args.data(), qtOptionsLeft);
}

TEST(StartOptions, AYearTheRefreshAcceptsAndARegion) {
    struct Case {
        std::vector<const char*> args;
        const char* year;  // nullptr: none given
        const char* region;
    };
    const std::vector<Case> cases{
        {{}, nullptr, "zuidelijke-nederlanden"},
        {{"--year", "2000"}, "2000", "zuidelijke-nederlanden"},
        {{"--year=1582"}, "1582", "zuidelijke-nederlanden"},
        // As the year box takes them: blanks, a decimal comma or point, the bounds.
        {{"--year", " 1582,4 "}, " 1582,4 ", "zuidelijke-nederlanden"},
        {{"--year", "100"}, "100", "zuidelijke-nederlanden"},
        {{"--year", "2100.0"}, "2100.0", "zuidelijke-nederlanden"},
        {{"--year", "+0100"}, "+0100", "zuidelijke-nederlanden"},
        {{"--region", "luik"}, nullptr, "luik"},
        {{"--region=holland", "--year", "1583"}, "1583", "holland"},
        // Qt's options stay for Qt.
        {{"-platform", "offscreen", "--year", "1700", "-style", "fusion"}, "1700", "zuidelijke-nederlanden"},
    };
    for (const Case& c : cases) {
        const StartOptions o = parse(c.args);
        EXPECT_EQ(o.error, "");
        EXPECT_EQ(o.year.value_or("(none)"), c.year ? c.year : "(none)");
        EXPECT_EQ(o.region->id, c.region);
    }
}

TEST(StartOptions, WhatTheRefreshWouldRefuseIsAnError) {
    struct Case {
        std::vector<const char*> args;
        const char* says;
    };
    const std::vector<Case> cases{
        {{"--year", "99.4"}, "--year must be a number from 100 to 2100, not '99.4'"},
        {{"--year", "2100.5"}, "not '2100.5'"},
        {{"--year", "abc"}, "not 'abc'"},
        {{"--year", ""}, "not ''"},
        {{"--year", "0x7D0"}, "not '0x7D0'"},
        {{"--year", "1e3"}, "not '1e3'"},
        {{"--year", "20\n00"}, "not '20?00'"},
        {{"--year"}, "--year needs a value"},
        {{"--region"}, "--region needs a value"},
        {{"--year", "2000", "--year=2001"}, "--year is given twice"},
        {{"--region", "luik", "--region", "luik"}, "--region is given twice"},
        {{"--region", "Luik"},
         "unknown region 'Luik'; known regions: zuidelijke-nederlanden, staten-generaal"},
    };
    for (const Case& c : cases) {
        const StartOptions o = parse(c.args);
        EXPECT_NE(o.error.find(c.says), std::string::npos) << o.error;
        EXPECT_EQ(o.error.find('\n'), std::string::npos);
    }
    // Once Qt has taken its own options out, nothing else is left to accept.
    EXPECT_EQ(parse({"--year", "2000", "-platfrom"}, false).error,
              "unknown argument '-platfrom'; the window takes --year YEAR and --region ID");
    EXPECT_EQ(parse({"--year", "2000", "--region", "holland"}, false).error, "");
}

}  // namespace
