#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <iostream>
#include <sstream>
#include <vector>

#include "core/Flumaris.h"
#include "core/MessageService.h"
#include "domain/Domain.h"

using namespace Flumaris;

namespace {

struct Silence {
    std::ostringstream sink;
    std::streambuf* old = std::cout.rdbuf(sink.rdbuf());
    ~Silence() { std::cout.rdbuf(old); }
};

// A subdomain that advances by the step it is given and records what it did.
class TestSub : public SubDomain {
public:
    TestSub(std::string name, double ownStep, double t0, double t1, std::vector<std::string>* log = nullptr)
        : SubDomain(std::move(name), SubDomainKind::Plane2D), log_(log) {
        time_ = startTime_ = t0;
        finalTime_ = t1;
        dt_ = ownStep;
    }
    void advance(double dt) override {
        time_ += dt;
        steps.push_back(dt);
        if (log_) log_->push_back(getName());
    }
    void prepareRun() override { prepared = true; }
    void finalize(double) override { finalized = true; }
    bool isReady() const override { return ready ? ready() : true; }

    std::function<bool()> ready;
    std::vector<double> steps;
    bool prepared = false, finalized = false;

private:
    std::vector<std::string>* log_;
};

class Driver : public ::testing::Test {
protected:
    void SetUp() override {
        ProgramSettings::resetToDefaults();
        settings().batch_ = true;
    }
    Silence quiet;
};

}  // namespace

TEST(TimeLevels, PowersOfTwoUpTo32AndCapped) {
    const std::vector<std::pair<double, int>> cases = {{1, 1}, {1.99, 1}, {2, 2}, {3.9, 2}, {4, 4},
                                                       {8, 8}, {31, 16}, {33, 32}, {1000, 32}};
    for (auto [ratio, level] : cases) EXPECT_EQ(Domain::timeLevelFor(ratio, 32), level) << ratio;
    EXPECT_EQ(Domain::timeLevelFor(33, 4), 4);
    EXPECT_EQ(Domain::timeLevelFor(33, 1), 1);
}

TEST(TimeLevels, SubStepPattern) {
    std::vector<int> r8;
    for (int s = 1; s <= 8; ++s) r8.push_back(Domain::subStepRank(s));
    EXPECT_EQ(r8, (std::vector<int>{1, 2, 1, 4, 1, 2, 1, 8}));
    std::vector<int> count(33, 0);
    for (int s = 1; s <= 32; ++s) ++count[Domain::subStepRank(s)];
    EXPECT_EQ(count[1], 16);
    EXPECT_EQ(count[2], 8);
    EXPECT_EQ(count[4], 4);
    EXPECT_EQ(count[8], 2);
    EXPECT_EQ(count[16], 1);
    EXPECT_EQ(count[32], 1);
}

TEST_F(Driver, StepsPerCycleFollowTheLevels) {
    Domain d;
    auto fast = std::make_unique<TestSub>("fast", 1.0, 0.0, 8.0);
    auto mid = std::make_unique<TestSub>("mid", 3.9, 0.0, 8.0);
    auto slow = std::make_unique<TestSub>("slow", 8.5, 0.0, 8.0);
    TestSub *f = fast.get(), *m = mid.get(), *s = slow.get();
    d.addSubDomain(std::move(fast));
    d.addSubDomain(std::move(mid));
    d.addSubDomain(std::move(slow));
    d.checkTimes();
    d.run();
    // One cycle of 8 sub-steps: levels 1, 2 and 8.
    EXPECT_EQ(f->steps.size(), 8u);
    EXPECT_EQ(m->steps.size(), 4u);
    EXPECT_EQ(s->steps.size(), 1u);
    EXPECT_DOUBLE_EQ(m->steps[0], 2.0);
    EXPECT_DOUBLE_EQ(d.currentTime(), 8.0);
    EXPECT_TRUE(f->prepared && f->finalized && s->finalized);
}

TEST_F(Driver, LastStepLandsOnTheEndTime) {
    Domain d;
    auto a = std::make_unique<TestSub>("a", 0.3, 0.0, 1.0);
    auto b = std::make_unique<TestSub>("b", 0.3, 0.0, 1.0);
    TestSub* pa = a.get();
    d.addSubDomain(std::move(a));
    d.addSubDomain(std::move(b));
    d.checkTimes();
    d.run();
    ASSERT_EQ(pa->steps.size(), 4u);
    EXPECT_NEAR(pa->steps.back(), 0.1 + 1e-10, 1e-12);
    EXPECT_NEAR(pa->getTime(), 1.0, 1e-9);
}

TEST_F(Driver, DrivenSubdomainStepsInALaterPass) {
    Domain d;
    std::vector<std::string> order;
    auto up = std::make_unique<TestSub>("upstream", 1.0, 0.0, 2.0, &order);
    auto down = std::make_unique<TestSub>("downstream", 1.0, 0.0, 2.0, &order);
    TestSub *u = up.get(), *w = down.get();
    // The downstream one needs the upstream values of the step it is about to take.
    w->ready = [u, w] { return u->getTime() > w->getTime(); };
    d.addSubDomain(std::move(down));
    d.addSubDomain(std::move(up));
    d.checkTimes();
    d.run();
    EXPECT_EQ(order, (std::vector<std::string>{"upstream", "downstream", "upstream", "downstream"}));
}

TEST_F(Driver, NoReadySubdomainEndsWithANamedError) {
    Domain d;
    auto a = std::make_unique<TestSub>("a", 1.0, 0.0, 2.0);
    auto b = std::make_unique<TestSub>("b", 1.0, 0.0, 2.0);
    a->ready = [] { return false; };
    b->ready = [] { return false; };
    d.addSubDomain(std::move(a));
    d.addSubDomain(std::move(b));
    d.checkTimes();
    try {
        d.run();
        FAIL();
    } catch (const FatalError& e) {
        EXPECT_NE(std::string(e.what()).find("'a', 'b'"), std::string::npos) << e.what();
    }
}

TEST_F(Driver, SmallestFinalTimeWinsWithAWarning) {
    Domain d;
    d.addSubDomain(std::make_unique<TestSub>("a", 10.0, 0.0, 100.0));
    d.addSubDomain(std::make_unique<TestSub>("b", 10.0, 0.0, 50.0));
    std::ostringstream out;
    std::cout.rdbuf(out.rdbuf());
    d.checkTimes();
    std::cout.rdbuf(quiet.sink.rdbuf());
    EXPECT_DOUBLE_EQ(d.endTime(), 50.0);
    EXPECT_NE(out.str().find("The smallest final simulation time of all subdomains ('50')"), std::string::npos) << out.str();
    d.run();
    EXPECT_NEAR(d.currentTime(), 50.0, 1e-9);
}

TEST_F(Driver, TimeChecks) {
    {
        Domain d;
        d.addSubDomain(std::make_unique<TestSub>("a", 1.0, 0.0, 0.0));
        EXPECT_THROW(d.checkTimes(), FatalError);
    }
    {
        Domain d;
        d.addSubDomain(std::make_unique<TestSub>("a", 1.0, 0.0, 10.0));
        d.addSubDomain(std::make_unique<TestSub>("b", 1.0, 1.0, 10.0));
        try {
            d.checkTimes();
            FAIL();
        } catch (const FatalError& e) {
            EXPECT_STREQ(e.what(), "Error: The subdomains have different initial simulation times!\nPlease set the initial "
                                   "time of all subdomains to the same value.");
        }
    }
}

TEST_F(Driver, SingleSubdomainRunsAlone) {
    Domain d;
    auto a = std::make_unique<TestSub>("a", 0.4, 0.0, 1.0);
    TestSub* pa = a.get();
    d.addSubDomain(std::move(a));
    d.checkTimes();
    d.run();
    // its own steps, the last one shortened to land on the end
    ASSERT_EQ(pa->steps.size(), 3u);
    EXPECT_DOUBLE_EQ(pa->steps[2], 0.2);
    EXPECT_DOUBLE_EQ(pa->getTime(), 1.0);
}

TEST_F(Driver, CouplingTypes) {
    EXPECT_NO_THROW(Domain::checkCouplingType("riemann"));
    EXPECT_NO_THROW(Domain::checkCouplingType("sequential"));
    try {
        Domain::checkCouplingType("rieman");
        FAIL();
    } catch (const FatalError& e) {
        EXPECT_STREQ(e.what(),
                     "Error in defining the coupling of the subdomains\nThe coupling type 'rieman' is unknown.\n"
                     "Supported coupling types are: 'sequential', 'junction', 'bifurcation', 'lateral', "
                     "'confluence_wse', 'rieman', 'external'.\nPlease correct the command file and restart the "
                     "simulation.");
    }
}
