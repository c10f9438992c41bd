#pragma once
// Geometry files written to a fresh directory and read with the settings of a
// table-mode chain (Strickler 30 by default).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>

#include "chain/FCInputTopoFMG.h"
#include "core/MessageService.h"
#include "physics/resistance/ResistanceFactory.h"

class ChainFixture : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("flum_chain_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir_);
        Flumaris::ResistanceSettings rs;
        rs.type = "strickler";
        law_ = Flumaris::createResistanceCalc(rs);
        context_.computation.mode = Flumaris::SectionMode::Table;
        context_.computation.precision = 1e-6;
        context_.computation.minInterval = 0.05;
        context_.computation.maxInterval = 0.2;
        context_.computation.minWaterDepth = 1e-4;
        context_.computation.maxIterations = 1000;
        context_.law = law_.get();
        context_.defaultFriction = 30.0;
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::string write(const std::string& name, const std::string& text) const {
        const std::string path = (dir_ / name).string();
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }
    std::unique_ptr<FlumChain::InputTopoFMG> read(const std::string& path) const {
        return std::make_unique<FlumChain::InputTopoFMG>(path, context_);
    }
    // The message with which reading the text stops ("" when it does not).
    std::string errorOf(const std::string& text) const {
        const std::string path = write("bad.fmg", text);
        try {
            read(path);
        } catch (const Flumaris::FatalError& e) {
            return e.what();
        }
        return "";
    }

    std::filesystem::path dir_;
    std::unique_ptr<Flumaris::ResistanceCalc> law_;
    FlumChain::TopoContext context_;
};
