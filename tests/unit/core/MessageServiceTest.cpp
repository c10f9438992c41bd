#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "unit/core/CaptureCout.h"
#include "core/Flumaris.h"
#include "core/MessageService.h"

using Flumaris::MessageService;

namespace {

class Messages : public ::testing::Test {
protected:
    void SetUp() override {
        Flumaris::ProgramSettings::resetToDefaults();
        MessageService::instance().setInteractive(false);
        MessageService::instance().setAnswerStream(nullptr);
    }
};

}  // namespace

TEST_F(Messages, WrapBreaksAtBlanksWithinWidths) {
    const std::string w72(72, 'a');
    // Exactly 72 characters stay on one line; one more word moves to a continuation line.
    EXPECT_EQ(MessageService::wrap(w72), w72);
    EXPECT_EQ(MessageService::wrap(w72 + " b"), w72 + "\n   b");
    // Continuation lines hold up to 75 characters.
    const std::string w75(75, 'c');
    EXPECT_EQ(MessageService::wrap("x " + w72 + " " + w75 + " d"), "x\n   " + w72 + "\n   " + w75 + "\n   d");
    // A word longer than the width is never cut in the middle.
    const std::string longWord(100, 'z');
    EXPECT_EQ(MessageService::wrap(longWord + " tail"), longWord + "\n   tail");
    // Tabs count as break points too.
    EXPECT_EQ(MessageService::wrap(std::string(70, 'q') + "\tnext"), std::string(70, 'q') + "\n   next");
}

TEST_F(Messages, WrapKeepsEmbeddedLineBreaksAndIndents) {
    EXPECT_EQ(MessageService::wrap("first\nsecond\n\nfourth"), "first\n   second\n   \n   fourth");
}

TEST_F(Messages, FrameTitleIsCentred) {
    const std::string h = MessageService::header(" Error ");
    const std::string stars(79, '*');
    const std::string row = "*" + std::string(35, '!') + " Error " + std::string(35, '!') + "*";
    EXPECT_EQ(h, "\n" + stars + "\n" + row + "\n" + stars + "\n");
    const std::string w = MessageService::header(" Warning ");
    const std::string wrow = "*" + std::string(34, '!') + " Warning " + std::string(34, '!') + "*";
    EXPECT_NE(w.find("\n" + wrow + "\n"), std::string::npos);
    EXPECT_EQ(wrow.size(), 79u);
}

TEST_F(Messages, ErrorPrintsBoxAndThrows) {
    Flumaris::settings().batch_ = true;
    CaptureCout out;
    try {
        Flumaris::report(1, "Error: something is wrong.");
        FAIL() << "level 1 must end the run";
    } catch (const Flumaris::FatalError& e) {
        EXPECT_STREQ(e.what(), "Error: something is wrong.");
    }
    EXPECT_EQ(out.str(), "\n" + MessageService::header(" Error ") + "-> Error: something is wrong.\nProgram is terminated...\n");
}

TEST_F(Messages, LevelFilterDropsAboveLogLevelButNeverErrors) {
    Flumaris::settings().logLevel_ = 3;
    Flumaris::settings().batch_ = true;
    CaptureCout out;
    Flumaris::report(4, "confirm");
    Flumaris::report(5, "info");
    Flumaris::report(6, "detail");
    EXPECT_EQ(out.str(), "");
    Flumaris::report(3, "plain warning");
    EXPECT_NE(out.str().find("-> plain warning\n"), std::string::npos);
    EXPECT_THROW(Flumaris::report(1, "fatal"), Flumaris::FatalError);
}

TEST_F(Messages, BatchWarningsNeverWait) {
    Flumaris::settings().batch_ = true;
    MessageService::instance().setInteractive(true);  // a terminal, but batch forbids prompts
    std::istringstream answers("n\n");
    MessageService::instance().setAnswerStream(&answers);
    CaptureCout out;
    Flumaris::report(2, "acknowledge");
    Flumaris::report(4, "confirm");
    const std::string s = out.str();
    EXPECT_EQ(s.find("press any key"), std::string::npos);
    EXPECT_EQ(s.find("Do you want to continue"), std::string::npos);
    EXPECT_NE(s.find("-> acknowledge\nProgram continues...\n"), std::string::npos);
    EXPECT_NE(s.find("-> confirm\nProgram continues...\n"), std::string::npos);
}

TEST_F(Messages, ConfirmedWarningContinuesUnlessNo) {
    Flumaris::settings().batch_ = false;
    for (const char* word : {"y", "yes", "whatever"}) {
        std::istringstream answers(word);
        MessageService::instance().setAnswerStream(&answers);
        CaptureCout out;
        EXPECT_NO_THROW(Flumaris::report(4, "go on?"));
        EXPECT_NE(out.str().find(" Do you want to continue? (y/N)\n>"), std::string::npos);
    }
    for (const char* word : {"n", "N"}) {
        std::istringstream answers(word);
        MessageService::instance().setAnswerStream(&answers);
        CaptureCout out;
        EXPECT_THROW(Flumaris::report(4, "go on?"), Flumaris::FatalError);
    }
}

TEST_F(Messages, GravityKeepsDerivedValuesConsistent) {
    auto& s = Flumaris::settings();
    EXPECT_DOUBLE_EQ(s.sqrtGravity() * s.sqrtGravity(), 9.81);
    EXPECT_DOUBLE_EQ(s.sqrtTwoGravity(), std::sqrt(2 * 9.81));
    EXPECT_DOUBLE_EQ(s.invGravity(), 1 / 9.81);
    s.setGravity(9.80665);
    EXPECT_DOUBLE_EQ(s.sqrtGravity(), std::sqrt(9.80665));
    EXPECT_DOUBLE_EQ(s.sqrtTwoGravity(), std::sqrt(2 * 9.80665));
    EXPECT_DOUBLE_EQ(s.invGravity(), 1 / 9.80665);
}
